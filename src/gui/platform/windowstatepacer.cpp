#include "gui/platform/windowstatepacer.h"

#include "gui/platform/windowsystem.h"

#include <QCoreApplication>

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
#define QUILLARREN_X11 1
#include <xcb/xcb.h>
#endif

WindowStatePacer::WindowStatePacer(int perTurn, QObject *parent)
    : QObject(parent)
    , m_perTurn(perTurn)
{
#ifdef QUILLARREN_X11
    if (!x11Connection())
        return;
    m_wmStateAtom = x11Atom("WM_STATE");
    m_netWmStateAtom = x11Atom("_NET_WM_STATE");
    // A zero timer fires once the window thread has answered what waited: that ends a turn.
    m_turn.setSingleShot(true);
    m_turn.setInterval(0);
    connect(&m_turn, &QTimer::timeout, this, &WindowStatePacer::nextTurn);
    QCoreApplication::instance()->installNativeEventFilter(this);
#endif
}

bool WindowStatePacer::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result)
{
    Q_UNUSED(result);
#ifdef QUILLARREN_X11
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    if ((event->response_type & 0x7f) != XCB_PROPERTY_NOTIFY)
        return false;
    const auto *notify = reinterpret_cast<const xcb_property_notify_event_t *>(event);
    const bool wmState = notify->atom == m_wmStateAtom;
    if ((!wmState && notify->atom != m_netWmStateAtom) || notify->atom == XCB_ATOM_NONE
        || notify->state != XCB_PROPERTY_NEW_VALUE)
        return false;
    if (!m_turn.isActive())
        m_turn.start();
    // One handed on from a turn before has waited its turn already.
    const bool handedOn = event->response_type & 0x80;
    const auto held = m_held.find(notify->window);
    if (handedOn || (held == m_held.end() && m_handled < m_perTurn)) {
        ++m_handled;
        return false;
    }
    if (held == m_held.end()) {
        m_order.push_back(notify->window);
        m_held.insert(notify->window, Held{wmState, notify->time});
    } else {
        held->wmState = held->wmState || wmState;
        held->time = notify->time;
    }
    return true;
#else
    Q_UNUSED(eventType);
    Q_UNUSED(message);
    return false;
#endif
}

void WindowStatePacer::nextTurn()
{
    m_handled = 0;
    int handedOn = 0;
    while (!m_order.empty() && handedOn < m_perTurn) {
        const uint32_t window = m_order.front();
        m_order.pop_front();
        handOn(window, m_held.take(window));
        ++handedOn;
    }
    if (isHolding())
        m_turn.start();
}

void WindowStatePacer::handOn(uint32_t window, const Held &held)
{
#ifdef QUILLARREN_X11
    xcb_connection_t *connection = x11Connection();
    if (!connection)
        return;
    // Sent to ourselves alone (an empty mask sends it to the window's maker), it comes back in
    // order with the other events. A window gone meanwhile makes an error nobody needs to see.
    xcb_property_notify_event_t notify = {};
    notify.response_type = XCB_PROPERTY_NOTIFY;
    notify.window = window;
    notify.atom = held.wmState ? m_wmStateAtom : m_netWmStateAtom;
    notify.time = held.time;
    notify.state = XCB_PROPERTY_NEW_VALUE;
    xcb_discard_reply(connection, xcb_send_event_checked(connection, 0, window, XCB_EVENT_MASK_NO_EVENT,
                                                          reinterpret_cast<const char *>(&notify)).sequence);
    xcb_flush(connection);
#else
    Q_UNUSED(window);
    Q_UNUSED(held);
#endif
}
