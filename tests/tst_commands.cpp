// The text editing commands, deleting notes and quitting, and what each way of ending leaves in
// the store for the next start.

#include "testprogram.h"
#include "refusingstore.h"

#include "gui/menu/notemenu.h"
#include "gui/menu/notecommands.h"
#include "gui/platform/windowtimer.h"
#include "base/store/notekeys.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QLocale>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTextDocumentFragment>
#include <QTimer>
#include <QTest>


namespace {

using Keys = QList<QPair<QString, QString>>;





// The note texts of slots 1 … "Total Forms" as another program reads them from the file now.
QStringList textsInFile(const QString &path)
{
    RawDb raw(path);
    QStringList texts;
    const int count = raw.value(NoteKeys::TotalForms).value_or(QString()).toInt();
    for (int i = 1; i <= count; ++i)
        texts.append(raw.value(NoteKeys::tagFor(i) + NoteKeys::Notes).value_or(QString()));
    return texts;
}

QMap<QString, QString> snapshot(TestProgram &t)
{
    QMap<QString, QString> all;
    for (const QString &key : t.store().keys())
        all.insert(key, t.store().get(key));
    return all;
}

enum class Clip { Text, Empty, Picture };

void setClipboard(Clip kind)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    switch (kind) {
    case Clip::Text:
        clipboard->setText(QStringLiteral("before"));
        break;
    case Clip::Empty:
        clipboard->clear();
        break;
    case Clip::Picture: {
        auto *data = new QMimeData;
        QImage picture(4, 4, QImage::Format_RGB32);
        picture.fill(Qt::red);
        data->setImageData(picture);
        clipboard->setMimeData(data);
        break;
    }
    }
}

QStringList clipboardFormats()
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    return data ? data->formats() : QStringList();
}

} // namespace

Q_DECLARE_METATYPE(Clip)
Q_DECLARE_METATYPE(MessageAnswer)

class TestCommands : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    // Editing
    void cutCopyWithNothingSelectedKeepClipboard_data();
    void cutCopyWithNothingSelectedKeepClipboard();
    void cutThenPasteMovesText();
    void pasteReplacesSelection_data();
    void pasteReplacesSelection();
    void insertDateOrTime_data();
    void insertDateOrTime();
    void selectAllMovesFocusAndSelectsEverything_data();
    void selectAllMovesFocusAndSelectsEverything();

    // Deleting and quitting
    void lastNoteQuestion_data();
    void lastNoteQuestion();
    void deleteSecondOfThreeThenQuit();
    void quitStoresSharedAlwaysOnTop_data();
    void quitStoresSharedAlwaysOnTop();
    void endingRestartsIntoOpenNotes_data();
    void endingRestartsIntoOpenNotes();
    void noteKeysMoveWithNoteOnDeletion();
    void quitCarriesNoteKeysToNewSlot();
    void endingWaitsUntilEverythingIsStored_data();
    void endingWaitsUntilEverythingIsStored();
    void nothingChangesWhileQuitUnloads();
    void deletedTargetNeverNamesANewNote();
    void deletionIsNeverHalfStored();
};

void TestCommands::cleanup()
{
    TestProgram::expectNoWindowsLeft();
}

void TestCommands::cutCopyWithNothingSelectedKeepClipboard_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<Clip>("clip");

    QTest::newRow("cut, text on clipboard") << "CutName" << Clip::Text;
    QTest::newRow("copy, text on clipboard") << "CopyName" << Clip::Text;
    QTest::newRow("cut, empty clipboard") << "CutName" << Clip::Empty;
    QTest::newRow("copy, picture on clipboard") << "CopyName" << Clip::Picture;
}

void TestCommands::cutCopyWithNothingSelectedKeepClipboard()
{
    QFETCH(QString, item);
    QFETCH(Clip, clip);

    TestProgram t;
    t.seedNotes({"hello world"});
    t.start();
    NoteWindow *note = t.notes().constFirst();
    TestProgram::select(note, 5, 5);
    setClipboard(clip);
    const QStringList formats = clipboardFormats();
    const QString text = QGuiApplication::clipboard()->text();

    t.choose(note, item);

    QCOMPARE(clipboardFormats(), formats);
    QCOMPARE(QGuiApplication::clipboard()->text(), text);
    QCOMPARE(note->textField()->toPlainText(), QStringLiteral("hello world"));
    QCOMPARE(note->textField()->textCursor().position(), 5);
    QCOMPARE(t.store().get(QStringLiteral("NotesForm1.Notes")), QStringLiteral("hello world"));
}

