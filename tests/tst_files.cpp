// The files the program writes and reads besides its store, met as a hostile local user, a full
// disk and a crafted file would meet them: exports and saved notes, backups and restoring them.

#include "testprogram.h"

#include "gui/platform/autostart.h"
#include "app/noteverbs.h"
#include "base/backup/backups.h"
#include "base/store/pendingjournal.h"
#include "base/store/storecopy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <sqlite3.h>

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// A tiny file system of its own, for a disk that fills up; only where mounting is allowed (root).
class SmallDisk
{
public:
    explicit SmallDisk(const QString &folder)
        : m_folder(folder)
    {
        m_mounted = ::mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", 0, "size=64k,mode=0700") == 0;
    }
    ~SmallDisk()
    {
        if (m_mounted)
            ::umount2(QFile::encodeName(m_folder).constData(), MNT_DETACH);
    }
    bool isMounted() const { return m_mounted; }

    /** Fills what is left, as dd would. */
    void fill() const
    {
        const int fd = ::open(QFile::encodeName(m_folder + QStringLiteral("/filler")).constData(), O_WRONLY | O_CREAT, 0600);
        const QByteArray block(512, 'x');
        while (::write(fd, block.constData(), size_t(block.size())) > 0) {
        }
        ::close(fd);
    }

private:
    QString m_folder;
    bool m_mounted = false;
};

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

bool makeSocket(const QString &path)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    std::copy(name.cbegin(), name.cend(), address.sun_path);
    const bool bound = ::bind(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0;
    ::close(fd);
    return bound;
}

// Runs the SQL on the file; the first value of its first row, if any.
QString sql(const QString &file, const QByteArray &statements)
{
    sqlite3 *db = nullptr;
    QString first;
    sqlite3_open(file.toUtf8().constData(), &db);
    const int rc = sqlite3_exec(db, statements.constData(), [](void *out, int, char **values, char **) {
        *static_cast<QString *>(out) = QString::fromUtf8(values[0]);
        return 0;
    }, &first, nullptr);
    [&] { QVERIFY2(rc == SQLITE_OK, sqlite3_errmsg(db)); }();
    sqlite3_close(db);
    return first;
}

// Writes the notes to the file as the user would: --export, or Save Note to File on a note.
NoteVerbs::Reply writeAs(TestProgram &t, const QString &verb, const QString &path)
{
    if (verb == QLatin1String("export"))
        return NoteVerbs(t.program()).exportNotes(path, false);
    t.dialogs.saveAnswers.enqueue(path);
    t.choose(t.notes().constFirst(), QStringLiteral("SaveNoteToFileName"));
    const QStringList reports = t.dialogs.errorReports();
    return {reports.isEmpty() ? 0 : 1, reports.join(QLatin1Char('\n'))};
}

} // namespace

class TestFiles : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void writesGoOnlyToPlainFilesOfTheUser_data();
    void writesGoOnlyToPlainFilesOfTheUser();
    void aFullDiskKeepsTheOldFile_data();
    void aFullDiskKeepsTheOldFile();
    void restoreTakesOnlyWhatAStoreOfOursHolds_data();
    void restoreTakesOnlyWhatAStoreOfOursHolds();
    void backupsGoByTheTimeInsideThem();
};

void TestFiles::cleanup()
{
    TestProgram::expectNoWindowsLeft();
}

void TestFiles::writesGoOnlyToPlainFilesOfTheUser_data()
{
    QTest::addColumn<QString>("verb");     // export, or save (Save Note to File)
    QTest::addColumn<QString>("target");   // what the user names
    QTest::addColumn<QString>("said");     // in the refusal; empty: it is written
    const QString own = QStringLiteral("one of Quillarren's own files");
    QTest::newRow("the store") << "export" << "store" << own;
    QTest::newRow("the store by ..") << "export" << "store by .." << own;
    QTest::newRow("a link to the store") << "export" << "link to store" << own;
    QTest::newRow("a hard link to the store") << "export" << "hard link to store" << own;
    QTest::newRow("its log") << "export" << "store-wal" << own;
    QTest::newRow("its rollback journal, not there yet") << "export" << "store-journal" << own;
    QTest::newRow("the lock") << "export" << "lock" << own;
    QTest::newRow("the pending journal") << "export" << "pending" << own;
    QTest::newRow("a backup") << "export" << "backup" << own;
    QTest::newRow("a new file among the backups") << "export" << "in backups" << own;
    QTest::newRow("a hard link to a backup") << "export" << "hard link to backup" << own;
    QTest::newRow("a device") << "export" << "device" << "is a device";
    QTest::newRow("a FIFO") << "export" << "fifo" << "is a FIFO";
    QTest::newRow("a socket") << "export" << "socket" << "is a socket";
    QTest::newRow("a folder") << "export" << "folder" << "is a folder";
    QTest::newRow("another user's link in a shared folder") << "export" << "planted link" << "another user put in the shared folder";
    QTest::newRow("the user's own link in a shared folder") << "export" << "own link" << "";
    QTest::newRow("a new file") << "export" << "new" << "";
    QTest::newRow("save: the store") << "save" << "store" << own;
    QTest::newRow("save: a FIFO") << "save" << "fifo" << "is a FIFO";
    QTest::newRow("save: another user's link") << "save" << "planted link" << "another user put in the shared folder";
}

