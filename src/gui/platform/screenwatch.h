#pragma once

#include <QObject>
#include <QTimer>

class QScreen;

// Tells when screens come, go or change their size (a monitor unplugged, xrandr), in three
// steps: at once, when the burst of changes has passed, and when the window manager has had its
// say too.
class ScreenWatch final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ScreenWatch)

public:
    explicit ScreenWatch(QObject *parent = nullptr);

signals:
    /** A screen changes now; more changes may follow. */
    void changing();
    /** The screens are as they will be: a moment has passed without another change. */
    void changed();
    /** Long enough after the last change that the window manager has moved what it moves. */
    void settled();

private:
    void watch(QScreen *screen);
    void noteChange();

    QTimer m_changed;
    QTimer m_settled;
};