void TestCommands::cutThenPasteMovesText()
{
    TestProgram t;
    t.seedNotes({"one two three", "xy"});
    t.start();
    NoteWindow *a = t.note(QStringLiteral("NotesForm1"));
    NoteWindow *b = t.note(QStringLiteral("NotesForm2"));
    QGuiApplication::clipboard()->setText(QStringLiteral("old"));

    TestProgram::select(a, 8, 4);   // "two ", selected backwards
    t.choose(a, QStringLiteral("CutName"));
    QCOMPARE(a->textField()->toPlainText(), QStringLiteral("one three"));
    QCOMPARE(a->textField()->textCursor().position(), 4);
    QVERIFY(!a->textField()->textCursor().hasSelection());
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("two "));
    QCOMPARE(t.store().get(QStringLiteral("NotesForm1.Notes")), QStringLiteral("one three"));

    TestProgram::select(b, 1, 1);
    t.choose(b, QStringLiteral("PasteName"));
    QCOMPARE(b->textField()->toPlainText(), QStringLiteral("xtwo y"));
    QCOMPARE(b->textField()->textCursor().position(), 5);
    QCOMPARE(t.store().get(QStringLiteral("NotesForm2.Notes")), QStringLiteral("xtwo y"));
    QVERIFY(!t.store().get(QStringLiteral("NotesForm1.Notes")).contains(QStringLiteral("two")));
    QCOMPARE(a->textField()->toPlainText(), QStringLiteral("one three"));
}

void TestCommands::pasteReplacesSelection_data()
{
    QTest::addColumn<Clip>("clip");
    QTest::addColumn<QString>("expected");

    QTest::newRow("text") << Clip::Text << "abbeforeef";
    QTest::newRow("picture, no text") << Clip::Picture << "abef";
    QTest::newRow("empty clipboard") << Clip::Empty << "abef";
}

void TestCommands::pasteReplacesSelection()
{
    QFETCH(Clip, clip);
    QFETCH(QString, expected);

    TestProgram t;
    t.seedNotes({"abcdef"});
    t.start();
    NoteWindow *note = t.notes().constFirst();
    TestProgram::select(note, 2, 4);
    setClipboard(clip);

    t.choose(note, QStringLiteral("PasteName"));

    QCOMPARE(note->textField()->toPlainText(), expected);
    QCOMPARE(note->textField()->textCursor().position(), expected.size() - 2);
    QCOMPARE(t.store().get(QStringLiteral("NotesForm1.Notes")), expected);
}

// The time's forms in any locale: hours, minutes and seconds, with an AM/PM mark at most, and no
// time zone.
static QString timeForms(QTime now)
{
    const QString rest = QStringLiteral("\\D%1\\D%2").arg(now.minute(), 2, 10, QLatin1Char('0')).arg(now.second(), 2, 10, QLatin1Char('0'));
    const int twelve = now.hour() % 12 == 0 ? 12 : now.hour() % 12;
    const QString mark = now.hour() < 12 ? QStringLiteral("[Aa]") : QStringLiteral("[Pp]");
    return QStringLiteral("^(0?%1%2|0?%3%2\\s?%4\\.?\\s?[Mm]\\.?)$").arg(now.hour()).arg(rest).arg(twelve).arg(mark);
}

void TestCommands::insertDateOrTime_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("locale");   // empty: the desktop's
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("anchor");
    QTest::addColumn<int>("position");
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<QString>("before");   // the expected text is before + what was inserted + after
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("form");     // what was inserted

    const QString date = QStringLiteral("InsertDateName");
    const QString time = QStringLiteral("InsertTimeName");
    const QDate today(2026, 12, 8);
    const QDateTime now(today, QTime(10, 55, 40));
    const auto dateForm = [](QDate day) {
        return QRegularExpression::anchoredPattern(QRegularExpression::escape(QLocale().toString(day, QLocale::ShortFormat)));
    };
    QTest::newRow("before a selection") << date << "" << "xxabcyy" << 2 << 5 << now << "xx" << "abcyy" << dateForm(today);
    QTest::newRow("before a backward selection") << date << "" << "xxabcyy" << 5 << 2 << now << "xx" << "abcyy" << dateForm(today);
    QTest::newRow("empty note") << date << "" << "" << 0 << 0 << now << "" << "" << dateForm(today);
    QTest::newRow("caret at the end") << date << "" << "hello" << 5 << 5 << now << "hello" << "" << dateForm(today);
    QTest::newRow("after a line break") << date << "" << "ab\ncd" << 3 << 3 << now << "ab\n" << "cd" << dateForm(today);
    const QDate another(1999, 3, 4);
    QTest::newRow("another day") << date << "" << "xy" << 1 << 1 << QDateTime(another, QTime(10, 55, 40)) << "x" << "y"
                                 << dateForm(another);
    QTest::newRow("a four-digit year where the locale writes two") << date << "en_US" << "" << 0 << 0
                                                                   << QDateTime(QDate(2026, 12, 7), QTime(10, 55, 40)) << ""
                                                                   << "" << "^12/7/2026$";
    for (const QTime &at : {QTime(10, 55, 40), QTime(22, 5, 9), QTime(0, 0, 7)}) {
        QTest::addRow("time %s", qPrintable(at.toString(Qt::ISODate)))
            << time << "" << "ab\ncd" << 3 << 3 << QDateTime(today, at) << "ab\n" << "cd" << timeForms(at);
    }
}

