// The note popup menu: its items, how a right press opens it on the pressed note, the target-note
// rule, the text field's own edit menu kept away, and the mouse moving and resizing of a note.

#include "testprogram.h"

#include "gui/menu/notemenu.h"
#include "gui/menu/notecommands.h"
#include "gui/note/borderlessresize.h"
#include "gui/platform/units.h"
#include "base/store/notekeys.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLocale>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTest>
#include <QWindow>

namespace {

enum class Where { Text, Strip };


QPoint pressPoint(Where where)
{
    // The top strip is 360 twips (24 pixels) high; the text field starts below it.
    return where == Where::Text ? QPoint(20, 20) : QPoint(10, 5);
}

QWidget *pressTarget(NoteWindow *note, Where where)
{
    return where == Where::Text ? note->textField()->viewport() : static_cast<QWidget *>(note);
}

// A press as the window system delivers it. A popup menu takes the release, so none comes back
// to the note; the test library's idea of the held buttons is reset instead.
void pressButton(NoteWindow *note, Where where, Qt::MouseButton button = Qt::RightButton)
{
    QTest::mousePress(pressTarget(note, where), button, {}, pressPoint(where));
    QTestPrivate::qtestMouseButtons = Qt::NoButton;
}

void hover(QWidget *widget, QPoint pos)
{
    QMouseEvent move(QEvent::MouseMove, pos, widget->mapToGlobal(pos), Qt::NoButton, Qt::NoButton, {});
    QApplication::sendEvent(widget, &move);
}



QString dateText(const QDate &date)
{
    return QLocale::system().toString(date, QLocale::ShortFormat);
}

int px(double twips)
{
    return qRound(twips / Units::twipsPerPixel());
}

} // namespace

Q_DECLARE_METATYPE(Where)

class TestMenu : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    // The menu itself
    void items_data();
    void items();
    void menuShape();
    void checkMarkWhenMenuFormLoads_data();
    void checkMarkWhenMenuFormLoads();

    // Opening it on a note
    void pressOpensMenuOnPressedNote_data();
    void pressOpensMenuOnPressedNote();
    void rightPressItemActsOnPressedNote_data();
    void rightPressItemActsOnPressedNote();
    void textFieldDisabledWhileMenuOpen_data();
    void textFieldDisabledWhileMenuOpen();
    void commandGivesTheKeyboardBack_data();
    void commandGivesTheKeyboardBack();

    // The target-note rule
    void deletedTargetChangesNoWindow_data();
    void deletedTargetChangesNoWindow();

    // Moving and resizing
    void edgeHitCode_data();
    void edgeHitCode();
    void resizeBandAndCornerZone_data();
    void resizeBandAndCornerZone();
    void pointerShapeOnHover_data();
    void pointerShapeOnHover();
    void textFieldFollowsWindowSize_data();
    void textFieldFollowsWindowSize();
    void pressInBandResizesFromCorner_data();
    void pressInBandResizesFromCorner();
    void leftDragInTextSelectsWithoutMovingNote();
};

void TestMenu::initTestCase()
{
    // The pixel arithmetic below assumes the usual 15 twips a pixel.
    QCOMPARE(Units::twipsPerPixel(), 15.0);
}

void TestMenu::cleanup()
{
    TestProgram::expectNoWindowsLeft();
}

