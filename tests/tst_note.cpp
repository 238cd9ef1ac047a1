// One note window by itself: its text is stored as it is typed, it finds itself by its handle,
// its first activation re-arms the set-up timer, its text field never shows its own menu, its
// cursor stops blinking when left alone, and it answers the Ctrl key shortcuts.
#include "testprogram.h"

#include "gui/menu/notecommands.h"
#include "gui/dialogs/emaildialog.h"
#include "gui/note/keyboardshortcuts.h"
#include "gui/note/texthook.h"
#include "gui/platform/keyboardlayout.h"
#include "gui/dialogs/alarmwindow.h"
#include "gui/dialogs/reminderdialog.h"
#include "gui/platform/cursorblinktimeout.h"
#include "gui/platform/errorreport.h"
#include "gui/platform/windowtimer.h"
#include "gui/platform/units.h"
#include "base/store/notekeys.h"

#include <QAccessible>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QStyleHints>
#include <QTextBlock>
#include <QTextLayout>
#include <QRandomGenerator>
#include <QtTest>

namespace {

// Sends a context-menu request to a text field, as a right click or the menu key would, and
// tells whether a menu of its own opened. Such a menu runs a nested loop: it is closed from there.
bool ownMenuShows(QPlainTextEdit *field, QContextMenuEvent::Reason reason = QContextMenuEvent::Mouse)
{
    bool shown = false;
    const auto closeOne = [&shown] {
        if (QWidget *popup = QApplication::activePopupWidget()) {
            shown = true;
            popup->close();
        }
    };
    QTimer::singleShot(0, closeOne);
    QWidget *target = reason == QContextMenuEvent::Mouse ? field->viewport() : static_cast<QWidget *>(field);
    QContextMenuEvent request(reason, QPoint(5, 5), target->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(target, &request);
    QApplication::processEvents();
    closeOne();
    return shown;
}

// Whether the text cursor is drawn now: dark pixels in its column of an empty, light field.
bool cursorDrawn(QPlainTextEdit *field)
{
    const QImage shot = field->viewport()->grab().toImage();
    const QRect caret = field->cursorRect().adjusted(-1, 0, 1, 0) & shot.rect();
    for (int y = caret.top(); y <= caret.bottom(); ++y) {
        for (int x = caret.left(); x <= caret.right(); ++x) {
            if (qGray(shot.pixel(x, y)) < 128)
                return true;
        }
    }
    return false;
}

int flashTime()
{
    return QGuiApplication::styleHints()->cursorFlashTime();
}

} // namespace

class TestNote : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void typingStoresTheWholeTextAtOnce();
    void textSurvivesARestartWithoutQuit();
    void longUnbreakableLineKeepsItsTextAndOtherLinesTheirWrap();
    void firstActivationRearmsTheTimerOnce();
    void handleIsRecordedAndFindsItsOwnWindow();
    void textFieldNeverShowsItsOwnMenu_data();
    void textFieldNeverShowsItsOwnMenu();
    void unloadingOneNoteUnhooksOnlyThatNote();
    void errorReportWordsAndGoesOn();
    void timerIntervalZeroStops();
    void cursorStopsBlinkingWhenIdleAndBlinksAgainAtInput();
    void storedColours_data();
    void storedColours();
    void longNoteStoresItsChangesExactly();
    void shortcuts_data();
    void shortcuts();
    void shortcutActsOnTheNoteTypedIn();
    void heldCtrlDAndCtrlQ();
    void latinLetterOfANonLatinKey();
    void keysOfTheMenuAndTheDialogs_data();
    void keysOfTheMenuAndTheDialogs();
    void screenReaderNameOfANote_data();
    void screenReaderNameOfANote();
    void screenReaderNamesFollowTheTextAndTheLabels();
};

void TestNote::cleanup()
{
    TestProgram::expectNoWindowsLeft();
}

