#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWindow>

#include <deque>

// Paces the first paints of windows shown in bulk. A window manager that catches up maps dozens of
// windows at once, and each one's first expose paints it at once: one turn of the window thread
// then paints them all, and keys, signals and the channel wait for it. The pacer lets a few first
// exposes through per turn and hands the others on in the turns that follow.
class ExposePacer final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ExposePacer)

public:
    explicit ExposePacer(int perTurn, QObject *parent = nullptr);

    /** Paces this window's first expose (a later one is its own business). */
    void watch(QWindow *window);
    /** Exposes wait to be handed on. */
    bool isHolding() const { return !m_held.empty(); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void nextTurn();
    void deliver(QWindow *window);

    const int m_perTurn;
    int m_delivered = 0;
    bool m_delivering = false;
    std::deque<QPointer<QWindow>> m_held;
    QTimer m_turn;
};
