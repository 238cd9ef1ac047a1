#pragma once

#include <QString>
#include <QTest>

#include <sqlite3.h>

// Makes the store file refuse every write, as a full disk would, until it is released or dropped.
class RefusingStore
{
public:
    explicit RefusingStore(const QString &path)
    {
        sqlite3_open(path.toUtf8().constData(), &m_db);
        exec("CREATE TRIGGER refuse_insert BEFORE INSERT ON settings BEGIN SELECT RAISE(ABORT, 'full'); END;"
             "CREATE TRIGGER refuse_update BEFORE UPDATE ON settings BEGIN SELECT RAISE(ABORT, 'full'); END;");
    }
    ~RefusingStore() { sqlite3_close(m_db); }
    void release() { exec("DROP TRIGGER refuse_insert; DROP TRIGGER refuse_update;"); }

private:
    void exec(const char *sql) { QCOMPARE(sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr), SQLITE_OK); }
    sqlite3 *m_db = nullptr;
};
