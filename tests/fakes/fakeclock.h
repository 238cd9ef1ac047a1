#pragma once

#include "platform/clock.h"

class FakeClock final : public Clock
{
public:
    explicit FakeClock(QDateTime start = QDateTime(QDate(2026, 12, 8), QTime(10, 55, 40)))
        : m_now(std::move(start))
    {
    }
    QDateTime now() const override { return m_now; }
    void set(const QDateTime &now) { m_now = now; }

private:
    QDateTime m_now;
};
