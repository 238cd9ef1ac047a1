// The sync folder's rules, offscreen: two computers (two programs, two stores) and one folder
// between them, as a sync engine would carry it, with files changed underneath.

#include "testprogram.h"

#include "gui/menu/notecommands.h"
#include "base/notefile/notefile.h"
#include "base/store/noteslots.h"
#include "base/sync/folderscan.h"
#include "gui/sync/notesync.h"
#include "base/sync/syncrules.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTest>

#include <memory>

#include <sys/stat.h>
#include <unistd.h>

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
    NoteWindow *note(const QString &text)
    {
        for (NoteWindow *n : t.notes()) {
            if (n->textField()->toPlainText() == text)
                return n;
        }
        return nullptr;
    }
    QString idOf(NoteWindow *note) { return t.store().get(note->Tag() + NoteKeys::Id); }
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

// As an engine puts a file in place: written beside it, then renamed over it.
bool putInPlace(const QString &path, const QByteArray &bytes)
{
    const QString temporary = path + QStringLiteral(".part");
    return OnDisk::writeFile(temporary, bytes) && ::rename(qPrintable(temporary), qPrintable(path)) == 0;
}

using SyncRules::Action;
using SyncRules::Here;
using SyncRules::There;

} // namespace

Q_DECLARE_METATYPE(SyncRules::Facts)
Q_DECLARE_METATYPE(SyncRules::Action)

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

    void rulesDecideByContentAndEdition_data();
    void rulesDecideByContentAndEdition();
    void engineConflictsKeepEveryText_data();
    void engineConflictsKeepEveryText();
    void sameSizeAndTimeIsStillAChange_data();
    void sameSizeAndTimeIsStillAChange();
    void badIdsAndDamagedFilesStopNothing();
    void anOlderFolderNeverRevertsText();
    void aFolderEmptiedOrMovedPausesSyncing_data();
    void aFolderEmptiedOrMovedPausesSyncing();
    void hostileFilesAreNeitherFollowedNorWaitedFor();
    void aRescanReadsOnlyWhatChanged();
    void deletesAndChangesArriveTogether();
};

void TestSync::cleanup()
{
    TestProgram::expectNoWindowsLeft();
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

    NoteWindow *onB = b.note("shared later");
    b.t.select(onB, 2, 4);
    TestProgram::typeAtEnd(a.note("shared later"), QStringLiteral(" and changed"));
    a.look();
    b.look();
    QCOMPARE(onB->textField()->toPlainText(), QStringLiteral("shared later and changed"));
    QCOMPARE(onB->textField()->textCursor().anchor(), 2);
    QCOMPARE(onB->textField()->textCursor().position(), 4);

    const QString id = b.idOf(b.note("from a"));
    b.t.program().CurrentNoteTag = b.note("from a")->Tag();
    b.t.program().notebook().deleteCurrentNote();
    b.look();
    QVERIFY(OnDisk::readFile(folder.filePath(id + ".json")).contains("\"deleted\": true"));
    a.look();
    QCOMPARE(a.sorted(), (QStringList{"from b", "shared later and changed"}));
    QCOMPARE(a.t.store().trash().constFirst().id, id);

    // Nothing changed anywhere: a restart and a look write nothing and take nothing in.
    const QByteArray before = OnDisk::readFile(folder.filePath(a.idOf(a.note("from b")) + ".json"));
    a.sync.reset();
    a.t.restart();
    a.sync = std::make_unique<NoteSync>(a.t.program());
    a.sync->startFromStore();
    a.look();
    QCOMPARE(a.sorted(), (QStringList{"from b", "shared later and changed"}));
    QCOMPARE(OnDisk::readFile(folder.filePath(a.idOf(a.note("from b")) + ".json")), before);
}

