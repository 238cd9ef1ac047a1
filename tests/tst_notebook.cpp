// The notebook: every note's life from start-up to Quit, row by row on real windows and a real store.

#include "testprogram.h"

#include "gui/note/notewindow.h"
#include "gui/notebook/notebook.h"
#include "gui/notebook/noteopener.h"
#include "base/store/notekeys.h"

#include <QPlainTextEdit>
#include <QTest>

namespace {

QStringList storedTexts(TestProgram &t)
{
    QStringList found;
    const int count = t.store().get(NoteKeys::TotalForms).toInt();
    for (int i = 1; i <= count; ++i)
        found.append(t.store().get(NoteKeys::tagFor(i) + NoteKeys::Notes));
    return found;
}

QString trashedId(TestProgram &t, const QString &text)
{
    for (const SettingsStore::TrashedNote &note : t.store().trash()) {
        if (note.values.value(NoteKeys::Notes) == text)
            return note.id;
    }
    return QStringLiteral("no-such-id");
}

// One step of a row: "create", "trash:N" (the note in slot N), "restore:TEXT" (the deleted note
// with that text), "add:X|Y" (notes added after the open ones), "quit". What the last step said,
// when it says anything.
QString run(TestProgram &t, const QString &step)
{
    Notebook &notebook = t.program().notebook();
    const QString verb = step.section(QLatin1Char(':'), 0, 0);
    const QString arg = step.section(QLatin1Char(':'), 1);
    QString said;
    if (verb == QLatin1String("create")) {
        notebook.createNote();
    } else if (verb == QLatin1String("trash")) {
        if (!notebook.trashNote(t.note(NoteKeys::tagFor(arg.toInt())), &said))
            return QStringLiteral("refused: ") + said;
    } else if (verb == QLatin1String("restore")) {
        const Notebook::Outcome outcome = notebook.restoreTrashed(trashedId(t, arg));
        said = outcome.said;
    } else if (verb == QLatin1String("add")) {
        QList<NoteSlots::Values> notes;
        for (const QString &text : arg.split(QLatin1Char('|')))
            notes.append({{NoteKeys::Notes, text}});
        if (!notebook.addNotes(notes, {}, &said))
            return QStringLiteral("refused: ") + said;
        t.program().opener().finishNow();
    } else if (verb == QLatin1String("quit")) {
        notebook.quit();
    }
    return said;
}

} // namespace

class TestNotebook : public QObject
{
    Q_OBJECT

private slots:
    void lives_data();
    void lives();
    void syncedChangeKeepsCursor();
};

void TestNotebook::lives_data()
{
    QTest::addColumn<QStringList>("seeded");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("open");      // texts of the open notes, in load order
    QTest::addColumn<QStringList>("trash");     // texts in the trash, newest first
    QTest::addColumn<QString>("said");          // what the last step said (a prefix)

    const QStringList abc{"a", "b", "c"};
    QTest::newRow("create") << abc << QStringList{"create"} << QStringList{"a", "b", "c", ""} << QStringList{} << "";
    QTest::newRow("trash first renumbers")
        << abc << QStringList{"trash:1"} << QStringList{"b", "c"} << QStringList{"a"} << "";
    QTest::newRow("trash then create fills the slot anew")
        << abc << QStringList{"trash:3", "create"} << QStringList{"a", "b", ""} << QStringList{"c"} << "";
    QTest::newRow("restore comes last")
        << abc << QStringList{"trash:2", "restore:b"} << QStringList{"a", "c", "b"} << QStringList{}
        << "Restored the note \"b\".";
    QTest::newRow("restore twice")
        << abc << QStringList{"trash:2", "restore:b", "restore:b"} << QStringList{"a", "c", "b"} << QStringList{}
        << "There is no deleted note with the id";
    QTest::newRow("restore an unknown id")
        << abc << QStringList{"restore:zzz"} << abc << QStringList{} << "There is no deleted note with the id";
    QTest::newRow("add after the open ones")
        << QStringList{"a"} << QStringList{"add:x|y"} << QStringList{"a", "x", "y"} << QStringList{} << "";
    QTest::newRow("trash order, newest first")
        << abc << QStringList{"trash:1", "trash:1"} << QStringList{"c"} << QStringList{"b", "a"} << "";
}

void TestNotebook::lives()
{
    QFETCH(QStringList, seeded);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, open);
    QFETCH(QStringList, trash);
    QFETCH(QString, said);

    TestProgram t;
    t.seedNotes(seeded);
    t.start();
    QString last;
    for (const QString &step : steps) {
        t.clock.set(t.clock.now().addSecs(1));   // each deletion at a moment of its own
        last = run(t, step);
    }
    QVERIFY2(said.isEmpty() ? last.isEmpty() : last.startsWith(said), qPrintable(last));
    QCOMPARE(t.texts(), open);
    // The stored slots are exactly the open notes, in load order, whatever way the program ends.
    QCOMPARE(storedTexts(t), open);
    QStringList trashed;
    for (const SettingsStore::TrashedNote &note : t.store().trash())
        trashed.append(note.values.value(NoteKeys::Notes));
    QCOMPARE(trashed, trash);
    t.restart();
    QCOMPARE(t.texts(), open);
}

void TestNotebook::syncedChangeKeepsCursor()
{
    TestProgram t;
    t.seedNotes({"hello world"});
    t.start();
    NoteWindow *note = t.notes().constFirst();
    TestProgram::select(note, 2, 5);
    t.store().save(note->Tag() + NoteKeys::Notes, QStringLiteral("hello there, world"));
    t.program().notebook().showSyncedChange(note, QStringLiteral("hello there, world"));
    QCOMPARE(note->textField()->toPlainText(), QStringLiteral("hello there, world"));
    QCOMPARE(note->textField()->textCursor().anchor(), 2);
    QCOMPARE(note->textField()->textCursor().position(), 5);
    // A shorter text: the cursor stays within it.
    t.program().notebook().showSyncedChange(note, QStringLiteral("hey"));
    QCOMPARE(note->textField()->textCursor().position(), 3);
}

QTEST_MAIN(TestNotebook)
#include "tst_notebook.moc"
