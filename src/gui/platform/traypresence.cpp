#include "gui/platform/traypresence.h"

#include "gui/platform/windowsystem.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>
#include <QDBusVariant>
#include <QTimer>

#include <cstdlib>

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
#define QUILLARREN_X11 1
#include <xcb/xcb.h>
#endif

namespace {

const QString WatcherService = QStringLiteral("org.kde.StatusNotifierWatcher");
const QString WatcherPath = QStringLiteral("/StatusNotifierWatcher");
constexpr int AskTimeoutMs = 2000;

#ifdef QUILLARREN_X11
// The X11 screen of the display the program runs on (":0.1" is screen 1): its tray's selection.
int x11ScreenNumber()
{
    const QByteArray display = qgetenv("DISPLAY");
    const qsizetype dot = display.indexOf('.', display.lastIndexOf(':'));
    return dot > 0 ? display.mid(dot + 1).toInt() : 0;
}
#endif

} // namespace

TrayPresence::TrayPresence(QObject *parent)
    : QObject(parent)
{
}

TrayPresence::~TrayPresence()
{
    stopWatching();
}

void TrayPresence::start()
{
    if (m_started)
        return;
    m_started = true;
    bool watching = false;
#ifdef QUILLARREN_X11
    if (x11Connection()) {
        m_trayAtom = x11Atom("_NET_SYSTEM_TRAY_S" + QByteArray::number(x11ScreenNumber()));
        m_managerAtom = x11Atom("MANAGER");
        if (hasXEmbedTray()) {
            markAppeared();
            return;
        }
        // A tray that starts announces itself on the root window, whose events Qt receives.
        QCoreApplication::instance()->installNativeEventFilter(this);
        m_filtering = true;
        watching = true;
    }
#endif
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (bus.isConnected()) {
        // No polling: the bus tells when the watcher's name is taken and when a host registers.
        m_watcher = new QDBusServiceWatcher(WatcherService, bus, QDBusServiceWatcher::WatchForRegistration, this);
        connect(m_watcher, &QDBusServiceWatcher::serviceRegistered, this, &TrayPresence::askWhetherAHostIsRegistered);
        m_listening = bus.connect(WatcherService, WatcherPath, WatcherService, QStringLiteral("StatusNotifierHostRegistered"),
                                  this, SLOT(askWhetherAHostIsRegistered()));
        askWhetherAHostIsRegistered();
        watching = true;
    }
    if (!watching)
        markAppeared();
}

void TrayPresence::askWhetherAHostIsRegistered()
{
    if (m_appeared)
        return;
    // What Qt itself asks when it makes the icon: a watcher alone has no panel to show it.
    QDBusMessage get = QDBusMessage::createMethodCall(WatcherService, WatcherPath,
                                                      QStringLiteral("org.freedesktop.DBus.Properties"),
                                                      QStringLiteral("Get"));
    get << WatcherService << QStringLiteral("IsStatusNotifierHostRegistered");
    get.setAutoStartService(false);   // asking must not start a watcher of its own
    auto *call = new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(get, AskTimeoutMs), this);
    connect(call, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher *answered) {
        answered->deleteLater();
        const QDBusPendingReply<QDBusVariant> reply = *answered;
        if (!reply.isError() && reply.value().variant().toBool())
            markAppeared();
    });
}

bool TrayPresence::hasXEmbedTray()
{
#ifdef QUILLARREN_X11
    xcb_connection_t *connection = x11Connection();
    if (!connection || m_trayAtom == XCB_ATOM_NONE)
        return false;
    xcb_get_selection_owner_reply_t *reply =
        xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, m_trayAtom), nullptr);
    const bool owned = reply && reply->owner != XCB_NONE;
    free(reply);
    return owned;
#else
    return false;
#endif
}

bool TrayPresence::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result)
{
    Q_UNUSED(result);
#ifdef QUILLARREN_X11
    if (m_appeared || eventType != "xcb_generic_event_t")
        return false;
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    if ((event->response_type & 0x7f) != XCB_CLIENT_MESSAGE)
        return false;
    const auto *client = reinterpret_cast<const xcb_client_message_event_t *>(event);
    if (client->format == 32 && client->type == m_managerAtom && client->data.data32[1] == m_trayAtom)
        markAppeared();
#else
    Q_UNUSED(eventType);
    Q_UNUSED(message);
#endif
    return false;
}

void TrayPresence::markAppeared()
{
    if (m_appeared)
        return;
    m_appeared = true;
    // Not from inside the event filter or a bus reply: the watching ends and the icon is made
    // from the event loop.
    QTimer::singleShot(0, this, [this] {
        stopWatching();
        emit appeared();
    });
}

void TrayPresence::stopWatching()
{
    if (m_filtering && QCoreApplication::instance())
        QCoreApplication::instance()->removeNativeEventFilter(this);
    m_filtering = false;
    delete m_watcher;
    m_watcher = nullptr;
    if (m_listening)
        QDBusConnection::sessionBus().disconnect(WatcherService, WatcherPath, WatcherService,
                                                 QStringLiteral("StatusNotifierHostRegistered"), this,
                                                 SLOT(askWhetherAHostIsRegistered()));
    m_listening = false;
}
