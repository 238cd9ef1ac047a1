#pragma once

#include <QString>

namespace FileSync {

/** Forces what was written to the file onto stable storage; false when the file cannot be
    opened or synced. A missing file has nothing to sync and counts as done. */
bool syncFile(const QString &path);

/** Makes the file readable and writable by its owner alone, as the notes in it are private;
    false when the file exists and its mode could not be changed. */
bool makePrivateFile(const QString &path);
/** The same for a folder: only its owner may list, enter or change it. */
bool makePrivateFolder(const QString &path);

/** Puts `from` in the place of `to` in one step (a reader sees the old file or the new one,
    never part of one), then makes the change durable; false when it could not be done. */
bool replaceFile(const QString &from, const QString &to);

/** A file-size limit (ulimit -f) then fails the write, which the store survives, instead of
    ending the program with a signal. */
void failWritesPastSizeLimit();

} // namespace FileSync
