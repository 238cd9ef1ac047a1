#pragma once

#include "base/notefile/notefile.h"
#include "base/files/saferead.h"
#include "base/sync/syncrules.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <functional>

#include <optional>

// What the sync folder holds, read off the window thread: the notes' files and the engines'
// conflict copies of them, each read again only when its stamp (inode, size, times) changed;
// and a note's file written into it.
namespace FolderScan {

/** A file of the folder as it was last read (or written by this computer). */
struct SeenFile
{
    SafeRead::Stamp stamp;
    SyncRules::There kind = SyncRules::There::None;
    std::optional<NoteFile::SyncedNote> note;   // for Note and Deleted
    QString state;     // the note's fingerprint
    QString problem;   // why it cannot be taken, in words for the user (naming the file)
};

struct Snapshot
{
    QString folder;
    bool there = false;   // the folder is there, as a folder
    quint64 device = 0;   // of the mount that holds it
    QHash<QString, QString> notes;          // note id to its file, <id>.json
    QHash<QString, QStringList> copies;     // note id to its conflict copies, nested ones too
    QHash<QString, SeenFile> files;         // by path: every file above
    QStringList refused;   // files named like ours for an id that no note can have
};

/** A note file's name, <id>.json: the id, or nothing. */
QString noteIdOf(const QString &fileName);
/** An engine's conflict copy of a note file (Syncthing's <id>.sync-conflict-<date>-<time>-<device>.json,
    nested ones too, Nextcloud's and Dropbox's "<id> (conflicted copy …).json"): the id, or nothing. */
QString copyIdOf(const QString &fileName);

/** Reads one file of the folder; `name` names it for the user. */
SeenFile readFile(const QString &path, const QString &name);

/** Writes the note's file whole under a name the engines skip, then renames it into place;
    false with why not. */
bool writeNoteFile(const QString &folder, const NoteFile::SyncedNote &note, QString *error);

/** The deletions this computer wrote over a month ago, untouched since and still what it agrees
    on (`agreedState` of an id): every other computer has seen them, and their files may go. */
QStringList oldDeletions(const Snapshot &snapshot, const QString &computer, const QDateTime &now,
                         const std::function<QString(const QString &)> &agreedState);

/** Lists and reads the folder; files whose stamp is the same as in `before` are not read again. */
Snapshot scan(const QString &folder, const QHash<QString, SeenFile> &before);

} // namespace FolderScan
