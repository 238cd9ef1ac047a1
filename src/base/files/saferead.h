#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Reading files that another computer, a sync engine or another user may have put in a folder:
// only plain files, never through a link, never blocking on a pipe or a device, never more than
// a bound. Safe to call from any thread.
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

/** The whole file when it is a plain file of at most `largest` bytes. */
Result readPlainFile(const QString &path, qint64 largest);

} // namespace SafeRead
