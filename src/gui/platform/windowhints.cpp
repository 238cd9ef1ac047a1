#include "gui/platform/windowhints.h"

#include "gui/platform/units.h"
#include "gui/platform/windowsystem.h"

#include <QEvent>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cstdlib>
#include <vector>

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
#define QUILLARREN_X11 1
#include <xcb/xcb.h>
#endif

namespace WindowHints {

#ifdef QUILLARREN_X11
namespace {

// How long after the level is first set it is written again (see keepOpacityOnceMapped).
constexpr int OpacityRewriteMs = 500;

bool isMapped(xcb_connection_t *connection, xcb_window_t id)
{
    xcb_get_window_attributes_reply_t *attributes =
        xcb_get_window_attributes_reply(connection, xcb_get_window_attributes(connection, id), nullptr);
    const bool mapped = attributes && attributes->map_state != XCB_MAP_STATE_UNMAPPED;
    free(attributes);
    return mapped;
}

struct StateAtoms
{
    xcb_atom_t state;
    xcb_atom_t skipTaskbar;
    xcb_atom_t skipPager;
    xcb_atom_t above;
};

StateAtoms stateAtoms()
{
    return {x11Atom("_NET_WM_STATE"), x11Atom("_NET_WM_STATE_SKIP_TASKBAR"),
            x11Atom("_NET_WM_STATE_SKIP_PAGER"), x11Atom("_NET_WM_STATE_ABOVE")};
}

// A mapped window asks the window manager, which owns its state from then on.
void askForStates(xcb_connection_t *connection, xcb_window_t id, bool above)
{
    const StateAtoms atoms = stateAtoms();
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const auto ask = [&](uint32_t action, xcb_atom_t first, xcb_atom_t second) {
        xcb_client_message_event_t message = {};
        message.response_type = XCB_CLIENT_MESSAGE;
        message.format = 32;
        message.window = id;
        message.type = atoms.state;
        message.data.data32[0] = action;   // 0 remove, 1 add
        message.data.data32[1] = first;
        message.data.data32[2] = second;
        message.data.data32[3] = 1;        // from a normal application
        xcb_send_event(connection, 0, screen->root,
                       XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                       reinterpret_cast<const char *>(&message));
    };
    ask(1, atoms.skipTaskbar, atoms.skipPager);
    ask(above ? 1 : 0, atoms.above, XCB_ATOM_NONE);
    xcb_flush(connection);
}

// Asks the window manager for the above band once it has mapped the window. A state found on
// the window when it is mapped is one that icewm never gives up, so Always On Top could not be
// switched off again; a state asked for afterwards can be.
class AboveOnceMapped final : public QObject
{
public:
    AboveOnceMapped(QWidget *note, QWindow *window)
        : QObject(window)
        , m_note(note)
    {
        window->installEventFilter(this);
    }

    static AboveOnceMapped *of(QWindow *window) { return window->findChild<AboveOnceMapped *>(); }

    bool above = false;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // The X server exposes only a window that is mapped: asking it again would be one more
        // round trip per note, while a start-up shows hundreds.
        if (event->type() == QEvent::Expose && static_cast<QWindow *>(watched)->isExposed()) {
            xcb_connection_t *connection = x11Connection();
            if (m_note && connection) {
                if (above)
                    askForStates(connection, xcb_window_t(m_note->winId()), true);
                watched->removeEventFilter(this);
                setParent(nullptr);   // a showing that follows at once gets a helper of its own
                deleteLater();
            }
        }
        return false;
    }

private:
    QPointer<QWidget> m_note;
};

// Writes the window's level to the X window again, as it is: Qt skips a level equal to the one
// it has, and a window manager that took it the first time sees no change, so nothing flashes.
void rewriteOpacity(QWindow *window)
{
    xcb_connection_t *connection = x11Connection();
    const qreal level = window->opacity();
    if (!connection || !window->handle() || level >= 1.0)
        return;
    const auto value = quint32(qRound64(qBound(qreal(0), level, qreal(1)) * 0xffffffff));
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, xcb_window_t(window->winId()),
                        x11Atom("_NET_WM_WINDOW_OPACITY"), XCB_ATOM_CARDINAL, 32, 1, &value);
    xcb_flush(connection);
}

} // namespace
#endif

void keepOpacityOnceMapped(QWindow *window)
{
#ifdef QUILLARREN_X11
    static const char *const Pending = "quillarrenOpacityPending";
    if (!window || !x11Connection() || window->property(Pending).toBool())
        return;
    // The X server maps the window before the compositor shows it; mutter drops a level it gets
    // in between. Once the window has been on screen a moment, the level is written again.
    window->setProperty(Pending, true);
    QPointer<QWindow> watched = window;
    QTimer::singleShot(OpacityRewriteMs, window, [watched] {
        if (!watched)
            return;
        watched->setProperty(Pending, false);
        rewriteOpacity(watched);
    });
#else
    Q_UNUSED(window);
#endif
}

#ifdef QUILLARREN_X11
namespace {

// The screen's corner and Qt's scale on it, for the window's native place.
std::pair<QPoint, double> scaleOf(const QWidget *window)
{
    const QScreen *screen = window->screen();
    return {screen ? screen->geometry().topLeft() : QPoint(), window->devicePixelRatioF()};
}

} // namespace
#endif

