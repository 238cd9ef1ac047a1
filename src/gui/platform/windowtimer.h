#pragma once

#include <QObject>
#include <QTimer>

// A window timer as the forms know it: an interval of 0 stops it, any other interval
// (re)starts it, and it ticks until stopped.
class WindowTimer final : public QObject
{
    Q_OBJECT

public:
    explicit WindowTimer(const QString &name, QObject *parent = nullptr);

    int interval() const { return m_timer.isActive() ? m_timer.interval() : 0; }
    void setInterval(int milliseconds);

signals:
    void ticked();

private:
    QTimer m_timer;
};
