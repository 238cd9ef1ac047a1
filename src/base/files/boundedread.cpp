#include "base/files/boundedread.h"

#include <QFile>
#include <QLocale>

#include <algorithm>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace BoundedRead {

namespace {

QString tooLarge(qint64 largest)
{
    return QStringLiteral("it is larger than %1, the most Quillarren reads").arg(QLocale::c().formattedDataSize(largest, 0));
}

} // namespace

#ifdef Q_OS_UNIX

std::optional<QByteArray> plainFile(const QString &path, qint64 largest, QString *error)
{
    // Not blocking: a FIFO opened for reading would wait for a writer, for good.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        *error = QString::fromLocal8Bit(std::strerror(errno));
        return std::nullopt;
    }
    struct stat info{};
    std::optional<QByteArray> content;
    if (::fstat(fd, &info) != 0) {
        *error = QString::fromLocal8Bit(std::strerror(errno));
    } else if (!S_ISREG(info.st_mode)) {
        *error = S_ISDIR(info.st_mode) ? QStringLiteral("it is a folder, not a file")
                                       : QStringLiteral("it is a device, FIFO or socket, not a file");
    } else if (info.st_size > largest) {
        *error = tooLarge(largest);
    } else {
        // Read to one byte past the bound: a file that grows meanwhile is refused all the same.
        QByteArray bytes(qsizetype(info.st_size) + 1, Qt::Uninitialized);
        qsizetype have = 0;
        bool failed = false;
        for (;;) {
            if (have == bytes.size()) {
                if (have > largest)
                    break;
                bytes.resize(std::min<qsizetype>(largest + 1, have * 2 + 4096));
            }
            const ssize_t got = ::read(fd, bytes.data() + have, size_t(bytes.size() - have));
            if (got < 0 && errno == EINTR)
                continue;
            if (got <= 0) {
                if (got < 0) {
                    *error = QString::fromLocal8Bit(std::strerror(errno));
                    failed = true;
                }
                break;
            }
            have += got;
        }
        if (have > largest)
            *error = tooLarge(largest);
        else if (!failed)
            content = bytes.left(have);
    }
    ::close(fd);
    return content;
}

#else

std::optional<QByteArray> plainFile(const QString &path, qint64 largest, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return std::nullopt;
    }
    if (file.isSequential()) {
        *error = QStringLiteral("it is a device, not a file");
        return std::nullopt;
    }
    const QByteArray bytes = file.read(largest + 1);
    if (bytes.size() > largest) {
        *error = tooLarge(largest);
        return std::nullopt;
    }
    return bytes;
}

#endif

} // namespace BoundedRead
