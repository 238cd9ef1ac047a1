#include "platform/windowroles.h"

#include "platform/form.h"

#include <QAccessibleWidget>

namespace {

QAccessibleInterface *windowRole(const QString &, QObject *object)
{
    auto *form = qobject_cast<Form *>(object);
    if (!form || !form->isWindow())
        return nullptr;
    return new QAccessibleWidget(form, form->windowType() == Qt::Dialog ? QAccessible::Dialog : QAccessible::Window);
}

} // namespace

void installWindowRoles()
{
    static const bool installed = [] {
        QAccessible::installFactory(windowRole);
        return true;
    }();
    Q_UNUSED(installed)
}
