#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

class QPlainTextEdit;
class QTextDocument;
class QWidget;

// What a screen reader calls a note: "Note: " and the first line of its text that holds
// something. The name follows that line once typing in it pauses; a keystroke elsewhere in the
// text costs one comparison.
class AccessibleNoteName final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AccessibleNoteName)

public:
    AccessibleNoteName(QWidget *window, QPlainTextEdit *field);

    /** Names the window from its text at once. */
    void nameNow();

    /** The name for a note whose first line holding something is this one (empty: none). */
    static QString forLine(const QString &line);
    /** The first line of the document that holds more than blanks (at most its beginning), and
        the position where it ends; an empty line and the document's end when there is none. */
    static std::pair<QString, int> firstLine(const QTextDocument &document);

private:
    void contentsChange(int position, int removed);

    QWidget *m_window;
    QPlainTextEdit *m_field;
    QTimer m_rename;
    int m_namedLineEnd = 0;   // a change after this position leaves the name as it is
};
