#pragma once

#include <QObject>

class ChecklistLook;
class QKeyEvent;
class QMouseEvent;
class QPlainTextEdit;
class QTextBlock;
class QTextCursor;

// Checklists in a note's text field: the keys and clicks that make, tick and end items, each
// one step of Undo. A field whose text holds no box pays for a few key comparisons only; the
// drawing of done items starts with the first box.
class Checklist final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Checklist)

public:
    /** Gives the field checklists (once; the field owns them). Attach after the field has its
        document. Its keys reach filters installed on it earlier first. */
    static Checklist *attach(QPlainTextEdit *field);
    /** The field's checklists, if attached. */
    static Checklist *of(const QPlainTextEdit *field);

    /** The "Checklist" command: a box on the caret's line or on every selected line that holds
        something; off again when all of them have one. */
    void toggleLines();
    /** Ctrl+Return: the caret's line becomes an item, or an item is ticked or unticked. */
    void makeOrTick();

    /** Done items are being drawn (the text has held a box). */
    bool isDrawing() const { return m_look != nullptr; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit Checklist(QPlainTextEdit *field);

    bool keyPress(QKeyEvent *event);
    bool returnPressed();
    bool backspacePressed();
    bool spaceTyped();
    bool boxClicked(QMouseEvent *event);
    bool isOnBox(const QTextBlock &block, const QPointF &position) const;
    void tick(const QTextBlock &block);
    void contentsChange(int position, int added);
    void startDrawing();
    void edited(QTextCursor &cursor);

    QPlainTextEdit *m_field;
    ChecklistLook *m_look = nullptr;
};
