// What keeps a note from being lost to the user's own doing: the note ids, the trash of deleted
// notes, automatic backups, and export and import, each on the real store in a temporary folder.

#include "testprogram.h"
#include "refusingstore.h"

#include "app/noteverbs.h"
#include "base/backup/backups.h"
#include "gui/menu/notecommands.h"
#include "base/notefile/notefile.h"
#include "gui/platform/qtdialogs.h"
#include "base/store/noteslots.h"
#include "gui/dialogs/damageoffer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMessageBox>
#include <QPointer>
#include <QSet>
#include <QUuid>
#include <QTest>
#include <QTimer>

#include <algorithm>

namespace {

// A note with a value for everything a user can give one.
const NoteSlots::Values Dressed = {
    {NoteKeys::Notes, QStringLiteral("buy milk\nand bread")},
    {NoteKeys::Left, QStringLiteral("3000")},          {NoteKeys::Top, QStringLiteral("4500")},
    {NoteKeys::Width, QStringLiteral("3000")},         {NoteKeys::Height, QStringLiteral("2700")},
    {NoteKeys::Font, QStringLiteral("DejaVu Serif")},  {NoteKeys::Size, QStringLiteral("12.5")},
    {NoteKeys::Bold, QStringLiteral("True")},          {NoteKeys::Italic, QStringLiteral("False")},
    {NoteKeys::Underline, QStringLiteral("True")},     {NoteKeys::Strikethru, QStringLiteral("False")},
    {NoteKeys::TextColor, QStringLiteral("9109504")},  {NoteKeys::BackColor, QStringLiteral("-2147483633")},
    {NoteKeys::TextBackColor, QStringLiteral("14745599")},
    {NoteKeys::Translucency, QStringLiteral("160")},   {NoteKeys::AlwaysOnTop, QStringLiteral("False")},
    {NoteKeys::EmailAddresses, QStringLiteral("ann@example.org")},
    {NoteKeys::ReminderStatus, QStringLiteral("Enabled")},
    {NoteKeys::ReminderHours, QStringLiteral("9")},    {NoteKeys::ReminderMinutes, QStringLiteral("30")},
    {NoteKeys::ReminderSeconds, QStringLiteral("0")},
};

void seedNote(TestProgram &t, int slot, const NoteSlots::Values &values)
{
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        t.seed(NoteKeys::tagFor(slot) + it.key(), it.value());
}

// The values that travel with a note, without the ones that belong to one run or one slot.
NoteSlots::Values kept(NoteSlots::Values values)
{
    for (const QString &suffix : {NoteKeys::ActivehWnd, NoteKeys::TransCount})
        values.remove(suffix);
    return values;
}




} // namespace

class TestKeeping : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void everyNoteHasItsOwnIdForGood();
    void deletedNoteComesBackWhole_data();
    void deletedNoteComesBackWhole();
    void deletingWhatTheStoreCannotTakeDeletesNothing();
    void backupsRotateAndRestore_data();
    void backupsRotateAndRestore();
    void damagedStoreOffersTheNewestGoodBackup_data();
    void damagedStoreOffersTheNewestGoodBackup();
    void exportThenImportGivesTheSameNotes();
    void badInputIsRefusedAndChangesNothing_data();
    void badInputIsRefusedAndChangesNothing();
    void noticeClosesFromTheKeyboard_data();
    void noticeClosesFromTheKeyboard();
    void manyNotesArriveWhileTheProgramAnswers_data();
    void manyNotesArriveWhileTheProgramAnswers();
};

void TestKeeping::cleanup()
{
    TestProgram::expectNoWindowsLeft();
}

