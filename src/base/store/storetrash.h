#pragma once

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>

struct sqlite3;

// The trash: deleted notes kept whole, each as one row of its own table in the store file, until
// the daily purge drops them. Works on the store's open connection; writes go inside the
// caller's transaction.
namespace StoreTrash {

/** A deleted note: everything stored for it, by key suffix. */
struct Note
{
    QString id;
    QDateTime deleted;
    QHash<QString, QString> values;   // suffix (".Notes" …) to stored text
};

/** Puts the note into the trash, over one kept with the same id. */
bool put(sqlite3 *db, const Note &note);
/** Takes the note with this id out of the trash (restored, or gone for good). */
bool take(sqlite3 *db, const QString &id);
/** The deleted notes kept, newest first; empty without a connection. */
QList<Note> list(sqlite3 *db);
/** Drops the notes deleted before the cutoff for good; how many went. */
int dropBefore(sqlite3 *db, const QDateTime &cutoff);

} // namespace StoreTrash
