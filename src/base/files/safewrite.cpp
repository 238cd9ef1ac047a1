#include "base/files/safewrite.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#ifdef Q_OS_WIN
#include <QSaveFile>
#else
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <optional>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace SafeWrite {

#ifdef Q_OS_WIN

bool replaceWhole(const QString &path, const QByteArray &bytes, const Options &, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

#else

namespace {

QString shown(const QByteArray &path)
{
    return QDir::toNativeSeparators(QFile::decodeName(path));
}

QString reason(int code)
{
    switch (code) {
    case ENOSPC:
        return QCoreApplication::translate("SafeWrite", "the disk is full");
    case EDQUOT:
        return QCoreApplication::translate("SafeWrite", "the disk quota is used up");
    case EROFS:
        return QCoreApplication::translate("SafeWrite", "the disk is read-only");
    case EACCES:
    case EPERM:
        return QCoreApplication::translate("SafeWrite", "permission denied");
    case ENOENT:
    case ENOTDIR:
        return QCoreApplication::translate("SafeWrite", "the folder does not exist");
    default:
        return QString::fromLocal8Bit(std::strerror(code));
    }
}

struct FileId
{
    dev_t device;
    ino_t inode;
    mode_t mode;
    bool operator==(const FileId &other) const { return device == other.device && inode == other.inode; }
};

std::optional<FileId> idOf(const QByteArray &path, bool followLink)
{
    struct stat info{};
    if ((followLink ? ::stat(path.constData(), &info) : ::lstat(path.constData(), &info)) != 0)
        return std::nullopt;
    return FileId{info.st_dev, info.st_ino, info.st_mode};
}

QByteArray folderOf(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : path.left(slash);
}

QByteArray nameOf(const QByteArray &path)
{
    return path.mid(path.lastIndexOf('/') + 1);
}

// Follows the links at the end of the path as the kernel would with protected symlinks on: in a
// sticky folder that anyone may write to, only a link of the follower's own or of the folder's
// owner. (A link read here is followed by us, not by the kernel, so its rule is ours to keep.)
bool followLinks(QByteArray &path, QString *error)
{
    for (int hops = 0; hops < 40; ++hops) {
        struct stat link{};
        if (::lstat(path.constData(), &link) != 0) {
            if (errno == ENOENT)
                return true;   // a new file
            *error = reason(errno);
            return false;
        }
        if (!S_ISLNK(link.st_mode))
            return true;
        const QByteArray folder = folderOf(path);
        struct stat shared{};
        if (::stat(folder.constData(), &shared) == 0 && (shared.st_mode & S_ISVTX) && (shared.st_mode & S_IWOTH)
            && link.st_uid != ::geteuid() && link.st_uid != shared.st_uid) {
            *error = QCoreApplication::translate("SafeWrite", "it is a link that another user put in the shared folder %1, and Quillarren "
                                    "does not follow such links").arg(shown(folder));
            return false;
        }
        char target[PATH_MAX];
        const ssize_t length = ::readlink(path.constData(), target, sizeof target);
        if (length < 0 || size_t(length) >= sizeof target) {
            *error = QCoreApplication::translate("SafeWrite", "the link %1 cannot be followed").arg(shown(path));
            return false;
        }
        const QByteArray next(target, length);
        path = next.startsWith('/') ? next : folder + '/' + next;
    }
    *error = QCoreApplication::translate("SafeWrite", "it is a link that leads to another link, too many times");
    return false;
}

bool isProtected(const QByteArray &target, const Options &options)
{
    const std::optional<FileId> file = idOf(target, false);
    const std::optional<FileId> folder = idOf(folderOf(target), true);
    for (const QString &protectedFile : options.protectedFiles) {
        const QByteArray path = QFile::encodeName(protectedFile);
        const std::optional<FileId> other = idOf(path, true);
        if (file && other && *file == *other)
            return true;
        const std::optional<FileId> otherFolder = idOf(folderOf(path), true);
        if (folder && otherFolder && *folder == *otherFolder && nameOf(path) == nameOf(target))
            return true;
    }
    for (const QString &protectedFolder : options.protectedFolders) {
        const QByteArray path = QFile::encodeName(protectedFolder);
        const std::optional<FileId> other = idOf(path, true);
        if (!other)
            continue;
        if (folder && *folder == *other)
            return true;
        // A hard link elsewhere to a file in that folder.
        DIR *listing = file ? ::opendir(path.constData()) : nullptr;
        bool linked = false;
        while (listing && !linked) {
            const dirent *entry = ::readdir(listing);
            if (!entry)
                break;
            const std::optional<FileId> held = idOf(path + '/' + entry->d_name, false);
            linked = held && S_ISREG(held->mode) && *held == *file;
        }
        if (listing)
            ::closedir(listing);
        if (linked)
            return true;
    }
    return false;
}

QString notAFile(mode_t mode)
{
    if (S_ISDIR(mode))
        return QCoreApplication::translate("SafeWrite", "a folder");
    if (S_ISFIFO(mode))
        return QCoreApplication::translate("SafeWrite", "a FIFO (a pipe)");
    if (S_ISSOCK(mode))
        return QCoreApplication::translate("SafeWrite", "a socket");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QCoreApplication::translate("SafeWrite", "a device");
    return S_ISREG(mode) ? QString() : QCoreApplication::translate("SafeWrite", "not a plain file");
}

mode_t newFileMode()
{
    // The umask, read without changing it (umask() would change it for every thread meanwhile).
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : status.readAll().split('\n')) {
            if (line.startsWith("Umask:"))
                return 0666 & ~mode_t(line.mid(6).trimmed().toUInt(nullptr, 8));
        }
    }
    return 0644;
}

bool writeAll(int fd, const QByteArray &bytes)
{
    const char *at = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, at, size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            if (written == 0)
                errno = ENOSPC;
            return false;
        }
        at += written;
        left -= written;
    }
    return true;
}

