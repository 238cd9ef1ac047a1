// The window manager's news of window states, paced, on a real X server (an Xvfb started here)
// where another client writes the states as a window manager would.
#include "gui/platform/windowstatepacer.h"

#include <QAbstractNativeEventFilter>
#include <QGuiApplication>
#include <QProcess>
#include <QTest>
#include <QThread>
#include <QWindow>

#include <xcb/xcb.h>

#include <cstring>
#include <memory>
#include <vector>

namespace {

xcb_atom_t atom(xcb_connection_t *connection, const char *name)
{
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, uint16_t(strlen(name)), name), nullptr);
    const xcb_atom_t found = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    free(reply);
    return found;
}

// Counts the news of states that gets past the pacer: a filter installed before it comes after it.
struct StateNews final : QAbstractNativeEventFilter
{
    explicit StateNews(xcb_connection_t *connection)
        : wmState(atom(connection, "WM_STATE"))
        , netWmState(atom(connection, "_NET_WM_STATE"))
    {
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
    bool nativeEventFilter(const QByteArray &, void *message, qintptr *) override
    {
        const auto *notify = static_cast<const xcb_property_notify_event_t *>(message);
        count += (notify->response_type & 0x7f) == XCB_PROPERTY_NOTIFY
            && (notify->atom == wmState || notify->atom == netWmState);
        return false;
    }
    const xcb_atom_t wmState;
    const xcb_atom_t netWmState;
    int count = 0;
};

} // namespace

class tst_WindowStates : public QObject
{
    Q_OBJECT

private slots:
    // Held news is handed on, once per window, and each window ends in the state last written:
    // a minimized window stays minimized though later news of it was of another state.
    void everyWindowLearnsItsLastState()
    {
        xcb_connection_t *manager = xcb_connect(nullptr, nullptr);
        const auto cleanup = qScopeGuard([manager] { xcb_disconnect(manager); });
        StateNews news(manager);
        WindowStatePacer pacer(2);
        std::vector<std::unique_ptr<QWindow>> windows;
        for (int i = 0; i < 12; ++i) {
            windows.push_back(std::make_unique<QWindow>());
            windows.back()->setGeometry(10 + i * 20, 10, 40, 40);
            windows.back()->show();
            QVERIFY(QTest::qWaitForWindowExposed(windows.back().get()));
        }
        const auto write = [&](size_t i, const char *property, xcb_atom_t type, std::vector<uint32_t> values) {
            xcb_change_property(manager, XCB_PROP_MODE_REPLACE, xcb_window_t(windows[i]->winId()),
                                atom(manager, property), type, 32, uint32_t(values.size()), values.data());
        };
        const std::vector<uint32_t> maximized = {atom(manager, "_NET_WM_STATE_MAXIMIZED_VERT"),
                                                 atom(manager, "_NET_WM_STATE_MAXIMIZED_HORZ")};
        for (size_t i = 0; i < windows.size(); ++i)
            write(i, "_NET_WM_STATE", XCB_ATOM_ATOM, maximized);
        write(8, "_NET_WM_STATE", XCB_ATOM_ATOM, {});
        write(9, "WM_STATE", news.wmState, {3 /* iconic */, XCB_WINDOW_NONE});
        write(9, "_NET_WM_STATE", XCB_ATOM_ATOM, maximized);
        free(xcb_get_input_focus_reply(manager, xcb_get_input_focus(manager), nullptr));

        // Everything has come by now: one turn takes all that waits, and lets two through.
        news.count = 0;
        QThread::msleep(200);
        QCoreApplication::processEvents();
        QVERIFY2(news.count > 0 && news.count <= 2, qPrintable(QString::number(news.count)));

        for (size_t i = 0; i < windows.size(); ++i) {
            const Qt::WindowStates expected = i == 8 ? Qt::WindowStates(Qt::WindowNoState)
                : i == 9                           ? Qt::WindowMinimized | Qt::WindowMaximized
                                                   : Qt::WindowStates(Qt::WindowMaximized);
            QTRY_COMPARE(windows[i]->windowStates(), expected);
        }
        QVERIFY(!pacer.isHolding());
    }
};

int main(int argc, char **argv)
{
    QProcess server;
    server.start(QStringLiteral("Xvfb"), {QStringLiteral("-displayfd"), QStringLiteral("1"),
                                          QStringLiteral("-nolisten"), QStringLiteral("tcp")});
    const bool started = server.waitForStarted(10000) && server.waitForReadyRead(10000);
    const QByteArray display = server.readLine().trimmed();
    if (!started || display.isEmpty()) {
        fprintf(stderr, "Xvfb could not be started\n");
        return 1;
    }
    qputenv("DISPLAY", ":" + display);
    qputenv("QT_QPA_PLATFORM", "xcb");
    int status = 0;
    {
        QGuiApplication app(argc, argv);
        tst_WindowStates test;
        status = QTest::qExec(&test, argc, argv);
    }
    server.terminate();
    server.waitForFinished(5000);
    return status;
}

#include "tst_windowstates.moc"
