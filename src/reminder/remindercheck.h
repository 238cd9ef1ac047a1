#pragma once

#include <QDateTime>
#include <QObject>
#include <QTimer>

class Form1;
class Program;

// The reminder check: once a second, just after the second begins, while any open note has an
// enabled reminder; and the alarm it raises for each note that falls due.
class ReminderCheck final : public QObject
{
    Q_OBJECT

public:
    explicit ReminderCheck(Program &program);

    /** Runs the check while an open note has an enabled reminder, and stops it otherwise. A
        reminder due in the second under way goes off at the next check. */
    void update();
    /** Starts the check for a program that has just started: what fell due earlier today while
        it was not running goes off at the first check, once. */
    void startAfterStartUp();
    bool isRunning() const { return m_timer.isActive(); }
    /** How long after the last check the next one comes. */
    int nextCheckInMs() const { return m_timer.interval(); }

    /** One check: the alarm for every open note due since the last check, in load order. It is
        not re-entered while an alarm flashes, and looks at nothing while Quit is under way; the
        next check covers the seconds it missed. */
    void run();

    /** Brings the note to the front, shows "Reminder!" in it, opens the alarm window and flashes
        the note white, black and its own colour ten times, then gives the note its text back. */
    void Alarm(Form1 *note);

    /** Each of the thirty steps of the flashing lasts this long; tests shorten it. */
    int flashStepMs = 100;

private:
    bool anyEnabled() const;
    void scheduleNext();

    Program &m_program;
    QTimer m_timer;
    QDateTime m_lastChecked;
    bool m_checking = false;
};
