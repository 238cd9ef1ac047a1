#pragma once

#include <QByteArray>
#include <QString>

class NoteHistory;

// An export's notes with their history: each note object of the JSON gains "history", its
// versions newest first ({"made": ISO 8601 UTC, "text": …}), while all of them together stay
// small enough for the file to be imported again.
namespace HistoryExport {

/** Versions beyond this many bytes in all are left out of an export. */
constexpr qint64 MaxBytes = 8 * 1024 * 1024;

/** `json` (an export) with the history of its notes and deleted notes; unchanged, with `said`
    telling why, when the history is not open or too large. */
QByteArray addTo(const QByteArray &json, const NoteHistory &history, QString *said);

} // namespace HistoryExport