void TestMenu::items_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("caption");   // "-" for a separator
    QTest::addColumn<QString>("keys");

    const struct { const char *name; const char *caption; const char *keys; } table[] = {
        {"CutName", "Cut", "Ctrl+X"},
        {"CopyName", "Copy", "Ctrl+C"},
        {"PasteName", "Paste", "Ctrl+V"},
        {"SelectAllName", "Select All", "Ctrl+A"},
        {"s2", "-", ""},
        {"SetReminderName", "Set Reminder", "Ctrl+R"},
        {"s5", "-", ""},
        {"CreateNewNoteName", "Create New Note", "Ctrl+N"},
        {"DeleteThisNoteName", "Delete This Note", "Ctrl+D"},
        {"s3", "-", ""},
        {"FontName", "Font...", "Ctrl+F"},
        {"ColorName", "Color...", "Ctrl+O"},
        {"s123", "-", ""},
        {"EmailName", "Email Note", "Ctrl+E"},
        {"SaveNoteToFileName", "Save Note to File", "Ctrl+S"},
        {"s1", "-", ""},
        {"InsertDateName", "Insert Date", "Ctrl+F1"},
        {"InsertTimeName", "Insert Time", "Ctrl+F2"},
        {"s4", "-", ""},
        {"DefeaultTranslucencyName", "Default Translucency", ""},
        {"IncreaseTranslucencyName", "Increase Translucency", ""},
        {"DecreaseTranslucencyName", "Decrease Translucency", ""},
        {"AlwaysOnTopName", "Always On Top", ""},
        {"s8", "-", ""},
        {"EmailAuthorName", "Email Author Suggestions / Bugs", ""},
        {"GotoWebsiteName", "Goto ", ""},   // followed by the web site's domain
        {"QuitName", "Quit (Remove All Notes)", "Ctrl+Q"},
        // After every item above, so that their order stays.
        {"sChecklist", "-", ""},
        {"ChecklistName", "Checklist", ""},
        {"NoteHistoryName", "Note History…", ""},
    };
    int row = 0;
    for (const auto &item : table)
        QTest::newRow(item.name) << row++ << QString::fromUtf8(item.caption) << QString::fromLatin1(item.keys);
}

void TestMenu::items()
{
    QFETCH(int, row);
    QFETCH(QString, caption);
    QFETCH(QString, keys);
    const QString name = QString::fromLatin1(QTest::currentDataTag());

    TestProgram t;
    NoteMenu &noteMenu = t.windows().noteMenu();
    const QList<QAction *> actions = noteMenu.popupMenu()->actions();
    QVERIFY(row < actions.size());
    QAction *action = actions.at(row);

    QCOMPARE(action->objectName(), name);
    QCOMPARE(noteMenu.item(name), action);
    QVERIFY(action->isVisible());
    QVERIFY(action->isEnabled());
    // Shown only: the note's own key handling provides the combinations.
    QVERIFY(action->shortcut().isEmpty());
    QVERIFY(action->shortcuts().isEmpty());
    QCOMPARE(action->isCheckable(), name == QLatin1String("AlwaysOnTopName"));

    if (caption == QLatin1String("-")) {
        QVERIFY(action->isSeparator());
        return;
    }
    QVERIFY(!action->isSeparator());
    if (name == QLatin1String("GotoWebsiteName")) {
        QVERIFY(action->text().startsWith(caption));
        QVERIFY(action->text().size() > caption.size());
        QVERIFY(!action->text().contains(QLatin1Char('\t')));
        return;
    }
    QCOMPARE(action->text(), keys.isEmpty() ? caption : caption + QLatin1Char('\t') + keys);
}

void TestMenu::menuShape()
{
    TestProgram t;
    t.start();
    NoteMenu &noteMenu = t.windows().noteMenu();
    QMenu *menu = noteMenu.popupMenu();
    QCOMPARE(menu->title(), QStringLiteral("Menu1"));
    QCOMPARE(menu->objectName(), QStringLiteral("mnuPopup"));
    QCOMPARE(menu->actions().size(), 30);

    // Loaded, never shown, and no note: it must not count as one.
    QVERIFY(t.program().forms.all().contains(&noteMenu));
    QVERIFY(noteMenu.Tag().isEmpty());
    pressButton(t.notes().constFirst(), Where::Text);
    QCOMPARE(t.dialogs.menuPositions.size(), 1);
    QVERIFY(!noteMenu.isVisible());
    QCOMPARE(t.notes().size(), 1);
}

