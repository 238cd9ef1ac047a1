#pragma once

#include <QString>

// The lock that makes one running copy per user and store: the kernel's lock on an open file
// beside the store, which goes with the process however it ends.
class ChannelLock final
{
public:
    explicit ChannelLock(const QString &path) : m_path(path) {}
    ~ChannelLock();
    ChannelLock(const ChannelLock &) = delete;
    ChannelLock &operator=(const ChannelLock &) = delete;

    /** Takes the lock (again: true at once). False when another process holds it, or when there
        is nothing to lock with (then *lockable is false). */
    bool tryLock(bool *lockable = nullptr);
    /** The process that holds the lock, as its lock file says; 0 when unknown. */
    qint64 holder() const;

private:
    const QString m_path;
    int m_fd = -1;
};
