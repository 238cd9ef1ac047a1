#include "gui/note/notewindow.h"

#include <QPlainTextEdit>
#include <QTextCursor>

#include <algorithm>

void NoteWindow::showRemoteText(const QString &text)
{
    if (noteText() == text)
        return;
    QPlainTextEdit *field = textField();
    QTextCursor cursor = field->textCursor();
    const int anchor = cursor.anchor(), position = cursor.position();
    showStoredText(text);
    const int end = int(field->document()->characterCount()) - 1;
    cursor = field->textCursor();
    cursor.setPosition(std::min(anchor, end));
    cursor.setPosition(std::min(position, end), QTextCursor::KeepAnchor);
    field->setTextCursor(cursor);
}
