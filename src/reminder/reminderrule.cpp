#include "reminder/reminderrule.h"

#include "app/main2.h"
#include "store/conversions.h"
#include "store/notekeys.h"
#include "store/settingsstore.h"

namespace ReminderRule {

namespace {
// A missed second from the day before still goes off this soon after midnight.
constexpr qint64 LateGraceSeconds = 60;
} // namespace

bool isEnabled(const QString &status)
{
    return status == QLatin1String("Enabled");
}

std::optional<QDateTime> dueSecond(const SettingsStore &store, const QString &tag, const QDateTime &after,
                                   const QDateTime &upTo)
{
    if (!isEnabled(store.get(tag + NoteKeys::ReminderStatus)))
        return std::nullopt;
    const QString dateText = store.get(tag + NoteKeys::ReminderDate);
    if (dateText.isEmpty())
        return std::nullopt;
    const auto hours = Conversions::toInt32(store.get(tag + NoteKeys::ReminderHours));
    const auto minutes = Conversions::toInt32(store.get(tag + NoteKeys::ReminderMinutes));
    const auto seconds = Conversions::toInt32(store.get(tag + NoteKeys::ReminderSeconds));
    if (!hours || !minutes || !seconds)
        return std::nullopt;
    const QTime timeOfDay(*hours, *minutes, *seconds);
    if (!timeOfDay.isValid())
        return std::nullopt;
    // A date that cannot be read back counts as reached: the reminder is not lost for it.
    const QDateTime from = Main2::ParseGeneralDate(dateText);
    const QDateTime wentOff = QDateTime::fromString(store.get(tag + NoteKeys::ReminderLastAlarm), Qt::ISODate);
    for (const QDate &day : {upTo.date(), upTo.date().addDays(-1)}) {
        const QDateTime second(day, timeOfDay);
        if (second <= after || second > upTo)
            continue;
        if (day != upTo.date() && second.secsTo(upTo) > LateGraceSeconds)
            continue;
        if (from.isValid() && day < from.date())
            continue;
        if (wentOff.isValid() && second <= wentOff)
            continue;
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
