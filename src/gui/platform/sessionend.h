#pragma once

#include <QObject>

class QSocketNotifier;

// The end of a session as it reaches a program: SIGTERM at a logout or shutdown, SIGHUP when
// its terminal goes, SIGINT for Ctrl+C. Each becomes a Qt signal on the window thread, where
// what waits can still be written, instead of ending the program unannounced.
class SessionEnd final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SessionEnd)

public:
    /** Catches the three signals from now on; one object per program. */
    explicit SessionEnd(QObject *parent = nullptr);
    ~SessionEnd() override;

    /** Ends the process at once with this status: no event loop, window or dialog runs again. */
    [[noreturn]] static void exitNow(int status);
    /** For work that cannot return to the event loop for a while: a signal that has come is
        handled here and now (its `ending` emitted), as the event loop would have. */
    static void deliverPending();

signals:
    void ending(int signalNumber);

private:
    void deliver();

    QSocketNotifier *m_notifier = nullptr;
};
