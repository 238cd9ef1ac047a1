// The window manager's news of window states, paced, on a real X server: Xvfb, started here,
// where another client writes the states as a window manager would.
#include "gui/platform/windowstatepacer.h"

#include <QAbstractNativeEventFilter>
#include <QGuiApplication>
#include <QProcess>
#include <QThread>
#include <QTest>
#include <QWindow>

#include <xcb/xcb.h>

#include <cstring>
#include <memory>
#include <vector>

namespace {

// Xvfb on a display number of its own choosing.
class XServer
{
public:
    bool start()
    {
        m_process.start(QStringLiteral("Xvfb"), {QStringLiteral("-displayfd"), QStringLiteral("1"),
                                                  QStringLiteral("-nolisten"), QStringLiteral("tcp")});
        if (!m_process.waitForStarted(10000) || !m_process.waitForReadyRead(10000))
            return false;
        const QByteArray display = m_process.readLine().trimmed();
        qputenv("DISPLAY", ":" + display);
        qputenv("QT_QPA_PLATFORM", "xcb");
        return !display.isEmpty();
    }
    ~XServer()
    {
        m_process.terminate();
        m_process.waitForFinished(5000);
    }

private:
    QProcess m_process;
};

// The other client: what a window manager writes on the program's windows.
class WindowManager
{
public:
    WindowManager() : m_connection(xcb_connect(nullptr, nullptr)) {}
    ~WindowManager() { xcb_disconnect(m_connection); }

    void write(QWindow *window, const char *property, xcb_atom_t type, std::vector<uint32_t> values)
    {
        xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, xcb_window_t(window->winId()),
                            atom(property), type, 32, uint32_t(values.size()), values.data());
    }
    void netWmState(QWindow *window, bool maximized)
    {
        std::vector<uint32_t> states;
        if (maximized)
            states = {atom("_NET_WM_STATE_MAXIMIZED_VERT"), atom("_NET_WM_STATE_MAXIMIZED_HORZ")};
        write(window, "_NET_WM_STATE", XCB_ATOM_ATOM, states);
    }
    void iconic(QWindow *window) { write(window, "WM_STATE", atom("WM_STATE"), {3, XCB_WINDOW_NONE}); }
    // Once this returns, the X server has sent the program every change.
    void sync() { free(xcb_get_input_focus_reply(m_connection, xcb_get_input_focus(m_connection), nullptr)); }
    xcb_atom_t atom(const char *name)
    {
        xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(
            m_connection, xcb_intern_atom(m_connection, 0, uint16_t(strlen(name)), name), nullptr);
        const xcb_atom_t found = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
        free(reply);
        return found;
    }

private:
    xcb_connection_t *m_connection;
};

// Counts the news of states that gets past the pacer (a filter installed before it sees the
// events after it).
class StateNews final : public QAbstractNativeEventFilter
{
public:
    explicit StateNews(WindowManager &manager)
        : m_wmState(manager.atom("WM_STATE"))
        , m_netWmState(manager.atom("_NET_WM_STATE"))
    {
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
    bool nativeEventFilter(const QByteArray &, void *message, qintptr *) override
    {
        const auto *event = static_cast<const xcb_generic_event_t *>(message);
        const auto *notify = reinterpret_cast<const xcb_property_notify_event_t *>(event);
        if ((event->response_type & 0x7f) == XCB_PROPERTY_NOTIFY
            && (notify->atom == m_wmState || notify->atom == m_netWmState))
            ++count;
        return false;
    }
    int count = 0;

private:
    const xcb_atom_t m_wmState;
    const xcb_atom_t m_netWmState;
};

} // namespace

class tst_WindowStates : public QObject
{
    Q_OBJECT

private slots:
    // Held news is handed on, one per window, and the window ends in the state last written:
    // a minimized window stays minimized though later news of it was of another state.
    void everyWindowLearnsItsLastState()
    {
        constexpr int Windows = 12;
        WindowManager manager;
        StateNews news(manager);
        WindowStatePacer pacer(2);
        std::vector<std::unique_ptr<QWindow>> windows;
        for (int i = 0; i < Windows; ++i) {
            windows.push_back(std::make_unique<QWindow>());
            windows.back()->setGeometry(10 + i * 20, 10, 40, 40);
            windows.back()->show();
        }
        for (auto &window : windows)
            QVERIFY(QTest::qWaitForWindowExposed(window.get()));

        for (auto &window : windows)
            manager.netWmState(window.get(), true);
        manager.netWmState(windows[8].get(), false);
        manager.iconic(windows[9].get());
        manager.netWmState(windows[9].get(), true);
        manager.sync();
        // Everything has come by now: one turn takes all that waits, and hands on two.
        news.count = 0;
        QThread::msleep(200);
        QCoreApplication::processEvents();
        QVERIFY2(news.count > 0 && news.count <= 2, qPrintable(QString::number(news.count)));

        for (int i = 0; i < Windows; ++i) {
            const Qt::WindowStates expected = i == 8 ? Qt::WindowStates(Qt::WindowNoState)
                : i == 9                           ? Qt::WindowMinimized | Qt::WindowMaximized
                                                   : Qt::WindowStates(Qt::WindowMaximized);
            QTRY_COMPARE(windows[size_t(i)]->windowStates(), expected);
        }
        QVERIFY(!pacer.isHolding());
    }
};

int main(int argc, char **argv)
{
    XServer server;
    if (!server.start()) {
        fprintf(stderr, "Xvfb could not be started\n");
        return 1;
    }
    QGuiApplication app(argc, argv);
    tst_WindowStates test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_windowstates.moc"
