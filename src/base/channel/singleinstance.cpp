#include "base/channel/singleinstance.h"

#include "base/channel/channelconnection.h"
#include "base/channel/channelplace.h"
#include "base/files/filesync.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPointer>
#include <QSocketNotifier>
#include <QThread>
#include <QTimer>
#include <QtDebug>

#include <algorithm>
#include <cstring>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#else
#include <QLockFile>
#endif

namespace {

// A copy that is starting takes the lock before it listens: give it this long to answer.
constexpr int AnswerWaitMs = 5000;
// A copy that has taken a request may work on it (import a thousand notes) as long as it tells
// how far it has come at least this often.
constexpr int WorkingSilenceMs = 120000;
// A request that waits its turn is told this often that it still waits, well within the above.
constexpr int KeepWaitingMs = 20000;
// What one asking process may hold on the channel: a command asks once and reads its answer, so
// more connections than this at once, or more bytes not taken than this beside a single one, is a
// flood, and all of its connections are let go. Other processes are still answered.
constexpr int MaxClientConnections = 4;
constexpr qsizetype MaxClientBytes = 8 << 20;
// Connections of all processes together: beyond this, new ones are turned away at once.
constexpr int MaxConnections = 64;
// An unknown verb is named in the answer up to this length.
constexpr int MaxVerbShown = 40;

QByteArray encode(const QJsonObject &object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}

#ifdef Q_OS_UNIX

// The other end is a process of this user; *process tells which one, where the system says.
bool sameUser(int fd, qint64 *process = nullptr)
{
#ifdef SO_PEERCRED
    ucred peer{};
    socklen_t size = sizeof peer;
    const bool known = ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0;
    if (process)
        *process = peer.pid;
    return known && peer.uid == ::getuid();
#else
    uid_t uid = 0;
    gid_t gid = 0;
    if (process)
        *process = 0;
    return ::getpeereid(fd, &uid, &gid) == 0 && uid == ::getuid();
#endif
}

sockaddr_un addressOf(const QString &path)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray encoded = QFile::encodeName(path);
    Q_ASSERT(size_t(encoded.size()) < sizeof address.sun_path);
    std::copy(encoded.cbegin(), encoded.cend(), address.sun_path);
    return address;
}

// Waits for the socket to be ready for `events`; false when the deadline passed first.
bool waitFor(int fd, short events, const QDeadlineTimer &deadline)
{
    pollfd entry{fd, events, 0};
    for (;;) {
        const int result = ::poll(&entry, 1, int(qMax<qint64>(0, deadline.remainingTime())));
        if (result >= 0 || errno != EINTR)
            return result > 0;
    }
}

// One request written, then the reply read, within the deadline. A copy that has taken the
// request says so at once and tells how far it has come; from then on it may work for as long
// as it keeps telling. Nothing when the other side closed or stayed silent.
std::optional<QByteArray> exchange(int fd, const QByteArray &request, QDeadlineTimer deadline,
                                   const std::function<void(const QString &)> &progress)
{
    qsizetype sent = 0;
    while (sent < request.size()) {
        const ssize_t n = ::send(fd, request.constData() + sent, size_t(request.size() - sent), MSG_NOSIGNAL);
        if (n >= 0)
            sent += n;
        else if (errno == EAGAIN || errno == EWOULDBLOCK) {
            if (!waitFor(fd, POLLOUT, deadline))
                return std::nullopt;
        } else if (errno != EINTR)
            return std::nullopt;
    }
    QByteArray reply;
    for (;;) {
        while (reply.contains('\n')) {
            const QByteArray line = reply.left(reply.indexOf('\n'));
            reply.remove(0, line.size() + 1);
            const QJsonObject object = QJsonDocument::fromJson(line).object();
            if (!object.contains(QLatin1String("progress")) || object.contains(QLatin1String("status")))
                return line;
            deadline.setRemainingTime(WorkingSilenceMs);
            const QString told = object.value(QLatin1String("progress")).toString();
            if (progress && !told.isEmpty())
                progress(told);
        }
        char chunk[4096];
        const ssize_t n = ::recv(fd, chunk, sizeof chunk, 0);
        if (n > 0)
            reply.append(chunk, n);
        else if (n == 0)
            return std::nullopt;
        else if (errno == EAGAIN || errno == EWOULDBLOCK) {
            if (!waitFor(fd, POLLIN, deadline))
                return std::nullopt;
        } else if (errno != EINTR)
            return std::nullopt;
    }
}

#endif

} // namespace

SingleInstance::SingleInstance(const QString &lockFolder, QObject *parent)
    : QObject(parent)
    , m_lockPath(lockFolder + QStringLiteral("/Quillarren.lock"))
{
    QDir().mkpath(lockFolder);
    m_socketPath = ChannelPlace::socketPath(lockFolder);
    m_keepWaiting.setInterval(KeepWaitingMs);
    connect(&m_keepWaiting, &QTimer::timeout, this, &SingleInstance::keepWaitersWaiting);
    m_handlers.insert(QStringLiteral("raise"), [this](const QStringList &) {
        emit raiseRequested();
        return Reply{};
    });
}