// Ids are given at the first start to the notes that lack one (and to a copy of another's), and
// then travel with their notes through deleting, creating and Quit's renumbering.
void TestKeeping::everyNoteHasItsOwnIdForGood()
{
    TestProgram t;
    t.seedNotes({"a", "b", "c"});
    const QString copied = QStringLiteral("5d0f0a4e-3b1c-4a57-9e0c-0123456789ab");
    t.seed(QStringLiteral("NotesForm3.Id"), copied);
    t.seed(QStringLiteral("NotesForm2.Id"), copied);
    t.seed(QStringLiteral("NotesForm1.Id"), QStringLiteral("typed by hand"));
    t.start();
    const auto idOf = [&](const QString &text) {
        for (int slot = 1; slot <= 3; ++slot) {
            if (t.store().get(NoteKeys::tagFor(slot) + NoteKeys::Notes) == text)
                return t.store().get(NoteKeys::tagFor(slot) + NoteKeys::Id);
        }
        return QString();
    };
    const QString a = idOf("a"), b = idOf("b"), c = idOf("c");
    QCOMPARE(QSet<QString>({a, b, c}).size(), 3);
    QCOMPARE(b, copied);
    QVERIFY(!QUuid::fromString(a).isNull());
    QCOMPARE(t.store().get("NotesForm1.Notes"), QStringLiteral("a"));   // nothing else rewritten

    t.program().CurrentNoteTag = QStringLiteral("NotesForm1");
    t.program().notebook().deleteCurrentNote();
    t.program().notebook().createNote();
    t.program().notebook().quit();
    t.restart();
    QCOMPARE(t.texts(), (QStringList{"b", "c", ""}));
    QCOMPARE(idOf("b"), b);
    QCOMPARE(idOf("c"), c);
    const QString fresh = t.store().get("NotesForm3.Id");
    QVERIFY(!fresh.isEmpty() && fresh != a && fresh != b && fresh != c);
}

void TestKeeping::deletedNoteComesBackWhole_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("menu") << "menu";
    QTest::newRow("Ctrl+D") << "key";
    QTest::newRow("last note, Yes") << "last";
}

// A deleted note is in the trash with all it had, and restoring it opens it with its text,
// look, reminder, addresses, place and size; the last note's Yes keeps it stored as it was.
void TestKeeping::deletedNoteComesBackWhole()
{
    QFETCH(QString, how);
    TestProgram t;
    t.clock.set(QDateTime(QDate(2026, 12, 9), QTime(11, 0)));
    t.seedCount(how == QLatin1String("last") ? 1 : 2);
    seedNote(t, 1, Dressed);
    if (how != QLatin1String("last"))
        t.seed(QStringLiteral("NotesForm2.Notes"), QStringLiteral("other"));
    t.start();
    const NoteSlots::Values before = kept(NoteSlots::valuesOf(t.store(), QStringLiteral("NotesForm1")));
    NoteWindow *note = t.note(QStringLiteral("NotesForm1"));
    const QRect place = note->geometry();

    if (how == QLatin1String("key")) {
        QTest::keyClick(note->textField(), Qt::Key_D, Qt::ControlModifier);
    } else {
        t.dialogs.answers.enqueue(MessageAnswer::Yes);
        t.choose(note, QStringLiteral("DeleteThisNoteName"));
    }
    TestProgram::settle();
    if (how == QLatin1String("last")) {
        QCOMPARE(t.endCount, 1);
        QVERIFY(t.store().trash().isEmpty());
        t.restart();
        QCOMPARE(kept(NoteSlots::valuesOf(t.store(), QStringLiteral("NotesForm1"))), before);
        return;
    }
    QCOMPARE(t.texts(), QStringList{"other"});
    const QList<SettingsStore::TrashedNote> trash = t.store().trash();
    QCOMPARE(trash.size(), 1);
    QCOMPARE(trash.constFirst().id, before.value(NoteKeys::Id));
    QCOMPARE(kept(trash.constFirst().values), before);
    QCOMPARE(trash.constFirst().deleted, t.clock.now());

    const NoteVerbs::Reply reply = NoteVerbs(t.program()).restore(trash.constFirst().id);
    QCOMPARE(reply.status, 0);
    QVERIFY2(reply.output.contains(QLatin1String("buy milk")), qPrintable(reply.output));
    QCOMPARE(t.texts(), (QStringList{"other", "buy milk\nand bread"}));
    QCOMPARE(kept(NoteSlots::valuesOf(t.store(), QStringLiteral("NotesForm2"))), before);
    QCOMPARE(t.note(QStringLiteral("NotesForm2"))->geometry(), place);
    QVERIFY(t.store().trash().isEmpty());
    QCOMPARE(NoteVerbs(t.program()).restore(trash.constFirst().id).status, 1);   // only once
    t.restart();
    QCOMPARE(t.texts(), (QStringList{"other", "buy milk\nand bread"}));
}

