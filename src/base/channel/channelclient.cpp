#include "base/channel/channelclient.h"

#include <QDeadlineTimer>
#include <QThread>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#endif

namespace ChannelClient {

using ChannelProtocol::Reply;

#ifdef Q_OS_UNIX

namespace {

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

bool send(int fd, const QByteArray &request, const QDeadlineTimer &deadline)
{
    qsizetype sent = 0;
    while (sent < request.size()) {
        const ssize_t n = ::send(fd, request.constData() + sent, size_t(request.size() - sent), MSG_NOSIGNAL);
        if (n >= 0)
            sent += n;
        else if (errno == EAGAIN || errno == EWOULDBLOCK) {
            if (!waitFor(fd, POLLOUT, deadline))
                return false;
        } else if (errno != EINTR)
            return false;
    }
    return true;
}

// One request written, then the reply read, within the deadline. A copy that has taken the
// request says so at once and tells how far it has come; from then on it may work for as long
// as it keeps telling. Nothing when the other side closed or stayed silent.
std::optional<QByteArray> exchange(int fd, const QByteArray &request, QDeadlineTimer deadline,
                                   const std::function<void(const QString &)> &progress)
{
    if (!send(fd, request, deadline))
        return std::nullopt;
    QByteArray reply;
    for (;;) {
        while (reply.contains('\n')) {
            const QByteArray line = reply.left(reply.indexOf('\n'));
            reply.remove(0, line.size() + 1);
            QString told;
            if (!ChannelProtocol::isProgress(line, &told))
                return line;
            deadline.setRemainingTime(ChannelProtocol::WorkingSilenceMs);
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

} // namespace

std::optional<Reply> ask(const QString &socketPath, const QString &verb, const QStringList &args, int waitMs,
                         const std::function<void(const QString &)> &progress)
{
    if (socketPath.isEmpty())
        return std::nullopt;
    const QByteArray request = ChannelProtocol::requestLine(verb, args);
    const sockaddr_un address = ChannelProtocol::addressOf(socketPath);
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
                ChannelProtocol::sameUser(fd) ? exchange(fd, request, answerDeadline, progress) : std::nullopt;
            ::close(fd);
            if (!line)
                return std::nullopt;
            return ChannelProtocol::readReply(*line);
        }
        ::close(fd);
        // No socket yet, or nobody behind it: a copy that has just taken the lock listens soon.
        if (deadline.hasExpired())
            return std::nullopt;
        QThread::msleep(ulong(qMin<qint64>(50, deadline.remainingTime())));
    }
}

#else

std::optional<Reply> ask(const QString &, const QString &, const QStringList &, int,
                         const std::function<void(const QString &)> &)
{
    return std::nullopt;
}

#endif

} // namespace ChannelClient
