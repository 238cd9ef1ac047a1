#include "platform/windowsystem.h"

#include <QByteArray>
#include <QString>

void preferX11OnWayland()
{
#ifdef Q_OS_LINUX
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return;
    const bool wayland = qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland")
        || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    if (wayland && !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb;wayland");   // falls back to Wayland when X11 cannot start
#endif
}
