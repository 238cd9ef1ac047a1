#include "base/files/filesync.h"

#include <QFile>
#include <QFileInfo>

#include <csignal>
#include <cstdio>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace FileSync {

bool syncFile(const QString &path)
{
#ifdef Q_OS_WIN
    const HANDLE file = CreateFileW(reinterpret_cast<LPCWSTR>(path.utf16()), GENERIC_WRITE,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return GetLastError() == ERROR_FILE_NOT_FOUND;
    const bool synced = FlushFileBuffers(file) != 0;
    CloseHandle(file);
    return synced;
#else
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT;
    const bool synced = ::fdatasync(fd) == 0;
    ::close(fd);
    return synced;
#endif
}

namespace {

bool restrictTo(const QString &path, QFileDevice::Permissions wanted)
{
    const QFileInfo info(path);
    if (!info.exists())
        return true;
    // Only the owner's bits may stay; leave a mode that is already as tight alone.
    const QFileDevice::Permissions others = QFileDevice::ReadGroup | QFileDevice::WriteGroup
        | QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther;
    if (!(info.permissions() & others))
        return true;
    return QFile::setPermissions(path, wanted);
}

} // namespace

bool makePrivateFile(const QString &path)
{
    return restrictTo(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser
                                | QFileDevice::WriteUser);
}

bool makePrivateFolder(const QString &path)
{
    return restrictTo(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                | QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser);
}

bool replaceFile(const QString &from, const QString &to)
{
#ifdef Q_OS_WIN
    return MoveFileExW(reinterpret_cast<LPCWSTR>(from.utf16()), reinterpret_cast<LPCWSTR>(to.utf16()),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
#else
    if (::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) != 0)
        return false;
    // The folder's entry is what a power cut would lose.
    syncFile(QFileInfo(to).absolutePath());
    return true;
#endif
}

void failWritesPastSizeLimit()
{
#ifdef SIGXFSZ
    std::signal(SIGXFSZ, SIG_IGN);
#endif
}

} // namespace FileSync
