#pragma once

#include "base/files/safewrite.h"

#include <QString>

namespace OwnFiles {

/** How a file the user names (an export, a saved note) is written: never onto the notes store,
    its side files, the journal, the lock or the backups, whatever path names them. */
SafeWrite::Options forUserFile(const QString &storePath, bool ownerOnly);

} // namespace OwnFiles