void TestCommands::insertDateOrTime()
{
    QFETCH(QString, item);
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(int, anchor);
    QFETCH(int, position);
    QFETCH(QDateTime, now);
    QFETCH(QString, before);
    QFETCH(QString, after);
    QFETCH(QString, form);

    const QLocale desktops;
    if (!locale.isEmpty())
        QLocale::setDefault(QLocale(locale));
    const auto restore = qScopeGuard([&desktops] { QLocale::setDefault(desktops); });
    TestProgram t;
    t.clock.set(now);
    t.seedNotes({text});
    t.start();
    NoteWindow *note = t.notes().constFirst();
    TestProgram::select(note, anchor, position);

    t.choose(note, item);

    const QString whole = note->textField()->toPlainText();
    QVERIFY2(whole.startsWith(before) && whole.endsWith(after) && whole.size() > text.size(), qPrintable(whole));
    const QString inserted = whole.mid(before.size(), whole.size() - before.size() - after.size());
    QVERIFY2(QRegularExpression(form).match(inserted).hasMatch(), qPrintable(inserted + QStringLiteral(" is not ") + form));
    if (item == QLatin1String("InsertDateName"))
        QVERIFY(inserted.contains(QString::number(now.date().year())));
    QCOMPARE(t.store().get(QStringLiteral("NotesForm1.Notes")), whole);
    // The caret right after what was inserted, nothing selected: the next key follows it, and the
    // text that was selected stays.
    QCOMPARE(note->textField()->textCursor().position(), int((before + inserted).size()));
    QVERIFY(!note->textField()->textCursor().hasSelection());
    QTest::keyClicks(note->textField(), QStringLiteral(" at 3pm"));
    QCOMPARE(t.store().get(QStringLiteral("NotesForm1.Notes")), before + inserted + QStringLiteral(" at 3pm") + after);
    // Undo takes it out again: the rest of the text was never replaced.
    while (note->textField()->document()->isUndoAvailable())
        note->textField()->undo();
    QCOMPARE(note->textField()->toPlainText(), text);
}

void TestCommands::selectAllMovesFocusAndSelectsEverything_data()
{
    QTest::addColumn<QString>("from");
    QTest::newRow("menu opened in the text") << "text";
    QTest::newRow("menu opened on the strip") << "strip";
    QTest::newRow("command") << "command";
}

void TestCommands::selectAllMovesFocusAndSelectsEverything()
{
    QFETCH(QString, from);

    TestProgram t;
    t.seedNotes({"first line\nsecond line\n", "other"});
    t.start();
    NoteWindow *a = t.note(QStringLiteral("NotesForm1"));
    NoteWindow *b = t.note(QStringLiteral("NotesForm2"));
    b->activateWindow();
    b->textField()->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), b->textField());
    a->textField()->clearFocus();
    QVERIFY(a->focusWidget() != a->textField());
    TestProgram::select(a, 3, 3);

    if (from == QLatin1String("text")) {
        t.choose(a, QStringLiteral("SelectAllName"));
    } else if (from == QLatin1String("strip")) {
        t.dialogs.menuChoices.enqueue(QStringLiteral("SelectAllName"));
        QTest::mousePress(a, Qt::RightButton, {}, QPoint(10, 5));
        QTestPrivate::qtestMouseButtons = Qt::NoButton;
    } else {
        t.program().CurrentNoteTag = a->Tag();
        t.windows().commands().SelectAll();
    }

    QCOMPARE(a->focusWidget(), a->textField());
    const QTextCursor cursor = a->textField()->textCursor();
    QCOMPARE(cursor.selectionStart(), 0);
    QCOMPARE(cursor.selectionEnd(), a->textField()->toPlainText().size());
    QCOMPARE(cursor.selection().toPlainText(), QStringLiteral("first line\nsecond line\n"));
    QVERIFY(!b->textField()->textCursor().hasSelection());
}