// The store refuses (a full disk): the note stays open, nothing goes to the trash, and the user
// is told; once it takes writes again the delete goes through.
void TestKeeping::deletingWhatTheStoreCannotTakeDeletesNothing()
{
    TestProgram t;
    t.seedNotes({"keep me", "other"});
    t.start();
    t.program().CurrentNoteTag = QStringLiteral("NotesForm1");
    {
        RefusingStore refusing(t.storePath());
        t.program().notebook().deleteCurrentNote();
        QCOMPARE(t.texts(), (QStringList{"keep me", "other"}));
        QVERIFY(t.dialogs.messages.constLast().text.contains(QLatin1String("stays open")));
        refusing.release();
    }
    QVERIFY(t.store().trash().isEmpty());
    t.restart();
    QCOMPARE(t.texts(), (QStringList{"keep me", "other"}));
    t.program().CurrentNoteTag = QStringLiteral("NotesForm1");
    t.program().notebook().deleteCurrentNote();
    QCOMPARE(t.store().trash().size(), 1);
}

void TestKeeping::backupsRotateAndRestore_data()
{
    // Backups by when they were made before 2026-12-09 12:32: "3" three days ago at 3:00, "3 asked"
    // the same asked for by the user, "12:29" today at that time, "2099" in the year 2099; which stay.
    QTest::addColumn<QStringList>("made");
    QTest::addColumn<QStringList>("keptOnes");
    QStringList fortnight;
    for (int ago = 0; ago < 14; ++ago)
        fortnight.append(QString::number(ago));
    QTest::newRow("a fortnight of dailies")
        << fortnight << QStringList{"0", "1", "2", "3", "4", "5", "6", "10"};   // 7 days; the newest of 3 weeks
    QTest::newRow("weeks apart") << QStringList{"0", "7", "14", "21", "28", "35"}
                                 << QStringList{"0", "7", "14", "21", "28", "35"};
    QTest::newRow("months apart") << QStringList{"0", "10", "40", "70", "100", "130", "160", "190", "220"}
                                  << QStringList{"0", "10", "40", "70", "100", "130", "160"};
    // Seven days and four weeks are full without the asked one of 30 days ago, and without 40.
    QTest::newRow("the last day, and what the user asked for")
        << QStringList{"12:29", "12:31", "12:32", "0", "1", "2", "3", "4", "5", "6", "10", "20", "30 asked", "40"}
        << QStringList{"12:29", "12:31", "12:32", "0", "1", "2", "3", "4", "5", "6", "10", "20", "30 asked"};
    // One dated ahead is kept, and takes no day's or week's place from the real ones.
    QTest::newRow("dated ahead of now") << QStringList{"2099", "0", "1", "2", "3", "4", "5", "6"}
                                        << QStringList{"2099", "0", "1", "2", "3", "4", "5", "6"};
}

