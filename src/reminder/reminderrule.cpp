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

bool isDue(const SettingsStore &store, const QString &tag, const QDateTime &after, const QDateTime &upTo)
{
    if (!isEnabled(store.get(tag + NoteKeys::ReminderStatus)))
        return false;
    const QString dateText = store.get(tag + NoteKeys::ReminderDate);
    if (dateText.isEmpty())
        return false;
    const auto hours = Conversions::toInt32(store.get(tag + NoteKeys::ReminderHours));
    const auto minutes = Conversions::toInt32(store.get(tag + NoteKeys::ReminderMinutes));
    const auto seconds = Conversions::toInt32(store.get(tag + NoteKeys::ReminderSeconds));
    if (!hours || !minutes || !seconds)
        return false;
    const QTime timeOfDay(*hours, *minutes, *seconds);
    if (!timeOfDay.isValid())
        return false;
    // A date that cannot be read back counts as reached: the reminder is not lost for it.
    const QDateTime from = Main2::ParseGeneralDate(dateText);
    for (const QDate &day : {upTo.date(), upTo.date().addDays(-1)}) {
        const QDateTime second(day, timeOfDay);
        if (second <= after || second > upTo)
            continue;
        if (day != upTo.date() && second.secsTo(upTo) > LateGraceSeconds)
            continue;
        if (from.isValid() && day < from.date())
            continue;
        return true;
    }
    return false;
}

} // namespace ReminderRule