SingleInstance::~SingleInstance()
{
#ifdef Q_OS_UNIX
    if (m_listenFd >= 0) {
        delete m_listenNotifier;
        ::close(m_listenFd);
        // Before the lock goes: the next holder makes its own socket.
        ::unlink(QFile::encodeName(m_socketPath).constData());
    }
    if (m_lockFd >= 0)
        ::close(m_lockFd);   // releases the lock; the file stays, its content no longer counts
#endif
}

SingleInstance::Outcome SingleInstance::acquire(const QString &verb)
{
    bool lockable = true;
    if (tryLock(&lockable)) {
        listen();
        return Outcome::Only;
    }
    if (!lockable) {
        // Nothing to lock with: only a copy that answers says another one runs.
        if (ask(verb, {}, 1000))
            return Outcome::OtherAnswered;
        listen();
        return Outcome::Only;
    }
    return ask(verb, {}, AnswerWaitMs) ? Outcome::OtherAnswered : Outcome::OtherSilent;
}

SingleInstance::Reply SingleInstance::answerHere(const QString &verb, const QStringList &args)
{
    const auto handler = m_handlers.constFind(verb);
    return handler == m_handlers.cend() ? Reply{1, QString()} : (*handler)(args);
}

bool SingleInstance::tryLock(bool *lockable)
{
    bool ignored = true;
    if (!lockable)
        lockable = &ignored;
    *lockable = true;
#ifdef Q_OS_UNIX
    if (m_lockFd >= 0)
        return true;
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

void SingleInstance::setHandler(const QString &verb, Handler handler)
{
    m_handlers.insert(verb, std::move(handler));
}

bool SingleInstance::listen()
{
#ifdef Q_OS_UNIX
    const QByteArray path = QFile::encodeName(m_socketPath);
    QString problem = QStringLiteral("no private folder for it");
    if (!m_socketPath.isEmpty()) {
        m_listenFd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        const sockaddr_un address = addressOf(m_socketPath);
        // Holding the lock, no other copy listens: a socket already there was left by one that was killed.
        ::unlink(path.constData());
        if (m_listenFd >= 0 && ::bind(m_listenFd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0
            && ::listen(m_listenFd, 16) == 0) {
            m_listenNotifier = new QSocketNotifier(qintptr(m_listenFd), QSocketNotifier::Read, this);
            connect(m_listenNotifier, &QSocketNotifier::activated, this, &SingleInstance::acceptPending);
            // Each time the event loop has nothing left to do it is at rest: the one moment a
            // request can start without landing in the middle of something else.
            if (QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance(thread()))
                connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, &SingleInstance::answerNext);
            return true;
        }
        problem = QString::fromLocal8Bit(strerror(errno));
        if (m_listenFd >= 0)
            ::close(m_listenFd);
        m_listenFd = -1;
    }
    qWarning().noquote() << QStringLiteral("Later starts of Quillarren cannot reach this one: cannot listen at %1: %2")
                                .arg(m_socketPath, problem);
#endif
    return false;
}

void SingleInstance::acceptPending()
{
#ifdef Q_OS_UNIX
    for (;;) {
        const int fd = ::accept4(m_listenFd, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (fd < 0) {
            if (errno == EINTR || errno == ECONNABORTED)
                continue;
            return;   // none left (EAGAIN), or out of descriptors: the rest wait in the queue
        }
        // The folder is private already; this also holds where it could not be made so.
        qint64 process = 0;
        if (!sameUser(fd, &process) || m_connections.size() >= MaxConnections) {
            ::close(fd);
            continue;
        }
        auto *connection = new ChannelConnection(fd, process, this);
        connect(connection, &ChannelConnection::requestArrived, this, &SingleInstance::arrived);
        connect(connection, &ChannelConnection::gone, this, &SingleInstance::left);
        m_connections.append(connection);
        holdWithinBounds(process);
        // A client sends its request as it connects: it is told at once that it has come.
        if (!connection->isGone())
            connection->readWaiting();
    }
#endif
}

void SingleInstance::answerWhen(std::function<bool()> ready)
{
    m_ready = std::move(ready);
}

void SingleInstance::arrived(ChannelConnection *connection)
{
    connection->tell(encode(QJsonObject{{QStringLiteral("progress"), QString()}}));   // it has come
    const bool free = m_waiting.isEmpty() && !m_answering && m_ready && m_ready();
    m_waiting.append(connection);
    if (!free)
        connection->tell(encode(QJsonObject{
            {QStringLiteral("progress"), QStringLiteral("Waiting for the running Quillarren to finish what it is doing…")}}));
    m_keepWaiting.start();
}

void SingleInstance::left(ChannelConnection *connection)
{
    m_connections.removeOne(connection);
    m_waiting.removeOne(connection);
    if (m_waiting.isEmpty())
        m_keepWaiting.stop();
}

void SingleInstance::keepWaitersWaiting()
{
    for (ChannelConnection *connection : std::as_const(m_waiting))
        connection->tell(encode(QJsonObject{{QStringLiteral("progress"), QString()}}));
}

// Called each time the window thread's event loop is about to wait: at the outermost loop that
// is the only code running, so a handler never starts inside another's dialog, pause or wait.
void SingleInstance::answerNext()
{
    if (m_waiting.isEmpty() || m_answering || !m_ready || QThread::currentThread()->loopLevel() > 1 || !m_ready())
        return;
    ChannelConnection *connection = m_waiting.takeFirst();
    if (m_waiting.isEmpty())
        m_keepWaiting.stop();
    const QPointer<ChannelConnection> client(connection);
    m_answering = true;
    m_working = connection;
    connection->setWorking(true);
    const Reply reply = answer(connection->request());
    m_working = nullptr;
    m_answering = false;
    if (!client || client->isGone())
        return;
    client->reply(encode(QJsonObject{{QStringLiteral("status"), reply.status}, {QStringLiteral("output"), reply.output}}));
    if (client && !client->isGone())
        holdWithinBounds(client->client());
}

void SingleInstance::holdWithinBounds(qint64 client)
{
    QList<ChannelConnection *> theirs;
    qsizetype held = 0;
    for (ChannelConnection *connection : std::as_const(m_connections)) {
        if (connection->client() == client && !connection->isGone()) {
            theirs.append(connection);
            held += connection->held();
        }
    }
    if (theirs.size() <= MaxClientConnections && (theirs.size() == 1 || held <= MaxClientBytes))
        return;
    qWarning().noquote() << QStringLiteral("Process %1 asked Quillarren more than one command asks (%2 connections, "
                                           "%3 bytes not taken): it is no longer answered.")
                                .arg(client).arg(theirs.size()).arg(held);
    for (ChannelConnection *connection : theirs) {
        if (connection != m_working)   // its handler runs: it is let go once answered
            connection->drop();
    }
}

SingleInstance::Reply SingleInstance::answer(const QByteArray &request)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(request, &error);
    const QString verb = document.object().value(QStringLiteral("verb")).toString();
    if (error.error != QJsonParseError::NoError || verb.isEmpty())
        return {1, QStringLiteral("Quillarren could not read the request.")};
    const auto handler = m_handlers.constFind(verb);
    if (handler == m_handlers.cend()) {
        const QString shown = verb.size() > MaxVerbShown ? verb.left(MaxVerbShown) + QStringLiteral("…") : verb;
        return {1, QStringLiteral("This Quillarren is older and does not know \"%1\": quit it, then start "
                                  "Quillarren again.").arg(shown)};
    }
    QStringList args;
    for (const QJsonValue &arg : document.object().value(QStringLiteral("args")).toArray())
        args.append(arg.toString());
    return (*handler)(args);
}

void SingleInstance::tellProgress(const QString &text)
{
    if (m_working)
        m_working->tell(encode(QJsonObject{{QStringLiteral("progress"), text}}));
}

std::optional<SingleInstance::Reply> SingleInstance::ask(const QString &verb, const QStringList &args, int waitMs,
                                                         const std::function<void(const QString &)> &progress) const
{
#ifdef Q_OS_UNIX
    if (m_socketPath.isEmpty())
        return std::nullopt;
    const QByteArray request = encode(QJsonObject{{QStringLiteral("verb"), verb},
                                                  {QStringLiteral("args"), QJsonArray::fromStringList(args)}});
    const sockaddr_un address = addressOf(m_socketPath);
    const QDeadlineTimer deadline(waitMs);
    for (;;) {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        if (fd < 0)
            return std::nullopt;
        if (::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0) {
            // A copy that took the call at the last moment still gets a moment to answer; a
            // socket someone else made in our place is not our copy.
            const QDeadlineTimer answerDeadline = deadline.remainingTime() < 100 ? QDeadlineTimer(100) : deadline;
            const std::optional<QByteArray> line =
                sameUser(fd) ? exchange(fd, request, answerDeadline, progress) : std::nullopt;
            ::close(fd);
            if (!line)
                return std::nullopt;
            const QJsonObject reply = QJsonDocument::fromJson(*line).object();
            if (!reply.value(QStringLiteral("status")).isDouble())
                return Reply{1, QStringLiteral("The running Quillarren gave an answer this one cannot read.")};
            return Reply{reply.value(QStringLiteral("status")).toInt(),
                         reply.value(QStringLiteral("output")).toString()};
        }
        ::close(fd);
        // No socket yet, or nobody behind it: a copy that has just taken the lock listens soon.
        if (deadline.hasExpired())
            return std::nullopt;
        QThread::msleep(ulong(qMin<qint64>(50, deadline.remainingTime())));
    }
#else
    Q_UNUSED(verb)
    Q_UNUSED(args)
    Q_UNUSED(waitMs)
    Q_UNUSED(progress)
    return std::nullopt;
#endif
}
