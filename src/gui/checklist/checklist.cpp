#include "gui/checklist/checklist.h"

#include "base/checklist/checklistlines.h"
#include "gui/checklist/checklistlook.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

using namespace ChecklistLines;

namespace {

// Larger insertions (a pasted or loaded text) are read as one piece when looking for boxes.
constexpr int CharByCharUpTo = 64;

// The caret's place in the field, kept across an edit that does not move the text around it.
struct Caret
{
    int anchor;
    int position;
};

} // namespace

Checklist *Checklist::attach(QPlainTextEdit *field)
{
    if (Checklist *attached = of(field))
        return attached;
    return new Checklist(field);
}

Checklist *Checklist::of(const QPlainTextEdit *field)
{
    return field->findChild<Checklist *>(QString(), Qt::FindDirectChildrenOnly);
}

Checklist::Checklist(QPlainTextEdit *field)
    : QObject(field)
    , m_field(field)
{
    field->installEventFilter(this);
    field->viewport()->installEventFilter(this);
    connect(field->document(), &QTextDocument::contentsChange, this,
            [this](int position, int, int added) { contentsChange(position, added); });
    if (holdsBox(field->document()->toRawText()))
        startDrawing();
}

bool Checklist::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        if (watched == m_field && !m_field->isReadOnly())
            return keyPress(static_cast<QKeyEvent *>(event));
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        // A quick second click on a box ticks it again, as a second single click would.
        if (watched == m_field->viewport() && !m_field->isReadOnly())
            return boxClicked(static_cast<QMouseEvent *>(event));
        break;
    case QEvent::PaletteChange:
        if (watched == m_field && m_look)
            m_look->followColours();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

bool Checklist::keyPress(QKeyEvent *event)
{
    // The keypad's flag says where the key sits, not what the user holds.
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (modifiers == Qt::ControlModifier) {
            makeOrTick();
            return true;
        }
        return modifiers == Qt::NoModifier && returnPressed();
    case Qt::Key_Backspace:
        return modifiers == Qt::NoModifier && backspacePressed();
    case Qt::Key_Space:
        return (modifiers & ~Qt::ShiftModifier) == Qt::NoModifier && event->text() == QLatin1String(" ")
            && spaceTyped();
    default:
        return false;
    }
}

bool Checklist::returnPressed()
{
    QTextCursor cursor = m_field->textCursor();
    const QTextBlock block = m_field->document()->findBlock(cursor.selectionStart());
    // Before or inside the box, Return only moves the item down, as it moves any line.
    if (boxOfLine(block) == Box::None || cursor.selectionStart() - block.position() < BoxLength)
        return false;
    cursor.beginEditBlock();
    cursor.removeSelectedText();
    if (isEmptyItem(cursor.block().text())) {
        // Return on an empty item ends the list: the line is left empty.
        cursor.movePosition(QTextCursor::StartOfBlock);
        cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
    } else {
        cursor.insertBlock();
        cursor.insertText(boxText(Box::Open));
    }
    cursor.endEditBlock();
    edited(cursor);
    return true;
}

