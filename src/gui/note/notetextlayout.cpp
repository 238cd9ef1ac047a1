#include "gui/note/notetextlayout.h"

#include <QTextBlock>
#include <QTextBoundaryFinder>
#include <QTextDocument>
#include <QTextLayout>

namespace {

// Thousands of pixels wide, more than any line of a note holds: word wrap has to break such a
// stretch anywhere as well, so wrapping its paragraph anywhere changes little of its look.
constexpr qsizetype LongStretch = 1000;

bool isBreakingSpace(QChar c)
{
    switch (c.unicode()) {
    case 0x00A0:
    case 0x2007:
    case 0x202F:
        return false;   // spaces that hold words together
    default:
        return c.isSpace();
    }
}

// Whether the stretch, which starts at a break point, has one at least every LongStretch
// characters. Looked at a window at a time: a key of a megabyte with no break point costs one.
bool breaksOften(QStringView stretch)
{
    qsizetype start = 0;
    while (stretch.size() - start > LongStretch) {
        const QStringView window = stretch.sliced(start, LongStretch + 1);
        QTextBoundaryFinder finder(QTextBoundaryFinder::Line, window);
        finder.toEnd();
        const qsizetype lastBreak = finder.toPreviousBoundary();
        if (lastBreak <= 0)
            return false;
        start += lastBreak;
    }
    return true;
}

// Whether the text has a stretch longer than any line could hold with nowhere to break it.
bool hasLongUnbreakableStretch(const QString &text)
{
    if (text.size() <= LongStretch)
        return false;
    // Spaces are the common break points and cheap to find; a long stretch without one is
    // looked at closely (other scripts break between letters, URLs after slashes).
    qsizetype start = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i < text.size() && !isBreakingSpace(text.at(i)))
            continue;
        if (i - start > LongStretch && !breaksOften(QStringView(text).sliced(start, i - start)))
            return true;
        start = i + 1;
    }
    return false;
}

// Qt drops a paragraph's shaping once it is laid out, and the text cursor has it built again
// right away: for a long paragraph being typed in, a third of every keystroke. Kept, it takes
// no more memory than that rebuilt copy, which stayed until the next change anyway.
void keepShapingWhileEdited(const QTextBlock &block)
{
    block.layout()->setCacheEnabled(block.length() > LongStretch);
}

} // namespace

// The base class lays a paragraph out with the document's wrap mode. Around the layout of a
// paragraph that needs it, the mode is switched to anywhere and back.
class NoteTextLayout::AnywhereWrap
{
public:
    AnywhereWrap(const NoteTextLayout &layout, const QTextBlock &block)
        : m_layout(const_cast<NoteTextLayout &>(layout))
    {
        if (!block.isValid())
            return;
        m_saved = m_layout.document()->defaultTextOption();
        // Only breaking between words with a fallback to anywhere searches again from every line.
        // A paragraph's text is a copy: a short one, as most are, is not copied on every keystroke.
        if (m_saved.wrapMode() != QTextOption::WrapAtWordBoundaryOrAnywhere || block.length() - 1 <= LongStretch
            || !hasLongUnbreakableStretch(block.text()))
            return;
        QTextOption anywhere = m_saved;
        anywhere.setWrapMode(QTextOption::WrapAnywhere);
        setOption(anywhere);
        m_switched = true;
    }

    ~AnywhereWrap()
    {
        if (m_switched)
            setOption(m_saved);
    }

    Q_DISABLE_COPY_MOVE(AnywhereWrap)

private:
    void setOption(const QTextOption &option)
    {
        m_layout.m_switchingWrap = true;
        m_layout.document()->setDefaultTextOption(option);
        m_layout.m_switchingWrap = false;
    }

    NoteTextLayout &m_layout;
    QTextOption m_saved;
    bool m_switched = false;
};

NoteTextLayout::NoteTextLayout(QTextDocument *document)
    : QPlainTextDocumentLayout(document)
{
}

QRectF NoteTextLayout::blockBoundingRect(const QTextBlock &block) const
{
    // The base class lays out here a paragraph that has no lines yet.
    const bool laysOut = block.isValid() && block.layout()->lineCount() == 0;
    AnywhereWrap wrap(*this, laysOut ? block : QTextBlock());
    return QPlainTextDocumentLayout::blockBoundingRect(block);
}

void NoteTextLayout::documentChanged(int from, int charsRemoved, int charsAdded)
{
    // A switch of the wrap mode tells the layout the whole text changed; nothing did.
    if (m_switchingWrap)
        return;
    // The base class lays out at once a change within one paragraph, the others when shown.
    const QTextDocument *document = this->document();
    const QTextBlock first = document->findBlock(from);
    const QTextBlock last = document->findBlock(qMax(0, from + charsRemoved + charsAdded - 1));
    const bool oneParagraph = first == last && first.isValid();
    if (oneParagraph)
        keepShapingWhileEdited(first);
    AnywhereWrap wrap(*this, oneParagraph ? first : QTextBlock());
    QPlainTextDocumentLayout::documentChanged(from, charsRemoved, charsAdded);
}