// Both computers change the note before either sees the other's change: both texts stay, on
// both computers, each once; and a file changed underneath is never written over.
void TestSync::changedOnBothSidesKeepsBoth()
{
    QTemporaryDir folder;
    Computer a(folder.path(), {"plan"});
    Computer b(folder.path(), {});
    a.look();
    TestProgram::typeAtEnd(a.note("plan"), QStringLiteral(" by a"));
    TestProgram::typeAtEnd(b.note("plan"), QStringLiteral(" by b"));
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
    QByteArray changed = OnDisk::readFile(path);
    changed.replace("plan by b", "plan by c");
    QTest::qWait(1100);   // a file time of its own
    QVERIFY(OnDisk::writeFile(path, changed));
    TestProgram::typeAtEnd(a.note("plan by b"), QStringLiteral("!"));
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
    QByteArray copy = OnDisk::readFile(folder.filePath(id + ".json"));
    QVERIFY(OnDisk::writeFile(folder.filePath(id + ".sync-conflict-20261209-101010-ABCDEFG.json"), copy));
    copy.replace("groceries", "groceries and tea");
    const QString syncthingCopy = id + ".sync-conflict-20261209-101011-ABCDEFG.json";
    const QString nextcloudCopy = id + " (conflicted copy 2026-12-09 101012).json";
    QVERIFY(OnDisk::writeFile(folder.filePath(syncthingCopy), copy));
    QVERIFY(OnDisk::writeFile(folder.filePath(nextcloudCopy), QByteArray(copy).replace("and tea", "and cake")));
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
    QVERIFY(OnDisk::writeFile(folder.filePath(name), content));
    Computer a(folder.path(), {"mine"});
    QSignalSpy messages(a.sync.get(), &NoteSync::told);
    a.look();
    a.look();
    QCOMPARE(messages.size(), 0);   // named at the first look already
    QCOMPARE(a.t.texts(), QStringList{"mine"});
    QCOMPARE(OnDisk::readFile(folder.filePath(name)), content);
    a.sync.reset();
    a.t.restart();
    a.sync = std::make_unique<NoteSync>(a.t.program());
    QSignalSpy again(a.sync.get(), &NoteSync::told);
    a.sync->startFromStore();
    a.look();
    QCOMPARE(again.size(), told ? 1 : 0);
    QCOMPARE(OnDisk::readFile(folder.filePath(name)), content);
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
    TestProgram::typeAtEnd(a.note("note"), QStringLiteral(" typed while away"));
    a.look();
    a.look();
    QCOMPARE(messages.size(), 1);
    QVERIFY(!QFileInfo::exists(path));   // never made again in its place
    QCOMPARE(a.t.store().get(QStringLiteral("NotesForm1.Notes")), QStringLiteral("note typed while away"));
    QVERIFY(QDir().rename(path + QStringLiteral("-away"), path));
    a.look();
    QCOMPARE(messages.size(), 2);
    const QString file = path + QLatin1Char('/') + a.idOf(a.note("note typed while away")) + ".json";
    QVERIFY(OnDisk::readFile(file).contains("note typed while away"));
}

void TestSync::rulesDecideByContentAndEdition_data()
{
    QTest::addColumn<SyncRules::Facts>("facts");
    QTest::addColumn<SyncRules::Action>("expected");
    // here, mine, there, theirs, their edition, agreed (state, edition), taking in
    const auto row = [](const char *name, Here here, const char *mine, There there, const char *theirs, qint64 edition,
                        SyncRules::Agreed agreed, bool takingIn, Action expected) {
        QTest::newRow(name) << SyncRules::Facts{here, mine, there, theirs, edition, agreed, takingIn} << expected;
    };
    const SyncRules::Agreed a3{"a", 3};
    row("the same on both", Here::Open, "m", There::Note, "m", 4, a3, true, Action::Remember);
    row("changed here only", Here::Open, "m", There::Note, "a", 3, a3, true, Action::Write);
    row("changed there only", Here::Open, "a", There::Note, "t", 4, a3, true, Action::TakeIn);
    row("changed there, editions not known", Here::Open, "a", There::Note, "t", 0, {"a", 0}, true, Action::TakeIn);
    row("changed on both", Here::Open, "m", There::Note, "t", 4, a3, true, Action::MoveMineAside);
    row("edited by hand", Here::Open, "a", There::Note, "t", 3, a3, true, Action::TakeIn);
    row("went back in time", Here::Open, "a", There::Note, "t", 2, a3, true, Action::KeepOlderApart);
    row("went back while changed here", Here::Open, "m", There::Note, "t", 2, a3, true, Action::KeepOlderApart);
    row("deleted there", Here::Open, "a", There::Deleted, "d", 4, a3, true, Action::TakeInDeletion);
    row("deleted there, changed here since", Here::Open, "m", There::Deleted, "d", 4, a3, true, Action::Write);
    row("changed there after deleted here", Here::Deleted, "d", There::Note, "t", 4, {"d", 3}, true, Action::Restore);
    row("an older file over a deletion", Here::Deleted, "d", There::Note, "t", 2, {"d", 3}, true, Action::Write);
    row("new there", Here::None, "", There::Note, "t", 1, {}, true, Action::TakeIn);
    row("new there while ending", Here::None, "", There::Note, "t", 1, {}, false, Action::Nothing);
    row("changed on both while ending", Here::Open, "m", There::Note, "t", 4, a3, false, Action::Nothing);
    row("changed here while ending", Here::Open, "m", There::Note, "a", 3, a3, false, Action::Write);
    row("a damaged file of a note here", Here::Open, "m", There::Damaged, "", 0, a3, true, Action::Write);
    row("a damaged file of no note here", Here::None, "", There::Damaged, "", 0, {}, true, Action::LeaveAlone);
    row("from a newer Quillarren", Here::Open, "m", There::Unusable, "", 0, a3, true, Action::LeaveAlone);
    row("its file went", Here::Open, "a", There::None, "", 0, a3, true, Action::Write);
    row("deleted before the folder knew it", Here::Deleted, "d", There::None, "", 0, {}, true, Action::Nothing);
    row("its deletion's file dropped", Here::Deleted, "d", There::None, "", 0, {"d", 5}, true, Action::Forget);
    row("deleted here, its file went", Here::Deleted, "d", There::None, "", 0, a3, true, Action::Write);
}