void TestNote::typingStoresTheWholeTextAtOnce()
{
    TestProgram t;
    t.seed(QStringLiteral("NotesForm1.Notes"), QStringLiteral("ab"));
    t.start();
    QPlainTextEdit *text = t.note("NotesForm1")->textField();
    text->moveCursor(QTextCursor::End);

    QTest::keyClick(text, Qt::Key_C);
    QCOMPARE(t.store().get(QStringLiteral("NotesForm1.Notes")), QStringLiteral("abc"));
    QTest::keyClick(text, Qt::Key_Return);
    QTest::keyClicks(text, QStringLiteral("d"));
    QCOMPARE(t.store().get(QStringLiteral("NotesForm1.Notes")), QStringLiteral("abc\nd"));
    QCOMPARE(t.store().pendingCount(), 0);
}

void TestNote::textSurvivesARestartWithoutQuit()
{
    TestProgram t;
    t.start();
    QTest::keyClicks(t.note("NotesForm1")->textField(), QStringLiteral("remember the milk"));
    t.restart();
    QCOMPARE(t.notes().size(), 1);
    QCOMPARE(t.note("NotesForm1")->textField()->toPlainText(), QStringLiteral("remember the milk"));
}

void TestNote::longUnbreakableLineKeepsItsTextAndOtherLinesTheirWrap()
{
    // A pasted key with nowhere to break a line, below a line of words.
    QString key;
    for (int i = 0; key.size() < 200000; ++i)
        key += QLatin1Char("0123456789abcdef"[i % 16]);
    const QString words = QStringLiteral("remember the milk and call Anna about the meeting on Tuesday");
    const QString text = words + QLatin1Char('\n') + key;
    TestProgram t;
    t.seedNotes({text});
    t.start();
    NoteWindow *note = t.note("NotesForm1");
    QPlainTextEdit *field = note->textField();
    field->moveCursor(QTextCursor::End);
    QTest::keyClick(field, Qt::Key_X);
    QCOMPARE(field->toPlainText(), text + QLatin1Char('x'));
    QCOMPARE(t.store().get(QStringLiteral("NotesForm1.Notes")), text + QLatin1Char('x'));

    // Laid out again after the key: the words still break between words only.
    note->resize(note->width() + 30, note->height());
    const QTextBlock first = field->document()->firstBlock();
    field->document()->documentLayout()->blockBoundingRect(first);
    const QTextLayout *layout = first.layout();
    QVERIFY(layout->lineCount() > 1);
    for (int i = 1; i < layout->lineCount(); ++i)
        QCOMPARE(words.at(layout->lineAt(i).textStart() - 1), QLatin1Char(' '));

    t.restart();
    QCOMPARE(t.note("NotesForm1")->textField()->toPlainText(), text + QLatin1Char('x'));
}

void TestNote::firstActivationRearmsTheTimerOnce()
{
    TestProgram t;
    auto *note = new NoteWindow(t.program());
    note->setTag(QStringLiteral("NotesForm1"));
    QVERIFY(note->firstActivationPending());
    note->seeThroughTimer()->setInterval(0);

    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(note, &activate);
    QCOMPARE(note->seeThroughTimer()->interval(), 1);
    QVERIFY(!note->firstActivationPending());

    note->seeThroughTimer()->setInterval(0);
    QApplication::sendEvent(note, &activate);
    QCOMPARE(note->seeThroughTimer()->interval(), 0);
}