// Rotation keeps the last 7 daily and 4 weekly copies, every one of the last 24 hours and every one
// the user asked for, and removes only its own files; a backup is a checked, private copy from
// which the notes come back, after the current ones were kept.
void TestKeeping::backupsRotateAndRestore()
{
    QFETCH(QStringList, made);
    QFETCH(QStringList, keptOnes);
    const QDate today(2026, 12, 9);
    const QDateTime now(today, QTime(12, 32));
    QList<Backups::Entry> all;
    for (const QString &when : made) {
        Backups::Entry entry{when, QDateTime(today.addDays(-when.section(' ', 0, 0).toInt()), QTime(3, 0)), 1};
        if (when.contains(':'))
            entry.made = QDateTime(today, QTime::fromString(when, QStringLiteral("HH:mm")));
        if (when == QLatin1String("2099"))
            entry.made = QDateTime(QDate(2099, 1, 1), QTime(0, 0));
        entry.asked = when.endsWith(QLatin1String("asked"));
        entry.trusted = entry.made <= now;
        all.append(entry);
    }
    QStringList keptNow;
    for (const Backups::Entry &entry : Backups::kept(all, now))
        keptNow.append(entry.path);
    QCOMPARE(QSet<QString>(keptNow.cbegin(), keptNow.cend()), QSet<QString>(keptOnes.cbegin(), keptOnes.cend()));
    QCOMPARE(keptNow.size(), keptOnes.size());
    if (QByteArray(QTest::currentDataTag()) != "a fortnight of dailies")
        return;

    TestProgram t;
    t.seedNotes({"monday's note"});
    t.start();
    Backups backups(t.storePath());
    QString error;
    const std::optional<QString> monday = backups.makeNow(QDateTime(today, QTime(9, 0)), &error);
    QVERIFY2(monday, qPrintable(error));
    QCOMPARE(QFileInfo(*monday).permissions() & 0x0077, QFileDevice::Permissions());
    QCOMPARE(QFileInfo(backups.folder()).permissions() & 0x0077, QFileDevice::Permissions());
    QVERIFY(Backups::check(*monday, &error));
    const QString stranger = backups.folder() + QStringLiteral("/my-own-copy.sqlite3");
    QVERIFY(QFile::copy(*monday, stranger));
    for (int ago = 20; ago > 0; --ago)
        QVERIFY(backups.makeNow(QDateTime(today.addDays(-ago), QTime(3, 0)), &error));
    QVERIFY(QFileInfo::exists(stranger));   // not ours: never removed
    // Monday's (ahead of the last backup's time), then a week of dailies and the newest of each
    // older week, as the rotation left them.
    QStringList days;
    for (const Backups::Entry &entry : backups.list())
        days.append(entry.made.toString(QStringLiteral("MM-dd")));
    QCOMPARE(days, (QStringList{"12-09", "12-08", "12-07", "12-06", "12-05", "12-04", "12-03", "12-02", "11-29", "11-22"}));
    QCOMPARE(backups.list().constFirst().path, *monday);

    TestProgram::typeAtEnd(t.notes().constFirst(), QStringLiteral(" and more"));
    const NoteVerbs::Reply reply = NoteVerbs(t.program()).restoreBackup(*monday);
    QVERIFY2(reply.status == 0, qPrintable(reply.output));
    QCOMPARE(t.texts(), QStringList{"monday's note"});
    // What was there before the restore is itself a backup now.
    SettingsStore before;
    QVERIFY(before.open(backups.list().constFirst().path).ok);
    QCOMPARE(before.get("NotesForm1.Notes"), QStringLiteral("monday's note and more"));
    t.restart();
    QCOMPARE(t.texts(), QStringList{"monday's note"});
}

void TestKeeping::damagedStoreOffersTheNewestGoodBackup_data()
{
    QTest::addColumn<QByteArray>("damaged");   // what is left of the store
    QTest::addColumn<bool>("commandLine");     // opened by a verb of the command line
    QTest::newRow("garbage") << QByteArray("SQLite format 3").append(QByteArray(8000, 'x')) << false;
    QTest::newRow("cut to nothing, backups there") << QByteArray() << false;
    QTest::newRow("cut to nothing, on the command line") << QByteArray() << true;
}

