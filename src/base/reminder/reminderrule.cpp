#include "base/reminder/reminderrule.h"

#include "base/store/conversions.h"
#include "base/store/notekeys.h"
#include "base/reminder/reminderdate.h"
#include "base/store/settingsstore.h"

#include <algorithm>

namespace ReminderRule {

namespace {
// A missed second from the day before still goes off this soon after midnight.
constexpr qint64 LateGraceSeconds = 60;
} // namespace

bool isEnabled(const QString &status)
{
    return status == QLatin1String("Enabled");
}

namespace {

// What decides when an enabled reminder goes off; nothing when it is not enabled or a value
// cannot be read.
struct Schedule
{
    QTime timeOfDay;
    QDate from;
    QDateTime wentOff;
};

std::optional<Schedule> scheduleOf(const SettingsStore &store, const QString &tag)
{
    if (!isEnabled(store.get(tag + NoteKeys::ReminderStatus)))
        return std::nullopt;
    const auto hours = Conversions::toInt32(store.get(tag + NoteKeys::ReminderHours));
    const auto minutes = Conversions::toInt32(store.get(tag + NoteKeys::ReminderMinutes));
    const auto seconds = Conversions::toInt32(store.get(tag + NoteKeys::ReminderSeconds));
    if (!hours || !minutes || !seconds)
        return std::nullopt;
    const QTime timeOfDay(*hours, *minutes, *seconds);
    if (!timeOfDay.isValid())
        return std::nullopt;
    // A date that cannot be read (another desktop's form none of ours reads) makes the reminder
    // wait: going off before its date is what it must never do. Its dialog says so.
    const QDateTime from = ReminderDate::fromStored([&](const QString &suffix) { return store.get(tag + suffix); });
    if (!from.isValid())
        return std::nullopt;
    return Schedule{timeOfDay, from.date(),
                    QDateTime::fromString(store.get(tag + NoteKeys::ReminderLastAlarm), Qt::ISODate)};
}

} // namespace

std::optional<QDateTime> dueSecond(const SettingsStore &store, const QString &tag, const QDateTime &after,
                                   const QDateTime &upTo)
{
    const std::optional<Schedule> schedule = scheduleOf(store, tag);
    if (!schedule)
        return std::nullopt;
    for (const QDate &day : {upTo.date(), upTo.date().addDays(-1)}) {
        const QDateTime second(day, schedule->timeOfDay);
        if (second <= after || second > upTo)
            continue;
        if (day != upTo.date() && second.secsTo(upTo) > LateGraceSeconds)
            continue;
        if (day < schedule->from)
            continue;
        if (schedule->wentOff.isValid() && second <= schedule->wentOff)
            continue;
        return second;
    }
    return std::nullopt;
}

std::optional<QDateTime> nextDueSecond(const SettingsStore &store, const QString &tag, const QDateTime &after)
{
    const std::optional<Schedule> schedule = scheduleOf(store, tag);
    if (!schedule)
        return std::nullopt;
    QDateTime notBefore = after;
    if (schedule->wentOff.isValid() && schedule->wentOff > notBefore)
        notBefore = schedule->wentOff;
    QDate day = std::max(notBefore.date(), schedule->from);
    // Two days cover every case; a few more step over a day on which that time does not exist
    // (the clocks went forward through it).
    for (int tries = 0; tries < 4; ++tries, day = day.addDays(1)) {
        const QDateTime second(day, schedule->timeOfDay);
        if (second.isValid() && second.time() == schedule->timeOfDay && second > notBefore)
            return second;
    }
    return std::nullopt;
}

bool isDue(const SettingsStore &store, const QString &tag, const QDateTime &after, const QDateTime &upTo)
{
    return dueSecond(store, tag, after, upTo).has_value();
}

QString lastAlarmValue(const QDateTime &dueSecond)
{
    return dueSecond.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss"));
}

std::optional<QDateTime> passedToday(const QDateTime &now, int hours, int minutes, int seconds)
{
    const QDateTime today(now.date(), QTime(hours, minutes, seconds));
    // The second under way has not passed: a reminder set for it still goes off.
    const QTime t = now.time();
    if (!today.isValid() || today >= QDateTime(now.date(), QTime(t.hour(), t.minute(), t.second())))
        return std::nullopt;
    return today;
}

} // namespace ReminderRule
