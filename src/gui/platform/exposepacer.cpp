#include "gui/platform/exposepacer.h"

#include <QCoreApplication>
#include <QExposeEvent>

#include <algorithm>

ExposePacer::ExposePacer(int perTurn, QObject *parent)
    : QObject(parent)
    , m_perTurn(perTurn)
{
    // A zero timer fires once the window thread has answered what waited: that ends a turn.
    m_turn.setSingleShot(true);
    m_turn.setInterval(0);
    connect(&m_turn, &QTimer::timeout, this, &ExposePacer::nextTurn);
}

void ExposePacer::watch(QWindow *window)
{
    if (window)
        window->installEventFilter(this);
}

bool ExposePacer::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Expose || m_delivering)
        return false;
    auto *window = static_cast<QWindow *>(watched);
    if (!window->isExposed())
        return false;
    if (!m_turn.isActive())
        m_turn.start();
    const bool held = std::find(m_held.begin(), m_held.end(), window) != m_held.end();
    if (!held && m_delivered < m_perTurn) {
        ++m_delivered;
        window->removeEventFilter(this);
        return false;
    }
    if (!held)
        m_held.emplace_back(window);
    return true;
}

void ExposePacer::nextTurn()
{
    m_delivered = 0;
    while (!m_held.empty() && m_delivered < m_perTurn) {
        QPointer<QWindow> window = m_held.front();
        m_held.pop_front();
        if (window)
            deliver(window);
    }
    if (!m_held.empty())
        m_turn.start();
}

void ExposePacer::deliver(QWindow *window)
{
    window->removeEventFilter(this);
    // Hidden meanwhile: its next showing brings an expose of its own.
    if (!window->isExposed())
        return;
    ++m_delivered;
    m_delivering = true;
    QExposeEvent expose(QRegion(QRect(QPoint(), window->size())));
    QCoreApplication::sendEvent(window, &expose);
    m_delivering = false;
}
