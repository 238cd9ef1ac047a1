#include "base/channel/singleinstance.h"

#include "base/channel/channelclient.h"
#include "base/channel/channelplace.h"

#include <QDir>

namespace {

// A copy that is starting takes the lock before it listens: give it this long to answer.
constexpr int AnswerWaitMs = 5000;

QString socketPlace(const QString &lockFolder)
{
    QDir().mkpath(lockFolder);
    return ChannelPlace::socketPath(lockFolder);
}

} // namespace

SingleInstance::SingleInstance(const QString &lockFolder, QObject *parent)
    : QObject(parent)
    , m_socketPath(socketPlace(lockFolder))
    , m_lock(lockFolder + QStringLiteral("/Quillarren.lock"))
{
    m_server.setHandler(QStringLiteral("raise"), [this](const QStringList &) {
        emit raiseRequested();
        return Reply{};
    });
}

SingleInstance::~SingleInstance() = default;

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
    return m_server.answerHere(verb, args);
}

bool SingleInstance::tryLock(bool *lockable)
{
    return m_lock.tryLock(lockable);
}

qint64 SingleInstance::holder() const
{
    return m_lock.holder();
}

void SingleInstance::setHandler(const QString &verb, Handler handler)
{
    m_server.setHandler(verb, std::move(handler));
}

void SingleInstance::answerWhen(std::function<bool()> ready)
{
    m_server.answerWhen(std::move(ready));
}

void SingleInstance::tellProgress(const QString &text)
{
    m_server.tellProgress(text);
}

bool SingleInstance::listen()
{
    return m_server.listen(m_socketPath);
}

std::optional<SingleInstance::Reply> SingleInstance::ask(const QString &verb, const QStringList &args, int waitMs,
                                                         const std::function<void(const QString &)> &progress) const
{
    return ChannelClient::ask(m_socketPath, verb, args, waitMs, progress);
}
