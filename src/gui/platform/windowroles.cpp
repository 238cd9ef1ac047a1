#include "gui/platform/windowroles.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace {

QAccessibleInterface *windowRole(const QString &, QObject *object)
{
    // The program's own windows only: Qt's own classes (menus, its dialogs) read as Qt makes them.
    auto *window = qobject_cast<QWidget *>(object);
    if (!window || !window->isWindow() || QByteArray(window->metaObject()->className()).startsWith('Q'))
        return nullptr;
    return new QAccessibleWidget(window, window->windowType() == Qt::Dialog ? QAccessible::Dialog : QAccessible::Window);
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
