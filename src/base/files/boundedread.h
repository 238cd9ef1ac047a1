#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace BoundedRead {

/** The whole content of a plain file of at most `largest` bytes; nothing, with the reason in
    words for the user, when it is something else (a device, a FIFO, a folder: never waited on),
    cannot be read, or is larger. */
std::optional<QByteArray> plainFile(const QString &path, qint64 largest, QString *error);

} // namespace BoundedRead