bool Checklist::backspacePressed()
{
    QTextCursor cursor = m_field->textCursor();
    const QTextBlock block = cursor.block();
    if (cursor.hasSelection() || cursor.position() - block.position() != BoxLength || boxOfLine(block) == Box::None)
        return false;
    // Right after a box, Backspace takes the whole box: the line is plain text again.
    cursor.setPosition(block.position(), QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    edited(cursor);
    return true;
}

bool Checklist::spaceTyped()
{
    QTextCursor cursor = m_field->textCursor();
    const QTextBlock block = cursor.block();
    const int typed = cursor.position() - block.position();
    if (cursor.hasSelection() || typed > 3 || typed < 2)
        return false;
    QTextCursor before(block);
    before.setPosition(cursor.position(), QTextCursor::KeepAnchor);
    if (typedBoxLength(before.selectedText()) == 0)
        return false;
    // One step: Undo gives back the brackets as typed.
    before.insertText(boxText(Box::Open));
    edited(before);
    return true;
}

void Checklist::makeOrTick()
{
    if (m_field->isReadOnly())
        return;   // a note that shows its alarm
    QTextCursor cursor = m_field->textCursor();
    const QTextBlock block = cursor.block();
    if (boxOfLine(block) != Box::None) {
        tick(block);
        return;
    }
    cursor.setPosition(block.position());
    cursor.insertText(boxText(Box::Open));
    // The caret stays where it was in the line's text, after the box if it was at the start.
    m_field->ensureCursorVisible();
}

void Checklist::toggleLines()
{
    if (m_field->isReadOnly())
        return;
    const QTextCursor selection = m_field->textCursor();
    QTextDocument *document = m_field->document();
    const QTextBlock first = document->findBlock(selection.selectionStart());
    QTextBlock last = document->findBlock(selection.selectionEnd());
    // A selection that ends at a line's start does not take that line in.
    if (selection.hasSelection() && last != first && selection.selectionEnd() == last.position())
        last = last.previous();
    QStringList lines;
    for (QTextBlock block = first; block.isValid(); block = block.next()) {
        lines.append(block.text());
        if (block == last)
            break;
    }
    const BoxEdit edit = boxEditFor(lines);
    QTextCursor cursor(document);
    cursor.beginEditBlock();
    for (const int line : edit.lines) {
        const QTextBlock block = document->findBlockByNumber(first.blockNumber() + line);
        cursor.setPosition(block.position());
        if (edit.removing) {
            cursor.setPosition(block.position() + BoxLength, QTextCursor::KeepAnchor);
            cursor.removeSelectedText();
        } else {
            cursor.insertText(boxText(Box::Open));
        }
    }
    cursor.endEditBlock();
}

void Checklist::tick(const QTextBlock &block)
{
    const QTextCursor shown = m_field->textCursor();
    const Caret caret{shown.anchor(), shown.position()};
    QTextCursor cursor(block);
    cursor.setPosition(block.position() + 1, QTextCursor::KeepAnchor);
    cursor.insertText(QString(QChar(boxOfLine(block) == Box::Open ? DoneBox : OpenBox)));
    // Ticking changes no text the caret could be in the middle of: it stays where it was.
    QTextCursor restored(m_field->document());
    restored.setPosition(caret.anchor);
    restored.setPosition(caret.position, QTextCursor::KeepAnchor);
    m_field->setTextCursor(restored);
}

bool Checklist::boxClicked(QMouseEvent *event)
{
    if (!m_look || event->button() != Qt::LeftButton || event->modifiers() != Qt::NoModifier)
        return false;
    const QTextBlock block = m_field->cursorForPosition(event->position().toPoint()).block();
    if (boxOfLine(block) == Box::None || !isOnBox(block, event->position()))
        return false;
    m_field->setFocus(Qt::MouseFocusReason);
    tick(block);
    return true;
}

bool Checklist::isOnBox(const QTextBlock &block, const QPointF &position) const
{
    // Between the caret places before and after the box, on the line's first row.
    QTextCursor at(block);
    const QRect before = m_field->cursorRect(at);
    at.setPosition(block.position() + 1);
    const QRect after = m_field->cursorRect(at);
    const double left = std::min(before.left(), after.left());
    const double right = std::max(before.left(), after.left());
    return position.x() >= left && position.x() <= right && position.y() >= before.top()
        && position.y() <= before.bottom();
}

void Checklist::edited(QTextCursor &cursor)
{
    m_field->setTextCursor(cursor);
    m_field->ensureCursorVisible();
}

void Checklist::contentsChange(int position, int added)
{
    if (m_look || added <= 0)
        return;
    QTextDocument *document = m_field->document();
    if (added <= CharByCharUpTo) {
        for (int at = position; at < position + added; ++at) {
            const QChar c = document->characterAt(at);
            if (c == OpenBox || c == DoneBox) {
                startDrawing();
                return;
            }
        }
        return;
    }
    QTextCursor inserted(document);
    inserted.setPosition(position);
    inserted.setPosition(std::min(position + added, document->characterCount() - 1), QTextCursor::KeepAnchor);
    if (holdsBox(inserted.selectedText()))
        startDrawing();
}

void Checklist::startDrawing()
{
    m_look = new ChecklistLook(m_field);
}