void TestCommands::lastNoteQuestion_data()
{
    QTest::addColumn<MessageAnswer>("answer");
    QTest::newRow("no") << MessageAnswer::No;
    QTest::newRow("yes") << MessageAnswer::Yes;
}

void TestCommands::lastNoteQuestion()
{
    QFETCH(MessageAnswer, answer);

    TestProgram t;
    t.seedNotes({"keep me"});
    t.start();
    t.settleSeeThrough();   // its counter is stored at a moment of its own, not by the question
    NoteWindow *note = t.notes().constFirst();
    // A count left wrong by an earlier run; No must put it right.
    t.seed(NoteKeys::TotalForms, QStringLiteral("7"));

    QMap<QString, QString> whileOpen;
    t.dialogs.whileMenuOpen = [&](QMenu *) { whileOpen = snapshot(t); };
    t.dialogs.answers.enqueue(answer);
    t.choose(note, QStringLiteral("DeleteThisNoteName"));
    t.settle();

    QCOMPARE(t.dialogs.messages.size(), 1);
    const FakeDialogs::Message &asked = t.dialogs.messages.constFirst();
    QCOMPARE(asked.text, QStringLiteral("This is the last note. Would you like to quit?"));
    QCOMPARE(asked.title, QStringLiteral("Quit?"));
    QCOMPARE(asked.buttons, MessageButtons::YesNo);
    QCOMPARE(asked.icon, MessageIcon::None);

    if (answer == MessageAnswer::No) {
        QCOMPARE(t.endCount, 0);
        QCOMPARE(t.texts(), QStringList{"keep me"});
        QCOMPARE(t.store().get(QStringLiteral("NotesForm1.Notes")), QStringLiteral("keep me"));
        QCOMPARE(t.store().get(NoteKeys::TotalForms), QStringLiteral("1"));
    } else {
        QCOMPARE(t.endCount, 1);
        // Ends at once: nothing stored beyond what the store held when the menu opened.
        QCOMPARE(snapshot(t), whileOpen);
    }
}

void TestCommands::deleteSecondOfThreeThenQuit()
{
    TestProgram t;
    t.seedNotes({"first", "second", "third"});
    t.start();
    QPointer<NoteWindow> first = t.note(QStringLiteral("NotesForm1"));
    QPointer<NoteWindow> second = t.note(QStringLiteral("NotesForm2"));
    QPointer<NoteWindow> third = t.note(QStringLiteral("NotesForm3"));
    const QPoint thirdPos = third->pos();

    t.choose(second, QStringLiteral("DeleteThisNoteName"));
    t.settle();
    QVERIFY(!second);
    QCOMPARE(t.texts(), (QStringList{"first", "third"}));
    QCOMPARE(first->Tag(), QStringLiteral("NotesForm1"));
    QCOMPARE(third->Tag(), QStringLiteral("NotesForm2"));
    QCOMPARE(t.store().get(NoteKeys::TotalForms), QStringLiteral("2"));
    QCOMPARE(t.store().get(QStringLiteral("NotesForm2.Notes")), QStringLiteral("third"));
    QVERIFY(t.dialogs.messages.isEmpty());

    // Typing after the renumbering lands in the note's new slot.
    TestProgram::typeAtEnd(third, QStringLiteral("!"));
    QCOMPARE(t.store().get(QStringLiteral("NotesForm2.Notes")), QStringLiteral("third!"));

    t.choose(first, QStringLiteral("QuitName"));
    QCOMPARE(t.endCount, 1);
    t.settle();
    QVERIFY(t.notes().isEmpty());
    QCOMPARE(t.store().get(NoteKeys::TotalForms), QStringLiteral("2"));
    QCOMPARE(t.store().get(QStringLiteral("NotesForm1.Notes")), QStringLiteral("first"));
    QCOMPARE(t.store().get(QStringLiteral("NotesForm2.Notes")), QStringLiteral("third!"));
    QCOMPARE(t.store().get(QStringLiteral("NotesForm1.Left")), QStringLiteral("300"));
    QCOMPARE(t.store().get(QStringLiteral("NotesForm2.Left")), QString::number(thirdPos.x() * 15));
    QCOMPARE(t.store().get(QStringLiteral("NotesForm2.Top")), QString::number(thirdPos.y() * 15));
    QCOMPARE(t.store().get(QStringLiteral("NotesForm2.Top")), QStringLiteral("900"));
    QVERIFY(t.dialogs.errorReports().isEmpty());
}

