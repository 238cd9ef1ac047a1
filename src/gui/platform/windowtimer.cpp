#include "gui/platform/windowtimer.h"

WindowTimer::WindowTimer(const QString &name, QObject *parent)
    : QObject(parent)
{
    setObjectName(name);
    connect(&m_timer, &QTimer::timeout, this, &WindowTimer::ticked);
}

void WindowTimer::setInterval(int milliseconds)
{
    if (milliseconds <= 0) {
        m_timer.stop();
        return;
    }
    m_timer.start(milliseconds);
}
