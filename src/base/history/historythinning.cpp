#include "base/history/historythinning.h"

#include <QDate>
#include <QDateTime>
#include <QSet>

namespace HistoryThinning {

namespace {

constexpr qint64 WeekMs = 7 * DayMs;
constexpr qint64 KeptForMs = 90 * DayMs;

qint64 localDay(qint64 made)
{
    return QDateTime::fromMSecsSinceEpoch(made).date().toJulianDay();
}

} // namespace

QList<qint64> toDrop(const QList<Stamp> &newestFirst, qint64 nowMs, qint64 boundBytes)
{
    QList<qint64> drop;
    // Newest first, so the first version met in an hour or a day is the one that stays: the
    // same one every time the rule runs, as the buckets are the clock's, not counted from now.
    QSet<qint64> hoursTaken;
    QSet<qint64> daysTaken;
    qint64 keptBytes = 0;
    bool anyKept = false;
    bool full = false;
    for (const Stamp &version : newestFirst) {
        const qint64 age = nowMs - version.made;
        bool keep = true;
        if (age >= KeptForMs) {
            keep = false;
        } else if (age >= WeekMs) {
            const qint64 day = localDay(version.made);
            keep = !daysTaken.contains(day);
            daysTaken.insert(day);
        } else if (age >= DayMs) {
            const qint64 hour = version.made / HourMs;
            keep = !hoursTaken.contains(hour);
            hoursTaken.insert(hour);
        }
        // The oldest go first when the note's history outgrows its bound: once a version does not
        // fit, nothing older stays. The newest kept never goes for its size.
        if (keep && anyKept && (full || keptBytes + version.bytes > boundBytes)) {
            keep = false;
            full = true;
        }
        if (keep) {
            keptBytes += version.bytes;
            anyKept = true;
        } else {
            drop.append(version.made);
        }
    }
    return drop;
}

} // namespace HistoryThinning