// A store that cannot be read, or was cut to nothing while backups of it exist, is kept aside and
// the newest good backup is offered; a verb of the command line refuses it and changes nothing.
void TestKeeping::damagedStoreOffersTheNewestGoodBackup()
{
    QFETCH(QByteArray, damaged);
    QFETCH(bool, commandLine);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Quillarren.sqlite3"));
    Backups backups(path);
    {
        SettingsStore store;
        QVERIFY(store.open(path).ok);
        store.save(QStringLiteral("NotesForm1.Notes"), QStringLiteral("from the backup"));
        QString error;
        QVERIFY(backups.makeNow(QDateTime(QDate(2026, 12, 8), QTime(8, 0)), &error));
        store.save(QStringLiteral("NotesForm1.Notes"), QStringLiteral("newer, lost with the file"));
    }
    // A newer backup that is itself damaged is passed over.
    QVERIFY(OnDisk::writeFile(backups.folder() + QStringLiteral("/Quillarren-2026-12-09-080000.sqlite3"), "SQLite format 3 garbage"));
    QVERIFY(OnDisk::writeFile(path, damaged));
    QFile::remove(path + QStringLiteral("-wal"));

    SettingsStore store;
    store.setEmptyFileIsDamaged(backups.hasAny());
    const SettingsStore::OpenResult opened =
        store.open(path, commandLine ? SettingsStore::Damaged::Refuse : SettingsStore::Damaged::MoveAside);
    if (commandLine) {
        QVERIFY(!opened.readable && opened.error.contains(QLatin1String("is empty, and there are backups")));
        QCOMPARE(QFileInfo(path).size(), qint64(0));
        return;
    }
    QVERIFY(!opened.movedAsideTo.isEmpty());
    FakeDialogs dialogs;
    dialogs.answers.enqueue(MessageAnswer::Yes);
    offerBackupAfterDamage(backups, store, dialogs, opened.movedAsideTo);
    QCOMPARE(dialogs.messages.size(), 1);
    QVERIFY(dialogs.messages.constFirst().text.startsWith(
        QStringLiteral("Your notes file was damaged and has been kept as %1. Restore the notes from the backup of ")
            .arg(opened.movedAsideTo)));
    QCOMPARE(store.get(QStringLiteral("NotesForm1.Notes")), QStringLiteral("from the backup"));
    QVERIFY(QFileInfo::exists(opened.movedAsideTo));
}

// Every field of a dressed note survives the file, into an empty store; importing twice adds
// nothing; the deleted notes of an --all export go back to the trash; Markdown is for people.
void TestKeeping::exportThenImportGivesTheSameNotes()
{
    TestProgram t;
    t.seedCount(2);
    seedNote(t, 1, Dressed);
    t.seed(QStringLiteral("NotesForm2.Notes"), QStringLiteral("second"));
    t.start();
    t.program().CurrentNoteTag = QStringLiteral("NotesForm2");
    t.program().notebook().createNote();
    t.program().CurrentNoteTag = QStringLiteral("NotesForm2");
    t.program().notebook().deleteCurrentNote();
    const QList<NoteSlots::Values> exported = {kept(NoteSlots::valuesOf(t.store(), "NotesForm1")),
                                               kept(NoteSlots::valuesOf(t.store(), "NotesForm2"))};
    QTemporaryDir files;
    const QString json = files.filePath(QStringLiteral("notes.json"));
    const QString md = files.filePath(QStringLiteral("notes.md"));
    QCOMPARE(NoteVerbs(t.program()).exportNotes(json, true).status, 0);
    QCOMPARE(NoteVerbs(t.program()).exportNotes(md, false).status, 0);
    QVERIFY(OnDisk::readFile(md).startsWith("# buy milk\n\nbuy milk\nand bread\n\n# (empty note)"));
    const QJsonObject file = QJsonDocument::fromJson(OnDisk::readFile(json)).object();
    QCOMPARE(file.value("format").toString(), QStringLiteral("quillarren-notes"));
    QCOMPARE(file.value("version").toInt(), 1);

    QTemporaryDir elsewhere;
    SettingsStore empty;
    QVERIFY(empty.open(elsewhere.filePath(QStringLiteral("Quillarren.sqlite3"))).ok);
    NoteVerbs verbs(empty);
    const NoteVerbs::Reply first = verbs.importNotes(json);
    QCOMPARE(first.status, 0);
    QCOMPARE(kept(NoteSlots::valuesOf(empty, "NotesForm1")), exported.at(0));
    QCOMPARE(kept(NoteSlots::valuesOf(empty, "NotesForm2")), exported.at(1));
    QCOMPARE(empty.trash().size(), 1);
    QCOMPARE(empty.trash().constFirst().values.value(NoteKeys::Notes), QStringLiteral("second"));
    QCOMPARE(verbs.importNotes(json).status, 0);
    QCOMPARE(TestProgram::storedTexts(empty), (QStringList{"buy milk\nand bread", ""}));
    QCOMPARE(empty.trash().size(), 1);

    // Into the running copy: the notes open at once, beside the ones there.
    TestProgram running;
    running.seedNotes({"mine"});
    running.start();
    QVERIFY(NoteVerbs(running.program()).importNotes(json).output.contains(QLatin1String("Imported 2 notes")));
    QCOMPARE(running.texts(), (QStringList{"mine", "buy milk\nand bread", ""}));
}