std::optional<QPointF> exactPosition(const QWidget *window)
{
#ifdef QUILLARREN_X11
    xcb_connection_t *connection = x11Connection();
    const auto id = xcb_window_t(window->internalWinId());
    if (!connection || !id)
        return std::nullopt;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    xcb_translate_coordinates_reply_t *reply = xcb_translate_coordinates_reply(
        connection, xcb_translate_coordinates(connection, id, root, 0, 0), nullptr);
    if (!reply)
        return std::nullopt;
    const QPoint device(reply->dst_x, reply->dst_y);
    free(reply);
    const auto [origin, ratio] = scaleOf(window);
    return Units::fromDevicePixels(device, origin, ratio);
#else
    Q_UNUSED(window);
    return std::nullopt;
#endif
}

bool placeExactly(const QWidget *window, const QPointF &topLeft)
{
#ifdef QUILLARREN_X11
    xcb_connection_t *connection = x11Connection();
    const auto id = xcb_window_t(window->internalWinId());
    if (!connection || !id)
        return false;
    const auto [origin, ratio] = scaleOf(window);
    const QPoint device = Units::toDevicePixels(topLeft, origin, ratio);
    // As Qt asks for a place itself: the window manager puts the window's own corner there.
    const uint32_t values[] = {uint32_t(device.x()), uint32_t(device.y())};
    xcb_configure_window(connection, id, XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y, values);
    xcb_flush(connection);
    return true;
#else
    Q_UNUSED(window);
    Q_UNUSED(topLeft);
    return false;
#endif
}

void setUp(QWidget *window)
{
#ifdef QUILLARREN_X11
    // A plain frameless window: Qt::Tool would make it a utility window, transient for a hidden
    // leader, which KDE hides while another program is active and XWayland never activates.
    window->setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
#else
    // Elsewhere a tool window is how a window stays out of the taskbar.
    window->setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
#endif
}

bool handlesStates()
{
#ifdef QUILLARREN_X11
    return x11Connection() != nullptr;
#else
    return false;
#endif
}

namespace {

#ifdef QUILLARREN_X11
// Before mapping, the window's own property is what the window manager reads; Qt adds its own
// states to it when it maps the window. The above band is asked for once it is mapped. A window
// never shown before has nothing there yet, which spares a round trip per note at start-up.
void writeStatesBeforeMapping(QWidget *window, xcb_connection_t *connection, bool above)
{
    static const char *const Written = "quillarrenStatesWritten";
    const xcb_window_t id = xcb_window_t(window->winId());
    const StateAtoms known = stateAtoms();
    QWindow *handle = window->windowHandle();
    std::vector<xcb_atom_t> atoms;
    if (handle && handle->property(Written).toBool()) {
        xcb_get_property_reply_t *reply = xcb_get_property_reply(
            connection, xcb_get_property(connection, 0, id, known.state, XCB_ATOM_ATOM, 0, 64), nullptr);
        if (reply && reply->format == 32 && reply->type == XCB_ATOM_ATOM) {
            const auto *data = static_cast<const xcb_atom_t *>(xcb_get_property_value(reply));
            atoms.assign(data, data + xcb_get_property_value_length(reply) / 4);
        }
        free(reply);
    }
    atoms.erase(std::remove(atoms.begin(), atoms.end(), known.above), atoms.end());
    for (xcb_atom_t wanted : {known.skipTaskbar, known.skipPager}) {
        if (std::find(atoms.begin(), atoms.end(), wanted) == atoms.end())
            atoms.push_back(wanted);
    }
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, known.state, XCB_ATOM_ATOM, 32,
                        uint32_t(atoms.size()), atoms.data());
    xcb_flush(connection);
    if (!handle)
        return;
    handle->setProperty(Written, true);
    AboveOnceMapped *pending = AboveOnceMapped::of(handle);
    if (!pending && above)
        pending = new AboveOnceMapped(window, handle);
    if (pending)
        pending->above = above;
}
#endif

bool setStatesOf(QWidget *window, bool above, bool mayBeMapped)
{
#ifdef QUILLARREN_X11
    // Qt would re-create the window at its next showing after a change of its stays-on-top flag,
    // losing the states set here; so on X11 the note's whole state is set here, Qt's flag never.
    xcb_connection_t *connection = x11Connection();
    if (!connection)
        return false;
    const xcb_window_t id = xcb_window_t(window->winId());
    if (mayBeMapped && isMapped(connection, id))
        askForStates(connection, id, above);
    else
        writeStatesBeforeMapping(window, connection, above);
    return true;
#else
    Q_UNUSED(window);
    Q_UNUSED(above);
    Q_UNUSED(mayBeMapped);
    return false;
#endif
}

} // namespace

bool setStates(QWidget *window, bool above)
{
    return setStatesOf(window, above, true);
}

bool setStatesBeforeShowing(QWidget *window, bool above)
{
    // A window about to be shown is not mapped: Qt maps it after this.
    return setStatesOf(window, above, false);
}

} // namespace WindowHints
