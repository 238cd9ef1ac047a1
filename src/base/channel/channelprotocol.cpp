#include "base/channel/channelprotocol.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

#ifdef Q_OS_UNIX
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#endif

namespace ChannelProtocol {

namespace {

QByteArray encode(const QJsonObject &object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}

} // namespace

QByteArray requestLine(const QString &verb, const QStringList &args)
{
    return encode(QJsonObject{{QStringLiteral("verb"), verb}, {QStringLiteral("args"), QJsonArray::fromStringList(args)}});
}

std::optional<Request> readRequest(const QByteArray &line)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(line, &error);
    Request request;
    request.verb = document.object().value(QStringLiteral("verb")).toString();
    if (error.error != QJsonParseError::NoError || request.verb.isEmpty())
        return std::nullopt;
    for (const QJsonValue &arg : document.object().value(QStringLiteral("args")).toArray())
        request.args.append(arg.toString());
    return request;
}

QByteArray progressLine(const QString &text)
{
    return encode(QJsonObject{{QStringLiteral("progress"), text}});
}

QByteArray replyLine(const Reply &reply)
{
    return encode(QJsonObject{{QStringLiteral("status"), reply.status}, {QStringLiteral("output"), reply.output}});
}

bool isProgress(const QByteArray &line, QString *text)
{
    const QJsonObject object = QJsonDocument::fromJson(line).object();
    if (!object.contains(QLatin1String("progress")) || object.contains(QLatin1String("status")))
        return false;
    *text = object.value(QLatin1String("progress")).toString();
    return true;
}

Reply readReply(const QByteArray &line)
{
    const QJsonObject reply = QJsonDocument::fromJson(line).object();
    if (!reply.value(QStringLiteral("status")).isDouble())
        return Reply{1, QCoreApplication::translate("ChannelProtocol", "The running Quillarren gave an answer this one cannot read.")};
    return Reply{reply.value(QStringLiteral("status")).toInt(), reply.value(QStringLiteral("output")).toString()};
}

#ifdef Q_OS_UNIX

bool sameUser(int fd, qint64 *process)
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

#endif

} // namespace ChannelProtocol