// The rules, row by row: "changed" by content against what was last agreed; editions tell a
// version that went back in time.
void TestSync::rulesDecideByContentAndEdition()
{
    QFETCH(SyncRules::Facts, facts);
    QFETCH(SyncRules::Action, expected);
    QCOMPARE(SyncRules::nameOf(SyncRules::decide(facts)), SyncRules::nameOf(expected));
    // What the store keeps of an agreement reads back, and one from before editions too.
    QCOMPARE(SyncRules::Agreed::parse(facts.agreed.stored()).edition, facts.agreed.edition);
    QCOMPARE(SyncRules::Agreed::parse(QStringLiteral("0123abcd")).state, QStringLiteral("0123abcd"));
}

void TestSync::engineConflictsKeepEveryText_data()
{
    QTest::addColumn<QString>("copyName");
    QTest::addColumn<bool>("typedOn");
    QTest::newRow("the engine's copy") << ".sync-conflict-20261210-143000-AAAAAAA.json" << false;
    QTest::newRow("a copy of a copy") << ".sync-conflict-20261210-143000-AAAAAAA.sync-conflict-20261210-143500-BBBBBBB.json"
                                      << false;
    QTest::newRow("typed on after it") << ".sync-conflict-20261210-143000-AAAAAAA.json" << true;
}

// The engine resolved a conflict against this computer: its latest text went to a conflict
// copy, another version to the note's name. Every text stays in a note, each once, on both
// computers; the window on A keeps what was typed in it; no copy stays.
void TestSync::engineConflictsKeepEveryText()
{
    QFETCH(QString, copyName);
    QFETCH(bool, typedOn);
    QTemporaryDir folder;
    Computer a(folder.path(), {"shared"});
    Computer b(folder.path(), {});
    NoteWindow *mine = a.note("shared");
    TestProgram::typeAtEnd(mine, QStringLiteral(" MINE-A"));
    a.look();
    b.look();
    QVERIFY(b.note("shared MINE-A"));
    const QString path = folder.filePath(a.idOf(mine) + ".json");
    const QByteArray ours = OnDisk::readFile(path);
    QVERIFY(QFile::rename(path, folder.filePath(a.idOf(mine) + copyName)));
    QVERIFY(putInPlace(path, QByteArray(ours).replace("shared MINE-A", "shared OTHER")));
    if (typedOn)
        TestProgram::typeAtEnd(mine, QStringLiteral(" and on"));
    for (int i = 0; i < 2; ++i) {
        a.look();
        b.look();
    }
    const QString kept = typedOn ? "shared MINE-A and on" : "shared MINE-A";
    QCOMPARE(mine->textField()->toPlainText(), kept);
    const QStringList all{"", kept, "shared OTHER"};
    QCOMPARE(a.sorted(), all);
    QCOMPARE(b.sorted(), all);
    QCOMPARE(a.idOf(a.note(kept)), b.idOf(b.note(kept)));
    QCOMPARE(noteFiles(folder.path()).size(), 3);   // one file per note, no copy left
}

