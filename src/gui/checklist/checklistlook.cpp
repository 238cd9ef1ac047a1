#include "gui/checklist/checklistlook.h"

#include "base/checklist/checklistlines.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>

using namespace ChecklistLines;

namespace {

// How far a done item's text goes toward the background: still readable, plainly set back.
constexpr double DoneFade = 0.45;

bool isDone(const QTextBlock &block)
{
    return boxOfLine(block) == Box::Done;
}

} // namespace

Box boxOfLine(const QTextBlock &block)
{
    // Only the line's first two characters: a long line is not copied to look at its start.
    if (block.length() <= BoxLength)
        return Box::None;
    const QTextDocument *document = block.document();
    const QChar start[BoxLength] = {document->characterAt(block.position()), document->characterAt(block.position() + 1)};
    return boxOf(QStringView(start, BoxLength));
}

ChecklistLook::ChecklistLook(QPlainTextEdit *field)
    : QObject(field)
    , m_field(field)
{
    m_done.setFontStrikeOut(true);
    const QPalette &palette = field->palette();
    m_done.setForeground(dimmed(palette.color(QPalette::Text), palette.color(QPalette::Base)));
    // Called while the text changes, before the changed lines are laid out again: they are laid
    // out once, with their look.
    connect(field->document(), &QTextDocument::contentsChange, this,
            [this](int position, int, int added) { drawLines(position, position + added); });
    // Only the lines about to be shown are given their look: a line laid out before it has one
    // is laid out again, and a note of thousands of items is opened with a few of them shown.
    field->viewport()->installEventFilter(this);
    field->viewport()->update();
}

bool ChecklistLook::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint && watched == m_field->viewport())
        drawShownLines();
    return QObject::eventFilter(watched, event);
}

void ChecklistLook::followColours()
{
    const QPalette &palette = m_field->palette();
    const QColor colour = dimmed(palette.color(QPalette::Text), palette.color(QPalette::Base));
    if (m_done.foreground().color() == colour)
        return;
    m_done.setForeground(colour);
    m_field->viewport()->update();
}

QColor ChecklistLook::dimmed(const QColor &text, const QColor &background)
{
    const auto mix = [](double from, double to) { return from + (to - from) * DoneFade; };
    return QColor::fromRgbF(float(mix(text.redF(), background.redF())), float(mix(text.greenF(), background.greenF())),
                            float(mix(text.blueF(), background.blueF())));
}

void ChecklistLook::drawShownLines()
{
    // From the first line shown, as many lines as would fit if none wrapped: without laying out
    // any of them, which the painting does next.
    QTextDocument *document = m_field->document();
    QTextBlock block = document->findBlockByLineNumber(m_field->verticalScrollBar()->value());
    const int shown = m_field->viewport()->height() / std::max(1, m_field->fontMetrics().lineSpacing()) + 2;
    for (int i = 0; i < shown && block.isValid(); ++i, block = block.next()) {
        if (isDone(block) && draw(block) && block.layout()->lineCount() > 0)
            document->markContentsDirty(block.position(), block.length());
    }
}

void ChecklistLook::drawLines(int from, int to)
{
    // The lines a change begins and ends in may have a look that no longer fits; the lines
    // between are new, and take theirs when shown (a note opened or pasted whole stays cheap).
    QTextDocument *document = m_field->document();
    const QTextBlock first = document->findBlock(from);
    const QTextBlock last = document->findBlock(to);
    for (const QTextBlock &block : {first, last}) {
        if (block.isValid() && draw(block))
            document->markContentsDirty(block.position(), block.length());
        if (first == last)
            break;
    }
}

bool ChecklistLook::draw(const QTextBlock &block)
{
    QTextLayout *layout = block.layout();
    QList<QTextLayout::FormatRange> wanted;
    // The box keeps the text's own look, so that it reads as a box and not as a crossed-out sign.
    if (isDone(block))
        wanted.append({BoxLength, block.length() - 1 - BoxLength, m_done});
    if (layout->formats() == wanted)
        return false;
    layout->setFormats(wanted);
    return true;
}
