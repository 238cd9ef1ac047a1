#include "gui/platform/windowsystem.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QHash>
#include <QString>

#include <cstdlib>

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
    // Qt sends its requests to the X server when its event loop next runs; a window asked for
    // before then would wait for whatever comes first.
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    if (xcb_connection_t *connection = x11Connection())
        xcb_flush(connection);
#endif
}

xcb_connection_t *x11Connection()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    auto *x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
#else
    return nullptr;
#endif
}

uint32_t x11Atom(const QByteArray &name)
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    static QHash<QByteArray, uint32_t> known;
    const auto it = known.constFind(name);
    if (it != known.constEnd())
        return *it;
    xcb_connection_t *connection = x11Connection();
    if (!connection)
        return 0;
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, uint16_t(name.size()), name.constData()), nullptr);
    const uint32_t found = reply ? reply->atom : uint32_t(XCB_ATOM_NONE);
    free(reply);
    if (found != XCB_ATOM_NONE)
        known.insert(name, found);
    return found;
#else
    Q_UNUSED(name);
    return 0;
#endif
}