void TestNote::handleIsRecordedAndFindsItsOwnWindow()
{
    TestProgram t;
    t.seedCount(2);
    t.seed(QStringLiteral("NotesForm1.ActivehWnd"), QStringLiteral("12345"));   // from an earlier run
    t.start();
    NoteWindow *first = t.note("NotesForm1");
    NoteWindow *second = t.note("NotesForm2");
    QVERIFY(first->hWnd() != 0);
    QVERIFY(first->windowsWithStoredHandle().isEmpty());

    QTest::mouseMove(first->textField()->viewport(), QPoint(20, 20));
    QCOMPARE(t.store().get(QStringLiteral("NotesForm1.ActivehWnd")), QString::number(first->hWnd()));
    QCOMPARE(first->windowsWithStoredHandle(), QList<NoteWindow *>{first});

    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(second, &activate);
    QCOMPARE(t.store().get(QStringLiteral("NotesForm2.ActivehWnd")), QString::number(second->hWnd()));
    QCOMPARE(second->windowsWithStoredHandle(), QList<NoteWindow *>{second});

    // A handle written by hand that is not a number finds nothing and reports nothing.
    t.store().save(QStringLiteral("NotesForm2.ActivehWnd"), QStringLiteral("not a handle"));
    QVERIFY(second->windowsWithStoredHandle().isEmpty());
    second->resize(second->width() + 10, second->height());
    QVERIFY(t.dialogs.errorReports().isEmpty());
}

void TestNote::textFieldNeverShowsItsOwnMenu_data()
{
    QTest::addColumn<QStringList>("texts");   // the stored notes; none: an empty store
    QTest::addColumn<bool>("keyboard");       // the menu key instead of a right click
    QTest::addColumn<QString>("field");       // the last note's, that note's unhooked, or a plain one
    QTest::addColumn<bool>("shows");

    const QStringList two{"A", "B"};
    QTest::newRow("the note of an empty store") << QStringList() << false << "note" << false;
    QTest::newRow("mouse, last of two") << two << false << "note" << false;
    QTest::newRow("keyboard, last of two") << two << true << "note" << false;
    // The checks above are only worth something if a field without the hook does show one.
    QTest::newRow("hook removed") << two << false << "unhooked" << true;
    QTest::newRow("a plain field") << QStringList() << false << "plain" << true;
}

void TestNote::textFieldNeverShowsItsOwnMenu()
{
    QFETCH(QStringList, texts);
    QFETCH(bool, keyboard);
    QFETCH(QString, field);
    QFETCH(bool, shows);

    TestProgram t;
    if (!texts.isEmpty())
        t.seedNotes(texts);
    t.start();
    QPlainTextEdit *target = t.notes().constLast()->textField();
    QPlainTextEdit plain;
    if (field == QLatin1String("unhooked")) {
        t.program().HookedTextWindow = target;
        RemoveTextHook(t.program());
    } else if (field == QLatin1String("plain")) {
        plain.show();
        target = &plain;
    }

    QCOMPARE(ownMenuShows(target, keyboard ? QContextMenuEvent::Keyboard : QContextMenuEvent::Mouse), shows);
    QVERIFY(!QApplication::activePopupWidget());
    QVERIFY(t.dialogs.menuPositions.isEmpty());   // nor the note's own menu
}

void TestNote::unloadingOneNoteUnhooksOnlyThatNote()
{
    TestProgram t;
    t.seedCount(2);
    t.start();
    QPointer<NoteWindow> first = t.note("NotesForm1");
    NoteWindow *second = t.note("NotesForm2");
    QPlainTextEdit *firstText = first->textField();

    first->unload();
    QVERIFY(!t.program().forms.all().contains(first.data()));
    QCOMPARE(t.program().HookedTextWindow.data(), static_cast<QWidget *>(firstText));
    first->show();   // still alive until control returns: its field has its own menu back
    QVERIFY(ownMenuShows(firstText));
    QVERIFY(!ownMenuShows(second->textField()));
    TestProgram::settle();
    QVERIFY(first.isNull());
}

