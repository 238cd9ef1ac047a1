#include "platform/formtimer.h"

FormTimer::FormTimer(const QString &name, QObject *parent)
    : QObject(parent)
{
    setObjectName(name);
    connect(&m_timer, &QTimer::timeout, this, &FormTimer::Timer);
}

void FormTimer::setInterval(int milliseconds)
{
    if (milliseconds <= 0) {
        m_timer.stop();
        return;
    }
    m_timer.start(milliseconds);
}