void TestMenu::checkMarkWhenMenuFormLoads_data()
{
    QTest::addColumn<QStringList>("stored");   // ".AlwaysOnTop" of notes 1, 2 …; empty: no key
    QTest::addColumn<bool>("checked");

    QTest::newRow("nothing stored") << QStringList{QString()} << true;
    QTest::newRow("last with a value decides") << QStringList{"False", QString()} << false;
    QTest::newRow("unreadable counts as absent") << QStringList{"maybe"} << true;
}

void TestMenu::checkMarkWhenMenuFormLoads()
{
    QFETCH(QStringList, stored);
    QFETCH(bool, checked);

    TestProgram t;
    t.seedNotes(QStringList(stored.size(), QStringLiteral("n")));
    for (int i = 0; i < stored.size(); ++i) {
        if (!stored.at(i).isNull())
            t.seed(NoteKeys::tagFor(i + 1) + NoteKeys::AlwaysOnTop, stored.at(i));
    }
    t.start();
    QAction *check = t.windows().noteMenu().alwaysOnTopCheck();
    QVERIFY(check->isCheckable());
    QCOMPARE(check->isChecked(), checked);
}

void TestMenu::pressOpensMenuOnPressedNote_data()
{
    QTest::addColumn<Where>("where");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<bool>("opens");

    QTest::newRow("right in text") << Where::Text << Qt::RightButton << true;
    QTest::newRow("right on strip") << Where::Strip << Qt::RightButton << true;
    QTest::newRow("middle in text") << Where::Text << Qt::MiddleButton << false;
    QTest::newRow("middle on strip") << Where::Strip << Qt::MiddleButton << false;
    QTest::newRow("left in text") << Where::Text << Qt::LeftButton << false;
}

void TestMenu::pressOpensMenuOnPressedNote()
{
    QFETCH(Where, where);
    QFETCH(Qt::MouseButton, button);
    QFETCH(bool, opens);

    TestProgram t;
    t.seedNotes({"A", "B"});
    t.start();
    NoteWindow *a = t.note(QStringLiteral("NotesForm1"));
    NoteWindow *b = t.note(QStringLiteral("NotesForm2"));
    QVERIFY(a && b);
    t.program().CurrentNoteTag = b->Tag();
    t.seed(a->Tag() + NoteKeys::ActivehWnd, QStringLiteral("1"));

    pressButton(a, where, button);
    if (button == Qt::LeftButton)
        QTest::mouseRelease(pressTarget(a, where), button, {}, pressPoint(where));

    // Every press records the window's handle.
    QCOMPARE(t.store().get(a->Tag() + NoteKeys::ActivehWnd), QString::number(a->hWnd()));
    if (opens) {
        QCOMPARE(t.dialogs.menuPositions.size(), 1);
        QCOMPARE(t.dialogs.menuPositions.constFirst(), pressTarget(a, where)->mapToGlobal(pressPoint(where)));
        QCOMPARE(t.program().CurrentNoteTag, a->Tag());
    } else {
        QVERIFY(t.dialogs.menuPositions.isEmpty());
        QCOMPARE(t.program().CurrentNoteTag, b->Tag());
    }
    QVERIFY(t.dialogs.errorReports().isEmpty());
}