void TestNote::errorReportWordsAndGoesOn()
{
    QCOMPARE(ErrorReport::text(QStringLiteral("Invalid property value"), QStringLiteral("Form1"),
                               QStringLiteral("Form_Resize"), 100),
             QStringLiteral("Invalid property value\r\nin Pellamy2021/08/31.Form1.Form_Resize at line 100\r\n\r\n"
                            "Please email screenshot of this message to quillarren-support@brimvale.net"));

    FakeDialogs dialogs;
    QStringList ran;
    ErrorReport::run(dialogs, QStringLiteral("MenuForm"), QStringLiteral("Form_Load"),
                     {{100, [&] { ran << "100"; throw Failure(QStringLiteral("boom")); }},
                      {102, [&] { ran << "102"; }}});
    QCOMPARE(ran, (QStringList{"100", "102"}));
    QCOMPARE(dialogs.messages.size(), 1);
    QCOMPARE(dialogs.messages[0].title, QStringLiteral("Application Error"));
    QCOMPARE(dialogs.messages[0].icon, MessageIcon::Warning);
    QCOMPARE(dialogs.messages[0].buttons, MessageButtons::Ok);
    QVERIFY(dialogs.messages[0].text.startsWith(QStringLiteral("boom\r\nin Pellamy2021/08/31.MenuForm.Form_Load at line 100")));

    ran.clear();
    ErrorReport::run(dialogs, QStringLiteral("MenuForm"), QStringLiteral("SaveNoteToFileName_Click"),
                     {{106, [&] { ran << "106"; throw Failure(QStringLiteral("disk full")); }},
                      {108, [&] { ran << "108"; }}},
                     true);
    QCOMPARE(ran, QStringList{"106"});
}

void TestNote::timerIntervalZeroStops()
{
    WindowTimer timer(QStringLiteral("Timer1"));
    QSignalSpy ticks(&timer, &WindowTimer::ticked);
    timer.setInterval(1);
    QCOMPARE(timer.interval(), 1);
    QTRY_VERIFY(ticks.count() >= 2);   // it keeps ticking until stopped
    timer.setInterval(0);
    QCOMPARE(timer.interval(), 0);
    const int seen = ticks.count();
    QTest::qWait(20);
    QCOMPARE(ticks.count(), seen);
}

void TestNote::cursorStopsBlinkingWhenIdleAndBlinksAgainAtInput()
{
    const int desktopFlashTime = flashTime();
    QVERIFY(desktopFlashTime > 0);
    TestProgram t;
    t.start();
    QPlainTextEdit *text = t.note("NotesForm1")->textField();
    QTRY_VERIFY(text->hasFocus());
    {
        // Stopped in the hidden half of a blink, the cursor must still be drawn.
        QTRY_VERIFY(!cursorDrawn(text));
        CursorBlinkTimeout blink(0);
        QTRY_COMPARE(flashTime(), 0);
        QVERIFY(cursorDrawn(text));

        QTest::keyClick(text, Qt::Key_A);
        QCOMPARE(flashTime(), desktopFlashTime);
        QTRY_COMPARE(flashTime(), 0);
        QTest::mouseClick(text->viewport(), Qt::LeftButton, {}, QPoint(30, 10));
        QCOMPARE(flashTime(), desktopFlashTime);
        QTRY_COMPARE(flashTime(), 0);
    }
    QCOMPARE(flashTime(), desktopFlashTime);   // the desktop's own blinking is left as it was
}

void TestNote::storedColours_data()
{
    QTest::addColumn<qint32>("stored");
    QTest::addColumn<QColor>("shown");
    QTest::newRow("note yellow") << qint32(0x00C0FFFF) << QColor(255, 255, 192);
    QTest::newRow("red low byte") << qint32(0x000000FF) << QColor(255, 0, 0);
    QTest::newRow("blue high byte") << qint32(0x00FF0000) << QColor(0, 0, 255);
    QTest::newRow("button face") << qint32(0x8000000F) << QGuiApplication::palette().color(QPalette::Button);
}

void TestNote::storedColours()
{
    QFETCH(qint32, stored);
    QFETCH(QColor, shown);
    QCOMPARE(Units::toQColor(stored), shown);
    if (stored >= 0)
        QCOMPARE(Units::fromQColor(shown), stored);
}