void TestSync::sameSizeAndTimeIsStillAChange_data()
{
    QTest::addColumn<bool>("inPlace");
    QTest::newRow("put in its place") << false;
    QTest::newRow("written over in place") << true;
}

// Another version of the same size and time is taken in, and the next edit here builds on it.
void TestSync::sameSizeAndTimeIsStillAChange()
{
    QFETCH(bool, inPlace);
    QTemporaryDir folder;
    Computer a(folder.path(), {"abc def"});
    const QString path = folder.filePath(a.idOf(a.note("abc def")) + ".json");
    QFile file(path);
    const QDateTime time = QFileInfo(path).lastModified();
    const QByteArray changed = OnDisk::readFile(path).replace("abc def", "XYZ def");
    QVERIFY(inPlace ? OnDisk::writeFile(path, changed) : putInPlace(path, changed));
    QVERIFY(file.open(QIODevice::ReadWrite) && file.setFileTime(time, QFileDevice::FileModificationTime));
    file.close();
    QCOMPARE(QFileInfo(path).size(), qint64(changed.size()));
    a.look();
    QCOMPARE(a.t.texts(), QStringList{"XYZ def"});
    TestProgram::typeAtEnd(a.note("XYZ def"), QStringLiteral(" more"));
    a.look();
    QVERIFY(OnDisk::readFile(path).contains("XYZ def more"));
}

// A file named for an id no note can have is refused once, and the notes do not grow; a note
// whose file was damaged is written again from here and syncs on.
void TestSync::badIdsAndDamagedFilesStopNothing()
{
    QTemporaryDir folder;
    Computer a(folder.path(), {"kept"});
    QSignalSpy told(a.sync.get(), &NoteSync::told);
    const QString nil = QStringLiteral("00000000-0000-0000-0000-000000000000");
    QVERIFY(OnDisk::writeFile(folder.filePath(nil + ".json"),
                                   NoteFile::writeSynced({nil, {{NoteKeys::Notes, "zero"}, {NoteKeys::Id, nil}}, false,
                                                          QDateTime::currentDateTimeUtc(), "c", "", 1})));
    const QString path = folder.filePath(a.idOf(a.note("kept")) + ".json");
    const QByteArray whole = OnDisk::readFile(path);
    QVERIFY(OnDisk::writeFile(path, whole.left(whole.size() / 2)));
    for (int i = 0; i < 3; ++i)
        a.look();
    QCOMPARE(a.t.texts(), QStringList{"kept"});
    QString error;
    QVERIFY2(NoteFile::readSynced(OnDisk::readFile(path), path, &error), qPrintable(error));   // whole again
    QCOMPARE(told.size(), 1);   // one notice, naming both
    QVERIFY(told.constFirst().constFirst().toString().contains(nil + ".json"));
    QVERIFY(told.constFirst().constFirst().toString().contains("written again"));
    TestProgram::typeAtEnd(a.note("kept"), QStringLiteral(" on"));
    a.look();
    QVERIFY(OnDisk::readFile(path).contains("kept on"));
    QVERIFY(OnDisk::readFile(folder.filePath(nil + ".json")).contains("zero"));
}

// The note's file comes back older (a copy of the folder restored by hand, a disk mounted again):
// the newer text stays the note's, on every computer, and the older one is kept apart.
void TestSync::anOlderFolderNeverRevertsText()
{
    QTemporaryDir folder;
    Computer a(folder.path(), {"plan"});
    Computer b(folder.path(), {});
    const QString path = folder.filePath(a.idOf(a.note("plan")) + ".json");
    const QByteArray older = OnDisk::readFile(path);
    TestProgram::typeAtEnd(a.note("plan"), QStringLiteral(" v2"));
    a.look();
    b.look();
    QVERIFY(putInPlace(path, older));
    for (int i = 0; i < 2; ++i) {
        b.look();
        a.look();
    }
    QVERIFY(a.note("plan v2") && b.note("plan v2"));
    QVERIFY(OnDisk::readFile(path).contains("plan v2"));
    const QStringList all{"", "plan", "plan v2"};
    QCOMPARE(a.sorted(), all);
    QCOMPARE(b.sorted(), all);
}

