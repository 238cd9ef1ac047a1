#pragma once

#include "base/system/clock.h"

// The time as a test sets it. A wake asked for comes only through advanceTo() or clockSet(), as
// the system's would when the time comes or the clock is set.
class FakeClock final : public Clock
{
public:
    explicit FakeClock(QDateTime start = QDateTime(QDate(2026, 12, 8), QTime(10, 55, 40)))
        : m_now(std::move(start))
    {
    }
    QDateTime now() const override { return m_now; }
    void set(const QDateTime &now) { m_now = now; }

    void wakeAt(const QDateTime &at, std::function<void()> wake) override
    {
        wakeTime = at;
        m_wake = at.isValid() ? std::move(wake) : nullptr;
    }
    /** The wake asked for last; invalid when none is. */
    QDateTime wakeTime;

    /** Sets the time and wakes whoever asked to be woken by then: true when it did. */
    bool advanceTo(const QDateTime &now)
    {
        m_now = now;
        if (!m_wake || now < wakeTime)
            return false;
        wakeNow();
        return true;
    }
    /** The clock is set to another time (by hand, or by the network time): the wake comes at once. */
    void clockSet(const QDateTime &now)
    {
        m_now = now;
        if (m_wake)
            wakeNow();
    }

private:
    void wakeNow()
    {
        const std::function<void()> wake = std::move(m_wake);
        m_wake = nullptr;
        wakeTime = QDateTime();
        wake();
    }

    QDateTime m_now;
    std::function<void()> m_wake;
};
