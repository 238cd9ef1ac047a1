#pragma once

#include <QDateTime>
#include <QString>

class SettingsStore;

// When a note's reminder goes off: only while its status is "Enabled", never before its stored
// date, and then every day at its time of day. Plain rules on stored values, no windows.
namespace ReminderRule {

/** The status text that counts as enabled (exactly, in this case). */
bool isEnabled(const QString &status);

/** The note's reminder falls due at some second after `after` and up to `upTo`. A second the
    check could not look at (the program was stopped, the machine busy or asleep) still counts,
    on the day it was due or within the last minute, not days later. */
bool isDue(const SettingsStore &store, const QString &tag, const QDateTime &after, const QDateTime &upTo);

} // namespace ReminderRule