void TestCommands::quitStoresSharedAlwaysOnTop_data()
{
    QTest::addColumn<bool>("checked");
    QTest::newRow("on") << true;
    QTest::newRow("off") << false;
}

void TestCommands::quitStoresSharedAlwaysOnTop()
{
    QFETCH(bool, checked);

    TestProgram t;
    t.seedNotes({"a", "b", "c"});
    t.seed(QStringLiteral("NotesForm1.AlwaysOnTop"), QStringLiteral("True"));
    t.seed(QStringLiteral("NotesForm2.AlwaysOnTop"), QStringLiteral("False"));
    t.start();
    t.program().setAlwaysOnTop(checked);

    t.program().CurrentNoteTag = QStringLiteral("NotesForm2");
    t.windows().noteMenu().onQuit();

    QCOMPARE(t.endCount, 1);
    const QString expected = checked ? QStringLiteral("True") : QStringLiteral("False");
    for (int i = 1; i <= 3; ++i)
        QCOMPARE(t.store().get(NoteKeys::tagFor(i) + NoteKeys::AlwaysOnTop), expected);
    QCOMPARE(t.store().get(NoteKeys::TotalForms), QStringLiteral("3"));
}

void TestCommands::endingRestartsIntoOpenNotes_data()
{
    // Steps: "delete N" (the Nth open note in load order), "create", "create:TEXT",
    // "type N:TEXT" (appended), "close N" (the window system closes the Nth open note), "quit",
    // "yes" (delete the last open note and answer Yes).
    // Anything else ends the run as a crash would.
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<QStringList>("leftover");   // slots past "Total Forms" holding old text
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("expected");

    const QStringList abc{"a", "b", "c"};
    QTest::newRow("quit") << abc << QStringList() << QStringList{"quit"} << abc;
    QTest::newRow("edit, quit") << QStringList{"a", "b"} << QStringList() << QStringList{"type 2:X", "quit"}
                                << QStringList{"a", "bX"};
    QTest::newRow("last note, yes") << QStringList{"a"} << QStringList() << QStringList{"yes"} << QStringList{"a"};
    QTest::newRow("delete, edit, last note, yes")
        << QStringList{"a", "b"} << QStringList() << QStringList{"delete 1", "type 1:Z", "yes"}
        << QStringList{"bZ"};
    QTest::newRow("delete middle, crash") << abc << QStringList() << QStringList{"delete 2"}
                                          << QStringList{"a", "c"};
    QTest::newRow("delete first, crash") << abc << QStringList() << QStringList{"delete 1"}
                                         << QStringList{"b", "c"};
    QTest::newRow("delete last, crash") << abc << QStringList() << QStringList{"delete 3"}
                                        << QStringList{"a", "b"};
    QTest::newRow("delete first, edit, crash") << abc << QStringList() << QStringList{"delete 1", "type 2:!"}
                                               << QStringList{"b", "c!"};
    QTest::newRow("delete, create, crash") << abc << QStringList() << QStringList{"delete 2", "create"}
                                           << QStringList{"a", "c", ""};
    QTest::newRow("delete, create typed, crash") << abc << QStringList()
                                                 << QStringList{"delete 1", "create:new"}
                                                 << QStringList{"b", "c", "new"};
    QTest::newRow("delete, create, quit") << abc << QStringList() << QStringList{"delete 2", "create:n", "quit"}
                                          << QStringList{"a", "c", "n"};
    QTest::newRow("create three, delete one, quit")
        << QStringList{"x"} << QStringList() << QStringList{"create:A", "create:B", "create:C", "delete 2", "quit"}
        << QStringList{"x", "B", "C"};
    QTest::newRow("create over an old slot, crash") << QStringList{"a"} << QStringList{"ghost"}
                                                    << QStringList{"create"} << QStringList{"a", ""};
    QTest::newRow("create over an old slot, quit") << QStringList{"a"} << QStringList{"ghost"}
                                                   << QStringList{"create", "quit"} << QStringList{"a", ""};
    QTest::newRow("closed by the window system, create, delete, quit")
        << abc << QStringList() << QStringList{"close 2", "create:n", "delete 1", "quit"}
        << QStringList{"b", "c", "n"};
    QTest::newRow("closed by the window system, last note, yes")
        << abc << QStringList() << QStringList{"close 1", "close 1", "delete 1", "yes"} << abc;
    QTest::newRow("every note closed by the window system") << abc << QStringList()
                                                            << QStringList{"close 1", "close 1", "close 1"} << abc;
    QTest::newRow("delete two, create two, crash")
        << abc << QStringList() << QStringList{"delete 1", "delete 1", "create:p", "create:q"}
        << QStringList{"c", "p", "q"};
}