void TestMenu::rightPressItemActsOnPressedNote_data()
{
    QTest::addColumn<Where>("where");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QStringList>("expectedTexts");   // of the open notes, in load order
    QTest::addColumn<QString>("expectedClipboard");
    QTest::addColumn<QString>("expectedSelectionOfA");   // null: A is gone

    // A holds "alpha beta" with "beta" selected, B "gamma" with "gam" selected; the clipboard "CLIP".
    const QString date = dateText(QDate(2026, 12, 8));
    const QStringList untouched{"alpha beta", "gamma"};
    QTest::newRow("cut") << Where::Text << "CutName" << QStringList{"alpha ", "gamma"} << "beta" << "";
    QTest::newRow("copy") << Where::Text << "CopyName" << untouched << "beta" << "beta";
    QTest::newRow("paste") << Where::Text << "PasteName" << QStringList{"alpha CLIP", "gamma"} << "CLIP" << "";
    QTest::newRow("select all") << Where::Text << "SelectAllName" << untouched << "CLIP" << "alpha beta";
    QTest::newRow("insert date") << Where::Text << "InsertDateName"
                                 << QStringList{"alpha " + date + "beta", "gamma"} << "CLIP" << "";
    QTest::newRow("delete") << Where::Text << "DeleteThisNoteName" << QStringList{"gamma"} << "CLIP" << QString();
    QTest::newRow("separator") << Where::Text << "s2" << untouched << "CLIP" << "beta";
    QTest::newRow("nothing chosen") << Where::Text << "" << untouched << "CLIP" << "beta";
    QTest::newRow("strip: cut") << Where::Strip << "CutName" << QStringList{"alpha ", "gamma"} << "beta" << "";
    QTest::newRow("strip: paste") << Where::Strip << "PasteName" << QStringList{"alpha CLIP", "gamma"} << "CLIP"
                                  << "";
    QTest::newRow("strip: delete") << Where::Strip << "DeleteThisNoteName" << QStringList{"gamma"} << "CLIP"
                                   << QString();
}

void TestMenu::rightPressItemActsOnPressedNote()
{
    QFETCH(Where, where);
    QFETCH(QString, item);
    QFETCH(QStringList, expectedTexts);
    QFETCH(QString, expectedClipboard);
    QFETCH(QString, expectedSelectionOfA);

    TestProgram t;
    t.seedNotes({"alpha beta", "gamma"});
    t.start();
    QPointer<NoteWindow> a = t.note(QStringLiteral("NotesForm1"));
    NoteWindow *b = t.note(QStringLiteral("NotesForm2"));
    QVERIFY(a && b);
    TestProgram::select(a, 6, 10);
    TestProgram::select(b, 0, 3);
    QGuiApplication::clipboard()->setText(QStringLiteral("CLIP"));

    // B was used last: its menu was opened and closed.
    pressButton(b, Where::Text);
    QCOMPARE(t.program().CurrentNoteTag, b->Tag());

    t.dialogs.menuChoices.enqueue(item);
    pressButton(a, where);
    QCOMPARE(t.dialogs.menuPositions.size(), 2);
    t.settle();

    QCOMPARE(t.texts(), expectedTexts);
    QCOMPARE(QGuiApplication::clipboard()->text(), expectedClipboard);
    for (NoteWindow *note : t.notes())
        QCOMPARE(t.store().get(note->Tag() + NoteKeys::Notes), note->textField()->toPlainText());
    QCOMPARE(b->textField()->textCursor().selectedText(), QStringLiteral("gam"));
    if (expectedSelectionOfA.isNull()) {
        QVERIFY(a.isNull() || !a->isLoaded());
        QCOMPARE(t.store().get(NoteKeys::TotalForms), QStringLiteral("1"));
    } else {
        QVERIFY(a);
        QCOMPARE(a->textField()->textCursor().selectedText(), expectedSelectionOfA);
        QCOMPARE(t.program().CurrentNoteTag, a->Tag());
    }
    QVERIFY(t.dialogs.errorReports().isEmpty());
}

void TestMenu::textFieldDisabledWhileMenuOpen_data()
{
    QTest::addColumn<QString>("item");
    QTest::newRow("nothing chosen") << "";
    QTest::newRow("copy") << "CopyName";
    QTest::newRow("create new note") << "CreateNewNoteName";
}

