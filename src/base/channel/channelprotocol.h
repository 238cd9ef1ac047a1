#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// What goes over the one-instance channel: one request, one reply, per connection.
//
// Request: one line of UTF-8 JSON, {"verb": "raise", "args": ["…"]}, then "\n".
// Reply:   one line of JSON, {"status": 0, "output": "text for the terminal"}, then "\n"; before
//          it, lines {"progress": "…"} while the running copy works (the first, empty, at once).
struct sockaddr_un;

namespace ChannelProtocol {

// A copy that has taken a request may work on it (import a thousand notes) as long as it tells
// how far it has come at least this often.
constexpr int WorkingSilenceMs = 120000;
// A request that waits its turn is told this often that it still waits, well within the above.
constexpr int KeepWaitingMs = 20000;

/** What the running copy answers: the exit status for the asking command, and its text. */
struct Reply
{
    int status = 0;
    QString output;
};

struct Request
{
    QString verb;
    QStringList args;
};

QByteArray requestLine(const QString &verb, const QStringList &args);
/** The request in the line; nothing when it is not one (no JSON, or no verb). */
std::optional<Request> readRequest(const QByteArray &line);

QByteArray progressLine(const QString &text);
QByteArray replyLine(const Reply &reply);
/** A line that is progress, not the reply yet; `text` is what it tells. */
bool isProgress(const QByteArray &line, QString *text);
/** The reply in the line; one that says it cannot be read when it is not a reply. */
Reply readReply(const QByteArray &line);

/** The other end of the connected socket is a process of this user; *process tells which one,
    where the system says. */
bool sameUser(int fd, qint64 *process = nullptr);
/** The address of the socket at `path` (shorter than an address holds: see ChannelPlace). */
sockaddr_un addressOf(const QString &path);

} // namespace ChannelProtocol
