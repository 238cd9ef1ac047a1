#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Reading files that another computer, a sync engine, another user or the user's own command
// line put somewhere: only plain files, never blocking on a pipe or a device, never more than a
// bound, and never through a link unless the caller named the file itself. Safe to call from
// any thread.
namespace SafeRead {

/** What a name in a folder is, as lstat sees it (a link is not followed). Any change of the
    file, even one that keeps its size and time, changes the ctime, and a file put in its place
    has another inode: equal stamps mean the same content. */
struct Stamp
{
    bool exists = false;
    bool regular = false;   // a plain file: not a link, pipe, device, socket or folder
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = -1;
    qint64 modifiedNs = 0;
    qint64 changedNs = 0;

    bool operator==(const Stamp &other) const;
    bool operator!=(const Stamp &other) const { return !(*this == other); }
};

/** The stamp of the name itself. */
Stamp stampOf(const QString &path);

/** The device that holds the folder (its mount), following a link to it; nothing when it is
    not there or not a folder. */
std::optional<quint64> folderDevice(const QString &path);

enum class Refused { None, Missing, NotPlain, TooLarge, Unreadable };

struct Result
{
    Refused refused = Refused::None;
    QByteArray bytes;
    Stamp stamp;      // of the file that was read, taken before reading it
    QString error;    // why not, in words for the user
};

/** Whether a link is followed: a file found in a shared folder never is; one the user named
    (an import) may be a link to the file meant. */
enum class Links { Refuse, Follow };

/** The whole file when it is a plain file of at most `largest` bytes; otherwise what it is, and
    why not in words for the user. */
Result readPlainFile(const QString &path, qint64 largest, Links links = Links::Refuse);

} // namespace SafeRead
