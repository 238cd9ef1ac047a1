#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

#include <vector>

class NoteWindow;
class NotesListModel;
class Program;
class QLineEdit;
class QListView;

// "Find Note": every note, open or put away, by its first line and in its colour, filtered as
// the user types over the notes' whole text, as a search compares it (SearchFold). Enter or a double click
// brings the note to the user with the keyboard.
class NotesList final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(NotesList)

public:
    explicit NotesList(Program &program);
    ~NotesList() override;

    /** Reads the notes as they are now, shows the list and gives the search box the keyboard. */
    void open();
    QLineEdit *searchBox() const { return m_search; }
    QListView *view() const { return m_view; }
    /** Brings the note of the current row to the user, and closes the list. */
    void openCurrent();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    Program &m_program;
    QLineEdit *m_search = nullptr;
    QListView *m_view = nullptr;
    NotesListModel *m_model = nullptr;
};