void TestKeeping::badInputIsRefusedAndChangesNothing_data()
{
    QTest::addColumn<QString>("verb");
    QTest::addColumn<QByteArray>("content");   // of the file given to the verb
    QTest::addColumn<QString>("said");

    const QByteArray good = NoteFile::write({{{NoteKeys::Notes, QStringLiteral("imported")}}}, {});
    QTest::newRow("import: not ours") << "import" << QByteArray("{\"notes\": []}") << "is not a Quillarren notes file";
    QTest::newRow("import: not JSON") << "import" << QByteArray("\x89PNG\r\n") << "is not a Quillarren notes file";
    QTest::newRow("import: truncated") << "import" << good.left(good.size() / 2) << "breaks off or is damaged";
    QTest::newRow("import: newer format")
        << "import" << QByteArray(good).replace("\"version\": 1", "\"version\": 2") << "written by a newer Quillarren";
    QTest::newRow("import: missing file") << "import" << QByteArray() << "Cannot read";
    QTest::newRow("export: missing folder") << "export" << QByteArray() << "Cannot write";
    QTest::newRow("restore: unknown id") << "restore" << QByteArray() << "no deleted note with the id";
    QTest::newRow("restore backup: damaged") << "restore-backup" << QByteArray("SQLite format 3\0 not really", 28)
                                             << "damaged or not a notes store";
    QTest::newRow("restore backup: not a store") << "restore-backup" << QByteArray("hello") << "damaged or not a notes store";
    QTest::newRow("backup: folder not writable") << "backup" << QByteArray() << "cannot be written";
}

void TestKeeping::badInputIsRefusedAndChangesNothing()
{
    QFETCH(QString, verb);
    QFETCH(QByteArray, content);
    QFETCH(QString, said);

    TestProgram t;
    t.seedNotes({"one", "two"});
    t.start();
    QTemporaryDir files;
    QString file = files.filePath(QStringLiteral("given"));
    if (!content.isEmpty())
        QVERIFY(OnDisk::writeFile(file, content));
    else if (verb == QLatin1String("import") || verb == QLatin1String("export"))
        file = files.filePath(QStringLiteral("no such folder/notes.json"));
    const QHash<QString, QString> storeBefore = t.storedValues();

    NoteVerbs verbs(t.program());
    NoteVerbs::Reply reply;
    if (verb == QLatin1String("import"))
        reply = verbs.importNotes(file);
    else if (verb == QLatin1String("export"))
        reply = verbs.exportNotes(file, false);
    else if (verb == QLatin1String("restore"))
        reply = verbs.restore(QStringLiteral("no-such-id"));
    else if (verb == QLatin1String("restore-backup"))
        reply = verbs.restoreBackup(file);
    if (verb == QLatin1String("backup")) {
        // The backups folder's place is taken by a file: no folder can be made there.
        const Backups backups(t.storePath());
        QVERIFY(OnDisk::writeFile(backups.folder(), "in the way"));
        QString error;
        QVERIFY(!backups.makeNow(QDateTime::currentDateTime(), &error));
        reply = {1, error};
    }
    QCOMPARE(reply.status, 1);
    QVERIFY2(reply.output.contains(said), qPrintable(reply.output));
    QCOMPARE(t.texts(), (QStringList{"one", "two"}));
    QVERIFY(t.store().trash().isEmpty());
    QCOMPARE(t.storedValues(), storeBefore);
}

