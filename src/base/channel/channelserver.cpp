#include "base/channel/channelserver.h"

#include "base/channel/channelconnection.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QFile>
#include <QPointer>
#include <QSocketNotifier>
#include <QThread>
#include <QtDebug>

#include <cstring>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#endif

namespace {

// What one asking process may hold on the channel: a command asks once and reads its answer, so
// more connections than this at once, or more bytes not taken than this beside a single one, is a
// flood, and all of its connections are let go. Other processes are still answered.
constexpr int MaxClientConnections = 4;
constexpr qsizetype MaxClientBytes = 8 << 20;
// Connections of all processes together: beyond this, new ones are turned away at once.
constexpr int MaxConnections = 64;
// An unknown verb is named in the answer up to this length.
constexpr int MaxVerbShown = 40;

} // namespace

ChannelServer::ChannelServer(QObject *parent)
    : QObject(parent)
{
    m_keepWaiting.setInterval(ChannelProtocol::KeepWaitingMs);
    connect(&m_keepWaiting, &QTimer::timeout, this, &ChannelServer::keepWaitersWaiting);
}

ChannelServer::~ChannelServer()
{
#ifdef Q_OS_UNIX
    if (m_listenFd >= 0) {
        delete m_listenNotifier;
        ::close(m_listenFd);
        // Before the lock goes: the next holder makes its own socket.
        ::unlink(QFile::encodeName(m_socketPath).constData());
    }
#endif
}

void ChannelServer::setHandler(const QString &verb, Handler handler)
{
    m_handlers.insert(verb, std::move(handler));
}

ChannelServer::Reply ChannelServer::answerHere(const QString &verb, const QStringList &args) const
{
    const auto handler = m_handlers.constFind(verb);
    return handler == m_handlers.cend() ? Reply{1, QString()} : (*handler)(args);
}

bool ChannelServer::listen(const QString &socketPath)
{
    m_socketPath = socketPath;
#ifdef Q_OS_UNIX
    const QByteArray path = QFile::encodeName(m_socketPath);
    QString problem = QCoreApplication::translate("ChannelServer", "no private folder for it");
    if (!m_socketPath.isEmpty()) {
        m_listenFd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        const sockaddr_un address = ChannelProtocol::addressOf(m_socketPath);
        // Holding the lock, no other copy listens: a socket already there was left by one that was killed.
        ::unlink(path.constData());
        if (m_listenFd >= 0 && ::bind(m_listenFd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0
            && ::listen(m_listenFd, 16) == 0) {
            m_listenNotifier = new QSocketNotifier(qintptr(m_listenFd), QSocketNotifier::Read, this);
            connect(m_listenNotifier, &QSocketNotifier::activated, this, &ChannelServer::acceptPending);
            // Each time the event loop has nothing left to do it is at rest: the one moment a
            // request can start without landing in the middle of something else.
            if (QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance(thread()))
                connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, &ChannelServer::answerNext);
            return true;
        }
        problem = QString::fromLocal8Bit(strerror(errno));
        if (m_listenFd >= 0)
            ::close(m_listenFd);
        m_listenFd = -1;
    }
    qWarning().noquote() << QCoreApplication::translate("ChannelServer", "Later starts of Quillarren cannot reach this one: cannot listen at %1: %2")
                                .arg(m_socketPath, problem);
#endif
    return false;
}

void ChannelServer::acceptPending()
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
        if (!ChannelProtocol::sameUser(fd, &process) || m_connections.size() >= MaxConnections) {
            ::close(fd);
            continue;
        }
        auto *connection = new ChannelConnection(fd, process, this);
        connect(connection, &ChannelConnection::requestArrived, this, &ChannelServer::arrived);
        connect(connection, &ChannelConnection::gone, this, &ChannelServer::left);
        m_connections.append(connection);
        holdWithinBounds(process);
        // A client sends its request as it connects: it is told at once that it has come.
        if (!connection->isGone())
            connection->readWaiting();
    }
#endif
}

void ChannelServer::arrived(ChannelConnection *connection)
{
    connection->tell(ChannelProtocol::progressLine(QString()));   // it has come
    const bool free = m_waiting.isEmpty() && !m_answering && m_ready && m_ready();
    m_waiting.append(connection);
    if (!free)
        connection->tell(ChannelProtocol::progressLine(
            QCoreApplication::translate("ChannelServer", "Waiting for the running Quillarren to finish what it is doing…")));
    m_keepWaiting.start();
}

void ChannelServer::left(ChannelConnection *connection)
{
    m_connections.removeOne(connection);
    m_waiting.removeOne(connection);
    if (m_waiting.isEmpty())
        m_keepWaiting.stop();
}

void ChannelServer::keepWaitersWaiting()
{
    for (ChannelConnection *connection : std::as_const(m_waiting))
        connection->tell(ChannelProtocol::progressLine(QString()));
}

// Called each time the window thread's event loop is about to wait: at the outermost loop that
// is the only code running, so a handler never starts inside another's dialog, pause or wait.
void ChannelServer::answerNext()
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
    client->reply(ChannelProtocol::replyLine(reply));
    if (client && !client->isGone())
        holdWithinBounds(client->client());
}

void ChannelServer::holdWithinBounds(qint64 client)
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
    qWarning().noquote() << QCoreApplication::translate("ChannelServer", "Process %1 asked Quillarren more than one command asks (%2 connections, "
                                           "%3 bytes not taken): it is no longer answered.")
                                .arg(client).arg(theirs.size()).arg(held);
    for (ChannelConnection *connection : theirs) {
        if (connection != m_working)   // its handler runs: it is let go once answered
            connection->drop();
    }
}

void ChannelServer::tellProgress(const QString &text)
{
    if (m_working)
        m_working->tell(ChannelProtocol::progressLine(text));
}

ChannelServer::Reply ChannelServer::answer(const QByteArray &line) const
{
    const std::optional<ChannelProtocol::Request> request = ChannelProtocol::readRequest(line);
    if (!request)
        return {1, QCoreApplication::translate("ChannelServer", "Quillarren could not read the request.")};
    const QString &verb = request->verb;
    if (!m_handlers.contains(verb)) {
        const QString shown = verb.size() > MaxVerbShown ? verb.left(MaxVerbShown) + QStringLiteral("…") : verb;
        return {1, QCoreApplication::translate("ChannelServer", "This Quillarren is older and does not know \"%1\": quit it, then start "
                                  "Quillarren again.").arg(shown)};
    }
    return answerHere(verb, request->args);
}
