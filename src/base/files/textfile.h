#pragma once

#include "base/files/safewrite.h"

#include <QString>

namespace TextFile {

/** The text in the user's locale encoding with the platform's own line ends, no byte-order mark
    and nothing added at the end. */
QByteArray encode(const QString &text);

/** Writes the text to the file, replacing an existing file only once the new content is
    completely on the disk; on failure the old file is left as it was and error says why. */
bool write(const QString &path, const QString &text, const SafeWrite::Options &options, QString *error);

} // namespace TextFile
