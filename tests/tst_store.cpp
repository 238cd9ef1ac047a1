// The settings store on a real SQLite file in a temporary folder, and the conversions callers
// use on what they read back.

#include "base/store/conversions.h"
#include "base/store/notekeys.h"
#include "base/store/settingsstore.h"
#include "ondisk.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <QThread>

#include <sqlite3.h>
#include <sys/stat.h>

#include <csignal>
#include <cstdio>
#include <memory>
#include <optional>
#include <random>

#include <sys/resource.h>
#include <unistd.h>

namespace {

const char *const ChildSwitch = "--save-then-wait";

using OnDisk::readFile;
using OnDisk::writeFile;

QByteArray garbage(int size, unsigned seed)
{
    std::mt19937 generator(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char &byte : bytes)
        byte = char(generator() & 0xff);
    return bytes;
}

// Makes every write of this process past the first byte of a file fail, as on a full disk.
// Root ignores file permissions, but not this limit.
class FileSizeLimit
{
public:
    FileSizeLimit()
    {
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);   // fail the write instead of killing us
        getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit tight = m_old;
        tight.rlim_cur = 1;
        m_active = setrlimit(RLIMIT_FSIZE, &tight) == 0;
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    bool isActive() const { return m_active; }

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = SIG_DFL;
    bool m_active = false;
};

QString killTestText(int edit)
{
    return QStringLiteral("edit %1\r\nsecond line\n\tindented").arg(edit) + QString(3000, QLatin1Char('q'));
}

constexpr int KillTestEdits = 40;

// The child side of saveSurvivesKill: saves as the note window does on every keystroke, says so,
// then waits to be killed.
int saveThenWait(const QString &path)
{
    SettingsStore store;
    if (!store.open(path).ok)
        return 2;
    for (int edit = 1; edit <= KillTestEdits; ++edit) {
        if (!store.save(NoteKeys::tagFor(1) + NoteKeys::Notes, killTestText(edit)))
            return 3;
    }
    if (!store.saveMany({{NoteKeys::TotalForms, QStringLiteral("2")},
                         {NoteKeys::tagFor(2) + NoteKeys::Notes, QStringLiteral("second note")},
                         {NoteKeys::tagFor(2) + NoteKeys::Left, QStringLiteral("1200")}}))
        return 3;
    std::fputs("saved\n", stdout);
    std::fflush(stdout);
    for (;;)
        pause();
}

const char *const HeldChildSwitch = "--type-while-held";
const char *const EditChildSwitch = "--edit-long-note";

QString longNote()
{
    QString text;
    for (int line = 0; text.size() < 100000; ++line)
        text += QStringLiteral("line %1 of a long note\n").arg(line);
    return text;
}

// The child side of editsOfALongNoteSurviveAKill: stores a long note, changes it in place as
// keystrokes do, says so, then waits to be killed before the changes reach the file.
int editLongNote(const QString &path)
{
    SettingsStore store;
    store.open(path);
    const QString key = NoteKeys::tagFor(1) + NoteKeys::Notes;
    if (!store.save(key, longNote()) || !store.saveEdit(key, 0, 4, QStringLiteral("LINE"))
        || !store.saveEdit(key, 50000, 0, QStringLiteral("typed\nhere")) || !store.saveEdit(key, 99990, 10, QString()))
        return 3;
    std::fputs("edited\n", stdout);
    std::fflush(stdout);
    for (;;)
        pause();
}

// The child side of typingWhileHeldSurvivesKill: types into a store another process holds, says
// so, then waits to be killed.
int typeWhileHeld(const QString &path)
{
    SettingsStore store;
    store.open(path);
    const QString notes = NoteKeys::tagFor(1) + NoteKeys::Notes;
    for (const QString &typed : {QStringLiteral("t"), QStringLiteral("ty"), QStringLiteral("typed while held")}) {
        if (store.save(notes, typed))
            return 3;   // the hold did not hold
    }
    std::fputs("typed\n", stdout);
    std::fflush(stdout);
    for (;;)
        pause();
}

// Holds the store's write lock from another connection, as another program would.
class Holder
{
public:
    explicit Holder(const QString &path) : m_raw(path) { m_held = m_raw.exec("BEGIN IMMEDIATE"); }
    bool isHolding() const { return m_held; }
    void release() { m_raw.exec("COMMIT"); }

private:
    RawDb m_raw;
    bool m_held = false;
};

} // namespace

class StoreTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;

    // A folder below the temporary one, so opening also has to create it.
    QString storePath() const { return m_dir->filePath(QStringLiteral("Brimvale/Quillarren.sqlite3")); }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
    }

    void cleanup() { m_dir.reset(); }

    void defaultsOnRead_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("defaultValue");   // null: the caller gives none
        QTest::addColumn<QString>("expected");

        QTest::newRow("absent count gives the caller's 1") << NoteKeys::TotalForms << QStringLiteral("1")
                                                            << QStringLiteral("1");
        QTest::newRow("absent left gives 500") << QStringLiteral("NotesForm1.Left") << QStringLiteral("500")
                                               << QStringLiteral("500");
        QTest::newRow("absent key without default is empty")
            << QStringLiteral("NotesForm1.Font") << QString() << QString();
        QTest::newRow("stored empty text beats the default")
            << QStringLiteral("NotesForm1.Notes") << QStringLiteral("default") << QString();
        QTest::newRow("stored value beats the default")
            << QStringLiteral("NotesForm1.Translucency") << QStringLiteral("200") << QStringLiteral("120");
    }

    void defaultsOnRead()
    {
        QFETCH(QString, key);
        QFETCH(QString, defaultValue);
        QFETCH(QString, expected);

        {
            SettingsStore store;
            QVERIFY(store.open(storePath()).ok);
            QVERIFY(store.saveMany({{QStringLiteral("NotesForm1.Notes"), QString()},
                                    {QStringLiteral("NotesForm1.Translucency"), QStringLiteral("120")}}));
        }
        // Read back from the file by a new run, not from what this one remembers.
        SettingsStore store;
        QVERIFY(store.open(storePath()).ok);
        const QString got = defaultValue.isNull() ? store.get(key) : store.get(key, defaultValue);
        QCOMPARE(got, expected);
    }

    void nothingIsDeleted()
    {
        const QString tag = NoteKeys::tagFor(3);
        {
            SettingsStore store;
            QVERIFY(store.open(storePath()).ok);
            std::vector<std::pair<QString, QString>> record;
            for (const QString &suffix : NoteKeys::AllSuffixes)
                record.emplace_back(tag + suffix, QStringLiteral("value of ") + suffix);
            QVERIFY(store.saveMany(record));
            QVERIFY(store.save(NoteKeys::TotalForms, QStringLiteral("3")));
        }
        {
            // A later run saves other keys and empties the text, as deleting the note does.
            SettingsStore store;
            QVERIFY(store.open(storePath()).ok);
            QVERIFY(store.save(tag + NoteKeys::Notes, QString()));
            QVERIFY(store.save(NoteKeys::TotalForms, QStringLiteral("2")));
            QVERIFY(store.saveMany({{NoteKeys::tagFor(1) + NoteKeys::Left, QStringLiteral("900")}}));
        }
        SettingsStore store;
        QVERIFY(store.open(storePath()).ok);
        RawDb raw(storePath());
        for (const QString &suffix : NoteKeys::AllSuffixes) {
            const QString expected = suffix == NoteKeys::Notes ? QString() : QStringLiteral("value of ") + suffix;
            QVERIFY2(store.contains(tag + suffix), qPrintable(tag + suffix));
            QCOMPARE(store.get(tag + suffix, QStringLiteral("absent")), expected);
            QCOMPARE(raw.value(tag + suffix).value_or(QStringLiteral("absent")), expected);
        }
        QCOMPARE(store.get(NoteKeys::TotalForms), QStringLiteral("2"));
        QCOMPARE(store.keys().size(), NoteKeys::AllSuffixes.size() + 2);
    }

    void textKeptExactly_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");

        const QString notes = NoteKeys::tagFor(1) + NoteKeys::Notes;
        QTest::newRow("CR LF line breaks") << notes << QStringLiteral("first\r\nsecond\r\n");
        QTest::newRow("bare LF and bare CR") << notes << QStringLiteral("a\nb\rc\n\n");
        QTest::newRow("blanks and tabs at the ends") << notes << QStringLiteral("  \tpadded\t  ");
        QTest::newRow("only line breaks") << notes << QStringLiteral("\r\n\r\n");
        QTest::newRow("non-Latin text and emoji") << notes << QStringLiteral("Grüße, 日本語, \U0001F4DD ✓");
        QTest::newRow("quotes and SQL") << notes << QStringLiteral("it's \"'; DROP TABLE settings; --");
        QTest::newRow("embedded NUL") << notes << QString::fromUtf16(u"before\0after", 12);
        QTest::newRow("long text") << notes << QString(200000, QLatin1Char('w')) + QStringLiteral("\r\nend");
        QTest::newRow("key with a blank") << NoteKeys::TotalForms << QStringLiteral("4");
        QTest::newRow("non-Latin key") << QStringLiteral("NotesForm1.Ünïcödé") << QStringLiteral("x");
    }

    void textKeptExactly()
    {
        QFETCH(QString, key);
        QFETCH(QString, value);
        {
            SettingsStore store;
            QVERIFY(store.open(storePath()).ok);
            QVERIFY(store.save(key, value));
            QCOMPARE(store.get(key), value);
            RawDb raw(storePath());
            QCOMPARE(raw.value(key), std::optional<QString>(value));
        }
        SettingsStore store;
        QVERIFY(store.open(storePath()).ok);
        QCOMPARE(store.get(key), value);
    }

    void coloursAsSignedDecimal_data()
    {
        QTest::addColumn<quint32>("colour");
        QTest::addColumn<QString>("text");

        QTest::newRow("button face system colour") << quint32(0x8000000F) << QStringLiteral("-2147483633");
        QTest::newRow("lowest system colour") << quint32(0x80000000) << QStringLiteral("-2147483648");
        QTest::newRow("light yellow") << quint32(0x00C0FFFF) << QStringLiteral("12648447");
        QTest::newRow("white") << quint32(0x00FFFFFF) << QStringLiteral("16777215");
        QTest::newRow("black") << quint32(0) << QStringLiteral("0");
    }

    void coloursAsSignedDecimal()
    {
        QFETCH(quint32, colour);
        QFETCH(QString, text);
        const QString key = NoteKeys::tagFor(1) + NoteKeys::BackColor;
        {
            SettingsStore store;
            QVERIFY(store.open(storePath()).ok);
            QVERIFY(store.save(key, QString::number(qint32(colour))));
        }
        SettingsStore store;
        QVERIFY(store.open(storePath()).ok);
        QCOMPARE(store.get(key), text);
        const auto read = Conversions::toInt32(store.get(key));
        QVERIFY(read.has_value());
        QCOMPARE(quint32(*read), colour);
    }

    void fontSizeKeepsFraction_data()
    {
        QTest::addColumn<float>("size");
        QTest::addColumn<QString>("text");

        QTest::newRow("quarter point from Quit") << 9.75f << QStringLiteral("9.75");
        QTest::newRow("half point") << 10.5f << QStringLiteral("10.5");
        QTest::newRow("inexact in binary") << 11.3f << QStringLiteral("11.3");
        QTest::newRow("whole size from the Font command") << 9.0f << QStringLiteral("9");
        QTest::newRow("large whole size") << 72.0f << QStringLiteral("72");
    }

    void fontSizeKeepsFraction()
    {
        QFETCH(float, size);
        QFETCH(QString, text);
        const QString key = NoteKeys::tagFor(1) + NoteKeys::Size;
        {
            SettingsStore store;
            QVERIFY(store.open(storePath()).ok);
            QVERIFY(store.save(key, Conversions::fromSingle(size)));
        }
        SettingsStore store;
        QVERIFY(store.open(storePath()).ok);
        QCOMPARE(store.get(key), text);
        QCOMPARE(Conversions::toSingle(store.get(key)), std::optional<float>(size));
    }

    void unchangedSaveWritesNothing()
    {
        const QString notes = NoteKeys::tagFor(1) + NoteKeys::Notes;
        const QString left = NoteKeys::tagFor(1) + NoteKeys::Left;
        const QString font = NoteKeys::tagFor(1) + NoteKeys::Font;
        {
            SettingsStore store;
            QVERIFY(store.open(storePath()).ok);
            QVERIFY(store.saveMany({{notes, QStringLiteral("text")}, {left, QStringLiteral("500")}}));

            RawDb watcher(storePath());
            QVERIFY(watcher.logWrites());
            QVERIFY(store.save(notes, QStringLiteral("text!")));
            QCOMPARE(watcher.loggedWrites(), 1);

            QVERIFY(store.save(notes, QStringLiteral("text!")));
            QVERIFY(store.saveMany({{notes, QStringLiteral("text!")}, {left, QStringLiteral("500")}}));
            QCOMPARE(watcher.loggedWrites(), 1);

            // Only the changed one of a batch is written.
            QVERIFY(store.saveMany({{notes, QStringLiteral("text!")}, {left, QStringLiteral("600")}}));
            QCOMPARE(watcher.loggedWrites(), 2);

            // A new key stored as empty text is still a write: it creates the key.
            QVERIFY(store.save(font, QString()));
            QCOMPARE(watcher.loggedWrites(), 3);
        }
        // Values loaded from the file count as stored too.
        SettingsStore store;
        QVERIFY(store.open(storePath()).ok);
        RawDb watcher(storePath());
        QVERIFY(store.save(notes, QStringLiteral("text!")));
        QVERIFY(store.save(font, QString()));
        QCOMPARE(watcher.loggedWrites(), 3);
    }

    void saveManyIsAllOrNothing()
    {
        const QString first = NoteKeys::tagFor(1) + NoteKeys::Left;
        const QString refused = NoteKeys::tagFor(1) + NoteKeys::Top;
        const QString last = NoteKeys::tagFor(1) + NoteKeys::Font;

        SettingsStore store;
        QVERIFY(store.open(storePath()).ok);
        QVERIFY(store.save(first, QStringLiteral("100")));
        QSignalSpy failed(&store, &SettingsStore::writeFailed);
        QSignalSpy recovered(&store, &SettingsStore::writeRecovered);

        // The file refuses one row of the batch, after an earlier row has already gone in.
        RawDb raw(storePath());
        QVERIFY(raw.exec("CREATE TRIGGER refuse BEFORE INSERT ON settings"
                         " WHEN NEW.key = 'NotesForm1.Top' BEGIN SELECT RAISE(ABORT, 'refused'); END"));
        QVERIFY(!store.saveMany({{first, QStringLiteral("200")},
                                 {refused, QStringLiteral("300")},
                                 {last, QStringLiteral("Arial")}}));
        QCOMPARE(failed.count(), 1);

        QCOMPARE(raw.value(first), std::optional<QString>(QStringLiteral("100")));
        QCOMPARE(raw.value(refused), std::nullopt);
        QCOMPARE(raw.value(last), std::nullopt);
        // Nothing the user did is lost meanwhile.
        QCOMPARE(store.get(first), QStringLiteral("200"));
        QCOMPARE(store.get(refused), QStringLiteral("300"));
        QCOMPARE(store.get(last), QStringLiteral("Arial"));
        QCOMPARE(store.pendingCount(), 3);

        QVERIFY(raw.exec("DROP TRIGGER refuse"));
        QVERIFY(store.flushPending());
        QCOMPARE(recovered.count(), 1);
        QCOMPARE(store.pendingCount(), 0);
        QCOMPARE(raw.value(first), std::optional<QString>(QStringLiteral("200")));
        QCOMPARE(raw.value(refused), std::optional<QString>(QStringLiteral("300")));
        QCOMPARE(raw.value(last), std::optional<QString>(QStringLiteral("Arial")));
    }

    void saveSurvivesKill()
    {
        QProcess child;
        child.setProgram(QCoreApplication::applicationFilePath());
        child.setArguments({QString::fromLatin1(ChildSwitch), storePath()});
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start();
        QVERIFY(child.waitForStarted());
        while (!child.canReadLine() && child.state() == QProcess::Running)
            child.waitForReadyRead(30000);
        QCOMPARE(child.readLine(), QByteArray("saved\n"));

        child.kill();   // SIGKILL: no destructor, no flush, no checkpoint
        QVERIFY(child.waitForFinished());
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);

        SettingsStore store;
        QVERIFY(store.open(storePath()).ok);
        QCOMPARE(store.get(NoteKeys::tagFor(1) + NoteKeys::Notes), killTestText(KillTestEdits));
        QCOMPARE(store.get(NoteKeys::TotalForms), QStringLiteral("2"));
        QCOMPARE(store.get(NoteKeys::tagFor(2) + NoteKeys::Notes), QStringLiteral("second note"));
        QCOMPARE(store.get(NoteKeys::tagFor(2) + NoteKeys::Left), QStringLiteral("1200"));
    }

    void damagedFileKeptAside_data()
    {
        QTest::addColumn<QByteArray>("damaged");

        QTest::newRow("random bytes") << garbage(8192, 1);
        QTest::newRow("short text file") << QByteArray("these are not my notes\n");

        // A real store whose pages after the first were overwritten: the header still looks right.
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("store.sqlite3"));
        {
            SettingsStore store;
            store.open(path);
            for (int index = 1; index <= 60; ++index)
                store.save(NoteKeys::tagFor(index) + NoteKeys::Notes, QString(200, QLatin1Char('n')));
        }
        QByteArray bytes = readFile(path);
        QVERIFY(bytes.size() > 3 * 4096);
        bytes.replace(4096, bytes.size() - 4096, garbage(bytes.size() - 4096, 2));
        QTest::newRow("pages overwritten") << bytes;

        // An older store in rollback mode whose table page was zeroed: its first page is intact, so
        // only reading everything finds the damage, and nothing may be written before that.
        const QString older = dir.filePath(QStringLiteral("older.sqlite3"));
        QVERIFY(writeFile(older, QByteArray()));
        {
            RawDb raw(older);
            QVERIFY(raw.exec("CREATE TABLE settings(application TEXT, section TEXT, key TEXT, value TEXT,"
                             " PRIMARY KEY(application, section, key));"));
            for (int index = 1; index <= 60; ++index)
                QVERIFY(raw.exec(QStringLiteral("INSERT INTO settings VALUES('Brimvale', 'Quillarren', "
                                                "'NotesForm%1.Notes', '%2')")
                                     .arg(index)
                                     .arg(QString(200, QLatin1Char('n')))
                                     .toUtf8()
                                     .constData()));
        }
        bytes = readFile(older);
        bytes.replace(4096, 4096, QByteArray(4096, '\0'));
        QTest::newRow("table page zeroed") << bytes;
    }

    void damagedFileKeptAside()
    {
        QFETCH(QByteArray, damaged);
        QVERIFY(writeFile(storePath(), damaged));

        QString aside;
        {
            SettingsStore store;
            const SettingsStore::OpenResult opened = store.open(storePath());
            QVERIFY2(opened.ok, qPrintable(opened.error));
            aside = opened.movedAsideTo;
            QVERIFY(aside.startsWith(storePath() + QStringLiteral(".damaged-")));
            QCOMPARE(readFile(aside), damaged);
            QVERIFY(store.keys().isEmpty());
            QVERIFY(store.save(NoteKeys::TotalForms, QStringLiteral("1")));
        }
        {
            SettingsStore store;
            const SettingsStore::OpenResult opened = store.open(storePath());
            QVERIFY(opened.ok);
            QVERIFY(opened.movedAsideTo.isEmpty());
            QCOMPARE(store.get(NoteKeys::TotalForms), QStringLiteral("1"));
        }

        // Damaged again within the same second: the first kept file must not be replaced.
        const QByteArray again = garbage(5000, 3);
        QVERIFY(writeFile(storePath(), again));
        SettingsStore store;
        const SettingsStore::OpenResult opened = store.open(storePath());
        QVERIFY(opened.ok);
        QVERIFY(!opened.movedAsideTo.isEmpty());
        QVERIFY(opened.movedAsideTo != aside);
        QCOMPARE(readFile(opened.movedAsideTo), again);
        QCOMPARE(readFile(aside), damaged);
    }

    // Root passes every permission check, so a read-only folder would not stop the writes; a
    // file where the store's folder belongs stops them for anyone.
    void unopenableStoreKeepsValues()
    {
        const QString folder = QFileInfo(storePath()).absolutePath();
        QVERIFY(writeFile(folder, "in the way"));
        const QString notes = NoteKeys::tagFor(1) + NoteKeys::Notes;

        SettingsStore store;
        QSignalSpy failed(&store, &SettingsStore::writeFailed);
        QSignalSpy recovered(&store, &SettingsStore::writeRecovered);
        const SettingsStore::OpenResult opened = store.open(storePath());
        QVERIFY(!opened.ok);
        QVERIFY(!opened.error.isEmpty());
        QVERIFY(opened.readable);   // nothing was there to read: the notes start empty

        QVERIFY(!store.save(notes, QStringLiteral("typed anyway")));
        QVERIFY(!store.flushPending());
        QCOMPARE(store.get(notes), QStringLiteral("typed anyway"));
        QCOMPARE(store.pendingCount(), 1);
        // open() already told the caller; each failed retry must not tell again.
        QCOMPARE(failed.count(), 0);

        QVERIFY(QFile::remove(folder));
        QVERIFY(store.flushPending());
        QCOMPARE(store.pendingCount(), 0);
        QCOMPARE(recovered.count(), 1);

        RawDb raw(storePath());
        QCOMPARE(raw.value(notes), std::optional<QString>(QStringLiteral("typed anyway")));
    }

    // Another program holds the store: typing never waits for it, nothing is lost, and what it
    // could not take is written as soon as it lets go.
    void heldStoreTakesTypingLater()
    {
        const QString notes = NoteKeys::tagFor(1) + NoteKeys::Notes;
        SettingsStore store;
        QVERIFY(store.open(storePath()).ok);
        QSignalSpy failed(&store, &SettingsStore::writeFailed);
        Holder holder(storePath());
        QVERIFY(holder.isHolding());
        QVERIFY(!store.save(notes, QStringLiteral("typed while")));
        QVERIFY(!store.save(notes, QStringLiteral("typed while held")));
        QCOMPARE(store.get(notes), QStringLiteral("typed while held"));
        QCOMPARE(failed.count(), 0);   // a short hold is nothing to tell the user about
        holder.release();
        QTRY_COMPARE(store.pendingCount(), 0);   // the retry comes by itself
        QCOMPARE(RawDb(storePath()).value(notes), std::optional<QString>(QStringLiteral("typed while held")));
        QVERIFY(!QFileInfo(QFileInfo(storePath()).absolutePath() + "/Quillarren.pending").size());
    }

    void typingWhileHeldSurvivesKill()
    {
        { SettingsStore store; QVERIFY(store.open(storePath()).ok); }
        Holder holder(storePath());
        QVERIFY(holder.isHolding());
        QProcess child;
        child.setProgram(QCoreApplication::applicationFilePath());
        child.setArguments({QString::fromLatin1(HeldChildSwitch), storePath()});
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start();
        QVERIFY(child.waitForStarted());
        while (!child.canReadLine() && child.state() == QProcess::Running)
            child.waitForReadyRead(30000);
        QCOMPARE(child.readLine(), QByteArray("typed\n"));
        child.kill();
        QVERIFY(child.waitForFinished());
        holder.release();

        SettingsStore store;
        QVERIFY(store.open(storePath()).ok);
        QCOMPARE(store.get(NoteKeys::tagFor(1) + NoteKeys::Notes), QStringLiteral("typed while held"));
        QCOMPARE(store.pendingCount(), 0);
        QCOMPARE(RawDb(storePath()).value(NoteKeys::tagFor(1) + NoteKeys::Notes),
                 std::optional<QString>(QStringLiteral("typed while held")));
    }

    // A long note's keystrokes are kept as changes in the journal until a pause writes the text:
    // a kill meanwhile loses none, and a journal that outlived its changes' write (a power cut
    // before it was emptied) does not apply them twice.
    void editsOfALongNoteSurviveAKill()
    {
        QProcess child;
        child.setProgram(QCoreApplication::applicationFilePath());
        child.setArguments({QString::fromLatin1(EditChildSwitch), storePath()});
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start();
        QVERIFY(child.waitForStarted());
        while (!child.canReadLine() && child.state() == QProcess::Running)
            child.waitForReadyRead(30000);
        QCOMPARE(child.readLine(), QByteArray("edited\n"));
        child.kill();
        QVERIFY(child.waitForFinished());

        QString expected = longNote();
        expected.replace(0, 4, QStringLiteral("LINE"));
        expected.insert(50000, QStringLiteral("typed\nhere"));
        expected.remove(99990, 10);
        const QString key = NoteKeys::tagFor(1) + NoteKeys::Notes;
        const QString journal = QFileInfo(storePath()).absolutePath() + QStringLiteral("/Quillarren.pending");
        const QByteArray journaled = readFile(journal);
        QVERIFY(!journaled.isEmpty());
        for (int start = 1; start <= 2; ++start) {
            {
                SettingsStore store;
                QVERIFY(store.open(storePath()).ok);
                QCOMPARE(store.get(key), expected);
                QCOMPARE(store.pendingCount(), 0);
            }
            QCOMPARE(RawDb(storePath()).value(key), std::optional<QString>(expected));
            QCOMPARE(readFile(journal), QByteArray());
            QVERIFY(writeFile(journal, journaled));   // as if emptying it had not reached the disk
        }
    }

    // A renumbering kept beside a held store comes back whole, or, cut short by a power cut, not
    // at all: never half of it.
    void heldBatchComesBackWholeOrNotAtAll()
    {
        const QString journal = QFileInfo(storePath()).absolutePath() + QStringLiteral("/Quillarren.pending");
        const std::vector<std::pair<QString, QString>> batch{
            {NoteKeys::TotalForms, QStringLiteral("2")},
            {NoteKeys::tagFor(1) + NoteKeys::Notes, QStringLiteral("was second")},
            {NoteKeys::tagFor(2) + NoteKeys::Notes, QStringLiteral("was third")}};
        for (const bool torn : {false, true}) {
            QDir(QFileInfo(storePath()).absolutePath()).removeRecursively();
            {
                std::optional<Holder> holder;
                SettingsStore store;
                QVERIFY(store.open(storePath()).ok);
                QVERIFY(store.save(NoteKeys::TotalForms, QStringLiteral("3")));
                holder.emplace(storePath());
                QVERIFY(holder->isHolding());
                QVERIFY(!store.saveMany(batch));
                QVERIFY(!store.flushPending());
            }   // the store goes first, while it is still held: the batch is only in the journal
            const QByteArray bytes = readFile(journal);
            QVERIFY(writeFile(journal, torn ? bytes.left(bytes.size() - 3) : bytes));
            SettingsStore store;
            QVERIFY(store.open(storePath()).ok);
            QCOMPARE(store.get(NoteKeys::TotalForms), torn ? QStringLiteral("3") : QStringLiteral("2"));
            QCOMPARE(store.get(NoteKeys::tagFor(2) + NoteKeys::Notes), torn ? QString() : QStringLiteral("was third"));
            QCOMPARE(store.get(NoteKeys::tagFor(1) + NoteKeys::Notes), torn ? QString() : QStringLiteral("was second"));
            store.flushPending();
        }
    }

    // An older store (rollback journal) held by another program for a moment is waited for.
    void startUpWaitsForAHeldStore()
    {
        QVERIFY(QDir().mkpath(QFileInfo(storePath()).absolutePath()));
        QVERIFY(writeFile(storePath(), QByteArray()));
        {
            RawDb raw(storePath());
            QVERIFY(raw.exec("CREATE TABLE settings(application TEXT, section TEXT, key TEXT, value TEXT,"
                             " PRIMARY KEY(application, section, key));"
                             "INSERT INTO settings VALUES('Brimvale', 'Quillarren', 'Total Forms', '1');"));
        }
        QThread *holding = QThread::create([path = storePath()] {
            Holder holder(path);
            QThread::msleep(1500);
            holder.release();
        });
        holding->start();
        QThread::msleep(300);
        SettingsStore store;
        const SettingsStore::OpenResult opened = store.open(storePath());
        holding->wait();
        delete holding;
        QVERIFY2(opened.ok, qPrintable(opened.error));
        QCOMPARE(store.get(NoteKeys::TotalForms), QStringLiteral("1"));
        QVERIFY(store.save(NoteKeys::TotalForms, QStringLiteral("2")));
    }

    // A FIFO would block the first read for good, a folder fails it: both are kept aside.
    void notAFileIsKeptAside()
    {
        QVERIFY(QDir().mkpath(QFileInfo(storePath()).absolutePath()));
        QCOMPARE(mkfifo(QFile::encodeName(storePath()).constData(), 0600), 0);
        SettingsStore store;
        const SettingsStore::OpenResult opened = store.open(storePath());
        QVERIFY2(opened.ok, qPrintable(opened.error));
        QVERIFY(QFileInfo(opened.movedAsideTo).isSymLink() || QFileInfo(opened.movedAsideTo).exists());
        QVERIFY(!QFileInfo(opened.movedAsideTo).isFile());
        QVERIFY(store.save(NoteKeys::TotalForms, QStringLiteral("1")));
        QVERIFY(QFileInfo(storePath()).isFile());
    }

    // Other users of the machine must not read anyone's notes, also from a store made before.
    void storeIsPrivate()
    {
        // The user's, group's and others' bits, one hex digit each as `ls -l` shows them in octal.
        const auto mode = [](const QString &path) { return int(QFileInfo(path).permissions() & 0x0777); };
        const QString folder = QFileInfo(storePath()).absolutePath();
        const QStringList files{storePath(), storePath() + "-wal", storePath() + "-shm"};
        for (const bool loosened : {false, true}) {
            SettingsStore store;
            QVERIFY(store.open(storePath()).ok);
            QVERIFY(store.save(NoteKeys::tagFor(1) + NoteKeys::Notes, QStringLiteral("private")));
            QCOMPARE(mode(folder), 0x700);
            for (const QString &file : files)
                QCOMPARE(mode(file), 0x600);
            if (loosened)
                break;
            // As an older program or a copy may have left them.
            for (const QString &file : files)
                QFile::setPermissions(file, QFileDevice::Permissions(0x6644));
            QFile::setPermissions(folder, QFileDevice::Permissions(0x7755));
            QCOMPARE(mode(storePath()), 0x644);
        }
    }

    void fullDiskKeepsValuesAndRecovers()
    {
        const QString notes = NoteKeys::tagFor(1) + NoteKeys::Notes;
        const QString left = NoteKeys::tagFor(1) + NoteKeys::Left;

        SettingsStore store;
        QVERIFY(store.open(storePath()).ok);
        QVERIFY(store.save(notes, QStringLiteral("before")));
        QSignalSpy failed(&store, &SettingsStore::writeFailed);
        QSignalSpy recovered(&store, &SettingsStore::writeRecovered);

        for (int run = 1; run <= 2; ++run) {
            const QString typed = QStringLiteral("typed while full %1").arg(run);
            // Only record results while the limit holds: a failure message written now to a
            // log file would itself be refused.
            bool limited = false;
            QList<bool> saved;
            bool flushed = true;
            {
                FileSizeLimit full;
                limited = full.isActive();
                saved.append(store.save(notes, typed.left(8)));
                saved.append(store.save(notes, typed));
                saved.append(store.save(left, QString::number(run)));
                // Same value again: still not on disk, so still not a success.
                saved.append(store.save(notes, typed));
                flushed = store.flushPending();
            }
            QVERIFY(limited);
            QCOMPARE(saved, QList<bool>({false, false, false, false}));
            QVERIFY(!flushed);
            QCOMPARE(failed.count(), run);   // once per run of failures, not once per save
            QCOMPARE(store.get(notes), typed);
            QCOMPARE(store.pendingCount(), 2);
            {
                RawDb raw(storePath());
                QVERIFY(raw.value(notes) != std::optional<QString>(typed));
            }

            QVERIFY(store.flushPending());
            QCOMPARE(recovered.count(), run);
            QCOMPARE(store.pendingCount(), 0);
            RawDb raw(storePath());
            QCOMPARE(raw.value(notes), std::optional<QString>(typed));
            QCOMPARE(raw.value(left), std::optional<QString>(QString::number(run)));
        }
    }
};

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], ChildSwitch) == 0)
        return saveThenWait(QString::fromLocal8Bit(argv[2]));
    if (argc == 3 && qstrcmp(argv[1], HeldChildSwitch) == 0)
        return typeWhileHeld(QString::fromLocal8Bit(argv[2]));
    if (argc == 3 && qstrcmp(argv[1], EditChildSwitch) == 0)
        return editLongNote(QString::fromLocal8Bit(argv[2]));
    StoreTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_store.moc"
