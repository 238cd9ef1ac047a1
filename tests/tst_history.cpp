#include "app/historyverbs.h"
#include "base/backup/backups.h"
#include "base/history/historythinning.h"
#include "base/history/notehistory.h"
#include "base/history/versiondiff.h"
#include "base/history/versionpolicy.h"
#include "base/store/notekeys.h"
#include "base/store/settingsstore.h"
#include "base/store/storecopy.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QThread>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <sqlite3.h>

#include <cstdio>

namespace {

const QString NoteA = QStringLiteral("0b8f5a4e-3c1d-4e7a-9f2b-1a2b3c4d5e6f");
const QString NoteB = QStringLiteral("1c9e6b5f-4d2e-4f8b-8a3c-2b3c4d5e6f70");
const QDateTime Now = QDateTime(QDate(2024, 6, 15), QTime(12, 0));

bool run(const QString &file, const QString &sql)
{
    sqlite3 *db = nullptr;
    const bool ok = sqlite3_open(file.toUtf8().constData(), &db) == SQLITE_OK
        && sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    return ok;
}

// The text a writer keeps as version k: its number, and a body whose length follows from it.
QString versionText(int k)
{
    return QStringLiteral("v%1:").arg(k) + QString(100 + (k * 37) % 900, QChar(u'a' + k % 26));
}

// The child of killedWhileWriting: keeps versions of 20 notes, saying each one once it is kept,
// until it is killed (or 20 s pass).
int writeVersions(const char *path, int from)
{
    SettingsStore store;
    NoteHistory history;
    if (!store.open(QString::fromUtf8(path)).ok || !history.open(QString::fromUtf8(path)))
        return 2;
    QElapsedTimer running;
    running.start();
    for (int k = from; running.elapsed() < 20000; ++k) {
        if (!history.add(QStringLiteral("note-%1").arg(k % 20), versionText(k), QDateTime::currentDateTime()))
            return 3;
        std::printf("%d\n", k);
        std::fflush(stdout);
    }
    return 0;
}

} // namespace

class TestHistory final : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString path() const { return m_dir.filePath(QStringLiteral("Quillarren.sqlite3")); }
    void seedNotes()
    {
        SettingsStore store;
        QVERIFY(store.open(path()).ok);
        QVERIFY(store.saveMany({{NoteKeys::TotalForms, QStringLiteral("2")},
                                {NoteKeys::tagFor(1) + NoteKeys::Notes, QStringLiteral("first note")},
                                {NoteKeys::tagFor(1) + NoteKeys::Id, NoteA},
                                {NoteKeys::tagFor(2) + NoteKeys::Notes, QStringLiteral("second note")},
                                {NoteKeys::tagFor(2) + NoteKeys::Id, NoteB}}));
        NoteHistory history;
        QVERIFY(history.open(path()));
    }

    // Overwrites the history table's first page with noise, the notes' pages untouched.
    bool corruptHistoryRoot() const
    {
        sqlite3 *db = nullptr;
        sqlite3_stmt *root = nullptr;
        qint64 page = 0;
        qint64 pageSize = 4096;
        if (sqlite3_open(path().toUtf8().constData(), &db) == SQLITE_OK
            && sqlite3_prepare_v2(db, "SELECT rootpage, (SELECT page_size FROM pragma_page_size) FROM sqlite_master "
                                      "WHERE name = 'history'", -1, &root, nullptr) == SQLITE_OK
            && sqlite3_step(root) == SQLITE_ROW) {
            page = sqlite3_column_int64(root, 0);
            pageSize = sqlite3_column_int64(root, 1);
        }
        sqlite3_finalize(root);
        sqlite3_close(db);
        QFile file(path());
        return page > 1 && file.open(QIODevice::ReadWrite) && file.seek((page - 1) * pageSize)
            && file.write(QByteArray(int(pageSize), '\xee')) == pageSize;
    }

