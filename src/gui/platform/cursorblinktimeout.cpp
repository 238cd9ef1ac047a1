#include "gui/platform/cursorblinktimeout.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QStyleHints>
#include <QTimerEvent>

CursorBlinkTimeout::CursorBlinkTimeout(int timeoutMs, QObject *parent)
    : QObject(parent)
    , m_timeoutMs(timeoutMs)
{
    QCoreApplication::instance()->installEventFilter(this);
    m_sinceInput.start();
    arm(m_timeoutMs);
}

CursorBlinkTimeout::~CursorBlinkTimeout()
{
    QCoreApplication::instance()->removeEventFilter(this);
    resumeBlinking();
}

bool CursorBlinkTimeout::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::InputMethod:
    case QEvent::MouseButtonPress:
    case QEvent::FocusIn:
        noteInput();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void CursorBlinkTimeout::noteInput()
{
    // Every key passes here: only the clock is read; the timer catches up when it fires.
    m_sinceInput.start();
    if (!m_timer.isActive()) {
        resumeBlinking();
        arm(m_timeoutMs);
    }
}

void CursorBlinkTimeout::timerEvent(QTimerEvent *event)
{
    if (event->timerId() != m_timer.timerId()) {
        QObject::timerEvent(event);
        return;
    }
    // Input since the timer was set moved the end on; wait out the rest.
    const qint64 left = m_timeoutMs - m_sinceInput.elapsed();
    if (left > 0) {
        arm(int(left));
        return;
    }
    m_timer.stop();
    stopBlinking();
}

void CursorBlinkTimeout::arm(int milliseconds)
{
    // Precise: a coarse timer may fire a little early and cost one more wake-up to wait out the rest.
    m_timer.start(milliseconds, Qt::PreciseTimer, this);
}

void CursorBlinkTimeout::stopBlinking()
{
    QStyleHints *hints = QGuiApplication::styleHints();
    m_flashTime = hints->cursorFlashTime();
    if (m_flashTime <= 0)
        return;   // the desktop has the blinking off already
    // Qt's text fields follow this hint at once: the focused one stops its blink timer and draws
    // its cursor, whichever half of the blink it was in.
    hints->setCursorFlashTime(0);
    m_stopped = true;
}

void CursorBlinkTimeout::resumeBlinking()
{
    if (!m_stopped)
        return;
    m_stopped = false;
    QGuiApplication::styleHints()->setCursorFlashTime(m_flashTime);
}