// Whatever path names it, no write replaces the store, its side files, the lock, the journal or
// a backup, nor goes into a device, FIFO, socket or folder, nor follows a link another user
// planted in a shared folder; a refusal changes nothing; an export is the user's alone (0600).
void TestFiles::writesGoOnlyToPlainFilesOfTheUser()
{
    QFETCH(QString, verb);
    QFETCH(QString, target);
    QFETCH(QString, said);
    TestProgram t;
    t.seedNotes({"one", "two"});
    t.start();
    const QString store = t.storePath();
    const QString folder = QFileInfo(store).absolutePath();
    QTemporaryDir files;
    const QString precious = files.filePath(QStringLiteral("precious.txt"));
    QVERIFY(OnDisk::writeFile(precious, "someone's own"));
    QString error;
    const QString backup = Backups(store).makeNow(QDateTime::currentDateTime(), &error).value_or(QString());
    QVERIFY2(!backup.isEmpty(), qPrintable(error));

    QString path = files.filePath(target);
    const QHash<QString, QString> named = {
        {"store", store}, {"store by ..", folder + QStringLiteral("/../Brimvale/Quillarren.sqlite3")},
        {"store-wal", store + QStringLiteral("-wal")}, {"store-journal", store + QStringLiteral("-journal")},
        {"lock", folder + QStringLiteral("/Quillarren.lock")}, {"pending", folder + QStringLiteral("/Quillarren.pending")},
        {"backup", backup}, {"in backups", folder + QStringLiteral("/backups/notes.json")}};
    if (named.contains(target))
        path = named.value(target);
    else if (target == QLatin1String("link to store"))
        QVERIFY(QFile::link(store, path));
    else if (target.startsWith(QLatin1String("hard link")))
        QCOMPARE(::link(QFile::encodeName(target.endsWith(QLatin1String("store")) ? store : backup).constData(),
                        QFile::encodeName(path).constData()), 0);
    else if (target == QLatin1String("fifo"))
        QCOMPARE(::mkfifo(QFile::encodeName(path += QStringLiteral(".txt")).constData(), 0600), 0);
    else if (target == QLatin1String("device") && ::mknod(QFile::encodeName(path).constData(), S_IFCHR | 0600, makedev(1, 7)) != 0)
        QSKIP("only root can make a device node (a copy of /dev/full, never the system's own)");
    else if (target == QLatin1String("socket"))
        QVERIFY(makeSocket(path));
    else if (target == QLatin1String("folder"))
        QVERIFY(QDir().mkpath(path));
    if (target.endsWith(QLatin1String(" link")) && !target.startsWith(QLatin1String("hard"))) {
        // A world-writable sticky folder, like /tmp, with a link in it to someone's file.
        const QString shared = files.filePath(QStringLiteral("shared"));
        QVERIFY(QDir().mkpath(shared));
        QCOMPARE(::chmod(QFile::encodeName(shared).constData(), 01777), 0);
        path = shared + QStringLiteral("/notes.json");
        QVERIFY(QFile::link(precious, path));
        if (target == QLatin1String("planted link") && ::lchown(QFile::encodeName(path).constData(), 65534, 65534) != 0)
            QSKIP("only root can give a link to another user");
    }
    const QByteArray preciousBefore = OnDisk::readFile(precious);
    const QStringList around = entries(QFileInfo(path).absolutePath());

    const NoteVerbs::Reply reply = writeAs(t, verb, path);
    if (said.isEmpty()) {
        QVERIFY2(reply.status == 0, qPrintable(reply.output));
        const QString written = target == QLatin1String("own link") ? precious : path;
        QVERIFY(OnDisk::readFile(written).contains("\"text\": \"one\""));
        QCOMPARE(QFileInfo(written).permissions() & 0x0077, QFileDevice::Permissions());
        return;
    }
    QCOMPARE(reply.status, 1);
    QVERIFY2(reply.output.contains(said), qPrintable(reply.output));
    QCOMPARE(entries(QFileInfo(path).absolutePath()), around);   // nothing new, nothing left over
    QCOMPARE(OnDisk::readFile(precious), preciousBefore);
    QVERIFY(QFileInfo(backup).isFile() && Backups::check(backup, &error));
    if (QStringList{"device", "fifo", "socket", "folder"}.contains(target))
        QVERIFY(!QFileInfo(path).isFile());
    t.restart();
    QCOMPARE(t.texts(), (QStringList{"one", "two"}));
}