private slots:
    void init()
    {
        for (const QString &file : QDir(m_dir.path()).entryList(QDir::Files))
            QFile::remove(m_dir.filePath(file));
        seedNotes();
    }

    void thinning_data()
    {
        QTest::addColumn<QList<qint64>>("agesInMinutes");   // newest first
        QTest::addColumn<QList<qint64>>("bytes");
        QTest::addColumn<qint64>("bound");
        QTest::addColumn<QList<int>>("dropped");
        const qint64 day = 24 * 60;
        const qint64 big = HistoryThinning::BytesPerNote;
        QTest::newRow("the last day: all") << QList<qint64>{1, 5, 60, day - 1} << QList<qint64>{9, 9, 9, 9} << big << QList<int>{};
        QTest::newRow("a week: newest of each hour")
            << QList<qint64>{2 * day - 40, 2 * day - 10, 2 * day + 30} << QList<qint64>{9, 9, 9} << big << QList<int>{1};
        QTest::newRow("90 days: newest of each day")
            << QList<qint64>{10 * day - 180, 10 * day + 180, 11 * day} << QList<qint64>{9, 9, 9} << big << QList<int>{1};
        QTest::newRow("older than 90 days: none") << QList<qint64>{89 * day, 91 * day} << QList<qint64>{9, 9} << big << QList<int>{1};
        QTest::newRow("size: oldest first") << QList<qint64>{1, 2, 3} << QList<qint64>{40, 40, 40} << qint64(100) << QList<int>{2};
        QTest::newRow("size: nothing older than what does not fit")
            << QList<qint64>{1, 2, 3} << QList<qint64>{40, 70, 10} << qint64(100) << QList<int>{1, 2};
        QTest::newRow("size: the newest stays however large")
            << QList<qint64>{1, 2} << QList<qint64>{150, 10} << qint64(100) << QList<int>{1};
    }

    void thinning()
    {
        QFETCH(QList<qint64>, agesInMinutes);
        QFETCH(QList<qint64>, bytes);
        QFETCH(qint64, bound);
        QFETCH(QList<int>, dropped);
        QList<HistoryThinning::Stamp> stamps;
        QList<qint64> expected;
        for (int i = 0; i < agesInMinutes.size(); ++i) {
            stamps.append({Now.addSecs(-60 * agesInMinutes.at(i)).toMSecsSinceEpoch(), bytes.at(i)});
            if (dropped.contains(i))
                expected.append(stamps.constLast().made);
        }
        const QList<qint64> drop = HistoryThinning::toDrop(stamps, Now.toMSecsSinceEpoch(), bound);
        QCOMPARE(drop, expected);
        // Run again on what stayed, the rule lets nothing more go.
        stamps.removeIf([&](const HistoryThinning::Stamp &s) { return drop.contains(s.made); });
        QCOMPARE(HistoryThinning::toDrop(stamps, Now.toMSecsSinceEpoch(), bound), QList<qint64>{});
    }

    void keepNow_data()
    {
        QTest::addColumn<VersionPolicy::Event>("event");
        QTest::addColumn<int>("characters");
        QTest::addColumn<int>("lastKeptSecsAgo");   // -1: never kept
        QTest::addColumn<bool>("keep");
        using E = VersionPolicy::Event;
        QTest::newRow("typing pause, first version") << E::TypingPaused << 0 << -1 << true;
        QTest::newRow("typing pause, a minute after the last") << E::TypingPaused << 0 << 60 << false;
        QTest::newRow("typing pause, five minutes after") << E::TypingPaused << 0 << 300 << true;
        QTest::newRow("typing pause, clock set back") << E::TypingPaused << 0 << -3600 << true;
        QTest::newRow("paste of a few characters") << E::Paste << 4 << 10 << false;
        QTest::newRow("paste of more") << E::Paste << 5 << 10 << true;
        QTest::newRow("cut of one character") << E::Cut << 1 << 10 << false;
        QTest::newRow("cut of more") << E::Cut << 50 << 10 << true;
        QTest::newRow("select all, then a key") << E::ReplaceAfterSelectAll << 1 << 10 << true;
        QTest::newRow("from the sync folder") << E::FromSyncFolder << 0 << 10 << true;
        QTest::newRow("backup restored") << E::BackupRestored << 0 << 10 << true;
        QTest::newRow("import") << E::Imported << 0 << 10 << true;
        QTest::newRow("reminder's flash") << E::ReminderFlash << 0 << 10 << true;
        QTest::newRow("version restored") << E::VersionRestored << 0 << 10 << true;
    }

    void keepNow()
    {
        QFETCH(VersionPolicy::Event, event);
        QFETCH(int, characters);
        QFETCH(int, lastKeptSecsAgo);
        QFETCH(bool, keep);
        const std::optional<QDateTime> last = lastKeptSecsAgo == -1 ? std::nullopt : std::optional(Now.addSecs(-lastKeptSecsAgo));
        QCOMPARE(VersionPolicy::keepNow(event, characters, last, Now), keep);
    }

    void linesNotIn_data()
    {
        QTest::addColumn<QString>("version");
        QTest::addColumn<QString>("now");
        QTest::addColumn<QList<bool>>("marked");
        QTest::newRow("same") << "a\nb" << "a\nb" << QList<bool>{false, false};
        QTest::newRow("one line changed") << "a\nb\nc" << "a\nB\nc" << QList<bool>{false, true, false};
        QTest::newRow("line gone since") << "a\nx\nb" << "a\nb" << QList<bool>{false, true, false};
        QTest::newRow("lines added since") << "a\nb" << "a\nnew\nb\nmore" << QList<bool>{false, false};
        QTest::newRow("repeated line counted") << "x\nx\nx" << "x" << QList<bool>{false, true, true};
        QTest::newRow("moved") << "a\nb\nc" << "c\na\nb" << QList<bool>{false, false, true};
    }

    void linesNotIn()
    {
        QFETCH(QString, version);
        QFETCH(QString, now);
        QFETCH(QList<bool>, marked);
        QCOMPARE(VersionDiff::linesNotIn(version, now), marked);
    }

    // Kept in order, never twice the same text, each listed against the one before it.
    void versionsKeptAndListed()
    {
        NoteHistory history;
        QVERIFY(history.open(path()));
        QVERIFY(!history.lastKept(NoteA));
        QVERIFY(history.add(NoteA, QStringLiteral("title\nfirst body"), Now));
        QVERIFY(history.add(NoteA, QStringLiteral("title\nfirst body"), Now.addSecs(60)));
        // A clock set back still makes a later version.
        QVERIFY(history.add(NoteA, QStringLiteral("title\nsecond body\nend"), Now.addSecs(-600)));
        QVERIFY(history.add(NoteB, QStringLiteral("other"), Now));
        const QList<NoteHistory::Version> versions = history.list(NoteA);
        QCOMPARE(versions.size(), 2);
        QVERIFY(versions.at(0).made > versions.at(1).made);
        QCOMPARE(versions.at(0).firstChangedLine, QStringLiteral("second body"));
        QCOMPARE(versions.at(1).firstChangedLine, QStringLiteral("title"));
        QCOMPARE(versions.at(0).bytes, qint64(QByteArray("title\nsecond body\nend").size()));
        QCOMPARE(history.read(NoteA, versions.at(1).made), QStringLiteral("title\nfirst body"));
        QCOMPARE(history.lastKept(NoteA)->toMSecsSinceEpoch(), versions.at(0).made);
    }

    // The trash keeps a deleted note's history; a note neither here nor in the trash loses it.
    void purgeKeepsNamedNotes()
    {
        NoteHistory history;
        QVERIFY(history.open(path()));
        QVERIFY(history.add(NoteA, QStringLiteral("a"), Now) && history.add(NoteB, QStringLiteral("b"), Now));
        QCOMPARE(history.dropNotesOtherThan({}), 0);
        QCOMPARE(history.list(NoteB).size(), 1);
        QCOMPARE(history.dropNotesOtherThan({NoteA}), 1);
        QCOMPARE(history.list(NoteA).size(), 1);
        QCOMPARE(history.list(NoteB).size(), 0);
    }

    // A history that is missing, not ours, hostile, huge or damaged: the notes open as they were,
    // and what was left aside is said once.
    void badHistory_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<bool>("damage");
        QTest::addColumn<QString>("notice");   // a part of it; empty: none
        QTest::addColumn<bool>("opens");
        const QString nowMs = QString::number(QDateTime::currentMSecsSinceEpoch() - 3600 * 1000);
        QTest::newRow("missing") << "DROP TABLE history" << false << "" << true;
        QTest::newRow("other shape")
            << "DROP TABLE history; CREATE TABLE history(note TEXT, made TEXT, text TEXT, extra);"
               " INSERT INTO history VALUES('x', 'y', 'kept text', 1)" << false << "it is kept in" << true;
        QTest::newRow("trigger on it")
            << "CREATE TRIGGER wipe AFTER INSERT ON history BEGIN DELETE FROM settings; END" << false << "it is kept in" << true;
        QTest::newRow("a view in its place")
            << "DROP TABLE history; CREATE VIEW history AS SELECT 'x' AS note, 1 AS made, 'v' AS text" << false
            << "it is kept in" << true;
        QTest::newRow("an index of its own") << "CREATE INDEX byText ON history(text)" << false << "it is kept in" << true;
        QTest::newRow("huge") << "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 3000) "
                                 "INSERT INTO history SELECT '" + NoteA + "', " + nowMs + " + i, printf('%.2000c', 'x') FROM n"
                              << false << "" << true;
        QTest::newRow("damaged") << "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 300) "
                                    "INSERT INTO history SELECT 'n' || (i % 7), i, printf('%.1000c', 'y') FROM n"
                                 << true << "is damaged" << false;
    }

    void badHistory()
    {
        QFETCH(QString, sql);
        QFETCH(bool, damage);
        QFETCH(QString, notice);
        QFETCH(bool, opens);
        QVERIFY(run(path(), sql));
        if (damage)
            QVERIFY(corruptHistoryRoot());
        for (int start = 0; start < 2; ++start) {
            SettingsStore store;
            const SettingsStore::OpenResult opened = store.open(path());
            QVERIFY(opened.ok);
            QVERIFY(opened.movedAsideTo.isEmpty());
            QCOMPARE(store.get(NoteKeys::tagFor(1) + NoteKeys::Notes), QStringLiteral("first note"));
            QCOMPARE(store.get(NoteKeys::tagFor(2) + NoteKeys::Notes), QStringLiteral("second note"));
            NoteHistory history;
            QString said;
            QCOMPARE(history.open(path(), store.damageBesideNotes(), &said), opens);
            // Said once: the second start finds a history of ours (a damaged one is said again).
            if (notice.isEmpty() || (start == 1 && !damage))
                QVERIFY2(said.isEmpty(), qPrintable(said));
            else
                QVERIFY2(said.contains(notice), qPrintable(said));
            if (!opens)
                continue;
            QVERIFY(history.add(NoteA, QStringLiteral("after %1").arg(start), QDateTime::currentDateTime()));
            QCOMPARE(history.read(NoteA, history.list(NoteA).constFirst().made), QStringLiteral("after %1").arg(start));
            QVERIFY(history.bytesOf(NoteA) <= HistoryThinning::BytesPerNote);
        }
        SettingsStore again;
        QVERIFY(again.open(path()).ok);
        QCOMPARE(again.get(NoteKeys::tagFor(1) + NoteKeys::Notes), QStringLiteral("first note"));
        QString error;
        QVERIFY2(damage || StoreCopy::checkOurs(path(), &error), qPrintable(error));
        if (QByteArray(QTest::currentDataTag()) == "other shape") {
            const QStringList aside = QDir(m_dir.path()).entryList({QStringLiteral("*.history-*")});
            QCOMPARE(aside.size(), 1);
            QFile kept(m_dir.filePath(aside.constFirst()));
            QVERIFY(kept.open(QIODevice::ReadOnly) && kept.readAll().contains("kept text"));
        }
    }

    // A backup carries the versions; restoring it keeps those made since, too.
    void backupCarriesVersions()
    {
        SettingsStore store;
        QVERIFY(store.open(path()).ok);
        NoteHistory history;
        QVERIFY(history.open(path()));
        QVERIFY(history.add(NoteA, QStringLiteral("before the backup"), Now));
        QString error;
        const std::optional<QString> backup = Backups(path()).makeNow(QDateTime::currentDateTime(), &error);
        QVERIFY2(backup, qPrintable(error));
        QVERIFY(history.add(NoteA, QStringLiteral("after the backup"), Now.addSecs(60)));
        QVERIFY(store.save(NoteKeys::tagFor(1) + NoteKeys::Notes, QStringLiteral("changed since")));
        QVERIFY2(store.replaceWith(*backup, &error), qPrintable(error));
        QCOMPARE(store.get(NoteKeys::tagFor(1) + NoteKeys::Notes), QStringLiteral("first note"));
        QStringList texts;
        for (const NoteHistory::Version &version : history.list(NoteA))
            texts.append(*history.read(NoteA, version.made));
        QCOMPARE(texts, (QStringList{QStringLiteral("after the backup"), QStringLiteral("before the backup")}));
    }

    // A writer killed at random moments: every version it was told was kept is there, whole, and
    // nothing else is.
    void killedWhileWriting()
    {
        QSet<int> acknowledged;
        int next = 0;
        for (int round = 0; round < 6; ++round) {
            QProcess writer;
            writer.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--write-versions"), path(), QString::number(next)});
            QVERIFY(writer.waitForReadyRead(10000));
            QThread::msleep(QRandomGenerator::global()->bounded(10, 250));
            writer.kill();
            QVERIFY(writer.waitForFinished(10000));
            const QList<QByteArray> lines = writer.readAllStandardOutput().split('\n');
            for (qsizetype i = 0; i + 1 < lines.size(); ++i)   // the last piece has no line end yet
                acknowledged.insert(lines.at(i).toInt());
            next = *std::max_element(acknowledged.cbegin(), acknowledged.cend()) + 1;
        }
        QVERIFY(acknowledged.size() > 6);
        SettingsStore store;
        QVERIFY(store.open(path()).ok);
        QCOMPARE(store.get(NoteKeys::tagFor(1) + NoteKeys::Notes), QStringLiteral("first note"));
        NoteHistory history;
        QVERIFY(history.open(path()));
        QSet<int> found;
        for (int note = 0; note < 20; ++note) {
            const QString id = QStringLiteral("note-%1").arg(note);
            for (const NoteHistory::Version &version : history.list(id)) {
                const QString text = *history.read(id, version.made);
                const int k = text.mid(1, text.indexOf(QLatin1Char(':')) - 1).toInt();
                QCOMPARE(text, versionText(k));
                QCOMPARE(k % 20, note);
                found.insert(k);
            }
        }
        QVERIFY(found.contains(acknowledged));
        QString error;
        QVERIFY2(StoreCopy::checkOurs(path(), &error), qPrintable(error));
    }

    void verbs()
    {
        SettingsStore store;
        QVERIFY(store.open(path()).ok);
        NoteHistory history;
        QVERIFY(history.open(path()));
        QVERIFY(history.add(NoteA, QStringLiteral("old\ntext"), Now));
        QVERIFY(history.add(NoteA, QStringLiteral("old\nnewer"), Now.addSecs(60)));
        const HistoryVerbs::Reply listed = HistoryVerbs::list(store, history, QStringLiteral("1"));
        QCOMPARE(listed.status, 0);
        const QStringList lines = listed.output.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 2);
        QVERIFY(lines.at(0).startsWith(QStringLiteral("1\t")) && lines.at(0).endsWith(QStringLiteral("\tnewer")));
        QCOMPARE(HistoryVerbs::list(store, history, NoteA).output, listed.output);
        QCOMPARE(HistoryVerbs::show(store, history, NoteA, QStringLiteral("2")).output, QStringLiteral("old\ntext"));
        QCOMPARE(HistoryVerbs::show(store, history, QStringLiteral("1"), QStringLiteral("3")).status, 1);
        QCOMPARE(HistoryVerbs::list(store, history, QStringLiteral("9")).status, 1);
        QCOMPARE(HistoryVerbs::list(store, history, NoteB).status, 0);   // no versions yet, not an error
    }
};

int main(int argc, char **argv)
{
    if (argc == 4 && qstrcmp(argv[1], "--write-versions") == 0) {
        QCoreApplication app(argc, argv);
        return writeVersions(argv[2], std::atoi(argv[3]));
    }
    QApplication app(argc, argv);
    TestHistory test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_history.moc"