void TestKeeping::noticeClosesFromTheKeyboard_data()
{
    QTest::addColumn<MessageIcon>("icon");
    QTest::addColumn<QMessageBox::Icon>("shown");
    QTest::addColumn<int>("key");
    QTest::newRow("backed up, Escape") << MessageIcon::Information << QMessageBox::Information << int(Qt::Key_Escape);
    QTest::newRow("backed up, Enter") << MessageIcon::Information << QMessageBox::Information << int(Qt::Key_Return);
    QTest::newRow("backup failed") << MessageIcon::Warning << QMessageBox::Warning << int(Qt::Key_Escape);
}

// The notice of a backup comes up without taking the keyboard from the note; gone to, Escape or
// Enter closes it. Good news carries the information icon.
void TestKeeping::noticeClosesFromTheKeyboard()
{
    QFETCH(MessageIcon, icon);
    QFETCH(QMessageBox::Icon, shown);
    QFETCH(int, key);
    QtDialogs dialogs;
    dialogs.showNotice(QStringLiteral("Your notes are backed up."), QStringLiteral("Quillarren: backed up"), icon);
    QMessageBox *box = nullptr;
    for (QWidget *window : QApplication::topLevelWidgets())
        box = box ? box : qobject_cast<QMessageBox *>(window);
    QVERIFY(box && box->isVisible());
    QCOMPARE(box->icon(), shown);
    QVERIFY(box->testAttribute(Qt::WA_ShowWithoutActivating));
    QVERIFY(!box->windowHandle()->flags().testFlag(Qt::WindowDoesNotAcceptFocus));
    box->activateWindow();
    QTRY_VERIFY(box->isActiveWindow());
    QPointer<QMessageBox> gone = box;
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    QTRY_VERIFY(!gone);
}

void TestKeeping::manyNotesArriveWhileTheProgramAnswers_data()
{
    QTest::addColumn<QString>("verb");
    QTest::newRow("import") << "import";
    QTest::newRow("restore a backup") << "restore-backup";
}

// An import or a restored backup of many notes opens them a few at a time: the window thread
// answers meanwhile, and the verb returns once every note is open, each once.
void TestKeeping::manyNotesArriveWhileTheProgramAnswers()
{
    QFETCH(QString, verb);
    constexpr int Count = 300;
    QList<NoteSlots::Values> many;
    QStringList texts;
    for (int i = 1; i <= Count; ++i) {
        texts.append(QStringLiteral("arrived %1").arg(i));
        many.append({{NoteKeys::Notes, texts.constLast()}});
    }
    // An import joins the note there; a backup of the same notes replaces them.
    TestProgram t;
    QTemporaryDir files;
    QString file = files.filePath(QStringLiteral("notes.json"));
    t.seedNotes(verb == QLatin1String("import") ? QStringList{"mine"} : texts);
    t.start();
    QString error;
    if (verb == QLatin1String("import"))
        QVERIFY(OnDisk::writeFile(file, NoteFile::write(many, {})));
    else
        file = Backups(t.storePath()).makeNow(QDateTime::currentDateTime(), &error).value_or(error);
    QList<int> seen;   // how many notes were open each time the window thread answered a timer
    QTimer probe;
    QObject::connect(&probe, &QTimer::timeout, [&] { seen.append(t.notes().size()); });
    probe.start(0);

    NoteVerbs verbs(t.program());
    NoteImport::Choices withoutAsking;
    withoutAsking.allowMany = true;
    const NoteVerbs::Reply reply = verb == QLatin1String("import") ? verbs.importNotes(file, withoutAsking) : verbs.restoreBackup(file);
    probe.stop();
    QVERIFY2(reply.status == 0, qPrintable(reply.output));
    if (verb == QLatin1String("import"))
        texts.prepend(QStringLiteral("mine"));
    QCOMPARE(t.texts(), texts);
    // Counted from the last moment with at most one note open: a restore first unloads them all.
    const auto bottom = std::find_if(seen.crbegin(), seen.crend(), [](int open) { return open <= 1; }).base();
    QVERIFY(std::any_of(bottom, seen.cend(), [&texts](int open) { return open > 1 && open < texts.size(); }));
    QCOMPARE(TestProgram::storedTexts(t.store()), texts);
}

QTEST_MAIN(TestKeeping)
#include "tst_keeping.moc"
