#pragma once

#include <QObject>
#include <QPointer>

#include <memory>

class AlarmWindow;
class DialogWindows;
class EmailDialog;
class NoteCommands;
class NoteMenu;
class NoteWindow;
class Program;
class ReminderCheck;
class ReminderDialog;

// The program's windows beside the notes: the popup menu with the commands it runs, the e-mail
// and reminder dialogs, the alarm window, and the reminder check that raises the alarms. It answers what the notes ask of
// them; the program context itself knows none of them.
class MenuAndDialogs final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MenuAndDialogs)

public:
    explicit MenuAndDialogs(Program &program);
    /** What is still loaded goes now, while the program it uses still exists. */
    ~MenuAndDialogs() override;

    /** The commands of the menu and the shortcuts, on the current note. */
    NoteCommands &commands() { return *m_commands; }

    /** The hidden menu window, loaded at its first reference. */
    NoteMenu &noteMenu();
    bool isNoteMenuLoaded() const { return !m_noteMenu.isNull(); }

    /** The reminder dialog, loaded at its first opening and afterwards only shown. */
    ReminderDialog &reminderDialog();
    bool isReminderDialogLoaded() const { return !m_reminderDialog.isNull(); }
    /** Loads the reminder dialog if need be, shows it without blocking and makes it active. */
    void showReminder();
    /** Loads the e-mail dialog if need be (with the target note's addresses), shows it without
        blocking and makes it active; a loaded one keeps its list and what was typed. */
    void showEmail();
    EmailDialog *emailDialog() const;

    /** The alarm window, loaded (which starts the sound) when it is not, then shown. */
    void showAlarmWindow();
    AlarmWindow *alarmWindow() const;
    /** The check that raises the alarms. */
    ReminderCheck &reminderCheck() { return *m_reminderCheck; }

private:
    void answerNote(NoteWindow *note);

    Program &m_program;
    std::unique_ptr<NoteCommands> m_commands;
    QPointer<NoteMenu> m_noteMenu;
    QPointer<ReminderDialog> m_reminderDialog;
    QPointer<AlarmWindow> m_alarmWindow;
    QPointer<EmailDialog> m_emailDialog;
    std::unique_ptr<ReminderCheck> m_reminderCheck;
    std::unique_ptr<DialogWindows> m_dialogWindows;
};
