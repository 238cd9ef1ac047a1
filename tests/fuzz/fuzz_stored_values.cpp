// Start-up from any stored values: the input is lines "key=value" (a line without "=" stores a
// NULL value), written byte for byte into a new store as another program could have left them.

#include "startupfuzz.h"

#include <QByteArray>
#include <QDir>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <cstddef>
#include <cstdint>

namespace {

void writeStore(const QString &path, const QByteArray &input)
{
    sqlite3 *db = nullptr;
    if (sqlite3_open(path.toUtf8().constData(), &db) != SQLITE_OK)
        StartUpFuzz::fail("cannot create the store");
    sqlite3_exec(db,
                 "BEGIN; CREATE TABLE settings(application TEXT, section TEXT, key TEXT, value TEXT,"
                 " PRIMARY KEY(application, section, key));",
                 nullptr, nullptr, nullptr);
    sqlite3_stmt *insert = nullptr;
    sqlite3_prepare_v2(db, "INSERT OR REPLACE INTO settings VALUES('Brimvale', 'Quillarren', ?1, ?2)", -1, &insert,
                       nullptr);
    for (const QByteArray &line : input.split('\n')) {
        const qsizetype equals = line.indexOf('=');
        const QByteArray key = equals < 0 ? line : line.left(equals);
        sqlite3_bind_text(insert, 1, key.constData(), int(key.size()), SQLITE_TRANSIENT);
        if (equals < 0) {
            sqlite3_bind_null(insert, 2);
        } else {
            const QByteArray value = line.mid(equals + 1);
            sqlite3_bind_text(insert, 2, value.constData(), int(value.size()), SQLITE_TRANSIENT);
        }
        sqlite3_step(insert);
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    if (sqlite3_exec(db, "COMMIT;", nullptr, nullptr, nullptr) != SQLITE_OK)
        StartUpFuzz::fail("cannot write the store");
    sqlite3_close(db);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    StartUpFuzz::initialize(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("Brimvale"));
    const QString path = dir.filePath(QStringLiteral("Brimvale/Quillarren.sqlite3"));
    writeStore(path, QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    StartUpFuzz::run(path);
    return 0;
}
