#include "base/store/storecopy.h"

#include "base/store/storeschema.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <sqlite3.h>

#include <vector>

namespace StoreCopy {

namespace {

struct Column
{
    const char *name;
    const char *type;
    int notNull;
    int key;   // its place in the primary key, 0 when not in it
};

struct Table
{
    const char *name;
    bool required;
    std::vector<Column> columns;
};

const std::vector<Table> &ourTables()
{
    static const std::vector<Table> tables = {
        {"settings", true, {{"application", "TEXT", 1, 1}, {"section", "TEXT", 1, 2}, {"key", "TEXT", 1, 3}, {"value", "TEXT", 0, 0}}},
        {"trash", false, {{"id", "TEXT", 0, 1}, {"deleted", "TEXT", 1, 0}, {"note", "TEXT", 1, 0}}},
        {"synced", false, {{"id", "TEXT", 0, 1}, {"state", "TEXT", 1, 0}}},
        {"history", false, {{"note", "TEXT", 1, 1}, {"made", "INTEGER", 1, 2}, {"text", "TEXT", 1, 0}}},
        {"backup", false, {{"made", "TEXT", 1, 0}, {"asked", "INTEGER", 1, 0}}},
    };
    return tables;
}

const Table *ourTable(const QString &name)
{
    for (const Table &table : ourTables()) {
        if (name == QLatin1String(table.name))
            return &table;
    }
    return nullptr;
}

// A connection that reads and never runs what the file's schema might carry.
class Reader
{
public:
    explicit Reader(const QString &file)
    {
        // A FIFO or a device would be waited on, or read without end.
        if (!QFileInfo(file).isFile())
            return;
        if (sqlite3_open_v2(file.toUtf8().constData(), &m_db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK)
            return;
        sqlite3_db_config(m_db, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr);
        sqlite3_db_config(m_db, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
        m_open = true;
    }
    ~Reader() { sqlite3_close(m_db); }
    Reader(const Reader &) = delete;
    Reader &operator=(const Reader &) = delete;

    bool isOpen() const { return m_open; }
    sqlite3 *db() const { return m_db; }
    QString error() const { return m_db ? QString::fromUtf8(sqlite3_errmsg(m_db)) : QCoreApplication::translate("StoreCopy", "out of memory"); }

private:
    sqlite3 *m_db = nullptr;
    bool m_open = false;
};

QString text(sqlite3_stmt *statement, int column)
{
    return QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(statement, column)),
                             sqlite3_column_bytes(statement, column));
}

// The columns of one table against ours, as SQLite itself describes them.
bool columnsAreOurs(sqlite3 *db, const Table &table)
{
    sqlite3_stmt *info = nullptr;
    const QByteArray sql = QByteArray("PRAGMA table_xinfo(\"") + table.name + "\")";
    if (sqlite3_prepare_v2(db, sql.constData(), -1, &info, nullptr) != SQLITE_OK)
        return false;
    size_t index = 0;
    bool same = true;
    while (same && sqlite3_step(info) == SQLITE_ROW) {
        // cid, name, type, notnull, dflt_value, pk, hidden
        const Column *expected = index < table.columns.size() ? &table.columns[index] : nullptr;
        same = expected && text(info, 1) == QLatin1String(expected->name)
            && text(info, 2).compare(QLatin1String(expected->type), Qt::CaseInsensitive) == 0
            && sqlite3_column_int(info, 3) == expected->notNull && sqlite3_column_type(info, 4) == SQLITE_NULL
            && sqlite3_column_int(info, 5) == expected->key && sqlite3_column_int(info, 6) == 0;
        ++index;
    }
    sqlite3_finalize(info);
    return same && index == table.columns.size();
}

// What in the file's schema is not as this program makes it; empty when all of it is. *damaged
// when the schema cannot be read at all.
QString schemaMisfit(sqlite3 *db, bool *damaged)
{
    *damaged = false;
    sqlite3_stmt *objects = nullptr;
    if (sqlite3_prepare_v2(db, "SELECT type, name, tbl_name, sql IS NULL FROM sqlite_master", -1, &objects, nullptr)
        != SQLITE_OK) {
        *damaged = true;
        return QString::fromUtf8(sqlite3_errmsg(db));
    }
    QString misfit;
    bool hasSettings = false;
    int rc;
    while (misfit.isEmpty() && (rc = sqlite3_step(objects)) == SQLITE_ROW) {
        const QString type = text(objects, 0);
        const QString name = text(objects, 1);
        const Table *table = ourTable(type == QLatin1String("index") ? text(objects, 2) : name);
        // The only indexes ours have are SQLite's own, for the primary keys.
        const bool ownIndex = type == QLatin1String("index") && table && name.startsWith(QLatin1String("sqlite_autoindex_"))
            && sqlite3_column_int(objects, 3) == 1;
        if (type == QLatin1String("table") && table) {
            hasSettings = hasSettings || table->required;
            if (!columnsAreOurs(db, *table))
                misfit = QCoreApplication::translate("StoreCopy", "its table \"%1\" is not as Quillarren makes it").arg(name);
        } else if (!ownIndex) {
            misfit = QCoreApplication::translate("StoreCopy", "it holds a %1 \"%2\" that Quillarren does not make").arg(type, name);
        }
    }
    if (misfit.isEmpty() && rc != SQLITE_DONE) {
        *damaged = true;
        misfit = QString::fromUtf8(sqlite3_errmsg(db));
    }
    sqlite3_finalize(objects);
    if (*damaged)
        return misfit;
    if (misfit.isEmpty() && !hasSettings)
        return QCoreApplication::translate("StoreCopy", "it holds no notes");
    return misfit;
}

QString quickCheck(sqlite3 *db)
{
    sqlite3_stmt *check = nullptr;
    QString verdict;
    if (sqlite3_prepare_v2(db, "PRAGMA quick_check", -1, &check, nullptr) == SQLITE_OK && sqlite3_step(check) == SQLITE_ROW)
        verdict = text(check, 0);
    sqlite3_finalize(check);
    if (verdict.isEmpty())
        verdict = QString::fromUtf8(sqlite3_errmsg(db));
    return verdict;
}

bool checked(const Reader &reader, const QString &file, QString *error)
{
    const QString shown = QDir::toNativeSeparators(file);
    if (!QFileInfo(file).isFile()) {
        *error = QCoreApplication::translate("StoreCopy", "%1 is not a file").arg(shown);
        return false;
    }
    if (!reader.isOpen()) {
        *error = QCoreApplication::translate("StoreCopy", "%1 cannot be opened: %2").arg(shown, reader.error());
        return false;
    }
    bool damaged = false;
    const QString misfit = schemaMisfit(reader.db(), &damaged);
    if (!misfit.isEmpty()) {
        *error = damaged ? QCoreApplication::translate("StoreCopy", "%1 is damaged or not a notes store (%2)").arg(shown, misfit)
                         : QCoreApplication::translate("StoreCopy", "%1 is not a Quillarren notes store: %2").arg(shown, misfit);
        return false;
    }
    const QString verdict = quickCheck(reader.db());
    if (verdict != QLatin1String("ok")) {
        *error = QCoreApplication::translate("StoreCopy", "%1 is damaged or not a notes store (%2)").arg(shown, verdict);
        return false;
    }
    return true;
}

bool tableExists(sqlite3 *db, const char *name)
{
    sqlite3_stmt *statement = nullptr;
    bool exists = sqlite3_prepare_v2(db, "SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ?1", -1,
                                     &statement, nullptr) == SQLITE_OK;
    sqlite3_bind_text(statement, 1, name, -1, SQLITE_STATIC);
    exists = exists && sqlite3_step(statement) == SQLITE_ROW;
    sqlite3_finalize(statement);
    return exists;
}

// Every row of one table into the same table of the fresh store, each value as it was.
bool copyTable(sqlite3 *from, sqlite3 *to, const char *select, const char *insert, int columns)
{
    sqlite3_stmt *reading = nullptr;
    sqlite3_stmt *writing = nullptr;
    bool ok = sqlite3_prepare_v2(from, select, -1, &reading, nullptr) == SQLITE_OK
        && sqlite3_prepare_v2(to, insert, -1, &writing, nullptr) == SQLITE_OK;
    int rc = SQLITE_DONE;
    while (ok && (rc = sqlite3_step(reading)) == SQLITE_ROW) {
        for (int column = 0; column < columns; ++column) {
            if (sqlite3_column_type(reading, column) == SQLITE_NULL)
                sqlite3_bind_null(writing, column + 1);
            else
                sqlite3_bind_text(writing, column + 1, reinterpret_cast<const char *>(sqlite3_column_text(reading, column)),
                                  sqlite3_column_bytes(reading, column), SQLITE_TRANSIENT);
        }
        ok = sqlite3_step(writing) == SQLITE_DONE && sqlite3_reset(writing) == SQLITE_OK;
    }
    sqlite3_finalize(reading);
    sqlite3_finalize(writing);
    return ok && rc == SQLITE_DONE;
}

} // namespace

bool checkOurs(const QString &file, QString *error)
{
    const Reader reader(file);
    return checked(reader, file, error);
}

bool copyRows(const QString &file, const QString &target, int pageSize, quint32 userVersion, QString *error)
{
    const Reader reader(file);
    if (!checked(reader, file, error))
        return false;
    sqlite3 *fresh = nullptr;
    if (QFileInfo::exists(target)
        || sqlite3_open_v2(target.toUtf8().constData(), &fresh, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr)
            != SQLITE_OK) {
        *error = QCoreApplication::translate("StoreCopy", "a fresh store could not be made at %1").arg(QDir::toNativeSeparators(target));
        sqlite3_close(fresh);
        return false;
    }
    const QByteArray setup = QStringLiteral("PRAGMA page_size=%1; PRAGMA user_version=%2; BEGIN;")
                                 .arg(pageSize).arg(userVersion).toUtf8()
        + STORE_SETTINGS_TABLE ";" STORE_TRASH_TABLE ";" STORE_SYNCED_TABLE ";" STORE_HISTORY_TABLE ";";
    sqlite3 *source = reader.db();
    bool ok = sqlite3_exec(fresh, setup.constData(), nullptr, nullptr, nullptr) == SQLITE_OK
        && copyTable(source, fresh, "SELECT application, section, key, value FROM settings",
                     "INSERT INTO settings(application, section, key, value) VALUES(?1, ?2, ?3, ?4)", 4);
    if (ok && tableExists(source, "trash"))
        ok = copyTable(source, fresh, "SELECT id, deleted, note FROM trash",
                       "INSERT INTO trash(id, deleted, note) VALUES(?1, ?2, ?3)", 3);
    if (ok && tableExists(source, "synced"))
        ok = copyTable(source, fresh, "SELECT id, state FROM synced", "INSERT INTO synced(id, state) VALUES(?1, ?2)", 2);
    if (ok && tableExists(source, "history"))
        ok = copyTable(source, fresh, "SELECT note, made, text FROM history",
                       "INSERT INTO history(note, made, text) VALUES(?1, ?2, ?3)", 3);
    ok = ok && sqlite3_exec(fresh, "COMMIT", nullptr, nullptr, nullptr) == SQLITE_OK;
    if (!ok)
        *error = QCoreApplication::translate("StoreCopy", "the notes could not be copied from %1 (%2)")
                     .arg(QDir::toNativeSeparators(file), QString::fromUtf8(sqlite3_errmsg(fresh)));
    sqlite3_close(fresh);
    return ok;
}

bool historyIsOurs(sqlite3 *db)
{
    sqlite3_stmt *objects = nullptr;
    if (sqlite3_prepare_v2(db, "SELECT type, name, sql IS NULL FROM sqlite_master WHERE tbl_name = 'history' OR name = 'history'",
                           -1, &objects, nullptr) != SQLITE_OK)
        return false;
    bool ours = true;
    bool table = false;
    while (ours && sqlite3_step(objects) == SQLITE_ROW) {
        const QString type = text(objects, 0);
        const QString name = text(objects, 1);
        table = table || (type == QLatin1String("table") && name == QLatin1String("history"));
        ours = (type == QLatin1String("table") && name == QLatin1String("history"))
            || (type == QLatin1String("index") && name.startsWith(QLatin1String("sqlite_autoindex_history_"))
                && sqlite3_column_int(objects, 2) == 1);
    }
    sqlite3_finalize(objects);
    return ours && table && columnsAreOurs(db, *ourTable(QStringLiteral("history")));
}

bool keepVersions(sqlite3 *from, const QString &target)
{
    if (!tableExists(from, "history"))
        return true;
    sqlite3 *fresh = nullptr;
    bool ok = sqlite3_open_v2(target.toUtf8().constData(), &fresh, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK
        && sqlite3_exec(fresh, "BEGIN", nullptr, nullptr, nullptr) == SQLITE_OK
        && copyTable(from, fresh, "SELECT note, made, text FROM history",
                     "INSERT OR IGNORE INTO history(note, made, text) VALUES(?1, ?2, ?3)", 3)
        && sqlite3_exec(fresh, "COMMIT", nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(fresh);   // an open transaction is rolled back
    return ok;
}

std::optional<Stamp> stampOf(const QString &file)
{
    const Reader reader(file);
    bool damaged = false;
    if (!reader.isOpen() || !schemaMisfit(reader.db(), &damaged).isEmpty() || !tableExists(reader.db(), "backup"))
        return std::nullopt;
    sqlite3_stmt *row = nullptr;
    std::optional<Stamp> stamp;
    if (sqlite3_prepare_v2(reader.db(), "SELECT made, asked FROM backup", -1, &row, nullptr) == SQLITE_OK
        && sqlite3_step(row) == SQLITE_ROW) {
        const QDateTime made = QDateTime::fromString(text(row, 0), Qt::ISODateWithMs);
        if (made.isValid())
            stamp = Stamp{made.toUTC(), sqlite3_column_int(row, 1) != 0};
    }
    sqlite3_finalize(row);
    return stamp;
}

} // namespace StoreCopy
