#pragma once

#include <QDateTime>
#include <QObject>

class NoteWindow;
class Program;

// The reminder check: just after the second begins in which the first open note's reminder can
// fall due, and again whenever the clock is set or the machine wakes; and the alarm it raises
// for each note that falls due. Between those it sleeps.
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
    bool isRunning() const { return m_nextCheck.isValid(); }
    /** When the next check comes (invalid while none is due). */
    QDateTime nextCheck() const { return m_nextCheck; }

    /** One check: the alarm for every open note due since the last check, in load order. It is
        not re-entered while an alarm flashes, and looks at nothing while Quit is under way; the
        next check covers the seconds it missed. */
    void run();

    /** Brings the note to the front, shows "Reminder!" in it, opens the alarm window and flashes
        the note white, black and its own colour ten times, then gives the note its text back. */
    void Alarm(NoteWindow *note);

signals:
    /** A note's alarm has begun: the alarm window is wanted. */
    void alarmRaised(NoteWindow *note);

public:
    /** Each of the thirty steps of the flashing lasts this long; tests shorten it. */
    int flashStepMs = 100;

private:
    bool anyEnabled() const;
    void scheduleNext();
    void stop();

    Program &m_program;
    QDateTime m_nextCheck;
    QDateTime m_lastChecked;
    bool m_checking = false;
};
