#pragma once

#include "gui/dialogs/smalldialog.h"

class Program;
class QDateTimeEdit;
class QLabel;
class QPushButton;

// The reminder dialog: sets or disables the reminder of the note the user last worked in. One
// for all notes; once loaded it is only shown and hidden.
class ReminderDialog final : public SmallDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ReminderDialog)

public:
    explicit ReminderDialog(Program &program);

    QDateTimeEdit *DTPicker1() const { return m_dtPicker1; }
    QLabel *Label3() const { return m_label3; }
    QLabel *Label4() const { return m_label4; }
    QPushButton *Command1() const { return m_command1; }
    QPushButton *Command2() const { return m_command2; }

    /** "Set Reminder" or "Disable Reminder", as the button offered at the press. */
    void setOrDisable();
    /** "Hide This Window": hidden, still loaded, the check goes on. */
    void putAway();
    /** Shows the reminder of the note it acts on, or that it has none to act on (the note was
        deleted meanwhile). */
    void showTargetNote();

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // Escape puts the dialog away as "Hide This Window" does (it has no close control); Enter
    // presses the button that has the keyboard, else the first: it sets the reminder.
    void dismiss() override { putAway(); }
    void act() override;
    void onLoad() override;
    void onActivate();
    /** The tag of the loaded note the dialog acts on; empty when there is none. */
    QString targetTag() const;
    /** The button, its caption and the title for a reminder set (or not) in the dialog. */
    void showEnabled(bool enabled);

    Program &m_program;
    QDateTimeEdit *m_dtPicker1 = nullptr;
    QLabel *m_label3 = nullptr;
    QLabel *m_label4 = nullptr;
    QPushButton *m_command1 = nullptr;
    QPushButton *m_command2 = nullptr;
    bool m_settingPicker = false;
    bool m_showsEnabled = false;   // the button offers "Disable Reminder"
};
