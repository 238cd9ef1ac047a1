#pragma once

#include "base/store/noteslots.h"
#include "base/store/settingsstore.h"

#include <QByteArray>
#include <QDateTime>
#include <QJsonObject>
#include <QList>
#include <QString>

// The one file format of notes outside the store, written and read in one place: exported files,
// imported files and the sync folder's note files. A note is a JSON object:
//
//   {"id": "…uuid…", "text": "…",
//    "font": {"family": "Arial", "size": 9, "bold": false, "italic": false, "underline": false,
//             "strikethrough": false},
//    "textColor": "#000000", "backColor": "#ffffc0", "textBackColor": "#ffffc0",
//    "seeThrough": 200, "onTop": true,
//    "place": {"left": 500, "top": 500}, "size": {"width": 1995, "height": 2355},
//    "reminder": {"status": "Enabled", "from": "2026-12-09T10:00:00", "time": "10:00:00",
//                 "lastAlarm": "2026-12-09T10:00:00"},
//    "emailAddresses": "…"}
//
// Colours are "#rrggbb", or "system:N" for the desktop's colour number N; places and sizes are in
// twips (1/1440 inch); dates are ISO 8601 in local time. A field the note does not have is left
// out, and reads as the note's default.
namespace NoteFile {

/** The name and highest version of the format this program reads and writes. */
inline const QString FormatName = QStringLiteral("quillarren-notes");
constexpr int FormatVersion = 1;
/** Files beyond this size are not imported: a person's notes come nowhere near it (30 000 notes
    of a line each take 2 MB), and reading one takes about ten times its size in memory. */
constexpr qint64 LargestFileBytes = 32LL * 1024 * 1024;

/** A note's stored values as the format's object; the window's handle is left out. */
QJsonObject toJson(const NoteSlots::Values &values);
/** The stored values of a note object; fields of the wrong kind are left out. */
NoteSlots::Values fromJson(const QJsonObject &note);
/** A file of one of our formats (`notesFile`: the notes file, else a note's sync file), of a
    version this program reads: its object, or nothing and why in words for the user. */
std::optional<QJsonObject> checkedFile(const QByteArray &bytes, const QString &name, const QString &format,
                                       bool notesFile, QString *error);

/** A whole file: the open notes, then (when asked for) the deleted ones with their dates. */
QByteArray write(const QList<NoteSlots::Values> &notes, const QList<SettingsStore::TrashedNote> &deleted);

struct Contents
{
    QList<NoteSlots::Values> notes;
    QList<SettingsStore::TrashedNote> deleted;
};
/** Reads a file's bytes; on failure nothing, and why in words for the user ("not a Quillarren
    notes file", "written by a newer Quillarren", a field of the wrong kind …), naming the file as
    `name`. Places, sizes and see-through levels beyond what a screen can show are brought within
    it. */
std::optional<Contents> read(const QByteArray &bytes, const QString &name, QString *error);

/** The notes for people: a heading with each note's first line, then its text, its checklist
    items as task list items. */
QByteArray markdown(const QList<NoteSlots::Values> &notes);

// A note's file in the sync folder, <id>.json:
//
//   {"format": "quillarren-note", "version": 1, "id": "…", "changed": "2026-12-09T10:00:00.000Z",
//    "edition": 7, "computer": "…uuid…", "computerName": "desk", "note": { … as above, without
//    place, size, stacking … }}
//
// "edition" counts the note's versions: each computer writes one more than the highest it has
// seen, so a copy that went back in time tells itself apart from a newer one without trusting
// any clock. Files without it (written before it existed) read as edition 0, not known.
//
// and for a note deleted on some computer, "deleted": true and a note holding its id alone.
inline const QString SyncedFormatName = QStringLiteral("quillarren-note");

/** The suffixes whose values travel between computers: not the place, size, stacking, window
    or the second the reminder last went off, which stay with each computer. */
const QStringList &travellingSuffixes();
/** The values of a note that travel, empty ones left out (they read as absent). */
NoteSlots::Values travelling(const NoteSlots::Values &values);

struct SyncedNote
{
    QString id;
    NoteSlots::Values values;   // what travels; nothing for a deleted note
    bool deleted = false;
    QDateTime changed;          // when, in UTC
    QString computer;           // which computer changed it (its id) …
    QString computerName;       // … and its name, for people
    qint64 edition = 0;         // 0: not known
};
/** A fingerprint of what the note is, the same for the same note whoever wrote it and when. */
QString fingerprint(const QString &id, const NoteSlots::Values &values, bool deleted);
QString fingerprint(const SyncedNote &note);
QByteArray writeSynced(const SyncedNote &note);
/** Reads a note's file; on failure nothing, and why in words for the user, naming it `name`. */
std::optional<SyncedNote> readSynced(const QByteArray &bytes, const QString &name, QString *error);

} // namespace NoteFile