// A keystroke in a long note stores only what it changed: whatever the user does, the stored
// text is the field's at every moment, and after a restart.
void TestNote::longNoteStoresItsChangesExactly()
{
    QString text;
    for (int line = 0; text.size() < 70000; ++line)
        text += QStringLiteral("line %1 with a no-break\u00a0space and a line\u2028separator\n").arg(line);
    TestProgram t;
    t.seedNotes({text});
    t.start();
    NoteWindow *note = t.notes().constFirst();
    QPlainTextEdit *field = note->textField();
    const QString key = QStringLiteral("NotesForm1.Notes");
    QRandomGenerator random(20261208);
    for (int step = 0; step < 200; ++step) {
        const int length = field->document()->characterCount() - 1;
        QTextCursor cursor = field->textCursor();
        cursor.setPosition(random.bounded(length + 1));
        if (step % 5 == 4)
            cursor.setPosition(qMin(length, cursor.position() + random.bounded(200)), QTextCursor::KeepAnchor);
        field->setTextCursor(cursor);
        switch (step % 7) {
        case 0: QTest::keyClicks(field, QStringLiteral("ab")); break;
        case 1: QTest::keyClick(field, Qt::Key_Return); break;
        case 2: QTest::keyClick(field, Qt::Key_Backspace); break;
        case 3: QTest::keyClick(field, Qt::Key_Delete); break;
        case 4: field->insertPlainText(QStringLiteral("pasted\nacross\nlines")); break;
        case 5: {
            QKeyEvent typed(QEvent::KeyPress, Qt::Key_Eacute, Qt::NoModifier, QStringLiteral("é"));
            QApplication::sendEvent(field, &typed);
            break;
        }
        default: field->undo(); break;
        }
        QCOMPARE(t.store().get(key), note->text());
    }
    QVERIFY(t.store().pendingCount() > 0);   // the whole text waits for a pause in the typing
    const QString last = note->text();
    QVERIFY(last.contains(QChar(0x00a0)) && last.contains(QChar(0x2028)));
    t.restart();
    QCOMPARE(t.notes().constFirst()->text(), last);
    QCOMPARE(t.store().get(key), last);
}

void TestNote::shortcuts_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("runs");   // what the key runs; empty: nothing

    const struct { Qt::Key key; const char *command; } table[] = {
        {Qt::Key_A, "select all"}, {Qt::Key_D, "delete"}, {Qt::Key_E, "e-mail"}, {Qt::Key_F, "font"},
        {Qt::Key_N, "new note"}, {Qt::Key_O, "colour"}, {Qt::Key_R, "reminder"}, {Qt::Key_S, "save"},
        {Qt::Key_F1, "date"}, {Qt::Key_F2, "time"}, {Qt::Key_Q, "quit"},
    };
    for (const auto &row : table) {
        const QString name = QKeySequence(row.key).toString();
        QTest::newRow(qPrintable("Ctrl+" + name)) << int(row.key) << int(Qt::ControlModifier) << row.command;
        QTest::newRow(qPrintable("Ctrl+Shift+" + name))
            << int(row.key) << int(Qt::ControlModifier | Qt::ShiftModifier) << QString();
        QTest::newRow(qPrintable("Alt+" + name)) << int(row.key) << int(Qt::AltModifier) << QString();
    }
    QTest::newRow("plain F1") << int(Qt::Key_F1) << 0 << QString();
    QTest::newRow("Ctrl+B") << int(Qt::Key_B) << int(Qt::ControlModifier) << QString();
}

void TestNote::shortcuts()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, runs);

    TestProgram t;
    t.seedNotes({"alpha beta", "other"});
    t.start();
    QPointer<NoteWindow> note = t.note(QStringLiteral("NotesForm1"));
    note->textField()->moveCursor(QTextCursor::End);
    QTest::keyClick(note->textField(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));

    const MenuAndDialogs &windows = t.windows();
    QStringList ran;
    if (note && note->textField()->textCursor().selectedText() == QLatin1String("alpha beta"))
        ran << "select all";
    if (t.notes().size() == 1)
        ran << "delete";
    if (windows.emailDialog() && windows.emailDialog()->isVisible())
        ran << "e-mail";
    if (!t.dialogs.fontPresets.isEmpty())
        ran << "font";
    if (t.notes().size() == 3)
        ran << "new note";
    if (!t.dialogs.colorPresets.isEmpty())
        ran << "colour";
    if (windows.isReminderDialogLoaded())
        ran << "reminder";
    if (!t.dialogs.saveRequests.isEmpty())
        ran << "save";
    const QString text = t.store().get(QStringLiteral("NotesForm1.Notes"));
    if (text.contains(QLatin1String("2026")))
        ran << "date";
    if (text.contains(QLatin1String("55:40")))
        ran << "time";
    if (t.endCount == 1)
        ran << "quit";
    QCOMPARE(ran, runs.isEmpty() ? QStringList() : QStringList{runs});
    QVERIFY(t.dialogs.errorReports().isEmpty());
}