void TestMenu::textFieldDisabledWhileMenuOpen()
{
    QFETCH(QString, item);

    TestProgram t;
    t.seedNotes({"A", "B"});
    t.start();
    NoteWindow *a = t.note(QStringLiteral("NotesForm1"));
    NoteWindow *b = t.note(QStringLiteral("NotesForm2"));
    QVERIFY(a && b);
    t.seed(a->Tag() + NoteKeys::ActivehWnd, QStringLiteral("1"));

    int opened = 0;
    t.dialogs.whileMenuOpen = [&](QMenu *menu) {
        ++opened;
        QCOMPARE(menu, t.windows().noteMenu().popupMenu());
        QVERIFY(!a->textField()->isEnabled());
        QVERIFY(b->textField()->isEnabled());
        QCOMPARE(t.program().CurrentNoteTag, a->Tag());
        QCOMPARE(t.store().get(a->Tag() + NoteKeys::ActivehWnd), QString::number(a->hWnd()));
    };
    t.dialogs.menuChoices.enqueue(item);
    pressButton(a, Where::Text);

    QCOMPARE(opened, 1);
    QVERIFY(a->textField()->isEnabled());
    QVERIFY(b->textField()->isEnabled());
    QVERIFY(t.dialogs.errorReports().isEmpty());
}

void TestMenu::deletedTargetChangesNoWindow_data()
{
    QTest::addColumn<int>("deleted");   // load-order position, from 1
    QTest::addColumn<QStringList>("left");
    QTest::newRow("first") << 1 << QStringList{"two", "three"};
    QTest::newRow("middle") << 2 << QStringList{"one", "three"};
    QTest::newRow("last") << 3 << QStringList{"one", "two"};
}

void TestMenu::deletedTargetChangesNoWindow()
{
    QFETCH(int, deleted);
    QFETCH(QStringList, left);

    TestProgram t;
    t.seedNotes({"one", "two", "three"});
    t.start();
    for (NoteWindow *note : t.notes())
        TestProgram::select(note, 0, 2);
    QGuiApplication::clipboard()->setText(QStringLiteral("CLIP"));

    t.dialogs.menuChoices.enqueue(QStringLiteral("DeleteThisNoteName"));
    pressButton(t.notes().at(deleted - 1), Where::Strip);
    t.settle();
    QCOMPARE(t.texts(), left);
    // No note may stand in for the deleted one, whatever it is now called.
    QVERIFY(t.windows().commands().targets().isEmpty());

    NoteCommands &commands = t.windows().commands();
    commands.Cut();
    commands.Paste();
    commands.InsertDate();
    commands.InsertTime();
    commands.SelectAll();
    t.settle();

    QCOMPARE(t.texts(), left);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("CLIP"));
    for (int i = 0; i < left.size(); ++i) {
        NoteWindow *note = t.notes().at(i);
        QCOMPARE(note->Tag(), NoteKeys::tagFor(i + 1));
        QCOMPARE(t.store().get(note->Tag() + NoteKeys::Notes), left.at(i));
        QCOMPARE(note->textField()->textCursor().selectedText(), left.at(i).left(2));
    }
    QCOMPARE(t.notes().size(), 2);
    QVERIFY(t.dialogs.errorReports().isEmpty());
}

void TestMenu::edgeHitCode_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("code");

    QTest::newRow("origin") << 0 << 0 << 13;
    QTest::newRow("89,89") << 89 << 89 << 13;
    QTest::newRow("90,0") << 90 << 0 << 14;
    QTest::newRow("0,90") << 0 << 90 << 16;
    QTest::newRow("90,90") << 90 << 90 << 17;
    QTest::newRow("89,90") << 89 << 90 << 16;
    QTest::newRow("90,89") << 90 << 89 << 14;
    QTest::newRow("negative") << -20 << -20 << 13;
    // A 2000 by 2000 twips field: right band near the top, bottom band in the middle and at the left.
    QTest::newRow("0.96w,50") << 1920 << 50 << 14;
    QTest::newRow("0.5w,0.97h") << 1000 << 1940 << 17;
    QTest::newRow("40,0.97h") << 40 << 1940 << 16;
}

void TestMenu::edgeHitCode()
{
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(int, code);
    QCOMPARE(BorderlessResize::EdgeHitCode(x, y), code);
}

