#pragma once

// Files and the store's file as another program sees them: no program code in between.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

#include <optional>

#include <sqlite3.h>

namespace OnDisk {

inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

/** Writes the bytes, making the folders on the way. */
inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

} // namespace OnDisk

// A second, independent connection to the store file: what another program (or the next run)
// finds on disk, without going through the store's in-memory copy.
class RawDb
{
public:
    explicit RawDb(const QString &path)
    {
        if (sqlite3_open_v2(path.toUtf8().constData(), &m_db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
            sqlite3_close(m_db);
            m_db = nullptr;
        }
    }
    ~RawDb() { sqlite3_close(m_db); }
    RawDb(const RawDb &) = delete;
    RawDb &operator=(const RawDb &) = delete;

    bool isOpen() const { return m_db != nullptr; }

    bool exec(const char *sql) { return m_db && sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr) == SQLITE_OK; }

    std::optional<QString> value(const QString &key)
    {
        std::optional<QString> found;
        sqlite3_stmt *select = nullptr;
        sqlite3_prepare_v2(m_db,
                           "SELECT value FROM settings"
                           " WHERE application = 'Brimvale' AND section = 'Quillarren' AND key = ?1",
                           -1, &select, nullptr);
        const QByteArray k = key.toUtf8();
        sqlite3_bind_text(select, 1, k.constData(), k.size(), SQLITE_TRANSIENT);
        if (sqlite3_step(select) == SQLITE_ROW)
            found = QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(select, 0)),
                                      sqlite3_column_bytes(select, 0));
        sqlite3_finalize(select);
        return found;
    }

    // Counts every row the store inserts or updates from now on. SQLite itself skips rewriting
    // a page whose bytes do not change, so the file alone would not show a redundant upsert;
    // triggers fire for every statement that touches a row.
    bool logWrites()
    {
        return exec("CREATE TABLE IF NOT EXISTS write_log(key TEXT);"
                    "CREATE TRIGGER IF NOT EXISTS log_insert AFTER INSERT ON settings"
                    " BEGIN INSERT INTO write_log VALUES(NEW.key); END;"
                    "CREATE TRIGGER IF NOT EXISTS log_update AFTER UPDATE ON settings"
                    " BEGIN INSERT INTO write_log VALUES(NEW.key); END;");
    }

    int loggedWrites()
    {
        sqlite3_stmt *count = nullptr;
        sqlite3_prepare_v2(m_db, "SELECT count(*) FROM write_log", -1, &count, nullptr);
        const int written = sqlite3_step(count) == SQLITE_ROW ? sqlite3_column_int(count, 0) : -1;
        sqlite3_finalize(count);
        return written;
    }

private:
    sqlite3 *m_db = nullptr;
};