// The key makes its note the target first: Ctrl+D in B deletes B, although A was clicked last.
void TestNote::shortcutActsOnTheNoteTypedIn()
{
    TestProgram t;
    t.seedNotes({"A", "B", "C"});
    t.start();
    t.program().CurrentNoteTag = QStringLiteral("NotesForm1");
    QTest::keyClick(t.note(QStringLiteral("NotesForm2"))->textField(), Qt::Key_D, Qt::ControlModifier);
    TestProgram::settle();
    QCOMPARE(t.texts(), (QStringList{"A", "C"}));
}

// Held keys repeat: a held Ctrl+D deletes one note (its repeats nothing) and asks the last-note
// question once, and Ctrl+Q stores and ends once.
void TestNote::heldCtrlDAndCtrlQ()
{
    TestProgram t;
    t.seedNotes({"A", "B", "C"});
    t.start();
    const auto press = [](NoteWindow *note, Qt::Key key, bool repeated) {
        QKeyEvent down(QEvent::KeyPress, key, Qt::ControlModifier, QString(), repeated);
        QApplication::sendEvent(note->textField(), &down);
    };
    press(t.note(QStringLiteral("NotesForm3")), Qt::Key_D, false);
    TestProgram::settle();
    for (int repeat = 0; repeat < 5; ++repeat)
        press(t.notes().constFirst(), Qt::Key_D, true);
    TestProgram::settle();
    QCOMPARE(t.texts(), (QStringList{"A", "B"}));
    press(t.note(QStringLiteral("NotesForm2")), Qt::Key_D, false);
    TestProgram::settle();
    QCOMPARE(t.texts(), QStringList{"A"});
    for (int repeat = 0; repeat < 5; ++repeat)
        press(t.notes().constFirst(), Qt::Key_D, true);
    QCOMPARE(t.dialogs.messages.size(), 0);
    press(t.notes().constFirst(), Qt::Key_D, false);
    QCOMPARE(t.dialogs.messages.size(), 1);   // the last-note question, answered No
    QCOMPARE(t.texts(), QStringList{"A"});

    NoteWindow *last = t.notes().constFirst();
    press(last, Qt::Key_Q, false);
    press(last, Qt::Key_Q, true);
    press(last, Qt::Key_Q, true);
    QCOMPARE(t.endCount, 1);
    QCOMPARE(t.store().get(NoteKeys::TotalForms), QStringLiteral("1"));
}

void TestNote::latinLetterOfANonLatinKey()
{
    // A key's symbols group by group, as the desktop's keyboard map gives them.
    const quint32 cyrillicTe = 0x6d4, cyrillicTE = 0x6f4, greekNu = 0x7ed;
    QCOMPARE(KeyboardLayout::latinLetterIn({cyrillicTe, cyrillicTE, 'n', 'N'}), int('N'));
    QCOMPARE(KeyboardLayout::latinLetterIn({greekNu, 0, 'n'}), int('N'));
    QCOMPARE(KeyboardLayout::latinLetterIn({cyrillicTe, cyrillicTE}), 0);   // no Latin layout at all
    QCOMPARE(KeyboardShortcuts::commandFor('N', KeyboardShortcuts::CtrlMask), KeyboardShortcuts::Command::CreateNewNote);
}

