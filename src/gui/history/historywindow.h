#pragma once

#include "base/history/notehistory.h"

#include <QWidget>

#include <functional>

class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

// "Note History…": a note's versions (time, size, first changed line) beside the text of the
// chosen one, its lines that differ from the note as it stands marked. "Restore This Version"
// asks for the text to be put back; whoever owns the note keeps the text it replaces first.
class HistoryWindow final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(HistoryWindow)

public:
    /** `currentText` gives the note's text as it stands, read each time the list is refreshed. */
    HistoryWindow(NoteHistory &history, const QString &noteId, const QString &noteName,
                  std::function<QString()> currentText, QWidget *parent = nullptr);

    QListWidget *versions() const { return m_list; }
    QPlainTextEdit *text() const { return m_text; }
    QPushButton *restoreButton() const { return m_restore; }
    /** Reads the versions again (after a restore, or a version kept meanwhile); keeps the choice
        on the same version where it still is. */
    void refresh();
    /** The list's line for a version, as shown and as a screen reader reads it. */
    static QString describe(const NoteHistory::Version &version);

signals:
    /** "Restore This Version": the note should take this text. */
    void restoreRequested(const QString &noteId, const QString &text);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void showChosen();
    void restoreChosen();

    NoteHistory &m_history;
    QString m_noteId;
    std::function<QString()> m_currentText;
    QList<NoteHistory::Version> m_versions;
    QListWidget *m_list = nullptr;
    QPlainTextEdit *m_text = nullptr;
    QLabel *m_status = nullptr;
    QPushButton *m_restore = nullptr;
    QPushButton *m_close = nullptr;
};
