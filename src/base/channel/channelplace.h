#pragma once

#include <QString>

// Where the one-instance channel's socket goes: a folder only this user can enter, found the same
// way by every start, so that a later start finds the running copy and nobody else can take the
// place first.
namespace ChannelPlace {

/** The socket's path for the lock in lockFolder; empty when no private folder could be had. */
QString socketPath(const QString &lockFolder);

/** The folder is this user's own, 0700 and no symlink: nobody else can put or take anything in it. */
bool isPrivateFolder(const QString &folder);

} // namespace ChannelPlace