void TestCommands::endingRestartsIntoOpenNotes()
{
    QFETCH(QStringList, stored);
    QFETCH(QStringList, leftover);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, expected);

    TestProgram t;
    t.seedNotes(stored);
    for (int i = 0; i < leftover.size(); ++i) {
        const QString tag = NoteKeys::tagFor(stored.size() + 1 + i);
        t.seed(tag + NoteKeys::Notes, leftover.at(i));
        t.seed(tag + NoteKeys::Left, QStringLiteral("4500"));
    }
    t.start();
    QCOMPARE(t.texts(), stored);

    for (const QString &step : steps) {
        const QString verb = step.section(QLatin1Char(' '), 0, 0).section(QLatin1Char(':'), 0, 0);
        if (verb == QLatin1String("delete")) {
            const int n = step.section(QLatin1Char(' '), 1).toInt();
            t.program().CurrentNoteTag = t.notes().at(n - 1)->Tag();
            t.program().notebook().deleteCurrentNote();
            t.settle();
        } else if (verb == QLatin1String("create")) {
            t.program().notebook().createNote();
            NoteWindow *created = t.notes().constLast();
            QCOMPARE(created->textField()->toPlainText(), QString());
            const QString typed = step.section(QLatin1Char(':'), 1);
            if (!typed.isEmpty())
                QTest::keyClicks(created->textField(), typed);
        } else if (verb == QLatin1String("type")) {
            const QString what = step.section(QLatin1Char(' '), 1);
            NoteWindow *note = t.notes().at(what.section(QLatin1Char(':'), 0, 0).toInt() - 1);
            TestProgram::typeAtEnd(note, what.section(QLatin1Char(':'), 1));
        } else if (verb == QLatin1String("quit")) {
            t.program().notebook().quit();
            QCOMPARE(t.endCount, 1);
        } else if (verb == QLatin1String("close")) {
            // As the window system closes a window (Alt+F4, a logout).
            NoteWindow *note = NoteWindow::openNotes(t.program().forms).at(step.section(QLatin1Char(' '), 1).toInt() - 1);
            note->close();
        } else if (verb == QLatin1String("yes")) {
            QCOMPARE(NoteWindow::openNotes(t.program().forms).size(), 1);
            t.program().CurrentNoteTag = NoteWindow::openNotes(t.program().forms).constFirst()->Tag();
            t.dialogs.answers.enqueue(MessageAnswer::Yes);
            t.program().notebook().deleteCurrentNote();
            QCOMPARE(t.endCount, 1);
        }
    }
    QVERIFY(t.dialogs.errorReports().isEmpty());

    t.restart();
    QCOMPARE(t.texts(), expected);
    QCOMPARE(TestProgram::storedTexts(t.store()), expected);
    for (int i = 0; i < expected.size(); ++i)
        QCOMPARE(t.notes().at(i)->Tag(), NoteKeys::tagFor(i + 1));
    QVERIFY(t.dialogs.errorReports().isEmpty());
}

void TestCommands::noteKeysMoveWithNoteOnDeletion()
{
    const Keys first{{".Translucency", "100"}, {".TransCount", "4"}, {".EmailAddresses", "one@example.org"},
                     {".ReminderStatus", "True"}, {".ReminderDate", "2026-12-09"}, {".ReminderHours", "9"},
                     {".ReminderMinutes", "30"}, {".ReminderSeconds", "0"}};
    // The see-through set-up gave every note a counter at start; the second note has no
    // reminder and no addresses.
    const Keys second{{".Translucency", "160"}, {".TransCount", "2"}};
    const Keys third{{".Translucency", "120"}, {".TransCount", "7"}, {".EmailAddresses", "three@example.org"},
                     {".ReminderStatus", "True"}, {".ReminderDate", "2026-12-24"}, {".ReminderHours", "18"},
                     {".ReminderMinutes", "5"}, {".ReminderSeconds", "15"}};
    const QStringList extraSuffixes{".Translucency", ".TransCount", ".EmailAddresses", ".ReminderStatus",
                                    ".ReminderDate", ".ReminderHours", ".ReminderMinutes", ".ReminderSeconds"};

    TestProgram t;
    t.seedNotes({"one", "two", "three"});
    t.start();
    t.settleSeeThrough();
    const QList<Keys> seeded{first, second, third};
    for (int i = 0; i < seeded.size(); ++i) {
        for (const auto &[suffix, value] : seeded.at(i))
            t.seed(NoteKeys::tagFor(i + 1) + suffix, value);
    }

    const auto expectSlot = [&](int slot, const Keys &keys) {
        for (const QString &suffix : extraSuffixes) {
            QString value;
            for (const auto &[s, v] : keys) {
                if (s == suffix)
                    value = v;
            }
            QCOMPARE(t.store().get(NoteKeys::tagFor(slot) + suffix), value);
        }
    };

    t.program().CurrentNoteTag = QStringLiteral("NotesForm1");
    t.program().notebook().deleteCurrentNote();
    t.settle();
    t.settleSeeThrough();
    QCOMPARE(t.texts(), (QStringList{"two", "three"}));
    // The second note now in slot 1 must not pick up the deleted note's reminder or addresses.
    expectSlot(1, second);
    expectSlot(2, third);

    t.program().notebook().quit();
    expectSlot(1, second);
    expectSlot(2, third);
    QCOMPARE(TestProgram::storedTexts(t.store()), (QStringList{"two", "three"}));
}