void TestMenu::resizeBandAndCornerZone_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("height");
    QTest::addColumn<bool>("inBand");
    QTest::addColumn<bool>("inCorner");

    QTest::newRow("exactly 0.95, 0.95") << 1900.0 << 1900.0 << 2000.0 << 2000.0 << false << false;
    QTest::newRow("just past 0.95 in x") << 1900.001 << 0.0 << 2000.0 << 2000.0 << true << false;
    QTest::newRow("just past 0.95 in y") << 0.0 << 1900.001 << 2000.0 << 2000.0 << true << false;
    QTest::newRow("0.96w, 50") << 1920.0 << 50.0 << 2000.0 << 2000.0 << true << false;
    QTest::newRow("0.5w, 0.97h") << 1000.0 << 1940.0 << 2000.0 << 2000.0 << true << false;
    QTest::newRow("40, 0.97h") << 40.0 << 1940.0 << 2000.0 << 2000.0 << true << false;
    QTest::newRow("0.97w, 0.5h: band, no corner") << 1940.0 << 1000.0 << 2000.0 << 2000.0 << true << false;
    QTest::newRow("both past") << 1901.0 << 1901.0 << 2000.0 << 2000.0 << true << true;
    QTest::newRow("x exactly, y past") << 1900.0 << 1901.0 << 2000.0 << 2000.0 << true << false;
    QTest::newRow("middle") << 1000.0 << 1000.0 << 2000.0 << 2000.0 << false << false;
    // A wide, low field: x is measured against the width, y against the height.
    QTest::newRow("wide: x under 0.95w") << 1899.0 << 949.0 << 2000.0 << 1000.0 << false << false;
    QTest::newRow("wide: y past 0.95h") << 960.0 << 951.0 << 2000.0 << 1000.0 << true << false;
    QTest::newRow("wide: corner") << 1901.0 << 951.0 << 2000.0 << 1000.0 << true << true;
}

void TestMenu::resizeBandAndCornerZone()
{
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(double, width);
    QFETCH(double, height);
    QFETCH(bool, inBand);
    QFETCH(bool, inCorner);
    QCOMPARE(BorderlessResize::InResizeBand(x, y, width, height), inBand);
    QCOMPARE(BorderlessResize::InCornerZone(x, y, width, height), inCorner);
}

void TestMenu::pointerShapeOnHover_data()
{
    // Pixels in the untouched text field of 133 by 133 pixels (1995 twips; 95 % is 1895.25).
    QTest::addColumn<Where>("where");
    QTest::addColumn<QPoint>("pos");
    QTest::addColumn<int>("shape");

    QTest::newRow("corner zone") << Where::Text << QPoint(127, 127) << int(NoteWindow::SizeDiagonal);
    QTest::newRow("right band only") << Where::Text << QPoint(127, 66) << int(NoteWindow::IBeam);
    QTest::newRow("bottom band only") << Where::Text << QPoint(66, 127) << int(NoteWindow::IBeam);
    QTest::newRow("just inside") << Where::Text << QPoint(126, 127) << int(NoteWindow::IBeam);
    QTest::newRow("middle") << Where::Text << QPoint(66, 66) << int(NoteWindow::IBeam);
    QTest::newRow("top strip") << Where::Strip << QPoint(40, 5) << int(NoteWindow::SizeAll);
}

void TestMenu::pointerShapeOnHover()
{
    QFETCH(Where, where);
    QFETCH(QPoint, pos);
    QFETCH(int, shape);

    TestProgram t;
    t.seedNotes({"A"});
    t.start();
    NoteWindow *note = t.notes().constFirst();
    QCOMPARE(note->textField()->size(), QSize(px(2000), px(2000)));
    // Start from a shape the row does not expect.
    hover(note, QPoint(40, 5));
    if (where == Where::Strip)
        hover(note->textField()->viewport(), QPoint(127, 127));

    hover(pressTarget(note, where), pos);
    QCOMPARE(note->pointerShape(), shape);
    if (where == Where::Text)
        QCOMPARE(t.store().get(note->Tag() + NoteKeys::ActivehWnd), QString::number(note->hWnd()));
}

