#include "base/store/storetrash.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <sqlite3.h>

#include <functional>

namespace StoreTrash {

namespace {

QByteArray encode(const QHash<QString, QString> &values)
{
    QJsonObject object;
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        object.insert(it.key(), it.value());
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

Note decode(sqlite3_stmt *row)
{
    const auto text = [row](int i) {
        return QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(row, i)), sqlite3_column_bytes(row, i));
    };
    Note note;
    note.id = text(0);
    note.deleted = QDateTime::fromString(text(1), Qt::ISODate);
    const QJsonObject object = QJsonDocument::fromJson(text(2).toUtf8()).object();
    for (auto it = object.constBegin(); it != object.constEnd(); ++it)
        note.values.insert(it.key(), it.value().toString());
    return note;
}

// The moment as the table keeps it: sorted as text, so always in UTC and with milliseconds.
QByteArray storedTime(const QDateTime &time)
{
    return time.toUTC().toString(Qt::ISODateWithMs).toUtf8();
}

bool run(sqlite3 *db, const char *sql, const std::function<void(sqlite3_stmt *)> &bind)
{
    sqlite3_stmt *statement = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &statement, nullptr) != SQLITE_OK)
        return false;
    bind(statement);
    const bool done = sqlite3_step(statement) == SQLITE_DONE;
    sqlite3_finalize(statement);
    return done;
}

} // namespace

bool put(sqlite3 *db, const Note &note)
{
    const QByteArray id = note.id.toUtf8();
    const QByteArray deleted = storedTime(note.deleted);
    const QByteArray values = encode(note.values);
    return run(db, "INSERT OR REPLACE INTO trash(id, deleted, note) VALUES(?1, ?2, ?3)", [&](sqlite3_stmt *s) {
        sqlite3_bind_text(s, 1, id.constData(), id.size(), SQLITE_STATIC);
        sqlite3_bind_text(s, 2, deleted.constData(), deleted.size(), SQLITE_STATIC);
        sqlite3_bind_text(s, 3, values.constData(), values.size(), SQLITE_STATIC);
    });
}

bool take(sqlite3 *db, const QString &id)
{
    const QByteArray bytes = id.toUtf8();
    return run(db, "DELETE FROM trash WHERE id = ?1", [&](sqlite3_stmt *s) {
        sqlite3_bind_text(s, 1, bytes.constData(), bytes.size(), SQLITE_STATIC);
    });
}

QList<Note> list(sqlite3 *db)
{
    QList<Note> notes;
    sqlite3_stmt *select = nullptr;
    if (!db || sqlite3_prepare_v2(db, "SELECT id, deleted, note FROM trash ORDER BY deleted DESC", -1, &select, nullptr)
            != SQLITE_OK)
        return notes;
    while (sqlite3_step(select) == SQLITE_ROW)
        notes.append(decode(select));
    sqlite3_finalize(select);
    return notes;
}

int dropBefore(sqlite3 *db, const QDateTime &cutoff)
{
    sqlite3_stmt *drop = nullptr;
    if (!db || sqlite3_prepare_v2(db, "DELETE FROM trash WHERE deleted < ?1", -1, &drop, nullptr) != SQLITE_OK)
        return 0;
    const QByteArray limit = storedTime(cutoff);
    sqlite3_bind_text(drop, 1, limit.constData(), limit.size(), SQLITE_STATIC);
    const int rc = sqlite3_step(drop);
    sqlite3_finalize(drop);
    return rc == SQLITE_DONE ? sqlite3_changes(db) : 0;
}

} // namespace StoreTrash
