#include "base/channel/channellock.h"

#include "base/files/filesync.h"

#include <QCoreApplication>
#include <QFile>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#else
#include <QLockFile>
#endif

ChannelLock::~ChannelLock()
{
#ifdef Q_OS_UNIX
    if (m_fd >= 0)
        ::close(m_fd);   // releases the lock; the file stays, its content no longer counts
#endif
}

bool ChannelLock::tryLock(bool *lockable)
{
    bool ignored = true;
    if (!lockable)
        lockable = &ignored;
    *lockable = true;
#ifdef Q_OS_UNIX
    if (m_fd >= 0)
        return true;
    // The lock is the kernel's, held by the open file: it goes with the process however the
    // process ends, so what a crash or a full disk leaves in the file never locks anyone out.
    const QByteArray path = QFile::encodeName(m_path);
    m_fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (m_fd < 0)
        m_fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    if (m_fd < 0) {
        *lockable = false;
        return false;
    }
    if (::flock(m_fd, LOCK_EX | LOCK_NB) != 0) {
        *lockable = errno == EWOULDBLOCK;
        ::close(m_fd);
        m_fd = -1;
        return false;
    }
    FileSync::makePrivateFile(m_path);
    // Who holds it, for the user's sake only.
    const QByteArray pid = QByteArray::number(QCoreApplication::applicationPid()) + '\n';
    if (::ftruncate(m_fd, 0) == 0 && ::write(m_fd, pid.constData(), size_t(pid.size())) < 0)
        ::ftruncate(m_fd, 0);
    return true;
#else
    static QLockFile file(m_path);
    file.setStaleLockTime(0);
    return file.tryLock(100);
#endif
}

qint64 ChannelLock::holder() const
{
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    return file.readLine(32).trimmed().toLongLong();
}