// The new content under a name of its own beside the target, then in the target's place.
bool writeAndReplace(const QByteArray &target, const QByteArray &bytes, mode_t mode, QString *error)
{
    const QByteArray folder = folderOf(target);
    QByteArray temporary = folder + "/." + nameOf(target) + ".XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);   // O_EXCL, mode 0600
    if (fd < 0) {
        *error = QCoreApplication::translate("SafeWrite", "nothing can be written in %1 (%2)").arg(shown(folder), reason(errno));
        return false;
    }
    const bool written = writeAll(fd, bytes) && ::fsync(fd) == 0 && (mode == 0600 || ::fchmod(fd, mode) == 0);
    int code = errno;
    if (::close(fd) != 0 && written)
        code = errno;
    else if (written)
        code = 0;
    if (code == 0 && ::rename(temporary.constData(), target.constData()) != 0)
        code = errno;
    if (code != 0) {
        ::unlink(temporary.constData());
        *error = reason(code);
        return false;
    }
    // The folder's entry is what a power cut would lose.
    const int folderFd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd >= 0) {
        ::fsync(folderFd);
        ::close(folderFd);
    }
    return true;
}

} // namespace

bool replaceWhole(const QString &path, const QByteArray &bytes, const Options &options, QString *error)
{
    QByteArray target = QFile::encodeName(path);
    if (target.isEmpty() || !followLinks(target, error))
        return false;
    const std::optional<FileId> existing = idOf(target, false);
    if (existing && !notAFile(existing->mode).isEmpty()) {
        *error = QCoreApplication::translate("SafeWrite", "it is %1, and Quillarren writes only plain files").arg(notAFile(existing->mode));
        return false;
    }
    if (isProtected(target, options)) {
        *error = QCoreApplication::translate("SafeWrite", "it is one of Quillarren's own files (its notes store, journal, lock or backups); "
                                "choose another file");
        return false;
    }
    const mode_t mode = options.ownerOnly ? 0600 : existing ? (existing->mode & 07777) : newFileMode();
    return writeAndReplace(target, bytes, mode, error);
}

#endif

} // namespace SafeWrite
