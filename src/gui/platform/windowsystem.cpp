#include "gui/platform/windowsystem.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QString>

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
#include <xcb/xcb.h>
#endif

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

namespace {

bool g_noSharedMemorySetHere = false;

} // namespace

void sendPicturesOverTheConnection()
{
#ifdef Q_OS_LINUX
    // Before Qt paints into a shared picture again it waits for the X server to have read it:
    // with the caret blinking twice a second that is two wake-ups more of the program each time
    // and a reply from the server. A note's picture of about 100 KB costs nothing to send.
    if (qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        return;
    qputenv("QT_XCB_NO_MITSHM", "1");
    g_noSharedMemorySetHere = true;
#endif
}

void leaveChildrenAlone()
{
    // The platform read it when the application object was made.
    if (g_noSharedMemorySetHere)
        qunsetenv("QT_XCB_NO_MITSHM");
    g_noSharedMemorySetHere = false;
}

void sendToWindowSystem()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // Qt sends its requests to the X server when its event loop next runs; a window asked for
    // before then would wait for whatever comes first.
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    if (auto *x11 = qApp->nativeInterface<QNativeInterface::QX11Application>())
        xcb_flush(x11->connection());
#endif
}
