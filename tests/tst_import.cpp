// Importing a notes file as a user meets it: files of the wrong kind, fields of the wrong type,
// values no screen shows, notes already here (whatever their ids look like), and more notes than
// a desktop takes.

#include "testprogram.h"

#include "base/notefile/noteimport.h"
#include "app/noteverbs.h"
#include "base/notefile/notefile.h"
#include "base/store/noteslots.h"

#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QScreen>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray notesFile(const QJsonArray &notes, const QJsonValue &version = 1)
{
    const QJsonObject file{{"format", "quillarren-notes"}, {"version", version}, {"notes", notes}};
    return QJsonDocument(file).toJson();
}

} // namespace

class TestImport : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void hostileFilesAreRefused_data();
    void hostileFilesAreRefused();
    void importingTwiceAddsNothingAndNamesWhatDiffers();
    void manyNotesAreImportedOnlyWhenAllowedAndAllInView();
};

void TestImport::cleanup()
{
    TestProgram::expectNoWindowsLeft();
}

void TestImport::hostileFilesAreRefused_data()
{
    QTest::addColumn<QByteArray>("content");   // of the file; "/dev/zero", "fifo", "folder", "huge": such a file
    QTest::addColumn<QString>("said");
    QTest::newRow("an endless device") << QByteArray("/dev/zero") << "is a device, FIFO or socket, not a file";
    QTest::newRow("a FIFO nobody writes") << QByteArray("fifo") << "is a device, FIFO or socket, not a file";
    QTest::newRow("a folder") << QByteArray("folder") << "is a folder, not a file";
    QTest::newRow("larger than the bound") << QByteArray("huge") << "larger than 32 MiB";
    QTest::newRow("text that is a number")
        << notesFile({QJsonObject{{"text", "fine"}}, QJsonObject{{"text", 42}}})
        << "in its note 2, \"text\" is not text";
    QTest::newRow("a width in words")
        << notesFile({QJsonObject{{"text", "wide\nnote"}, {"size", QJsonObject{{"width", "wide"}}}}})
        << "in its note 1 (\"wide\"), \"size.width\" is not a whole number";
    QTest::newRow("a font that is a list") << notesFile({QJsonObject{{"font", QJsonArray{}}}}) << "\"font\" is not an object";
    QTest::newRow("a see-through level with a fraction")
        << notesFile({QJsonObject{{"seeThrough", 1.5}}}) << "\"seeThrough\" is not a whole number";
    QTest::newRow("a bold that is text") << notesFile({QJsonObject{{"font", QJsonObject{{"bold", "yes"}}}}})
                                         << "\"font.bold\" is not true or false";
    QTest::newRow("a note that is not one") << notesFile(QJsonArray{"a line"}) << "in its note 1, it is not a note";
    QByteArray deletedWrong = notesFile({});
    deletedWrong.replace("\"notes\": [", "\"deletedNotes\": [{\"id\": \"x\", \"deleted\": 5}], \"notes\": [");
    QTest::newRow("a deleted note without a date") << deletedWrong << "in its deleted note 1, \"deleted\" is not a date";
    QTest::newRow("version as text") << notesFile({}, "1") << "has an invalid format version (\"1\")";
    QTest::newRow("version 0") << notesFile({}, 0) << "has an invalid format version (0)";
    QTest::newRow("version -3") << notesFile({}, -3) << "has an invalid format version (-3)";
    QTest::newRow("version 1.5") << notesFile({}, 1.5) << "has an invalid format version (1.5)";
}

// Each is refused at once, by a message that names what is wrong (the note and its field), with
// exit code 1, and nothing of the notes here changes; the window thread never waits on the file.
void TestImport::hostileFilesAreRefused()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, said);
    TestProgram t;
    t.seedNotes({"one", "two"});
    t.start();
    QTemporaryDir files;
    QString file = files.filePath(QStringLiteral("notes.json"));
    if (content == "/dev/zero")
        file = QStringLiteral("/dev/zero");
    else if (content == "fifo")
        QCOMPARE(::mkfifo(QFile::encodeName(file).constData(), 0600), 0);
    else if (content == "folder")
        QVERIFY(QDir().mkpath(file));
    else if (content == "huge")
        QVERIFY(OnDisk::writeFile(file, "{") && ::truncate(QFile::encodeName(file).constData(), NoteFile::LargestFileBytes + 1) == 0);
    else
        QVERIFY(OnDisk::writeFile(file, content));
    const QHash<QString, QString> before = t.storedValues();

    QElapsedTimer took;
    took.start();
    const NoteVerbs::Reply reply = NoteVerbs(t.program()).importNotes(file);
    QCOMPARE(reply.status, 1);
    QVERIFY2(reply.output.contains(said) && reply.output.endsWith(QLatin1String("Nothing was imported.")),
             qPrintable(reply.output));
    QVERIFY2(took.elapsed() < 10000, "the import waited on the file");
    QCOMPARE(t.texts(), (QStringList{"one", "two"}));
    QCOMPARE(t.storedValues(), before);
}

