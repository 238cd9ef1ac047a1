#pragma once

#include <QPlainTextDocumentLayout>

class QTextDocument;

// Lays out a note's text as a plain text field does, except that a paragraph holding a long
// stretch with nowhere to break a line (a pasted key or hash, a hex dump) is wrapped anywhere.
// Word wrap looks for a break point again from every line of such a stretch, which grows with
// its square: minutes for a megabyte. Other paragraphs keep breaking between words.
class NoteTextLayout final : public QPlainTextDocumentLayout
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(NoteTextLayout)

public:
    explicit NoteTextLayout(QTextDocument *document);

    QRectF blockBoundingRect(const QTextBlock &block) const override;

protected:
    void documentChanged(int from, int charsRemoved, int charsAdded) override;

private:
    class AnywhereWrap;

    // Set while the wrap mode is switched for one paragraph: that is no change of the text.
    bool m_switchingWrap = false;
};
