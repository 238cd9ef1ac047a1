// Checklists in a plain text field: the keys, clicks and the menu command that make, tick and
// end items, each undone by one Ctrl+Z, on texts with LF and CR LF breaks; done items drawn
// struck through without a change to the text; Markdown for people.
#include "base/checklist/checklistlines.h"
#include "gui/checklist/checklist.h"
#include "gui/checklist/checklistlook.h"
#include "base/notefile/notefile.h"
#include "base/store/notekeys.h"
#include "gui/note/notewindow.h"
#include "testprogram.h"

#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTextBlock>
#include <QTextLayout>
#include <QtTest>

namespace {

enum class Action { CtrlReturn, Return, Backspace, Space, ClickBox, ClickText, MenuItem };

// A text as shown, with "|" for the caret, or "«" and "»" around a selection (caret at "»").
struct Marked
{
    QString text;
    int anchor = -1;
    int position = -1;
};

Marked unmark(QString text)
{
    Marked marked;
    const auto take = [&text](QChar marker) {
        const int at = int(text.indexOf(marker));
        if (at >= 0)
            text.remove(at, 1);
        return at;
    };
    marked.anchor = take(QChar(u'«'));
    marked.position = take(QLatin1Char('|'));
    if (marked.position < 0) {
        marked.position = take(QChar(u'»'));
    } else {
        marked.anchor = marked.position;
    }
    marked.text = text;
    return marked;
}

// The field's text with its breaks as line feeds, and the caret where it is.
QString shown(const QPlainTextEdit &field)
{
    QString text = field.document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    const QTextCursor cursor = field.textCursor();
    if (!cursor.hasSelection())
        text.insert(cursor.position(), QLatin1Char('|'));
    return text;
}

QString plain(const QPlainTextEdit &field)
{
    return field.document()->toPlainText();
}

QPoint middleOfBox(const QPlainTextEdit &field, int line)
{
    const QTextBlock block = field.document()->findBlockByNumber(line);
    QTextCursor at(block);
    const QRect before = field.cursorRect(at);
    at.setPosition(block.position() + 1);
    const QRect after = field.cursorRect(at);
    return QPoint((before.left() + after.left()) / 2, before.center().y());
}

void act(QPlainTextEdit &field, Action action)
{
    switch (action) {
    case Action::CtrlReturn: QTest::keyClick(&field, Qt::Key_Return, Qt::ControlModifier); break;
    case Action::Return: QTest::keyClick(&field, Qt::Key_Return); break;
    case Action::Backspace: QTest::keyClick(&field, Qt::Key_Backspace); break;
    case Action::Space: QTest::keyClick(&field, Qt::Key_Space); break;
    case Action::ClickBox: QTest::mouseClick(field.viewport(), Qt::LeftButton, {}, middleOfBox(field, 0)); break;
    case Action::ClickText: {
        // On the first line, between its fourth and fifth characters.
        QTextCursor at(field.document());
        at.setPosition(4);
        QTest::mouseClick(field.viewport(), Qt::LeftButton, {}, field.cursorRect(at).center());
        break;
    }
    case Action::MenuItem: Checklist::of(&field)->toggleLines(); break;
    }
}

// Done items are struck through from after the box to the line's end.
bool struckThrough(const QTextBlock &block)
{
    for (const QTextLayout::FormatRange &range : block.layout()->formats()) {
        if (range.format.fontStrikeOut() && range.start == ChecklistLines::BoxLength
            && range.length == block.length() - 1 - ChecklistLines::BoxLength)
            return true;
    }
    return false;
}

} // namespace

Q_DECLARE_METATYPE(Action)

class TestChecklist : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void editingRules_data();
    void editingRules();
    void doneItemsAreDrawnNotWritten();
    void inANote();
    void markdown_data();
    void markdown();
    void exportedMarkdown();
};

