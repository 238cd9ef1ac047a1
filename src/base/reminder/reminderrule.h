#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

class SettingsStore;

// When a note's reminder goes off: only while its status is "Enabled", never before its stored
// date (nor while that date cannot be read), and then every day at its time of day. Plain rules on stored values, no windows.
namespace ReminderRule {

/** The status text that counts as enabled (exactly, in this case). */
bool isEnabled(const QString &status);

/** The second at which the note's reminder falls due after `after` and up to `upTo`, if any. A
    second the check could not look at (the program was stopped, the machine busy or asleep)
    still counts, on the day it was due or within the last minute, not days later; a second
    that already went off (see lastAlarmValue) never counts twice. */
std::optional<QDateTime> dueSecond(const SettingsStore &store, const QString &tag, const QDateTime &after,
                                   const QDateTime &upTo);
/** The first second after `after` at which the note's reminder falls due, if it can: the check
    sleeps until the earliest of them. */
std::optional<QDateTime> nextDueSecond(const SettingsStore &store, const QString &tag, const QDateTime &after);
bool isDue(const SettingsStore &store, const QString &tag, const QDateTime &after, const QDateTime &upTo);

/** The stored form of the second an alarm went off for, kept so that a restart or a second
    look at the same seconds does not bring the same alarm again. */
QString lastAlarmValue(const QDateTime &dueSecond);

/** The second of the reminder's time of day on the day of `now`, when it lies before the
    second under way: the day's occurrence that setting a reminder at `now` has let pass. */
std::optional<QDateTime> passedToday(const QDateTime &now, int hours, int minutes, int seconds);

} // namespace ReminderRule