void TestMenu::textFieldFollowsWindowSize_data()
{
    QTest::addColumn<bool>("recordFirst");
    QTest::addColumn<QSize>("size");

    QTest::newRow("wider and taller") << true << QSize(200, 150);
    QTest::newRow("narrow and tall") << true << QSize(100, 300);
    QTest::newRow("smallest") << true << QSize(24, 40);
    QTest::newRow("stale handle: layout kept") << false << QSize(200, 150);
}

void TestMenu::textFieldFollowsWindowSize()
{
    QFETCH(bool, recordFirst);
    QFETCH(QSize, size);

    TestProgram t;
    t.seedNotes({"A", "B"});
    t.start();
    NoteWindow *note = t.note(QStringLiteral("NotesForm1"));
    NoteWindow *other = t.note(QStringLiteral("NotesForm2"));
    const QRect otherField = other->textField()->geometry();
    // A handle left from an earlier run names no window.
    t.seed(note->Tag() + NoteKeys::ActivehWnd, QStringLiteral("123456789"));
    if (recordFirst)
        hover(note->textField()->viewport(), QPoint(30, 30));

    note->resize(size);
    QTRY_COMPARE(note->size(), size);
    QCoreApplication::processEvents();

    const QPlainTextEdit *field = note->textField();
    QCOMPARE(field->x(), 0);
    QCOMPARE(field->y() * Units::twipsPerPixel(), 360.0);
    if (recordFirst) {
        QCOMPARE(field->width(), size.width());
        QCOMPARE(field->height(), size.height() - px(355));
    } else {
        QCOMPARE(field->size(), QSize(px(2000), px(2000)));
    }
    QCOMPARE(other->textField()->geometry(), otherField);
    QVERIFY(t.dialogs.errorReports().isEmpty());
}

void TestMenu::pressInBandResizesFromCorner_data()
{
    // Press in the untouched 133 by 133 pixel text field, drag by (30, 20) pixels.
    QTest::addColumn<QPoint>("press");
    QTest::addColumn<QMargins>("moved");   // how far left, top, right, bottom edges move
    QTest::addColumn<bool>("quickSecond");   // the press follows a click there, as a double click

    QTest::newRow("bottom band: bottom-right") << QPoint(66, 129) << QMargins(0, 0, 30, 20) << false;
    QTest::newRow("bottom band near left: bottom-left") << QPoint(2, 129) << QMargins(30, 0, 0, 20) << false;
    QTest::newRow("right band near top: top-right") << QPoint(128, 3) << QMargins(0, 20, 30, 0) << false;
    QTest::newRow("right band: bottom-right") << QPoint(128, 66) << QMargins(0, 0, 30, 20) << false;
    QTest::newRow("outside the band: no resize") << QPoint(126, 126) << QMargins() << false;
    QTest::newRow("quick second press in the band") << QPoint(66, 129) << QMargins(0, 0, 30, 20) << true;
}

