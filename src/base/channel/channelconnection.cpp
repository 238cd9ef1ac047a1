#include "base/channel/channelconnection.h"

#include <QSocketNotifier>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace {

// A request is a command and its arguments: anything longer than this is not one.
constexpr qsizetype MaxRequestBytes = 1 << 20;
// A client that sends nothing, or reads nothing, is let go after this long.
constexpr int ClientTimeoutMs = 10000;

#ifdef Q_OS_UNIX
bool hungUp(int fd)
{
    pollfd entry{fd, 0, 0};
    return ::poll(&entry, 1, 0) == 1 && (entry.revents & POLLHUP);
}
#endif

} // namespace

ChannelConnection::ChannelConnection(int fd, qint64 client, QObject *parent)
    : QObject(parent)
    , m_fd(fd)
    , m_client(client)
    , m_read(new QSocketNotifier(qintptr(fd), QSocketNotifier::Read, this))
{
    connect(m_read, &QSocketNotifier::activated, this, &ChannelConnection::readSome);
    m_timeout.setSingleShot(true);
    connect(&m_timeout, &QTimer::timeout, this, &ChannelConnection::drop);
    m_timeout.start(ClientTimeoutMs);
}

ChannelConnection::~ChannelConnection()
{
    // Notifiers go before their descriptor is closed.
    delete m_read;
    delete m_write;
#ifdef Q_OS_UNIX
    ::close(m_fd);
#endif
}

qsizetype ChannelConnection::held() const
{
    return m_in.size() + m_request.size() + (m_out.size() - m_written);
}

void ChannelConnection::setWorking(bool working)
{
    if (m_gone)
        return;
    m_read->setEnabled(!working);
    if (working)
        m_timeout.stop();
}

void ChannelConnection::readSome()
{
#ifdef Q_OS_UNIX
    for (;;) {
        char chunk[4096];
        const ssize_t n = ::recv(m_fd, chunk, sizeof chunk, 0);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            return;
        // A client that has said all it has to say may close its sending side and wait for the
        // answer: only one that has gone altogether has given up waiting for its turn.
        if (n == 0 && !m_request.isEmpty() && !hungUp(m_fd)) {
            m_read->setEnabled(false);
            return;
        }
        // Gone (also while it waits its turn), not a request, or more than one request.
        if (n <= 0 || m_in.size() + n > MaxRequestBytes || !m_request.isEmpty())
            return drop();
        m_in.append(chunk, n);
        if (const qsizetype end = m_in.indexOf('\n'); end >= 0) {
            m_request = m_in.left(end);
            m_in.clear();
            m_in.squeeze();
            // It may wait a long time for its turn; the client waits as long as it is told so.
            m_timeout.stop();
            emit requestArrived(this);
            return;
        }
    }
#endif
}

void ChannelConnection::tell(const QByteArray &line)
{
#ifdef Q_OS_UNIX
    if (!m_gone && m_out.isEmpty())
        [[maybe_unused]] const ssize_t n = ::send(m_fd, line.constData(), size_t(line.size()), MSG_NOSIGNAL | MSG_DONTWAIT);
#else
    Q_UNUSED(line)
#endif
}

void ChannelConnection::reply(const QByteArray &line)
{
    if (m_gone)
        return;
    m_request.clear();
    m_request.squeeze();
    m_read->setEnabled(false);
    m_out = line;
    m_timeout.start(ClientTimeoutMs);
    writeSome();
}

void ChannelConnection::writeSome()
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
                connect(m_write, &QSocketNotifier::activated, this, &ChannelConnection::writeSome);
            }
            m_write->setEnabled(true);
            return;
        } else if (errno != EINTR) {
            break;   // the client has gone
        }
    }
#endif
    drop();
}

void ChannelConnection::drop()
{
    if (m_gone)
        return;
    m_gone = true;
    m_timeout.stop();
    m_read->setEnabled(false);
    if (m_write)
        m_write->setEnabled(false);
#ifdef Q_OS_UNIX
    // The client learns at once; what it did not take is freed at once.
    ::shutdown(m_fd, SHUT_RDWR);
#endif
    m_in = m_request = m_out = QByteArray();
    m_written = 0;
    emit gone(this);
    deleteLater();
}
