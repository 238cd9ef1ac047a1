// The sync folder's rules, offscreen: two computers (two programs, two stores) and one folder
// between them, as a sync engine would carry it, with files changed underneath.

#include "testprogram.h"

#include "commands/notecommands.h"
#include "notefile/notefile.h"
#include "store/noteslots.h"
#include "sync/notesync.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

// One computer: a program on its own store, syncing through the shared folder.
struct Computer
{
    TestProgram t;
    std::unique_ptr<NoteSync> sync;

    Computer(const QString &folder, const QStringList &texts)
    {
        t.seedNotes(texts);
        t.start();
        sync = std::make_unique<NoteSync>(t.program());
        QString said;
        QVERIFY2(sync->setFolder(folder, &said), qPrintable(said));
        look();
    }
    /** One whole look: the folder read off the window thread, then applied. */
    void look()
    {
        QSignalSpy looked(sync.get(), &NoteSync::looked);
        sync->syncNow();
        QTRY_VERIFY(!looked.isEmpty() && !sync->isLooking());
    }
    Form1 *note(const QString &text)
    {
        for (Form1 *n : t.notes()) {
            if (n->Text1()->toPlainText() == text)
                return n;
        }
        return nullptr;
    }
    QString idOf(Form1 *note) { return t.store().get(note->Tag() + NoteKeys::Id); }
    void type(Form1 *note, const QString &text)
    {
        note->Text1()->moveCursor(QTextCursor::End);
        QTest::keyClicks(note->Text1(), text);
    }
    QStringList sorted()
    {
        QStringList texts = t.texts();
        texts.sort();
        return texts;
    }
};

QStringList noteFiles(const QString &folder)
{
    return QDir(folder).entryList({QStringLiteral("*")}, QDir::Files | QDir::Hidden, QDir::Name);
}



} // namespace

class TestSync : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void notesChangesAndDeletesCross();
    void changedOnBothSidesKeepsBoth();
    void conflictCopiesBecomeOneNoteEach();
    void filesNotOursOrBrokenAreLeftAlone_data();
    void filesNotOursOrBrokenAreLeftAlone();
    void aVanishedFolderPausesSyncing();
};

void TestSync::cleanup()
{
    TestProgram::settle();
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

// Every note of both computers ends up on both; a change crosses into the open note without
// moving its cursor; a delete moves it to the trash on the other side; a restart changes nothing.
void TestSync::notesChangesAndDeletesCross()
{
    QTemporaryDir folder;
    Computer a(folder.path(), {"from a", "shared later"});
    Computer b(folder.path(), {"from b"});
    a.look();
    QCOMPARE(a.sorted(), (QStringList{"from a", "from b", "shared later"}));
    QCOMPARE(b.sorted(), (QStringList{"from a", "from b", "shared later"}));
    QCOMPARE(noteFiles(folder.path()).size(), 3);   // one file per note, and nothing else left
    // A note new to a computer opens on its main screen, its place its own from then on.
    QVERIFY(QGuiApplication::primaryScreen()->availableGeometry().contains(b.note("from a")->geometry()));

    Form1 *onB = b.note("shared later");
    b.t.select(onB, 2, 4);
    a.type(a.note("shared later"), QStringLiteral(" and changed"));
    a.look();
    b.look();
    QCOMPARE(onB->Text1()->toPlainText(), QStringLiteral("shared later and changed"));
    QCOMPARE(onB->Text1()->textCursor().anchor(), 2);
    QCOMPARE(onB->Text1()->textCursor().position(), 4);

    const QString id = b.idOf(b.note("from a"));
    b.t.program().CurrentNoteTag = b.note("from a")->Tag();
    b.t.program().commands().DeleteThisNote();
    b.look();
    QVERIFY(TestProgram::readFile(folder.filePath(id + ".json")).contains("\"deleted\": true"));
    a.look();
    QCOMPARE(a.sorted(), (QStringList{"from b", "shared later and changed"}));
    QCOMPARE(a.t.store().trash().constFirst().id, id);

    // Nothing changed anywhere: a restart and a look write nothing and take nothing in.
    const QByteArray before = TestProgram::readFile(folder.filePath(a.idOf(a.note("from b")) + ".json"));
    a.sync.reset();
    a.t.restart();
    a.sync = std::make_unique<NoteSync>(a.t.program());
    a.sync->startFromStore();
    a.look();
    QCOMPARE(a.sorted(), (QStringList{"from b", "shared later and changed"}));
    QCOMPARE(TestProgram::readFile(folder.filePath(a.idOf(a.note("from b")) + ".json")), before);
}

// Both computers change the note before either sees the other's change: both texts stay, on
// both computers, each once; and a file changed underneath is never written over.
void TestSync::changedOnBothSidesKeepsBoth()
{
    QTemporaryDir folder;
    Computer a(folder.path(), {"plan"});
    Computer b(folder.path(), {});
    a.look();
    a.type(a.note("plan"), QStringLiteral(" by a"));
    b.type(b.note("plan"), QStringLiteral(" by b"));
    a.look();
    b.look();
    a.look();
    b.look();
    const QStringList both{"", "plan by a", "plan by b"};   // b started with one empty note of its own
    QCOMPARE(a.sorted(), both);
    QCOMPARE(b.sorted(), both);

    // A file another program changed after it was read is not written over: it is taken in.
    const QString id = a.idOf(a.note("plan by b"));
    const QString path = folder.filePath(id + ".json");
    QByteArray changed = TestProgram::readFile(path);
    changed.replace("plan by b", "plan by c");
    QTest::qWait(1100);   // a file time of its own
    QVERIFY(TestProgram::writeFile(path, changed));
    a.type(a.note("plan by b"), QStringLiteral("!"));
    a.look();
    a.look();
    QVERIFY(a.sorted().contains(QStringLiteral("plan by c")));
    QVERIFY(a.sorted().contains(QStringLiteral("plan by b!")));
}

// A conflict copy an engine made becomes one separate note, the same on every computer, and
// its own file replaces the copy; a copy that holds what the note holds just goes.
void TestSync::conflictCopiesBecomeOneNoteEach()
{
    QTemporaryDir folder;
    Computer a(folder.path(), {"groceries"});
    Computer b(folder.path(), {});
    a.look();
    const QString id = a.idOf(a.note("groceries"));
    QByteArray copy = TestProgram::readFile(folder.filePath(id + ".json"));
    QVERIFY(TestProgram::writeFile(folder.filePath(id + ".sync-conflict-20261209-101010-ABCDEFG.json"), copy));
    copy.replace("groceries", "groceries and tea");
    const QString syncthingCopy = id + ".sync-conflict-20261209-101011-ABCDEFG.json";
    const QString nextcloudCopy = id + " (conflicted copy 2026-12-09 101012).json";
    QVERIFY(TestProgram::writeFile(folder.filePath(syncthingCopy), copy));
    QVERIFY(TestProgram::writeFile(folder.filePath(nextcloudCopy), QByteArray(copy).replace("and tea", "and cake")));
    b.look();
    a.look();
    b.look();
    const QStringList all{"", "groceries", "groceries and cake", "groceries and tea"};
    QCOMPARE(b.sorted(), all);
    QCOMPARE(a.sorted(), all);
    QCOMPARE(noteFiles(folder.path()).size(), 4);   // no copy left; one file per note
    QCOMPARE(a.idOf(a.note("groceries and tea")), b.idOf(b.note("groceries and tea")));
}

void TestSync::filesNotOursOrBrokenAreLeftAlone_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("told");
    const QString id = QStringLiteral("0b5e7c2a-1111-4222-8333-944455556666");
    const QByteArray note = NoteFile::writeSynced({id, {{NoteKeys::Notes, QStringLiteral("x")}}, false,
                                                   QDateTime::currentDateTimeUtc(), QStringLiteral("c"), QString()});
    QTest::newRow("someone else's file") << "shopping.json" << QByteArray("{\"milk\": 2}") << false;
    QTest::newRow("the engine's temporary") << ".syncthing." + id + ".json.tmp" << note.left(20) << false;
    QTest::newRow("not a note") << id + ".json" << QByteArray("{\"format\": \"something else\"}") << true;
    QTest::newRow("cut short") << id + ".json" << note.left(note.size() / 2) << true;
    QTest::newRow("from a newer format") << id + ".json" << QByteArray(note).replace("\"version\": 1", "\"version\": 9") << true;
    QTest::newRow("another note's id") << QStringLiteral("0b5e7c2a-1111-4222-8333-000000000000.json") << note << true;
}

