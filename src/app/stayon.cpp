#include "app/stayon.h"

#include "platform/form.h"

void MakeTopmost(Form *window)
{
    window->setTopmost(true);
}

void MakeNotTopmost(Form *window)
{
    window->setTopmost(false);
}
