#include "gui/note/texthook.h"

#include "gui/notebook/program.h"

#include <QAbstractScrollArea>
#include <QEvent>

namespace {

// A scroll-area text field gets its context-menu requests on its viewport.
QList<QObject *> hookTargets(QWidget *field)
{
    QList<QObject *> targets{field};
    if (auto *area = qobject_cast<QAbstractScrollArea *>(field))
        targets.append(area->viewport());
    return targets;
}

} // namespace

bool TextHook::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ContextMenu)
        return true;
    return QObject::eventFilter(watched, event);
}

void InstallTextHook(Program &program)
{
    if (!program.HookedTextWindow)
        return;
    for (QObject *target : hookTargets(program.HookedTextWindow))
        target->installEventFilter(&program.textHook());
}

void RemoveTextHook(Program &program)
{
    if (!program.HookedTextWindow)
        return;
    for (QObject *target : hookTargets(program.HookedTextWindow))
        target->removeEventFilter(&program.textHook());
}
