#pragma once

#include <QAbstractNativeEventFilter>
#include <QHash>
#include <QTimer>

#include <cstdint>
#include <deque>

// Paces the window manager's news of window states on X11. When it takes on dozens of windows at
// once, it writes each one's state two or three times, and Qt reads the state back from the X
// server for every such note, a round trip each: one turn of the window thread then waits on the
// busy server for all of them, and keys, signals and the channel wait too. The pacer lets a few
// through per turn; for the others it keeps one per window (Qt reads the state as it is by then)
// and hands it on in a turn that follows. Elsewhere it does nothing.
class WindowStatePacer final : public QObject, public QAbstractNativeEventFilter
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WindowStatePacer)

public:
    explicit WindowStatePacer(int perTurn, QObject *parent = nullptr);

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;
    /** News waits to be handed on. */
    bool isHolding() const { return !m_held.empty(); }

private:
    struct Held
    {
        bool wmState = false;   // the state that tells a minimized window: Qt then reads both
        uint32_t time = 0;
    };

    void nextTurn();
    void handOn(uint32_t window, const Held &held);

    const int m_perTurn;
    int m_handled = 0;
    uint32_t m_wmStateAtom = 0;
    uint32_t m_netWmStateAtom = 0;
    std::deque<uint32_t> m_order;
    QHash<uint32_t, Held> m_held;
    QTimer m_turn;
};