void TestFiles::aFullDiskKeepsTheOldFile_data()
{
    QTest::addColumn<QString>("writer");
    QTest::newRow("export") << "export";
    QTest::newRow("Save Note to File") << "save";
    QTest::newRow("the journal's compaction") << "journal";
    QTest::newRow("the autostart entry") << "autostart";
}

// On a full disk the old file stays whole and the writer says it failed (Qt's QSaveFile reports
// success there and leaves an empty file).
void TestFiles::aFullDiskKeepsTheOldFile()
{
    QFETCH(QString, writer);
    QTemporaryDir dir;
    SmallDisk disk(dir.path());
    if (!disk.isMounted())
        QSKIP("a small file system can be mounted only as root");
    TestProgram t;
    t.seedNotes({"one", "two"});
    t.start();
    QString path = dir.filePath(writer == QLatin1String("journal") ? QStringLiteral("Quillarren.pending")
                                                                   : QStringLiteral("notes.json"));
    QString said;
    if (writer == QLatin1String("autostart")) {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.path()));
        QVERIFY2(Autostart::set(true, &said), qPrintable(said));
        path = dir.filePath(QStringLiteral("autostart/net.brimvale.Quillarren.desktop"));
    }
    PendingJournal journal;
    journal.setPath(path);
    if (writer == QLatin1String("journal"))
        QVERIFY(journal.append({{QStringLiteral("NotesForm1.Notes"), QString(3000, QLatin1Char('j'))}}, 1));
    else if (writer != QLatin1String("autostart"))
        QCOMPARE(NoteVerbs(t.program()).exportNotes(path, false).status, 0);
    const QByteArray before = OnDisk::readFile(path);
    QVERIFY(!before.isEmpty());
    disk.fill();

    if (writer == QLatin1String("export") || writer == QLatin1String("save")) {
        const NoteVerbs::Reply reply = writeAs(t, writer, path);
        QCOMPARE(reply.status, 1);
        QVERIFY2(reply.output.contains(QLatin1String("the disk is full")), qPrintable(reply.output));
    } else if (writer == QLatin1String("autostart")) {
        QVERIFY(!Autostart::set(true, &said));
        QVERIFY2(said.contains(QLatin1String("the disk is full")), qPrintable(said));
    } else {
        QVERIFY(!journal.compact({{QStringLiteral("NotesForm1.Notes"), QStringLiteral("short")}}));
        QHash<QString, QString> replayed;
        journal.replay(replayed);
        QCOMPARE(replayed.value(QStringLiteral("NotesForm1.Notes")), QString(3000, QLatin1Char('j')));
    }
    QCOMPARE(OnDisk::readFile(path), before);
    const QStringList left = entries(QFileInfo(path).absolutePath());
    QCOMPARE(QSet<QString>(left.cbegin(), left.cend()) - QSet<QString>{"filler"}, QSet<QString>{QFileInfo(path).fileName()});
}

void TestFiles::restoreTakesOnlyWhatAStoreOfOursHolds_data()
{
    QTest::addColumn<QByteArray>("statements");   // run on a good backup; "fresh:" on a new file instead
    QTest::addColumn<QString>("said");     // in the refusal; empty: it is restored
    QTest::newRow("a trigger that empties the notes")
        << QByteArray("CREATE TRIGGER t AFTER UPDATE ON settings BEGIN DELETE FROM settings; END;") << "trigger \"t\"";
    QTest::newRow("a trigger that loads code")
        << QByteArray("CREATE TRIGGER t AFTER INSERT ON settings BEGIN SELECT load_extension('/tmp/x.so'); END;")
        << "trigger \"t\"";
    QTest::newRow("another settings table") << QByteArray("fresh:CREATE TABLE settings(x INTEGER);") << "is not as Quillarren makes it";
    QTest::newRow("a generated value")
        << QByteArray("fresh:CREATE TABLE settings(application TEXT NOT NULL, section TEXT NOT NULL, key TEXT NOT NULL,"
                      " value TEXT GENERATED ALWAYS AS (key || 'x'), PRIMARY KEY(application, section, key));")
        << "is not as Quillarren makes it";
    QTest::newRow("a view") << QByteArray("CREATE VIEW v AS SELECT * FROM settings;") << "view \"v\"";
    QTest::newRow("an index") << QByteArray("CREATE INDEX i ON settings(value);") << "index \"i\"";
    QTest::newRow("a table of its own") << QByteArray("CREATE TABLE extra(a);") << "table \"extra\"";
    QTest::newRow("a FIFO") << QByteArray("fifo") << "is not a file";
    QTest::newRow("pragmas of its own, left behind") << QByteArray("PRAGMA user_version=77; PRAGMA application_id=5;") << "";
}

