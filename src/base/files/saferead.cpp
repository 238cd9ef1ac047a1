#include "base/files/saferead.h"

#include <QCoreApplication>
#include <QFile>
#include <QLocale>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace SafeRead {

namespace {

qint64 nanoseconds(const struct timespec &time)
{
    return qint64(time.tv_sec) * 1000000000LL + time.tv_nsec;
}

Stamp stampFrom(const struct stat &status)
{
    Stamp stamp;
    stamp.exists = true;
    stamp.regular = S_ISREG(status.st_mode);
    stamp.device = quint64(status.st_dev);
    stamp.inode = quint64(status.st_ino);
    stamp.size = qint64(status.st_size);
    stamp.modifiedNs = nanoseconds(status.st_mtim);
    stamp.changedNs = nanoseconds(status.st_ctim);
    return stamp;
}

QString systemError(int code)
{
    return QString::fromLocal8Bit(std::strerror(code));
}

Result refuse(Refused why, const QString &error, const Stamp &stamp = {})
{
    Result result;
    result.refused = why;
    result.error = error;
    result.stamp = stamp;
    return result;
}

// Why a name that is no plain file is not read, by what it is.
QString notPlain(mode_t mode)
{
    if (S_ISDIR(mode))
        return QCoreApplication::translate("SafeRead", "it is a folder, not a file");
    if (S_ISLNK(mode))
        return QCoreApplication::translate("SafeRead", "it is a link, not a plain file");
    return QCoreApplication::translate("SafeRead", "it is a device, FIFO or socket, not a file");
}

QString tooLarge(qint64 largest)
{
    return QCoreApplication::translate("SafeRead", "it is larger than %1, the most Quillarren reads").arg(QLocale::c().formattedDataSize(largest, 0));
}

} // namespace

bool Stamp::operator==(const Stamp &other) const
{
    return exists == other.exists && regular == other.regular && device == other.device && inode == other.inode
        && size == other.size && modifiedNs == other.modifiedNs && changedNs == other.changedNs;
}

Stamp stampOf(const QString &path)
{
    struct stat status;
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0)
        return {};
    return stampFrom(status);
}

std::optional<quint64> folderDevice(const QString &path)
{
    struct stat status;
    if (::stat(QFile::encodeName(path).constData(), &status) != 0 || !S_ISDIR(status.st_mode))
        return std::nullopt;
    return quint64(status.st_dev);
}

Result readPlainFile(const QString &path, qint64 largest, Links links)
{
    const QByteArray name = QFile::encodeName(path);
    const bool follow = links == Links::Follow;
    struct stat before;
    if ((follow ? ::stat(name.constData(), &before) : ::lstat(name.constData(), &before)) != 0)
        return refuse(errno == ENOENT ? Refused::Missing : Refused::Unreadable, systemError(errno));
    if (!S_ISREG(before.st_mode))
        return refuse(Refused::NotPlain, notPlain(before.st_mode), stampFrom(before));
    if (qint64(before.st_size) > largest)
        return refuse(Refused::TooLarge, tooLarge(largest), stampFrom(before));
    // A link or a pipe put in its place since the look above is not followed (unless links are),
    // nor waited for.
    const int fd = ::open(name.constData(), O_RDONLY | (follow ? 0 : O_NOFOLLOW) | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return refuse(errno == ELOOP ? Refused::NotPlain : Refused::Unreadable,
                      errno == ELOOP ? notPlain(S_IFLNK) : systemError(errno), stampFrom(before));
    struct stat opened{};
    if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
        ::close(fd);
        return refuse(Refused::NotPlain, notPlain(opened.st_mode), stampFrom(before));
    }
    Result result;
    result.stamp = stampFrom(opened);
    // The size can grow while it is read: never more than the bound plus one byte.
    result.bytes.resize(qsizetype(std::min<qint64>(opened.st_size, largest) + 1));
    qint64 got = 0;
    while (got < result.bytes.size()) {
        const ssize_t n = ::read(fd, result.bytes.data() + got, size_t(result.bytes.size() - got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            const int code = errno;
            ::close(fd);
            return refuse(Refused::Unreadable, systemError(code), result.stamp);
        }
        if (n == 0)
            break;
        got += n;
        if (got == result.bytes.size() && got <= largest)
            result.bytes.resize(qsizetype(std::min<qint64>(got * 2, largest + 1)));
    }
    ::close(fd);
    if (got > largest)
        return refuse(Refused::TooLarge, tooLarge(largest), result.stamp);
    result.bytes.truncate(qsizetype(got));
    return result;
}

} // namespace SafeRead
