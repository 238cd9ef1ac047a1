#pragma once

#include "base/checklist/checklistlines.h"

#include <QObject>
#include <QTextCharFormat>

class QPlainTextEdit;
class QTextBlock;

/** The box a line of a document starts with, read without copying the line. */
ChecklistLines::Box boxOfLine(const QTextBlock &block);

// How done items are drawn: their text struck through and dimmed toward the note's background.
// Display only: the formats live in the lines' layouts, never in the text, never on the undo
// stack, and setting them is no change of the text (a syntax highlighter's redrawing is one,
// and would have a note shown from the store written back).
class ChecklistLook final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ChecklistLook)

public:
    /** Draws the field's done items from its next painting on, and as its text changes. */
    explicit ChecklistLook(QPlainTextEdit *field);

    /** Draws again in the field's present colours, if they changed. */
    void followColours();

    /** The colour done items are drawn in for these text and background colours. */
    static QColor dimmed(const QColor &text, const QColor &background);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void drawShownLines();
    void drawLines(int from, int to);
    /** Gives the line the look it needs; true when that changed it. */
    bool draw(const QTextBlock &block);

    QPlainTextEdit *m_field;
    QTextCharFormat m_done;
};
