#include "gui/platform/stayon.h"

#include "gui/platform/programwindow.h"

void MakeTopmost(ProgramWindow *window)
{
    window->setTopmost(true);
}

void MakeNotTopmost(ProgramWindow *window)
{
    window->setTopmost(false);
}
