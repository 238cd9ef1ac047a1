#include "gui/reminder/remindercheck.h"
#include "gui/platform/eventwait.h"

#include "gui/notebook/noteopener.h"
#include "gui/notebook/program.h"
#include "gui/note/notewindow.h"
#include "base/system/clock.h"
#include "base/reminder/reminderrule.h"
#include "base/store/notekeys.h"
#include "base/store/settingsstore.h"
#include "gui/history/historykeeper.h"

#include <QPointer>

namespace {

constexpr qint32 White = 0x00FFFFFF;
constexpr qint32 Black = 0;
constexpr int Flashes = 10;
// Just after the second begins, so that the clock already shows the new second.
constexpr int AfterSecondBeginsMs = 5;

} // namespace

ReminderCheck::ReminderCheck(Program &program)
    : m_program(program)
{
}

bool ReminderCheck::anyEnabled() const
{
    for (NoteWindow *note : NoteWindow::loadedNotes(m_program.forms)) {
        if (ReminderRule::isEnabled(m_program.store.get(note->Tag() + NoteKeys::ReminderStatus)))
            return true;
    }
    return false;
}

void ReminderCheck::update()
{
    if (!anyEnabled()) {
        stop();
        return;
    }
    // From the second that has begun: a reminder due in it goes off at once, also when the check
    // already looked at that second. Seconds that already went off are known by their notes.
    const QDateTime secondAgo = m_program.clock().now().addSecs(-1);
    const bool running = isRunning() || m_checking;
    if (!running || !m_lastChecked.isValid() || secondAgo < m_lastChecked)
        m_lastChecked = secondAgo;
    // A reminder set or changed may come before the check that was planned. During a check, the
    // check plans the next one when it ends.
    if (!m_checking)
        scheduleNext();
}

void ReminderCheck::startAfterStartUp()
{
    stop();
    if (!anyEnabled())
        return;
    m_lastChecked = QDateTime(m_program.clock().now().date(), QTime(0, 0)).addSecs(-1);
    scheduleNext();
}

void ReminderCheck::stop()
{
    m_nextCheck = QDateTime();
    m_program.clock().wakeAt(QDateTime(), nullptr);
}

void ReminderCheck::scheduleNext()
{
    // The first second after the last check in which some open note's reminder falls due.
    std::optional<QDateTime> first;
    for (NoteWindow *note : NoteWindow::loadedNotes(m_program.forms)) {
        const auto due = ReminderRule::nextDueSecond(m_program.store, note->Tag(), m_lastChecked);
        if (due && (!first || *due < *first))
            first = due;
    }
    if (!first) {
        stop();   // an update() starts it again when a reminder is set
        return;
    }
    // Just after that second begins, so that the clock already shows it; a second already past
    // (missed while the program was not running) at the next one.
    const QDateTime now = m_program.clock().now();
    const QDateTime nextSecond = QDateTime(now.date(), QTime(now.time().hour(), now.time().minute(),
                                                             now.time().second())).addSecs(1);
    m_nextCheck = std::max(*first, nextSecond).addMSecs(AfterSecondBeginsMs);
    m_program.clock().wakeAt(m_nextCheck, [this] {
        m_nextCheck = QDateTime();
        run();
    });
}

void ReminderCheck::run()
{
    if (m_checking)
        return;
    if (m_program.hasEnded()) {
        stop();
        return;
    }
    // Quit waits for the store (its Retry/Cancel box may be up for minutes): the seconds stay
    // unchecked, so a reminder due meanwhile goes off once Quit is cancelled. So too while notes
    // still open: a note not yet open must not miss its second.
    if (m_program.quitting || m_program.opener().isOpening()) {
        scheduleNext();
        return;
    }
    m_checking = true;
    const QDateTime now = m_program.clock().now();
    // A clock set back must not bring a day's reminders again.
    if (!m_lastChecked.isValid() || now < m_lastChecked)
        m_lastChecked = now.addSecs(-1);
    const QDateTime after = m_lastChecked;
    m_lastChecked = now;

    QList<QPointer<NoteWindow>> due;
    for (NoteWindow *note : NoteWindow::loadedNotes(m_program.forms)) {
        if (const auto second = ReminderRule::dueSecond(m_program.store, note->Tag(), after, now)) {
            // Recorded before the alarm: a crash while it flashes must not bring it back.
            m_program.store.save(note->Tag() + NoteKeys::ReminderLastAlarm, ReminderRule::lastAlarmValue(*second));
            due.append(note);
        }
    }
    for (const QPointer<NoteWindow> &note : due) {
        // An earlier alarm's flashing let the user delete or close notes meanwhile.
        if (note && note->isLoaded() && !m_program.quitting && !m_program.hasEnded())
            Alarm(note);
    }
    m_checking = false;
    if (m_program.hasEnded() || !anyEnabled())
        stop();
    else
        scheduleNext();
}

void ReminderCheck::Alarm(NoteWindow *note)
{
    QPointer<NoteWindow> flashing = note;
    // Deleted, closed or quit meanwhile: the flashing stops, and nothing is done to a note that is gone.
    const auto stillThere = [&] {
        return flashing && flashing->isLoaded() && !flashing->isPutAway() && !m_program.quitting
            && !m_program.hasEnded();
    };
    const qint32 windowColour = note->backColor();
    note->show();
    note->raise();
    HistoryKeeper::keepBefore(note, VersionPolicy::Event::ReminderFlash);
    note->beginAlarm();
    emit alarmRaised(note);
    for (int flash = 0; flash < Flashes && stillThere(); ++flash) {
        note->showColour(White);
        EventWait::pause(flashStepMs);
        if (!stillThere())
            break;
        note->showColour(Black);
        EventWait::pause(flashStepMs);
        if (!stillThere())
            break;
        note->setBackColor(windowColour);
        note->setTextBackColor(windowColour);
        EventWait::pause(flashStepMs);
    }
    if (!flashing || !flashing->isLoaded() || m_program.hasEnded())
        return;
    // Interrupted or not, the note ends in its window's colour, with its own text.
    note->setBackColor(windowColour);
    note->setTextBackColor(windowColour);
    note->endAlarm();
}
