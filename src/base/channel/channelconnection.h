#pragma once

#include <QByteArray>
#include <QObject>
#include <QTimer>

class QSocketNotifier;

// One client of the one-instance channel: its request read as it comes, its reply written as the
// client takes it, never waiting on the window thread. The channel decides when the request is
// answered; meanwhile a client that hangs up is let go.
class ChannelConnection final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ChannelConnection)

public:
    /** Takes over the connected socket fd of the process `client`. */
    ChannelConnection(int fd, qint64 client, QObject *parent);
    ~ChannelConnection() override;

    /** Reads what the client has sent already, without waiting for the event loop to say so. */
    void readWaiting() { readSome(); }
    /** The asking process; what the channel lets one client hold is counted by it. */
    qint64 client() const { return m_client; }
    /** Bytes of request and reply held here that the client has not taken yet. */
    qsizetype held() const;
    /** The request, once all of it has come (without its line end); empty before. */
    QByteArray request() const { return m_request; }
    /** Its request is being answered: the client is neither timed out nor read from meanwhile. */
    void setWorking(bool working);

    /** A line of progress, sent without waiting: a lost line of progress loses nothing. */
    void tell(const QByteArray &line);
    /** Sends the reply as the client takes it, then lets the client go. */
    void reply(const QByteArray &line);
    /** Lets the client go now, dropping whatever it has not taken. */
    void drop();
    bool isGone() const { return m_gone; }

signals:
    /** The whole request has come. */
    void requestArrived(ChannelConnection *connection);
    /** The client went or was let go; the object is deleted soon after. */
    void gone(ChannelConnection *connection);

private:
    void readSome();
    void writeSome();

    const int m_fd;
    const qint64 m_client;
    QSocketNotifier *m_read = nullptr;
    QSocketNotifier *m_write = nullptr;
    QTimer m_timeout;
    QByteArray m_in;
    QByteArray m_request;
    QByteArray m_out;
    qsizetype m_written = 0;
    bool m_gone = false;
};