void TestCommands::quitCarriesNoteKeysToNewSlot()
{
    TestProgram t;
    t.seedNotes({"one", "two", "three"});
    t.start();
    t.settleSeeThrough();
    t.seed(QStringLiteral("NotesForm1.TransCount"), QStringLiteral("3"));
    t.seed(QStringLiteral("NotesForm2.TransCount"), QStringLiteral("4"));
    t.seed(QStringLiteral("NotesForm1.Translucency"), QStringLiteral("100"));
    t.seed(QStringLiteral("NotesForm1.ReminderHours"), QStringLiteral("9"));
    t.seed(QStringLiteral("NotesForm3.Translucency"), QStringLiteral("140"));
    t.seed(QStringLiteral("NotesForm3.TransCount"), QStringLiteral("6"));
    t.seed(QStringLiteral("NotesForm3.EmailAddresses"), QStringLiteral("three@example.org"));
    t.seed(QStringLiteral("NotesForm2.EmailAddresses"), QStringLiteral("two@example.org"));

    // Load order no longer follows the tags: the window loaded first carries the third slot's
    // keys and the one loaded last the first slot's. Quit stores by load order.
    NoteWindow *loadedFirst = t.notes().at(0);
    NoteWindow *loadedLast = t.notes().at(2);
    loadedFirst->setTag(QStringLiteral("NotesForm3"));
    loadedLast->setTag(QStringLiteral("NotesForm1"));

    t.program().notebook().quit();

    QCOMPARE(TestProgram::storedTexts(t.store()), (QStringList{"one", "two", "three"}));
    QCOMPARE(t.store().get(QStringLiteral("NotesForm1.Translucency")), QStringLiteral("140"));
    QCOMPARE(t.store().get(QStringLiteral("NotesForm1.TransCount")), QStringLiteral("6"));
    QCOMPARE(t.store().get(QStringLiteral("NotesForm1.EmailAddresses")), QStringLiteral("three@example.org"));
    QCOMPARE(t.store().get(QStringLiteral("NotesForm1.ReminderHours")), QString());
    QCOMPARE(t.store().get(QStringLiteral("NotesForm3.Translucency")), QStringLiteral("100"));
    QCOMPARE(t.store().get(QStringLiteral("NotesForm3.TransCount")), QStringLiteral("3"));
    QCOMPARE(t.store().get(QStringLiteral("NotesForm3.EmailAddresses")), QString());
    QCOMPARE(t.store().get(QStringLiteral("NotesForm3.ReminderHours")), QStringLiteral("9"));
    QCOMPARE(t.store().get(QStringLiteral("NotesForm2.EmailAddresses")), QStringLiteral("two@example.org"));
    QCOMPARE(t.store().get(QStringLiteral("NotesForm2.TransCount")), QStringLiteral("4"));
    QCOMPARE(t.store().get(NoteKeys::TotalForms), QStringLiteral("3"));
}

void TestCommands::endingWaitsUntilEverythingIsStored_data()
{
    QTest::addColumn<QString>("ending");
    QTest::newRow("quit") << "quit";
    QTest::newRow("last note, yes") << "yes";
    QTest::newRow("last note closed by the window system") << "close";
}

