#pragma once

#include <QList>
#include <QtGlobal>

// Which of a note's versions to let go: every version of the last day, the newest of each hour
// for a week, the newest of each day for 90 days, nothing older; and, newest first, no more
// than a set number of bytes per note (the newest version is always kept, however large).
namespace HistoryThinning {

constexpr qint64 DayMs = 24LL * 60 * 60 * 1000;
constexpr qint64 HourMs = 60LL * 60 * 1000;
constexpr qint64 BytesPerNote = 2 * 1024 * 1024;

struct Stamp
{
    qint64 made = 0;    // milliseconds since the epoch, UTC
    qint64 bytes = 0;   // the text's size in UTF-8
};

/** The `made` of each version to drop. `newestFirst` must be ordered by `made`, newest first.
    Days are the local calendar's. */
QList<qint64> toDrop(const QList<Stamp> &newestFirst, qint64 nowMs, qint64 boundBytes = BytesPerNote);

} // namespace HistoryThinning