void TestNote::keysOfTheMenuAndTheDialogs_data()
{
    QTest::addColumn<QString>("window");   // where the key goes: its focused field
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("outcome");   // empty: nothing happens

    const struct { const char *row, *window; Qt::Key key; Qt::KeyboardModifiers modifiers; const char *outcome; } table[] = {
        {"Menu key", "note", Qt::Key_Menu, {}, "menu"},
        {"Shift+F10", "note", Qt::Key_F10, Qt::ShiftModifier, "menu"},
        {"F10 alone", "note", Qt::Key_F10, {}, ""},
        {"Escape in the address box", "e-mail", Qt::Key_Escape, {}, "cancelled"},
        {"Return in the address box", "e-mail", Qt::Key_Return, {}, "composed"},
        {"keypad Enter in the address box", "e-mail", Qt::Key_Enter, Qt::KeypadModifier, "composed"},
        {"Return on Cancel", "e-mail Cancel", Qt::Key_Return, {}, ""},
        {"Escape in the reminder", "reminder", Qt::Key_Escape, {}, "hidden"},
        {"Return in the reminder", "reminder", Qt::Key_Return, {}, ""},
        {"Escape in the alarm", "alarm", Qt::Key_Escape, {}, "stopped"},
        {"Return in the alarm", "alarm", Qt::Key_Return, {}, "stopped"},
        {"keypad Enter in the alarm", "alarm", Qt::Key_Enter, Qt::KeypadModifier, "stopped"},
    };
    for (const auto &r : table)
        QTest::newRow(r.row) << r.window << int(r.key) << int(r.modifiers) << r.outcome;
}

// The keyboard's ways to the note's menu, and out of the dialogs: each key does its one thing.
void TestNote::keysOfTheMenuAndTheDialogs()
{
    QFETCH(QString, window);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, outcome);

    TestProgram t;
    t.seedNotes({"first line\nsecond line", "other"});
    t.start();
    Program &program = t.program();
    MenuAndDialogs &windows = t.windows();
    QPlainTextEdit *field = t.note(QStringLiteral("NotesForm1"))->textField();
    field->setFocus();
    field->moveCursor(QTextCursor::End);
    const QPoint belowCaret = field->viewport()->mapToGlobal(field->cursorRect().bottomLeft());
    program.CurrentNoteTag = QStringLiteral("NotesForm1");
    QString openedMenu;
    t.dialogs.whileMenuOpen = [&](QMenu *menu) { openedMenu = menu->objectName(); };
    QWidget *target = field;
    if (window.startsWith(QLatin1String("e-mail"))) {
        windows.showEmail();
        windows.emailDialog()->Combo1()->setEditText(QStringLiteral("ann@example.org"));
        target = window.endsWith(QLatin1String("Cancel")) ? static_cast<QWidget *>(windows.emailDialog()->Command2())
                                                          : windows.emailDialog()->Combo1();
    } else if (window == QLatin1String("reminder")) {
        windows.showReminder();
        target = windows.reminderDialog().DTPicker1();
    } else if (window == QLatin1String("alarm")) {
        windows.showAlarmWindow();
        target = windows.alarmWindow()->Command1();
    }
    target->setFocus();
    QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    TestProgram::settle();

    QString happened;
    if (!t.dialogs.menuPositions.isEmpty()) {
        happened = "menu";
        // The note's own menu, just below the caret; afterwards the keys go to the text again.
        QCOMPARE(openedMenu, QStringLiteral("mnuPopup"));
        QCOMPARE(t.dialogs.menuPositions.constFirst(), belowCaret);
        QCOMPARE(QApplication::focusWidget(), field);
    } else if (window.startsWith(QLatin1String("e-mail")) && !windows.emailDialog()) {
        happened = t.shell.opened.isEmpty() ? "cancelled" : "composed";
        QCOMPARE(t.shell.opened.size(), happened == QLatin1String("composed") ? 1 : 0);
    } else if (window == QLatin1String("reminder") && !windows.reminderDialog().isVisible()) {
        happened = "hidden";
    } else if (window == QLatin1String("alarm") && !windows.alarmWindow() && !t.sound.playing) {
        happened = "stopped";
    }
    QCOMPARE(happened, outcome);
    QCOMPARE(t.store().get(QStringLiteral("NotesForm1.Notes")), QStringLiteral("first line\nsecond line"));
    QVERIFY(t.dialogs.errorReports().isEmpty());
}

