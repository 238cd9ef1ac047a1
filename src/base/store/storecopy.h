#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

struct sqlite3;

// Another store file (a backup to restore) taken only for what a store of ours holds: its schema
// checked exactly, and its rows copied into a fresh store made here, so that nothing of the file
// itself (a trigger, a view, an index, a pragma, a generated column) is ever taken over.
namespace StoreCopy {

/** What a backup says of itself (absent in backups made before it did). */
struct Stamp
{
    QDateTime made;      // UTC
    bool asked = false;  // the user asked for it, or it kept the notes before a restore
};

/** The file is a whole store of ours: it opens, passes SQLite's quick check, and holds our tables
    with our columns exactly, and nothing else. False with the reason in words for the user. */
bool checkOurs(const QString &file, QString *error);

/** Makes a new store at `target` (which must not exist) with this program's tables, page size
    `pageSize` and user version `userVersion`, holding the rows of the checked store `file`. */
bool copyRows(const QString &file, const QString &target, int pageSize, quint32 userVersion, QString *error);

/** The table "history" in the open store is as this program makes it, and nothing (a trigger, a
    view, an index of its own) hangs on it. */
bool historyIsOurs(sqlite3 *db);

/** Adds the versions the open store `from` holds to the fresh store `target`, beside those it
    has: a restored backup must not cost the history made since. */
bool keepVersions(sqlite3 *from, const QString &target);

/** The stamp a backup carries; nothing for a file without one (or not ours). */
std::optional<Stamp> stampOf(const QString &file);

} // namespace StoreCopy
