#pragma once

#include "base/channel/channellock.h"
#include "base/channel/channelserver.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// One running program per user and store, and the channel through which later starts and the
// command line ask the running one to do things (see ChannelProtocol): the lock, the server in
// the running copy and the client of a later start, behind one face.
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
    using Reply = ChannelProtocol::Reply;
    using Handler = ChannelServer::Handler;

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

    QString m_socketPath;
    ChannelLock m_lock;
    ChannelServer m_server;   // after the lock: its socket goes before the lock does
};
