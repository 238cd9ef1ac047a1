#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Writing a whole file so that the old one is replaced only once every byte of the new one is on
// the disk, checked here call by call (Qt 6.4's QSaveFile reports success after a full disk).
// The target must be a plain file: never a device, FIFO, socket or folder, never one of the
// files a caller protects, and never reached through a link another user planted in a shared
// folder.
namespace SafeWrite {

struct Options
{
    /** Files that must never be replaced, whatever path names them: compared by device and inode
        when they exist, and by folder and name when they do not (yet). */
    QStringList protectedFiles;
    /** Folders nothing may be written into, nor onto a hard link of a file they hold. */
    QStringList protectedFolders;
    /** The new file is readable by its owner alone (it holds notes); otherwise it keeps the
        replaced file's mode, or a new one gets the usual mode for new files. */
    bool ownerOnly = true;
};

/** Replaces (or creates) the file at `path` with `bytes`; false, with the reason in words for the
    user ("the disk is full"), and the old file as it was, when it cannot. */
bool replaceWhole(const QString &path, const QByteArray &bytes, const Options &options, QString *error);

} // namespace SafeWrite