void TestMenu::pressInBandResizesFromCorner()
{
    QFETCH(QPoint, press);
    QFETCH(QMargins, moved);
    QFETCH(bool, quickSecond);

    TestProgram t;
    t.seedNotes({"A"});
    t.start();
    NoteWindow *note = t.notes().constFirst();
    QWindow *window = note->windowHandle();
    QVERIFY(window);
    QTRY_VERIFY(window->isExposed());
    const QRect before = note->geometry();

    // The pointer moves on the desktop; where it lands in the window depends on where the
    // window has gone meanwhile.
    const QPoint at = note->textField()->viewport()->mapTo(note, press);
    const QPoint globalEnd = window->mapToGlobal(at) + QPoint(30, 20);
    if (quickSecond) {
        QTest::mouseClick(window, Qt::LeftButton, {}, at);
        QTest::lastMouseTimestamp -= QTest::mouseDoubleClickInterval;   // the next press comes quickly
    }
    QTest::mousePress(window, Qt::LeftButton, {}, at);
    QTest::mouseMove(window, window->mapFromGlobal(globalEnd));
    QTest::mouseRelease(window, Qt::LeftButton, {}, window->mapFromGlobal(globalEnd));

    const QRect expected(before.left() + moved.left(), before.top() + moved.top(),
                         before.width() - moved.left() + moved.right(),
                         before.height() - moved.top() + moved.bottom());
    QCoreApplication::processEvents();
    QCOMPARE(note->geometry(), expected);
    if (!moved.isNull()) {
        QCOMPARE(note->textField()->geometry(), QRect(0, px(360), expected.width(), expected.height() - px(355)));
    } else {
        QCOMPARE(note->textField()->size(), QSize(px(2000), px(2000)));
    }
    QVERIFY(t.dialogs.errorReports().isEmpty());
}

void TestMenu::leftDragInTextSelectsWithoutMovingNote()
{
    TestProgram t;
    t.seedNotes({"alpha beta gamma"});
    t.start();
    NoteWindow *note = t.notes().constFirst();
    QWindow *window = note->windowHandle();
    QTRY_VERIFY(window->isExposed());
    const QRect before = note->geometry();
    QPlainTextEdit *field = note->textField();
    const QPoint start = field->cursorRect(QTextCursor(field->document())).center() + QPoint(2, 0);

    // Press on the first line, drag right along it, release: well away from the resize band.
    const QPoint at = field->viewport()->mapTo(note, start);
    QTest::mousePress(window, Qt::LeftButton, {}, at);
    QTest::mouseMove(window, at + QPoint(40, 0));
    QTest::mouseRelease(window, Qt::LeftButton, {}, at + QPoint(40, 0));

    QCOMPARE(note->geometry(), before);
    QVERIFY(!field->textCursor().selectedText().isEmpty());
    QVERIFY(QStringLiteral("alpha beta gamma").startsWith(field->textCursor().selectedText()));
    QVERIFY(t.dialogs.errorReports().isEmpty());
}

void TestMenu::commandGivesTheKeyboardBack_data()
{
    QTest::addColumn<Where>("where");
    QTest::addColumn<QString>("item");
    for (const char *item : {"InsertDateName", "InsertTimeName", "PasteName", "CutName", "FontName", "ColorName",
                             "SaveNoteToFileName", "IncreaseTranslucencyName", "AlwaysOnTopName",
                             "DeleteThisNoteName", "CreateNewNoteName", ""})
        QTest::newRow(qPrintable(QStringLiteral("text: %1").arg(item))) << Where::Text << item;
    QTest::newRow("strip: insert date") << Where::Strip << "InsertDateName";
}

// After a command that leaves its note open, typing goes on in that note (or in the note the
// command made); the dialogs here are cancelled and the last-note question answered No.
void TestMenu::commandGivesTheKeyboardBack()
{
    QFETCH(Where, where);
    QFETCH(QString, item);

    TestProgram t;
    t.seedNotes({"a"});
    t.start();
    NoteWindow *note = t.notes().constFirst();
    note->activateWindow();
    note->textField()->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), note->textField());

    t.dialogs.menuChoices.enqueue(item);
    pressButton(note, where);

    NoteWindow *typedIn = t.notes().constLast();
    QCOMPARE(typedIn == note, item != QLatin1String("CreateNewNoteName"));
    QTRY_COMPARE(QApplication::focusWidget(), typedIn->textField());
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("z"));
    QVERIFY(t.store().get(typedIn->Tag() + NoteKeys::Notes).contains(QLatin1Char('z')));
}

QTEST_MAIN(TestMenu)
#include "tst_menu.moc"
