#include "gui/menu/menuanddialogs.h"

#include "gui/dialogs/alarmwindow.h"
#include "gui/dialogs/dialogwindows.h"
#include "gui/dialogs/emaildialog.h"
#include "gui/dialogs/reminderdialog.h"
#include "gui/menu/notecommands.h"
#include "gui/menu/notemenu.h"
#include "gui/menu/notewiring.h"
#include "gui/note/notewindow.h"
#include "gui/notebook/notebook.h"
#include "gui/notebook/program.h"
#include "gui/platform/errorreport.h"
#include "gui/platform/skin.h"
#include "gui/reminder/remindercheck.h"

namespace {

// A window loaded at its first use. The menu window and the reminder dialog stay until the
// program ends; the e-mail dialog and the alarm window are loaded anew once they were unloaded.
enum class Reload { Never, AfterUnload };

template <typename F, typename... Args>
F &loaded(QPointer<F> &form, Reload reload, Args &...args)
{
    if (!form || (reload == Reload::AfterUnload && !form->isLoaded())) {
        form = new F(args...);
        form->load();
    }
    return *form;
}

void bringForward(QWidget &window)
{
    window.show();
    window.raise();
    window.activateWindow();
}

} // namespace

MenuAndDialogs::MenuAndDialogs(Program &program)
    : m_program(program)
    , m_commands(std::make_unique<NoteCommands>(program))
    , m_reminderCheck(std::make_unique<ReminderCheck>(program))
    // The dialogs and the alarm above the notes, and the keyboard back to a note after them.
    , m_dialogWindows(std::make_unique<DialogWindows>(program.forms))
{
    // Each note says what happened to it; the menu, the commands and the dialogs answer.
    connect(&program.notebook(), &Notebook::noteOpened, this, &MenuAndDialogs::answerNote);
    connect(m_reminderCheck.get(), &ReminderCheck::alarmRaised, this, &MenuAndDialogs::showAlarmWindow);
    connect(&program, &Program::remindersChanged, m_reminderCheck.get(), &ReminderCheck::update);
    // An open reminder dialog no longer has a note to act on, and must say so.
    connect(&program, &Program::currentNoteDeleted, this, [this] {
        if (isReminderDialogLoaded())
            reminderDialog().showTargetNote();
    });
}

MenuAndDialogs::~MenuAndDialogs()
{
    // The menu answers through this; everything else loaded goes with the program.
    delete m_noteMenu;
}

void MenuAndDialogs::answerNote(NoteWindow *note)
{
    // Every note that loads styles the menu anew, so a skin changed meanwhile shows there.
    ErrorReport::run(m_program.dialogs(), QStringLiteral("Form1"), QStringLiteral("Form_Load"), {
        {102, [this] { Skin::applyTo(noteMenu()); }},
    });
    NoteWiring::answer(m_program, *this, note);
}

NoteMenu &MenuAndDialogs::noteMenu()
{
    return loaded(m_noteMenu, Reload::Never, m_program, *this);
}

ReminderDialog &MenuAndDialogs::reminderDialog()
{
    return loaded(m_reminderDialog, Reload::Never, m_program);
}

void MenuAndDialogs::showReminder()
{
    m_program.focusAfterMenu = nullptr;   // the dialog takes the keyboard, not the note its menu was on
    bringForward(reminderDialog());
}

void MenuAndDialogs::showEmail()
{
    m_program.focusAfterMenu = nullptr;   // the dialog takes the keyboard, not the note its menu was on
    bringForward(loaded(m_emailDialog, Reload::AfterUnload, m_program));
}

EmailDialog *MenuAndDialogs::emailDialog() const
{
    return m_emailDialog;
}

AlarmWindow *MenuAndDialogs::alarmWindow() const
{
    return m_alarmWindow;
}

void MenuAndDialogs::showAlarmWindow()
{
    AlarmWindow &alarm = loaded(m_alarmWindow, Reload::AfterUnload, m_program);
    alarm.show();
    alarm.raise();
}
