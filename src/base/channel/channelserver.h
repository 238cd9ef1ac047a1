#pragma once

#include "base/channel/channelprotocol.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>

class ChannelConnection;
class QSocketNotifier;

// The answering side of the one-instance channel, in the running copy: it listens, takes each
// client's request as it comes and answers the requests one at a time, in the order they came,
// by the handler of their verb. A process that floods it is let go; others are still answered.
class ChannelServer final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ChannelServer)

public:
    using Reply = ChannelProtocol::Reply;
    using Handler = std::function<Reply(const QStringList &args)>;

    explicit ChannelServer(QObject *parent = nullptr);
    ~ChannelServer() override;

    /** Listens at the socket's path (one left there by a copy that was killed is replaced: the
        caller holds the lock). False, with a warning, when it cannot. */
    bool listen(const QString &socketPath);
    void setHandler(const QString &verb, Handler handler);
    /** Does here what the verb asks; status 1 and no text for a verb without a handler. */
    Reply answerHere(const QString &verb, const QStringList &args) const;
    /** See SingleInstance::answerWhen. */
    void answerWhen(std::function<bool()> ready) { m_ready = std::move(ready); }
    /** While a handler runs: tells its asker how far it has come. */
    void tellProgress(const QString &text);

private:
    void acceptPending();
    void arrived(ChannelConnection *connection);
    void left(ChannelConnection *connection);
    void answerNext();
    void keepWaitersWaiting();
    void holdWithinBounds(qint64 client);
    Reply answer(const QByteArray &request) const;

    QString m_socketPath;
    int m_listenFd = -1;
    QSocketNotifier *m_listenNotifier = nullptr;
    QHash<QString, Handler> m_handlers;
    std::function<bool()> m_ready;
    QList<ChannelConnection *> m_connections;   // every client, in the order they came
    QList<ChannelConnection *> m_waiting;       // clients whose request waits its turn
    ChannelConnection *m_working = nullptr;     // the client whose request a handler works on
    bool m_answering = false;
    QTimer m_keepWaiting;
};
