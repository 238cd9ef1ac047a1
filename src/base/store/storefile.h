#pragma once

#include <QFileInfo>
#include <QString>

#include <sqlite3.h>

// What both the opening of the store file and its writes go by: how long a store another
// program holds is waited for, and what SQLite's answers mean.
namespace StoreFile {

constexpr int RetryIntervalMs = 2000;
// A store another program holds is tried again soon: it is usually a matter of moments.
constexpr int BusyRetryIntervalMs = 100;
// At start-up, a store another program holds is waited for this long before going on without it.
constexpr int StartUpBusyTimeoutMs = 10000;
// Afterwards a write never waits more than this: typing must not stall on the store.
constexpr int BusyTimeoutMs = 5;

inline bool isDamaged(int code)
{
    const int primary = code & 0xff;
    return primary == SQLITE_NOTADB || primary == SQLITE_CORRUPT;
}

inline bool isBusy(int code)
{
    const int primary = code & 0xff;
    return primary == SQLITE_BUSY || primary == SQLITE_LOCKED;
}

// A FIFO, a device or a folder at the store's place would block or fail every read.
inline bool isNotAFile(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() && !info.isFile();
}

} // namespace StoreFile