void TestChecklist::editingRules_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<Action>("action");
    QTest::addColumn<QString>("after");

    struct Row { const char *name; QString before; Action action; QString after; };
    const QList<Row> rows = {
        {"make an item", "milk|\nbread", Action::CtrlReturn, "☐ milk|\nbread"},
        {"make an item, caret at the start", "a\n|milk", Action::CtrlReturn, "a\n☐ |milk"},
        {"tick", "a\n☐ mi|lk\nb", Action::CtrlReturn, "a\n☑ mi|lk\nb"},
        {"untick", "a\n☑ milk|", Action::CtrlReturn, "a\n☐ milk|"},
        {"Return ends an item with a new one", "☐ milk|\nbread", Action::Return, "☐ milk\n☐ |\nbread"},
        {"Return after a done item opens one", "☑ milk|\nx", Action::Return, "☑ milk\n☐ |\nx"},
        {"Return inside an item splits it", "x\n☐ mi|lk", Action::Return, "x\n☐ mi\n☐ |lk"},
        {"Return before the box moves the item", "x\n|☐ milk", Action::Return, "x\n\n|☐ milk"},
        {"Return on an empty item ends the list", "☐ milk\n☐ |\nnext", Action::Return, "☐ milk\n|\nnext"},
        {"Return on an empty done item", "a\n☑ |", Action::Return, "a\n|"},
        {"Return over a selection in an item", "☐ m«il»k\nx", Action::Return, "☐ m\n☐ |k\nx"},
        {"Return on a plain line", "milk|\n☐ x", Action::Return, "milk\n|\n☐ x"},
        {"Backspace after a box", "x\n☐ |milk", Action::Backspace, "x\n|milk"},
        {"Backspace after an empty box", "x\n☐ |\ny", Action::Backspace, "x\n|\ny"},
        {"Backspace after a done box", "☑ |milk\ny", Action::Backspace, "|milk\ny"},
        {"Backspace inside an item", "☐ mi|lk\ny", Action::Backspace, "☐ m|lk\ny"},
        {"typed [] makes a box", "a\n[]|", Action::Space, "a\n☐ |"},
        {"typed [ ] makes a box", "[ ]|milk\nb", Action::Space, "☐ |milk\nb"},
        {"brackets inside a line stay", "a\nb []|", Action::Space, "a\nb [] |"},
        {"[x] is no box", "[x]|\nb", Action::Space, "[x] |\nb"},
        {"a click on the box ticks it", "☐ milk\nbr|ead", Action::ClickBox, "☑ milk\nbr|ead"},
        {"a click on the caret's box leaves the caret", "|☐ milk\nbread", Action::ClickBox, "|☑ milk\nbread"},
        {"a click on a done box unticks it", "☑ milk\nbread|", Action::ClickBox, "☐ milk\nbread|"},
        {"a click beside the box only moves the caret", "☐ milk\nbread|", Action::ClickText, "☐ mi|lk\nbread"},
        {"the menu item boxes the caret's line", "a\nmilk|", Action::MenuItem, "a\n☐ milk|"},
        {"the menu item boxes an empty line", "a\n|\nb", Action::MenuItem, "a\n☐ |\nb"},
        {"the menu item boxes the selected lines", "«a\n☐ b\n\nc»\nd", Action::MenuItem, "☐ a\n☐ b\n\n☐ c\nd"},
        {"the menu item unboxes when all have one", "x\n«☐ a\n\n☑ b»", Action::MenuItem, "x\na\n\nb"},
        {"a selection ending at a line's start", "«a\nb\n»c", Action::MenuItem, "☐ a\n☐ b\nc"},
    };
    for (const Row &row : rows) {
        QTest::newRow(row.name) << row.before << row.action << row.after;
        // The same note as it came from a CR LF file: the field shows those breaks as its own.
        if (row.before.contains(QLatin1Char('\n')))
            QTest::addRow("%s, CR LF", row.name) << QString(row.before).replace("\n", "\r\n") << row.action << row.after;
    }
}

