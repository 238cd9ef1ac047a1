#include "base/channel/channelplace.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QList>
#include <QStringList>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#endif

namespace {

// Under a temporary folder, the folders tried in turn when the first is someone else's.
constexpr int FoldersPerPlace = 8;

// Folders the socket may go into, tried together: one already ours first, else the first that
// can be made ours. The session's runtime folder belongs to the session: used as it is, or not.
struct Place
{
    QStringList folders;
    bool mayMake = true;
};

QList<Place> places(const QString &lockFolder)
{
    QList<Place> list;
    list.append({{qEnvironmentVariable("XDG_RUNTIME_DIR")}, false});
#ifdef Q_OS_UNIX
    const QString ours = QStringLiteral("/quillarren-") + QString::number(::getuid());
#else
    const QString ours = QStringLiteral("/quillarren");
#endif
    QStringList temps{QDir::tempPath(), QStringLiteral("/tmp")};
    temps.removeDuplicates();
    for (const QString &temp : temps) {
        Place place;
        for (int k = 1; k <= FoldersPerPlace; ++k)
            place.folders.append(temp + ours + (k == 1 ? QString() : QStringLiteral(".%1").arg(k)));
        list.append(place);
    }
    // Last, the store's own folder: private as well, but its path is often too long for a socket.
    list.append({{QDir(lockFolder).absolutePath()}, true});
    return list;
}

#ifdef Q_OS_UNIX
// Creates the folder if it is missing and tightens it if it is ours but open to others; never
// follows or touches what someone else made there.
bool makePrivate(const QString &folder)
{
    const QByteArray path = QFile::encodeName(folder);
    if (::mkdir(path.constData(), 0700) != 0 && errno != EEXIST)
        return false;
    struct stat info{};
    if (::lstat(path.constData(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != ::getuid())
        return false;
    return (info.st_mode & 0777) == 0700 || ::chmod(path.constData(), 0700) == 0;
}
#endif

} // namespace

bool ChannelPlace::isPrivateFolder(const QString &folder)
{
#ifdef Q_OS_UNIX
    struct stat info{};
    return ::lstat(QFile::encodeName(folder).constData(), &info) == 0 && S_ISDIR(info.st_mode)
        && info.st_uid == ::getuid() && (info.st_mode & 0777) == 0700;
#else
    Q_UNUSED(folder)
    return false;
#endif
}

QString ChannelPlace::socketPath(const QString &lockFolder)
{
#ifdef Q_OS_UNIX
    const QByteArray hash = QCryptographicHash::hash(QDir(lockFolder).absolutePath().toUtf8(),
                                                     QCryptographicHash::Sha1).toHex().left(16);
    const QString name = QStringLiteral("/quillarren-") + QString::fromLatin1(hash);
    const auto fits = [&name](const QString &folder) {
        return !folder.isEmpty() && !QDir::isRelativePath(folder)
            && size_t(QFile::encodeName(folder + name).size()) < sizeof(sockaddr_un::sun_path);
    };
    for (const Place &place : places(lockFolder)) {
        // A folder an earlier start chose stays the choice, also once the one it passed over is free.
        for (const QString &folder : place.folders) {
            if (fits(folder) && isPrivateFolder(folder))
                return folder + name;
        }
        for (const QString &folder : place.folders) {
            if (place.mayMake && fits(folder) && makePrivate(folder))
                return folder + name;
        }
    }
#else
    Q_UNUSED(lockFolder)
#endif
    return {};
}
