#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <optional>

class ChannelConnection;
class QSocketNotifier;

// One running program per user and store, and the channel through which later starts and the
// command line ask the running one to do things: one request, one reply, per connection.
//
// Request: one line of UTF-8 JSON, {"verb": "raise", "args": ["…"]}, then "\n".
// Reply:   one line of JSON, {"status": 0, "output": "text for the terminal"}, then "\n"; before
//          it, lines {"progress": "…"} while the running copy works (the first, empty, at once).
class SingleInstance final : public QObject
{
    Q_OBJECT

public:
    enum class Outcome {
        Only,            // no other copy runs: go on (listening for later starts)
        OtherAnswered,   // a running copy answered and brings its notes forward
        OtherSilent,     // a running copy holds the lock but does not answer
    };

    /** What the running copy answers: the exit status for the asking command, and its text. */
    struct Reply
    {
        int status = 0;
        QString output;
    };
    using Handler = std::function<Reply(const QStringList &args)>;

    /** lockFolder: where the lock lives, beside the store; it also names the channel. */
    explicit SingleInstance(const QString &lockFolder, QObject *parent = nullptr);
    ~SingleInstance() override;

    /** The plain start: takes the lock and listens, or asks the running copy to raise its notes
        (or to do `verb`: a start for a new note asks for one). */
    Outcome acquire(const QString &verb = QStringLiteral("raise"));
    /** Does here what the verb asks, as if a later start had asked for it. */
    Reply answerHere(const QString &verb, const QStringList &args = {});
    /** Takes the lock without listening, for work on the store while no copy runs. False when
        another process holds it, or when there is nothing to lock with (then *lockable is false). */
    bool tryLock(bool *lockable = nullptr);
    /** Asks the copy that listens; nothing when none answers within waitMs. Needs no application
        object and blocks the calling thread, so never call it on a thread that listens. */
    std::optional<Reply> ask(const QString &verb, const QStringList &args, int waitMs,
                             const std::function<void(const QString &)> &progress = {}) const;
    /** While a handler runs: tells the asking command how far it has come (it shows it on a
        terminal), which also keeps it waiting for a handler that takes long. */
    void tellProgress(const QString &text);
    /** The process that holds the lock, as its lock file says; 0 when unknown. */
    qint64 holder() const;

    /** Answers `verb` with `handler`, on this object's thread. "raise" is answered already. */
    void setHandler(const QString &verb, Handler handler);
    /** From now on requests are answered, one at a time and in the order they came: only from
        the window thread's outermost event loop (never inside a dialog, a menu, a pause or
        another request's wait) and only while `ready` says nothing else is under way. Until
        then they wait; each asker is told at once that its request has come. */
    void answerWhen(std::function<bool()> ready);
    /** Where the channel's socket is, or would be; empty when no private folder could be had. */
    QString socketPath() const { return m_socketPath; }

signals:
    /** A later start asked for the notes to be brought forward. */
    void raiseRequested();

private:
    bool listen();
    void acceptPending();
    void arrived(ChannelConnection *connection);
    void left(ChannelConnection *connection);
    void answerNext();
    void keepWaitersWaiting();
    void holdWithinBounds(qint64 client);
    Reply answer(const QByteArray &request);

    QString m_lockPath;
    QString m_socketPath;
    int m_lockFd = -1;
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