void TestCommands::endingWaitsUntilEverythingIsStored()
{
    QFETCH(QString, ending);

    TestProgram t;
    t.seedNotes({"kept"});
    t.start();
    t.settleSeeThrough();
    NoteWindow *note = t.notes().constFirst();
    // The answers to the box that asks to retry, after the last-note question where there is one.
    const auto end = [&](const QList<MessageAnswer> &answers) {
        t.program().CurrentNoteTag = note->Tag();
        if (ending == QLatin1String("yes"))
            t.dialogs.answers.enqueue(MessageAnswer::Yes);
        t.dialogs.answers.append(answers);
        if (ending == QLatin1String("quit")) {
            t.program().notebook().quit();
        } else if (ending == QLatin1String("yes")) {
            t.program().notebook().deleteCurrentNote();
        } else {
            note->close();
        }
    };

    RefusingStore refusing(t.storePath());
    TestProgram::typeAtEnd(note, QStringLiteral(" and typed"));
    QVERIFY(t.dialogs.noticeShown);

    // Retry while the file still refuses, then Cancel: the note stays open and nothing ends.
    end({MessageAnswer::Retry, MessageAnswer::Cancel});
    QCOMPARE(t.endCount, 0);
    QCOMPARE(t.dialogs.messages.constLast().buttons, MessageButtons::RetryCancel);
    QVERIFY(t.dialogs.messages.constLast().text.contains(t.storePath()));
    QCOMPARE(NoteWindow::openNotes(t.program().forms), QList<NoteWindow *>{note});
    QVERIFY(note->isVisible());
    QVERIFY(!t.program().quitting);

    // Space comes back: the retried write lands, the notice goes, and the ending goes through.
    refusing.release();
    QVERIFY(t.store().flushPending());
    QVERIFY(!t.dialogs.noticeShown);
    const int asked = t.dialogs.messages.size();
    end({});
    QCOMPARE(t.endCount, 1);
    QCOMPARE(t.dialogs.messages.size(), asked + (ending == QLatin1String("yes") ? 1 : 0));
    t.restart();
    QCOMPARE(t.texts(), QStringList{"kept and typed"});
}

// A Quit, create or delete still waiting in the event queue runs while Quit unloads and pauses.
void TestCommands::nothingChangesWhileQuitUnloads()
{
    TestProgram t;
    t.seedNotes({"a", "b"});
    t.start();
    t.settleSeeThrough();
    t.program().CurrentNoteTag = QStringLiteral("NotesForm1");
    QTimer::singleShot(0, [&] {
        t.program().notebook().createNote();
        t.program().notebook().deleteCurrentNote();
        t.program().notebook().quit();
    });
    t.program().notebook().quit();
    QCOMPARE(t.endCount, 1);
    t.restart();
    QCOMPARE(t.texts(), (QStringList{"a", "b"}));
    QCOMPARE(t.store().get(NoteKeys::TotalForms), QStringLiteral("2"));
}

void TestCommands::deletedTargetNeverNamesANewNote()
{
    TestProgram t;
    t.seedNotes({"a", "b", "c"});
    t.start();
    t.settleSeeThrough();
    t.program().CurrentNoteTag = QStringLiteral("NotesForm3");
    t.program().notebook().deleteCurrentNote();
    t.settle();
    t.program().notebook().createNote();
    QCOMPARE(t.notes().constLast()->Tag(), QStringLiteral("NotesForm3"));
    t.settleSeeThrough();

    // Still aimed at the deleted note, as from a dialog opened on it.
    t.windows().commands().IncreaseTranslucency();
    t.windows().commands().InsertDate();
    QCOMPARE(t.store().get(QStringLiteral("NotesForm3.Translucency"), QStringLiteral("absent")),
             QStringLiteral("absent"));
    QCOMPARE(t.notes().constLast()->textField()->toPlainText(), QString());
}

// A crash or kill while a note is deleted (its window going away delivers events) must find
// the notes as they were or as they are after: never the deleted note back as an empty one.
void TestCommands::deletionIsNeverHalfStored()
{
    TestProgram t;
    t.seedNotes({"a", "b", "c"});
    t.start();
    t.settleSeeThrough();
    QList<QStringList> seen;
    QTimer look;
    look.setInterval(0);
    QObject::connect(&look, &QTimer::timeout, [&] { seen.append(textsInFile(t.storePath())); });
    look.start();
    t.program().CurrentNoteTag = QStringLiteral("NotesForm2");
    t.program().notebook().deleteCurrentNote();
    look.stop();
    seen.append(textsInFile(t.storePath()));
    for (const QStringList &texts : seen) {
        QVERIFY2(texts == QStringList({"a", "b", "c"}) || texts == QStringList({"a", "c"}),
                 qPrintable(QStringLiteral("the file held the notes: ") + texts.join(QStringLiteral(" | "))));
    }
    QCOMPARE(seen.constLast(), (QStringList{"a", "c"}));
}

QTEST_MAIN(TestCommands)
#include "tst_commands.moc"