// A note is the same note whatever form its id is written in (upper case, braces, a name of its
// own, none): importing twice adds nothing. A note here whose text differs from the file's is
// named, and --as-new adds the file's version beside it, once.
void TestImport::importingTwiceAddsNothingAndNamesWhatDiffers()
{
    QTemporaryDir dir;
    SettingsStore store;
    QVERIFY(store.open(dir.filePath(QStringLiteral("Quillarren.sqlite3"))).ok);
    NoteVerbs verbs(store);
    const QString file = dir.filePath(QStringLiteral("notes.json"));
    QVERIFY(OnDisk::writeFile(file, notesFile({QJsonObject{{"id", "0F8C2A4E-3B1C-4A57-9E0C-0123456789AB"}, {"text", "upper"}},
                                                   QJsonObject{{"id", "{1f8c2a4e-3b1c-4a57-9e0c-0123456789ab}"}, {"text", "braces"}},
                                                   QJsonObject{{"id", "note-7"}, {"text", "named"}},
                                                   QJsonObject{{"text", "no id"}}})));
    NoteVerbs::Reply reply = verbs.importNotes(file);
    QVERIFY2(reply.output.startsWith(QLatin1String("Imported 4 notes")), qPrintable(reply.output));
    QCOMPARE(store.get(QStringLiteral("NotesForm1.Id")), QStringLiteral("0f8c2a4e-3b1c-4a57-9e0c-0123456789ab"));
    reply = verbs.importNotes(file);
    QCOMPARE(reply.status, 0);
    QVERIFY2(reply.output.startsWith(QLatin1String("Imported 0 notes")) && reply.output.contains(QLatin1String("4 were here already")),
             qPrintable(reply.output));

    store.save(QStringLiteral("NotesForm1.Notes"), QStringLiteral("upper, edited here\nsince"));
    store.save(QStringLiteral("NotesForm3.Notes"), QStringLiteral("named, edited"));
    reply = verbs.importNotes(file);
    QCOMPARE(reply.status, 0);
    QVERIFY2(reply.output.contains(QLatin1String("2 were here already")), qPrintable(reply.output));
    QVERIFY2(reply.output.contains(QLatin1String("2 notes here have other text than in the file"))
                 && reply.output.contains(QLatin1String("\"upper, edited here\" (0f8c2a4e-3b1c-4a57-9e0c-0123456789ab)"))
                 && reply.output.contains(QLatin1String("\"named, edited\""))
                 && reply.output.contains(QLatin1String("--import %1 --as-new").arg(file)),
             qPrintable(reply.output));
    QCOMPARE(NoteSlots::storedCount(store), 4);

    NoteImport::Choices asNew;
    asNew.asNew = true;
    reply = verbs.importNotes(file, asNew);
    QVERIFY2(reply.output.startsWith(QLatin1String("Imported 2 notes")) && reply.output.contains(QLatin1String("2 of them as new")),
             qPrintable(reply.output));
    QCOMPARE(store.get(QStringLiteral("NotesForm5.Notes")), QStringLiteral("upper"));
    QCOMPARE(store.get(QStringLiteral("NotesForm1.Notes")), QStringLiteral("upper, edited here\nsince"));
    QVERIFY(verbs.importNotes(file, asNew).output.startsWith(QLatin1String("Imported 0 notes")));
    QCOMPARE(NoteSlots::storedCount(store), 6);
}

// More notes than a desktop takes at once: the running program asks, the command line refuses
// and names the flag that allows it; nothing is imported unless allowed. Places, sizes and
// see-through levels beyond what a screen shows are brought within it.
void TestImport::manyNotesAreImportedOnlyWhenAllowedAndAllInView()
{
    QJsonArray many{QJsonObject{{"text", "huge"},
                                {"size", QJsonObject{{"width", 2e9}, {"height", 1e300}}},
                                {"place", QJsonObject{{"left", -1e300}, {"top", 4e9}}},
                                {"seeThrough", 1e80}}};
    for (int i = 0; i < NoteImport::ManyNotes; ++i)
        many.append(QJsonObject{{"text", QStringLiteral("note %1").arg(i)}});
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("many.json"));
    QVERIFY(OnDisk::writeFile(file, notesFile(many)));

    SettingsStore store;
    QVERIFY(store.open(dir.filePath(QStringLiteral("Quillarren.sqlite3"))).ok);
    NoteVerbs offline(store);
    NoteVerbs::Reply reply = offline.importNotes(file);
    QCOMPARE(reply.status, 1);
    QVERIFY2(reply.output.contains(QLatin1String("add --allow-many")), qPrintable(reply.output));
    QCOMPARE(NoteSlots::storedCount(store), 0);
    NoteImport::Choices allowed;
    allowed.allowMany = true;
    QCOMPARE(offline.importNotes(file, allowed).status, 0);
    QCOMPARE(NoteSlots::storedCount(store), NoteImport::ManyNotes + 1);
    const NoteSlots::Values huge = NoteSlots::valuesOf(store, QStringLiteral("NotesForm1"));
    QCOMPARE(huge.value(NoteKeys::Width), QString::number(16384 * 15));
    QCOMPARE(huge.value(NoteKeys::Height), QString::number(16384 * 15));
    QCOMPARE(huge.value(NoteKeys::Left), QString::number(-32767 * 15));
    QCOMPARE(huge.value(NoteKeys::Top), QString::number(32767 * 15));
    QCOMPARE(huge.value(NoteKeys::Translucency), QStringLiteral("255"));

    TestProgram t;
    t.seedNotes({"mine"});
    t.start();
    t.dialogs.answers.enqueue(MessageAnswer::No);
    reply = NoteVerbs(t.program()).importNotes(file);
    QCOMPARE(reply.status, 1);
    QVERIFY(t.dialogs.messages.constLast().text.contains(QStringLiteral("holds %1 notes").arg(NoteImport::ManyNotes + 1)));
    QCOMPARE(t.texts(), QStringList{"mine"});
    t.dialogs.answers.enqueue(MessageAnswer::Yes);
    QCOMPARE(NoteVerbs(t.program()).importNotes(file).status, 0);
    QCOMPARE(t.notes().size(), NoteImport::ManyNotes + 2);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY(screen.contains(t.note(QStringLiteral("NotesForm2"))->geometry()));
}

QTEST_MAIN(TestImport)
#include "tst_import.moc"
