#include "base/files/ownfiles.h"

#include "base/backup/backups.h"

#include <QFileInfo>

namespace OwnFiles {

SafeWrite::Options forUserFile(const QString &storePath, bool ownerOnly)
{
    SafeWrite::Options options;
    options.ownerOnly = ownerOnly;
    if (storePath.isEmpty())
        return options;
    const QString folder = QFileInfo(storePath).absolutePath();
    // SQLite's side files are protected before they exist: a stray one beside the store would be
    // taken for its log at the next start.
    options.protectedFiles = {storePath,
                              storePath + QStringLiteral("-wal"),
                              storePath + QStringLiteral("-shm"),
                              storePath + QStringLiteral("-journal"),
                              folder + QStringLiteral("/Quillarren.lock"),
                              folder + QStringLiteral("/Quillarren.pending")};
    options.protectedFolders = {Backups(storePath).folder()};
    return options;
}

} // namespace OwnFiles
