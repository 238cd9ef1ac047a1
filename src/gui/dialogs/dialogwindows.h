#pragma once

#include <QObject>
#include <QPointer>

class NoteWindow;
class WindowList;
class QWidget;

// The program's other windows beside its notes (its dialogs, the alarm, Qt's own dialogs): each
// opens above the notes while they stay on top, and when one that has the keyboard goes away,
// the note last worked in gets it back, as not every window manager gives it back by itself.
class DialogWindows final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DialogWindows)

public:
    explicit DialogWindows(WindowList &forms, QObject *parent = nullptr);
    ~DialogWindows() override;

    /** Whether a window is one of these: a dialog or window of the program, not a note, a
        menu, a tooltip or a window the window manager does not manage. */
    static bool isDialogWindow(const QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool anyNoteOnTop() const;
    void giveKeyboardBack();

    WindowList &m_forms;
    QPointer<NoteWindow> m_lastNote;
    QPointer<QWidget> m_keyboardAt;   // the window that has the keyboard, as Qt last heard
    quint64 m_dialogsShown = 0;
};
