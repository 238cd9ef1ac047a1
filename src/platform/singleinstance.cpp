#include "platform/singleinstance.h"

#include "platform/filesync.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#else
#include <QLockFile>
#endif

namespace {
// A copy that is starting takes the lock before it listens: give it this long to answer.
constexpr int AnswerWaitMs = 5000;
} // namespace

SingleInstance::SingleInstance(const QString &lockFolder, QObject *parent)
    : QObject(parent)
    , m_lockPath(lockFolder + QStringLiteral("/Quillarren.lock"))
{
    QDir().mkpath(lockFolder);
    const QByteArray hash = QCryptographicHash::hash(QDir(lockFolder).absolutePath().toUtf8(),
                                                     QCryptographicHash::Sha1).toHex().left(16);
    m_serverName = QStringLiteral("quillarren-") + QString::fromLatin1(hash);
}

SingleInstance::~SingleInstance()
{
    if (m_server)
        m_server->close();
#ifdef Q_OS_UNIX
    if (m_lockFd >= 0)
        ::close(m_lockFd);   // releases the lock; the file stays, its content no longer counts
#endif
}

SingleInstance::Outcome SingleInstance::acquire()
{
    bool lockable = true;
    if (lock(&lockable)) {
        listen();
        return Outcome::Only;
    }
    if (!lockable) {
        // Nothing to lock with: only a copy that answers says another one runs.
        if (signalRunning(1000))
            return Outcome::OtherAnswered;
        listen();
        return Outcome::Only;
    }
    return signalRunning(AnswerWaitMs) ? Outcome::OtherAnswered : Outcome::OtherSilent;
}

bool SingleInstance::lock(bool *lockable)
{
#ifdef Q_OS_UNIX
    // The lock is the kernel's, held by the open file: it goes with the process however the
    // process ends, so what a crash or a full disk leaves in the file never locks anyone out.
    const QByteArray path = QFile::encodeName(m_lockPath);
    m_lockFd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (m_lockFd < 0)
        m_lockFd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    if (m_lockFd < 0) {
        *lockable = false;
        return false;
    }
    if (::flock(m_lockFd, LOCK_EX | LOCK_NB) != 0) {
        *lockable = errno == EWOULDBLOCK;
        ::close(m_lockFd);
        m_lockFd = -1;
        return false;
    }
    FileSync::makePrivateFile(m_lockPath);
    // Who holds it, for the user's sake only.
    const QByteArray pid = QByteArray::number(QCoreApplication::applicationPid()) + '\n';
    if (::ftruncate(m_lockFd, 0) == 0 && ::write(m_lockFd, pid.constData(), size_t(pid.size())) < 0)
        ::ftruncate(m_lockFd, 0);
    return true;
#else
    static QLockFile file(m_lockPath);
    file.setStaleLockTime(0);
    *lockable = true;
    return file.tryLock(100);
#endif
}

qint64 SingleInstance::holder() const
{
    QFile file(m_lockPath);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    return file.readLine(32).trimmed().toLongLong();
}

void SingleInstance::listen()
{
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    // Holding the lock, no other copy can be listening: a socket left by a crash is stale.
    QLocalServer::removeServer(m_serverName);
    m_server->listen(m_serverName);
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            socket->write("raised\n");
            socket->flush();
            emit raiseRequested();
            socket->disconnectFromServer();
        }
    });
}

bool SingleInstance::signalRunning(int waitMs)
{
    const QDeadlineTimer deadline(waitMs);
    do {
        QLocalSocket socket;
        socket.connectToServer(m_serverName);
        if (socket.waitForConnected(int(qMax<qint64>(100, deadline.remainingTime())))) {
            socket.write("raise\n");
            socket.waitForBytesWritten(1000);
            // It answers only once it has taken the request.
            if (socket.waitForReadyRead(int(qMax<qint64>(100, deadline.remainingTime()))))
                return true;
        }
        QThread::msleep(100);
    } while (!deadline.hasExpired());
    return false;
}