// A file the program cannot take is never read again unchanged, never written over, and named
// once; the notes here stay as they are.
void TestSync::filesNotOursOrBrokenAreLeftAlone()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(bool, told);
    QTemporaryDir folder;
    QVERIFY(TestProgram::writeFile(folder.filePath(name), content));
    Computer a(folder.path(), {"mine"});
    QSignalSpy messages(a.sync.get(), &NoteSync::told);
    a.look();
    a.look();
    QCOMPARE(messages.size(), 0);   // named at the first look already
    QCOMPARE(a.t.texts(), QStringList{"mine"});
    QCOMPARE(TestProgram::readFile(folder.filePath(name)), content);
    a.sync.reset();
    a.t.restart();
    a.sync = std::make_unique<NoteSync>(a.t.program());
    QSignalSpy again(a.sync.get(), &NoteSync::told);
    a.sync->startFromStore();
    a.look();
    QCOMPARE(again.size(), told ? 1 : 0);
    QCOMPARE(TestProgram::readFile(folder.filePath(name)), content);
}

// A folder that goes (an unmounted disk) pauses syncing with one message; typing goes on into
// the store; when the folder is back, what was typed meanwhile is written.
void TestSync::aVanishedFolderPausesSyncing()
{
    QTemporaryDir parent;
    const QString path = parent.filePath(QStringLiteral("Notes"));
    QVERIFY(QDir().mkpath(path));
    Computer a(path, {"note"});
    QSignalSpy messages(a.sync.get(), &NoteSync::told);
    QVERIFY(QDir().rename(path, path + QStringLiteral("-away")));
    a.type(a.note("note"), QStringLiteral(" typed while away"));
    a.look();
    a.look();
    QCOMPARE(messages.size(), 1);
    QVERIFY(!QFileInfo::exists(path));   // never made again in its place
    QCOMPARE(a.t.store().get(QStringLiteral("NotesForm1.Notes")), QStringLiteral("note typed while away"));
    QVERIFY(QDir().rename(path + QStringLiteral("-away"), path));
    a.look();
    QCOMPARE(messages.size(), 2);
    const QString file = path + QLatin1Char('/') + a.idOf(a.note("note typed while away")) + ".json";
    QVERIFY(TestProgram::readFile(file).contains("note typed while away"));
}

QTEST_MAIN(TestSync)
#include "tst_sync.moc"