void TestSync::aFolderEmptiedOrMovedPausesSyncing_data()
{
    QTest::addColumn<bool>("otherDisk");
    QTest::addColumn<bool>("whileClosed");
    QTest::newRow("emptied") << false << false;
    QTest::newRow("another disk mounted there") << true << false;
    QTest::newRow("emptied while the program was closed") << false << true;
}

// The folder is still there but holds none of the notes' files, or sits on another disk (an
// unmounted disk's mount point): one notice, nothing written into it; back, syncing goes on
// with what was typed meanwhile.
void TestSync::aFolderEmptiedOrMovedPausesSyncing()
{
    QFETCH(bool, otherDisk);
    QFETCH(bool, whileClosed);
    QTemporaryDir parent;
    QTemporaryDir elsewhere(QStringLiteral("/dev/shm/quillarren-sync-XXXXXX"));
    struct stat here, there;
    if (otherDisk && (!elsewhere.isValid() || ::stat(qPrintable(parent.path()), &here) != 0
                      || ::stat(qPrintable(elsewhere.path()), &there) != 0 || here.st_dev == there.st_dev))
        QSKIP("no second file system to move the folder to");
    const QString disk = parent.filePath(QStringLiteral("disk"));
    const QString link = parent.filePath(QStringLiteral("Notes"));   // where the mount point would be
    QVERIFY(QDir().mkpath(disk) && QFile::link(disk, link));
    Computer a(link, {"note"});
    const QString name = a.idOf(a.note("note")) + ".json";
    const QByteArray file = OnDisk::readFile(disk + '/' + name);
    QVERIFY(otherDisk ? QFile::remove(link) && QFile::link(elsewhere.path(), link) : QFile::remove(disk + '/' + name));
    if (whileClosed) {
        a.sync.reset();
        a.t.restart();
        a.sync = std::make_unique<NoteSync>(a.t.program());
    }
    QSignalSpy told(a.sync.get(), &NoteSync::told);
    if (whileClosed)
        a.sync->startFromStore();
    TestProgram::typeAtEnd(a.note("note"), QStringLiteral(" typed meanwhile"));
    a.look();
    a.look();
    QCOMPARE(told.size(), 1);
    QVERIFY(noteFiles(link).isEmpty());   // nothing written into it
    QVERIFY(otherDisk ? QFile::remove(link) && QFile::link(disk, link) : OnDisk::writeFile(disk + '/' + name, file));
    a.look();
    QCOMPARE(told.size(), 2);   // back
    QVERIFY(OnDisk::readFile(disk + '/' + name).contains("note typed meanwhile"));
    if (!whileClosed)
        return;
    // Another folder chosen while the program is closed is empty as expected: syncing starts.
    const QString chosen = parent.filePath(QStringLiteral("chosen"));
    QVERIFY(QDir().mkpath(chosen));
    a.sync.reset();
    a.t.store().save(QStringLiteral("Sync Folder"), chosen);
    a.sync = std::make_unique<NoteSync>(a.t.program());
    QSignalSpy none(a.sync.get(), &NoteSync::told);
    a.sync->startFromStore();
    a.look();
    QCOMPARE(none.size(), 0);
    QCOMPARE(noteFiles(chosen), QStringList{name});
}