// A backup is restored for its rows alone: a file with anything a store of ours does not hold is
// refused and nothing changes; a good one leaves none of its own pragmas in the store.
void TestFiles::restoreTakesOnlyWhatAStoreOfOursHolds()
{
    QFETCH(QByteArray, statements);
    QFETCH(QString, said);
    TestProgram t;
    t.seedNotes({"from the backup"});
    t.start();
    QString error;
    const QString backup = Backups(t.storePath()).makeNow(QDateTime::currentDateTime().addDays(-1), &error).value_or(QString());
    QVERIFY2(!backup.isEmpty(), qPrintable(error));
    QTemporaryDir files;
    const QString file = files.filePath(QStringLiteral("given.sqlite3"));
    if (statements == "fifo")
        QCOMPARE(::mkfifo(QFile::encodeName(file).constData(), 0600), 0);
    else if (statements.startsWith("fresh:"))
        sql(file, statements.mid(6));
    else
        QVERIFY(QFile::copy(backup, file));
    if (!statements.startsWith("fresh:") && statements != "fifo")
        sql(file, statements);
    QTest::keyClicks(t.notes().constFirst()->textField(), QStringLiteral("now "));

    const NoteVerbs::Reply reply = NoteVerbs(t.program()).restoreBackup(file);
    if (said.isEmpty()) {
        QVERIFY2(reply.status == 0, qPrintable(reply.output));
        QCOMPARE(t.texts(), QStringList{"from the backup"});
        QCOMPARE(sql(t.storePath(), "PRAGMA user_version"), QStringLiteral("0"));
        QCOMPARE(sql(t.storePath(), "PRAGMA application_id"), QStringLiteral("0"));
    } else {
        QCOMPARE(reply.status, 1);
        QVERIFY2(reply.output.contains(said) && reply.output.contains(QLatin1String("Nothing was changed")),
                 qPrintable(reply.output));
        QCOMPARE(t.texts(), QStringList{"now from the backup"});
    }
    // The store goes on taking every change, and the next start finds it whole.
    QTest::keyClicks(t.notes().constFirst()->textField(), QStringLiteral("typed "));
    const QString typed = t.texts().constFirst();
    t.restart();
    QCOMPARE(t.texts(), QStringList{typed});
    QVERIFY(StoreCopy::checkOurs(t.storePath(), &error));
}

// A backup is known by the time it holds, not by its name; one dated ahead of now (a wrong clock)
// comes after the real ones, and one the user asked for says so; a killed backup's part goes.
void TestFiles::backupsGoByTheTimeInsideThem()
{
    TestProgram t;
    t.seedNotes({"a note"});
    t.start();
    Backups backups(t.storePath());
    const QDateTime now = QDateTime::currentDateTime();
    QString error;
    const std::optional<QString> old = backups.makeNow(now.addDays(-3), &error);
    const std::optional<QString> real = backups.makeNow(now.addDays(-1), &error, QString(), true);
    const std::optional<QString> future = backups.makeNow(QDateTime(QDate(2099, 1, 1), QTime(0, 0)), &error);
    QVERIFY(old && real && future);
    const QString renamed = backups.folder() + QStringLiteral("/Quillarren-2098-06-01-000000.sqlite3");
    QVERIFY(QFile::rename(*old, renamed));
    const QString stale = backups.folder() + QStringLiteral("/.Quillarren-2026-01-01-000000.sqlite3.part");
    const QString working = backups.folder() + QStringLiteral("/.Quillarren-2026-01-02-000000.sqlite3.part");
    QVERIFY(OnDisk::writeFile(stale, QByteArray(4096, 's')) && OnDisk::writeFile(working, "w"));
    QFile staleFile(stale);
    QVERIFY(staleFile.open(QIODevice::ReadWrite));
    QVERIFY(staleFile.setFileTime(now.addSecs(-3600), QFileDevice::FileModificationTime));
    staleFile.close();

    const QList<Backups::Entry> listed = backups.list();
    QCOMPARE(listed.size(), 3);
    QCOMPARE(listed.at(0).path, *real);
    QVERIFY(listed.at(0).asked && listed.at(0).trusted);
    QCOMPARE(listed.at(1).path, renamed);
    QCOMPARE(listed.at(1).made.date(), now.addDays(-3).date());
    QCOMPARE(listed.at(2).path, *future);
    QVERIFY(!listed.at(2).trusted);
    QCOMPARE(backups.newestGood()->path, *real);
    QVERIFY(NoteVerbs(t.program()).listBackups().output.contains(QLatin1String("(dated ahead of now)")));

    QVERIFY(backups.makeNow(now, &error));
    QVERIFY(!QFileInfo::exists(stale));
    QVERIFY(QFileInfo::exists(working));
}

QTEST_MAIN(TestFiles)
#include "tst_files.moc"