// Each rule changes the text as a list editor does, moves the caret where typing goes on, and
// is undone by one Ctrl+Z; a line without a box is left to the field.
void TestChecklist::editingRules()
{
    QFETCH(QString, before);
    QFETCH(Action, action);
    QFETCH(QString, after);

    QPlainTextEdit field;
    field.resize(400, 300);
    const Marked start = unmark(before);
    field.setPlainText(start.text);
    Checklist::attach(&field);
    field.show();
    QVERIFY(QTest::qWaitForWindowExposed(&field));
    // The field counts a CR LF as one break.
    const auto inField = [&](int at) { return at - int(start.text.left(at).count(QStringLiteral("\r\n"))); };
    QTextCursor caret(field.document());
    caret.setPosition(inField(start.anchor));
    caret.setPosition(inField(start.position), QTextCursor::KeepAnchor);
    field.setTextCursor(caret);

    act(field, action);
    if (after.contains(QLatin1Char('|')))
        QCOMPARE(shown(field), after);
    else
        QCOMPARE(plain(field), unmark(after).text);

    QTest::keyClick(&field, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(plain(field), QString(unmark(before).text).replace("\r\n", "\n"));
}

// Done items are struck through and dimmed in the layout only: the text, the undo steps and
// the changes a long note stores stay those of the tick. A note without boxes draws nothing new.
void TestChecklist::doneItemsAreDrawnNotWritten()
{
    QPlainTextEdit field;
    field.setPlainText(QStringLiteral("shopping\nmilk\n"));
    Checklist *checklist = Checklist::attach(&field);
    QCOMPARE(Checklist::attach(&field), checklist);
    field.show();
    field.moveCursor(QTextCursor::End);
    QTest::keyClicks(&field, QStringLiteral("more text"));
    QVERIFY(!checklist->isDrawing());

    field.moveCursor(QTextCursor::Start);
    field.moveCursor(QTextCursor::Down);
    QTest::keyClick(&field, Qt::Key_Return, Qt::ControlModifier);   // "☐ milk": now drawn
    QVERIFY(checklist->isDrawing());
    QCoreApplication::processEvents();   // the first drawing of the whole text
    const QTextBlock milk = field.document()->findBlockByNumber(1);
    QVERIFY(!struckThrough(milk));

    QSignalSpy changes(field.document(), &QTextDocument::contentsChange);
    QTest::keyClick(&field, Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(field.toPlainText(), QStringLiteral("shopping\n☑ milk\nmore text"));
    QVERIFY(struckThrough(milk));
    QCOMPARE(changes.size(), 1);   // the box replaced, nothing for the look
    QCOMPARE(changes.constFirst().at(0).toInt(), milk.position());
    QCOMPARE(changes.constFirst().at(2).toInt(), 1);

    // The note's colours: a new text colour dims anew.
    const auto doneColour = [&] {
        for (const QTextLayout::FormatRange &range : milk.layout()->formats())
            return range.format.foreground().color();
        return QColor();
    };
    QCOMPARE(doneColour(), ChecklistLook::dimmed(field.palette().color(QPalette::Text), field.palette().color(QPalette::Base)));
    QPalette red = field.palette();
    red.setColor(QPalette::Text, Qt::red);
    red.setColor(QPalette::Base, Qt::yellow);
    field.setPalette(red);
    QTRY_COMPARE(doneColour(), ChecklistLook::dimmed(Qt::red, Qt::yellow));
    QVERIFY(doneColour() != Qt::red && doneColour() != Qt::yellow);

    // Each Ctrl+Z takes back one of the user's steps: the look put none on the way.
    QTest::keyClick(&field, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(field.toPlainText(), QStringLiteral("shopping\n☐ milk\nmore text"));
    QVERIFY(!struckThrough(milk));
    QTest::keyClick(&field, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(field.toPlainText(), QStringLiteral("shopping\nmilk\nmore text"));

    // Drawing is no change of the text: a note shown from the store is not written back (its
    // CR LF breaks would come back as LF).
    QPlainTextEdit stored;
    stored.setPlainText(QStringLiteral("☐ a\r\n☑ b\r\nc"));
    stored.show();
    QSignalSpy textChanges(&stored, &QPlainTextEdit::textChanged);
    Checklist::attach(&stored);
    QTRY_VERIFY(struckThrough(stored.document()->findBlockByNumber(1)));   // when shown
    stored.setPalette(red);
    QCoreApplication::processEvents();
    QCOMPARE(textChanges.size(), 0);

    // A done item far down a long note is drawn done once it is scrolled to.
    QStringList lines(300, QStringLiteral("line"));
    lines[250] = QStringLiteral("☑ far down");
    stored.setPlainText(lines.join(QLatin1Char('\n')));
    const QTextBlock farDown = stored.document()->findBlockByNumber(250);
    stored.setTextCursor(QTextCursor(farDown));
    stored.ensureCursorVisible();
    QTRY_VERIFY(struckThrough(farDown));

    // A pasted or loaded text with boxes starts the drawing as well.
    QPlainTextEdit other;
    Checklist *otherChecklist = Checklist::attach(&other);
    other.setPlainText(QString(200, QLatin1Char('x')) + QStringLiteral("\n☑ done"));
    QVERIFY(otherChecklist->isDrawing());
}

// A note of the program: its stored items are drawn without being written back (CR LF stays),
// and the menu's "Checklist" acts on the note the menu was opened on, as one step of Undo.
void TestChecklist::inANote()
{
    TestProgram t;
    const QString stored = QStringLiteral("\u2610 a\r\n\u2611 b\r\nc");
    t.seedNotes({QStringLiteral("first"), stored});
    t.start();
    NoteWindow *note = t.notes().at(1);
    QPlainTextEdit *field = note->textField();
    QVERIFY(Checklist::of(field));
    QTRY_VERIFY(struckThrough(field->document()->findBlockByNumber(1)));
    QCoreApplication::processEvents();
    QCOMPARE(t.store().get(NoteKeys::tagFor(2) + NoteKeys::Notes), stored);

    TestProgram::select(note, 0, int(field->document()->findBlockByNumber(1).position()));   // line 1 only
    t.choose(note, QStringLiteral("ChecklistName"));
    QCOMPARE(t.texts(), QStringList({QStringLiteral("first"), QStringLiteral("a\n\u2611 b\nc")}));
    TestProgram::select(note, 0, int(field->document()->characterCount() - 1));
    t.choose(note, QStringLiteral("ChecklistName"));   // "c" and "a" lack a box: boxes on them
    QCOMPARE(t.texts().at(1), QStringLiteral("\u2610 a\n\u2611 b\n\u2610 c"));
    field->undo();
    QCOMPARE(t.texts().at(1), QStringLiteral("a\n\u2611 b\nc"));
    QTRY_COMPARE(t.store().get(NoteKeys::tagFor(2) + NoteKeys::Notes), QStringLiteral("a\n\u2611 b\nc"));
}

void TestChecklist::markdown_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("markdown");

    QTest::newRow("items among lines") << "Shopping\n☐ milk\n☑ bread\n\nlater" << "Shopping\n- [ ] milk\n- [x] bread\n\nlater";
    QTest::newRow("CR LF kept") << "☐ a\r\n☑ b\r\n" << "- [ ] a\r\n- [x] b\r\n";
    QTest::newRow("a paragraph under an item is kept apart") << "☐ a\r\nnot an item\nmore" << "- [ ] a\r\n\r\nnot an item\nmore";
    QTest::newRow("a lone CR is a break") << "x\r☐ a" << "x\r- [ ] a";
    QTest::newRow("a box without its space is no item") << "☐milk\n ☐ indented" << "☐milk\n ☐ indented";
    QTest::newRow("an empty item") << "☐ \n☐ " << "- [ ] \n- [ ] ";
    QTest::newRow("no items") << "plain\n- [ ] typed by hand" << "plain\n- [ ] typed by hand";
}

void TestChecklist::markdown()
{
    QFETCH(QString, text);
    QFETCH(QString, markdown);
    QCOMPARE(ChecklistLines::markdown(text), markdown);
}

// An exported note: its heading is its first line without the box, its items task list items.
void TestChecklist::exportedMarkdown()
{
    const NoteSlots::Values note{{NoteKeys::Notes, QStringLiteral("☐ milk\r\n☑ bread\r\n")}};
    QCOMPARE(NoteFile::markdown({note}), QByteArray("# milk\n\n- [ ] milk\r\n- [x] bread\n\n"));
}

QTEST_MAIN(TestChecklist)
#include "tst_checklist.moc"