namespace {

QString accessibleName(QObject *object)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(object);
    return face ? face->text(QAccessible::Name) : QStringLiteral("(not accessible)");
}

} // namespace

void TestNote::screenReaderNameOfANote_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("name");

    const QString cut = QStringLiteral("\u2026");
    QTest::newRow("one line") << "buy milk\nand bread" << "Note: buy milk";
    QTest::newRow("empty") << "" << "Note: (empty)";
    QTest::newRow("only blanks") << "  \n\t\n" << "Note: (empty)";
    QTest::newRow("blank lines first") << "\n  \n\t\n  call  Ann \nmore" << "Note: call Ann";
    QTest::newRow("long, cut after a word") << "Remember to water the plants on the balcony every morning"
                                            << "Note: Remember to water the plants on the" + cut;
    QTest::newRow("one long word") << QString(60, 'a') << "Note: " + QString(40, 'a') + cut;
    // A character beyond the first plane is two halves: never cut between them.
    QTest::newRow("an emoji at the cut") << QString(39, 'b') + "\U0001F600" + QString(20, 'c')
                                         << "Note: " + QString(39, 'b') + cut;
    QTest::newRow("a line of a megabyte") << QString(1 << 20, 'd') << "Note: " + QString(40, 'd') + cut;
    // A checklist item is said with its state, not left to how a reader names the box sign.
    QTest::newRow("an open item") << "\u2610 buy milk\n\u2611 bread" << "Note: not checked, buy milk";
    QTest::newRow("a done item") << "\n\u2611  bread \r\nmore" << "Note: checked, bread";
    QTest::newRow("an empty item") << "\u2610 " << "Note: not checked";
}

// A screen reader names each note by the first line that holds something.
void TestNote::screenReaderNameOfANote()
{
    QFETCH(QString, text);
    QFETCH(QString, name);
    TestProgram t;
    t.seedNotes({text});
    t.start();
    QCOMPARE(accessibleName(t.notes().constFirst()), name);
}

// The name follows the first line as it is typed; notes read as windows with a text field, the
// dialogs as dialogs with fields named by the labels beside them.
void TestNote::screenReaderNamesFollowTheTextAndTheLabels()
{
    TestProgram t;
    t.seedNotes({"first\nsecond"});
    t.start();
    NoteWindow *note = t.notes().constFirst();
    QCOMPARE(QAccessible::queryAccessibleInterface(note)->role(), QAccessible::Window);
    QCOMPARE(QAccessible::queryAccessibleInterface(note->textField())->role(), QAccessible::EditableText);
    QCOMPARE(accessibleName(note->textField()), QStringLiteral("Note text"));
    note->textField()->setFocus();
    QTest::keyClicks(note->textField(), "the ");
    QTRY_COMPARE(accessibleName(note), QStringLiteral("Note: the first"));
    QTest::keyClick(note->textField(), Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(accessibleName(t.notes().constLast()), QStringLiteral("Note: (empty)"));   // at once

    t.program().CurrentNoteTag = note->Tag();
    t.windows().showReminder();
    QCOMPARE(QAccessible::queryAccessibleInterface(&t.windows().reminderDialog())->role(), QAccessible::Dialog);
    QCOMPARE(accessibleName(t.windows().reminderDialog().DTPicker1()), QStringLiteral("Time for Reminder to Go Off:"));
    t.windows().showEmail();
    QCOMPARE(accessibleName(t.windows().emailDialog()->Combo1()), QStringLiteral("Enter e-mail recepients"));
}

QTEST_MAIN(TestNote)
#include "tst_note.moc"
