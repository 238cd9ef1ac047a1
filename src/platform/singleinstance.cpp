#include "platform/singleinstance.h"

#include "platform/filesync.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
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
// A request is a command and its arguments: anything longer than this is not one.
constexpr qsizetype MaxRequestBytes = 1 << 20;
// A client that sends nothing, or reads nothing, is let go after this long.
constexpr int ClientTimeoutMs = 10000;
// A copy that has taken a request may work on it (import a thousand notes) as long as it tells
// how far it has come at least this often.
constexpr int WorkingSilenceMs = 120000;

QByteArray encode(const QJsonObject &object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}

#ifdef Q_OS_UNIX

bool sameUser(int fd)
{
#ifdef SO_PEERCRED
    ucred peer{};
    socklen_t size = sizeof peer;
    return ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && peer.uid == ::getuid();
#else
    uid_t uid = 0;
    gid_t gid = 0;
    return ::getpeereid(fd, &uid, &gid) == 0 && uid == ::getuid();
#endif
}

// A folder only we can enter: made if missing, tightened when it is ours but open to others,
// refused when it is someone else's or not a folder (a link planted in a shared place).
bool privateFolder(const QByteArray &path, bool mayCreate)
{
    if (mayCreate && ::mkdir(path.constData(), 0700) != 0 && errno != EEXIST)
        return false;
    struct stat info{};
    if (::lstat(path.constData(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != ::getuid())
        return false;
    if ((info.st_mode & 077) == 0)
        return true;
    return mayCreate && ::chmod(path.constData(), 0700) == 0;
}

// The socket's place: the session's runtime folder when it is private, else a folder of ours
// under the temporary folder. Paths longer than a socket address holds fall back to /tmp.
QString socketPathFor(const QString &lockFolder)
{
    const QByteArray hash = QCryptographicHash::hash(QDir(lockFolder).absolutePath().toUtf8(),
                                                     QCryptographicHash::Sha1).toHex().left(16);
    const QString name = QStringLiteral("/quillarren-") + QString::fromLatin1(hash);
    const QString ours = QStringLiteral("/quillarren-") + QString::number(::getuid());
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    const struct {
        QString folder;
        bool mayCreate;   // the runtime folder belongs to the session: used as it is, or not at all
    } candidates[] = {
        {runtime, false},
        {QDir::tempPath() + ours, true},
        {QStringLiteral("/tmp") + ours, true},
    };
    for (const auto &candidate : candidates) {
        if (candidate.folder.isEmpty() || QDir::isRelativePath(candidate.folder))
            continue;
        const QString path = candidate.folder + name;
        if (size_t(QFile::encodeName(path).size()) < sizeof(sockaddr_un::sun_path)
            && privateFolder(QFile::encodeName(candidate.folder), candidate.mayCreate))
            return path;
    }
    return {};
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

// A line of progress the running copy sends while it works on a request, without blocking on a
// client that does not read: a lost line of progress loses nothing.
void sendLine(int fd, const QByteArray &line)
{
    [[maybe_unused]] const ssize_t n = ::send(fd, line.constData(), size_t(line.size()), MSG_NOSIGNAL | MSG_DONTWAIT);
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

// One client: its request read as it comes, its reply written as the client takes it, never
// waiting on the window thread.
class SingleInstance::Connection final : public QObject
{
public:
    Connection(int fd, SingleInstance *owner)
        : QObject(owner)
        , m_fd(fd)
        , m_owner(owner)
        , m_read(new QSocketNotifier(qintptr(fd), QSocketNotifier::Read, this))
    {
        connect(m_read, &QSocketNotifier::activated, this, &Connection::readSome);
        m_timeout.setSingleShot(true);
        connect(&m_timeout, &QTimer::timeout, this, &Connection::finish);
        m_timeout.start(ClientTimeoutMs);
    }

    ~Connection() override
    {
        // Notifiers go before their descriptor is closed.
        delete m_read;
        delete m_write;
#ifdef Q_OS_UNIX
        ::close(m_fd);
#endif
    }

private:
    void readSome()
    {
#ifdef Q_OS_UNIX
        for (;;) {
            char chunk[4096];
            const ssize_t n = ::recv(m_fd, chunk, sizeof chunk, 0);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
                return;
            if (n <= 0 || m_in.size() + n > MaxRequestBytes)
                return finish();
            m_in.append(chunk, n);
            if (m_in.contains('\n'))
                return respond();
        }
#endif
    }

    void respond()
    {
        m_read->setEnabled(false);
        // A handler may open a window and wait in it: the client is not let go meanwhile.
        m_timeout.stop();
        sendLine(m_fd, encode(QJsonObject{{QStringLiteral("progress"), QString()}}));   // taken
        m_owner->m_working = m_fd;
        const Reply reply = m_owner->answer(m_in.left(m_in.indexOf('\n')));
        m_owner->m_working = -1;
        m_out = encode(QJsonObject{{QStringLiteral("status"), reply.status},
                                   {QStringLiteral("output"), reply.output}});
        m_timeout.start(ClientTimeoutMs);
        writeSome();
    }

    void writeSome()
    {
#ifdef Q_OS_UNIX
        while (m_written < m_out.size()) {
            const ssize_t n = ::send(m_fd, m_out.constData() + m_written, size_t(m_out.size() - m_written),
                                     MSG_NOSIGNAL | MSG_DONTWAIT);
            if (n >= 0) {
                m_written += n;
            } else if (errno == EAGAIN || errno == EWOULDBLOCK) {
                if (!m_write) {
                    m_write = new QSocketNotifier(qintptr(m_fd), QSocketNotifier::Write, this);
                    connect(m_write, &QSocketNotifier::activated, this, &Connection::writeSome);
                }
                m_write->setEnabled(true);
                return;
            } else if (errno != EINTR) {
                break;   // the client has gone
            }
        }
#endif
        finish();
    }

    void finish()
    {
        m_timeout.stop();
        m_read->setEnabled(false);
        if (m_write)
            m_write->setEnabled(false);
        deleteLater();
    }

    const int m_fd;
    SingleInstance *const m_owner;
    QSocketNotifier *m_read = nullptr;
    QSocketNotifier *m_write = nullptr;
    QTimer m_timeout;
    QByteArray m_in;
    QByteArray m_out;
    qsizetype m_written = 0;
};

SingleInstance::SingleInstance(const QString &lockFolder, QObject *parent)
    : QObject(parent)
    , m_lockPath(lockFolder + QStringLiteral("/Quillarren.lock"))
{
    QDir().mkpath(lockFolder);
#ifdef Q_OS_UNIX
    m_socketPath = socketPathFor(lockFolder);
#endif
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
        if (!sameUser(fd)) {
            ::close(fd);
            continue;
        }
        new Connection(fd, this);
    }
#endif
}

SingleInstance::Reply SingleInstance::answer(const QByteArray &request)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(request, &error);
    const QString verb = document.object().value(QStringLiteral("verb")).toString();
    if (error.error != QJsonParseError::NoError || verb.isEmpty())
        return {1, QStringLiteral("Quillarren could not read the request.")};
    const auto handler = m_handlers.constFind(verb);
    if (handler == m_handlers.cend())
        return {1, QStringLiteral("This Quillarren is older and does not know \"%1\": quit it, then start "
                                  "Quillarren again.").arg(verb)};
    QStringList args;
    for (const QJsonValue &arg : document.object().value(QStringLiteral("args")).toArray())
        args.append(arg.toString());
    return (*handler)(args);
}

void SingleInstance::tellProgress(const QString &text)
{
#ifdef Q_OS_UNIX
    if (m_working >= 0)
        sendLine(m_working, encode(QJsonObject{{QStringLiteral("progress"), text}}));
#else
    Q_UNUSED(text)
#endif
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
