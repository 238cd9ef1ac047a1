#pragma once

#include <QDateTime>

#include <functional>
#include <memory>

/** The system clock, so tests can set the time. */
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
    /** Calls `wake` once, when the clock reaches `at` (also after the machine slept through it),
        or earlier when the clock is set, so that the caller looks at the time again. A later call
        replaces the earlier one; an invalid time only cancels it. */
    virtual void wakeAt(const QDateTime &at, std::function<void()> wake) = 0;
};

class SystemClock final : public Clock
{
public:
    SystemClock();
    ~SystemClock() override;

    QDateTime now() const override { return QDateTime::currentDateTime(); }
    void wakeAt(const QDateTime &at, std::function<void()> wake) override;

private:
    struct Alarm;
    std::unique_ptr<Alarm> m_alarm;
};