// Links (the engines carry them), pipes, devices and folders named like a note are neither
// followed nor waited for, at every look; one notice names them all.
void TestSync::hostileFilesAreNeitherFollowedNorWaitedFor()
{
    QTemporaryDir folder;
    QTemporaryDir outside;
    Computer a(folder.path(), {"safe"});
    QSignalSpy told(a.sync.get(), &NoteSync::told);
    const QStringList ids{"0b5e7c2a-1111-4222-8333-000000000001", "0b5e7c2a-1111-4222-8333-000000000002",
                          "0b5e7c2a-1111-4222-8333-000000000003", "0b5e7c2a-1111-4222-8333-000000000004",
                          "0b5e7c2a-1111-4222-8333-000000000005"};
    const auto path = [&](int i) { return folder.filePath(ids.at(i) + ".json"); };
    const QString pipe = outside.filePath("pipe");
    const QString note = outside.filePath("note.json");
    QVERIFY(::mkfifo(qPrintable(pipe), 0600) == 0 && ::mkfifo(qPrintable(path(2)), 0600) == 0);
    QVERIFY(OnDisk::writeFile(note, NoteFile::writeSynced({ids.at(4), {{NoteKeys::Notes, "outside"}, {NoteKeys::Id, ids.at(4)}},
                                                                false, QDateTime::currentDateTimeUtc(), "c", "", 1})));
    QVERIFY(QFile::link("/dev/zero", path(0)) && QFile::link(pipe, path(1)) && QDir().mkdir(path(3))
            && QFile::link(note, path(4)));
    a.look();
    a.look();
    QCOMPARE(a.t.texts(), QStringList{"safe"});
    QCOMPARE(told.size(), 1);
    for (int i = 0; i < ids.size(); ++i) {
        QVERIFY2(told.constFirst().constFirst().toString().contains(ids.at(i)), qPrintable(ids.at(i)));
        QVERIFY(QFileInfo(path(i)).isSymLink() == (i != 2 && i != 3));   // left as they were
    }
}

// A rescan reads again only the files whose stamp changed; a change that keeps the size and the
// time still changes the stamp.
void TestSync::aRescanReadsOnlyWhatChanged()
{
    QTemporaryDir folder;
    const QStringList ids{"0b5e7c2a-1111-4222-8333-000000000001", "0b5e7c2a-1111-4222-8333-000000000002"};
    for (const QString &id : ids)
        QVERIFY(OnDisk::writeFile(folder.filePath(id + ".json"),
                                       NoteFile::writeSynced({id, {{NoteKeys::Notes, "abc"}, {NoteKeys::Id, id}}, false,
                                                              QDateTime::currentDateTimeUtc(), "c", "", 1})));
    QHash<QString, FolderScan::SeenFile> seen = FolderScan::scan(folder.path(), {}).files;
    QCOMPARE(seen.size(), 2);
    for (FolderScan::SeenFile &file : seen)
        file.problem = QStringLiteral("as read before");
    seen = FolderScan::scan(folder.path(), seen).files;
    for (const FolderScan::SeenFile &file : std::as_const(seen))
        QCOMPARE(file.problem, QStringLiteral("as read before"));

    const QString first = folder.filePath(ids.at(0) + ".json");
    const QDateTime time = QFileInfo(first).lastModified();
    QVERIFY(OnDisk::writeFile(first, OnDisk::readFile(first).replace("abc", "XYZ")));
    QFile file(first);
    QVERIFY(file.open(QIODevice::ReadWrite) && file.setFileTime(time, QFileDevice::FileModificationTime));
    file.close();
    seen = FolderScan::scan(folder.path(), seen).files;
    QCOMPARE(seen.value(first).note->values.value(NoteKeys::Notes), QStringLiteral("XYZ"));
    QCOMPARE(seen.value(folder.filePath(ids.at(1) + ".json")).problem, QStringLiteral("as read before"));
}

// A delete and changes of other notes arrive in one look: the deleted note goes into this
// computer's trash as this computer has it, with what was typed here, and every change lands
// in its own note, however the deletion renumbered them.
void TestSync::deletesAndChangesArriveTogether()
{
    QTemporaryDir folder;
    const QStringList texts{"n1", "n2", "n3", "n4", "n5", "n6"};
    Computer a(folder.path(), texts);
    Computer b(folder.path(), {});
    TestProgram::typeAtEnd(a.note("n1"), QStringLiteral(" typed on A"));
    a.look();
    b.look();
    const QString id = a.idOf(a.note("n1 typed on A"));
    QStringList expected{""};
    for (const QString &text : texts.mid(1)) {
        TestProgram::typeAtEnd(b.note(text), QStringLiteral(" changed on B"));
        expected.append(text + " changed on B");
    }
    b.t.program().CurrentNoteTag = b.note("n1 typed on A")->Tag();
    b.t.program().notebook().deleteCurrentNote();
    b.look();
    a.look();
    QCOMPARE(a.sorted(), expected);
    QCOMPARE(b.sorted(), expected);
    QCOMPARE(a.t.store().trash().constFirst().id, id);
    QCOMPARE(a.t.store().trash().constFirst().values.value(NoteKeys::Notes), QStringLiteral("n1 typed on A"));
}

QTEST_MAIN(TestSync)
#include "tst_sync.moc"
