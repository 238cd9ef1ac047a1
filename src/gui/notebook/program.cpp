#include "gui/notebook/program.h"

#include "gui/dialogs/dialogwindows.h"
#include "gui/notebook/notebook.h"
#include "gui/notebook/noteopener.h"
#include "gui/menu/notemenu.h"
#include "gui/menu/notecommands.h"
#include "gui/menu/notewiring.h"
#include "gui/note/notewindow.h"
#include "gui/note/texthook.h"
#include "gui/dialogs/emaildialog.h"
#include "gui/platform/dialogs.h"
#include "gui/platform/windowroles.h"
#include "gui/dialogs/alarmwindow.h"
#include "gui/dialogs/reminderdialog.h"
#include "gui/reminder/remindercheck.h"
#include "base/store/settingsstore.h"

#include <QCoreApplication>
#include <QDir>

namespace {

// A window loaded at its first use. The menu window and the reminder dialog stay until the
// program ends; the e-mail dialog and the alarm window are loaded anew once they were unloaded.
enum class Reload { Never, AfterUnload };

template <typename F>
F &loaded(QPointer<F> &form, Program &program, Reload reload)
{
    if (!form || (reload == Reload::AfterUnload && !form->isLoaded())) {
        form = new F(program);
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

Program::Program(SettingsStore &store, Platform platform)
    : store(store)
    , platform(platform)
    , m_commands(std::make_unique<NoteCommands>(*this))
    , m_opener(std::make_unique<NoteOpener>(*this))
    , m_notebook(std::make_unique<Notebook>(*this))
    , m_textHook(std::make_unique<TextHook>())
{
    m_reminderCheck = std::make_unique<ReminderCheck>(*this);
    // Each note says what happened to it; the menu, the commands and the dialogs answer.
    connect(m_notebook.get(), &Notebook::noteOpened, this, [this](NoteWindow *note) { NoteWiring::answer(*this, note); });
    installWindowRoles();
    // The dialogs and the alarm above the notes, and the keyboard back to a note after them.
    m_dialogWindows = std::make_unique<DialogWindows>(forms);
    onEnd = [] { QCoreApplication::exit(0); };
    // Typing goes on while the store cannot be written; the notice says so until it can again.
    connect(&store, &SettingsStore::writeFailed, this,
            [this](const QString &message) { dialogs().showNotice(message, tr("Quillarren: notes not saved")); });
    connect(&store, &SettingsStore::writeRecovered, this, [this] { dialogs().closeNotice(); });
}

Program::~Program()
{
    // Windows unloaded earlier wait for deletion; they must go while what they use still exists.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    // Whatever is still loaded goes with the program; its unload handling does not run.
    const QList<ProgramWindow *> remaining = forms.all();
    for (ProgramWindow *form : remaining)
        delete form;
}

NoteMenu &Program::noteMenu()
{
    return loaded(m_noteMenu, *this, Reload::Never);
}

bool Program::everythingStored()
{
    while (!store.flushPending()) {
        const QString text =
            tr("Your notes could not be saved to %1 because %2.\n\nQuillarren stays open until they are "
               "saved, so that nothing you typed is lost. Free some space or fix the folder, then press "
               "Retry. Cancel keeps your notes open; saving goes on being retried.")
                .arg(QDir::toNativeSeparators(store.path()), store.failureCause());
        if (dialogs().messageBox(nullptr, text, tr("Quillarren: notes not saved"), MessageButtons::RetryCancel,
                                 MessageIcon::Warning)
            != MessageAnswer::Retry)
            return false;
    }
    return true;
}

ReminderDialog &Program::reminderDialog()
{
    return loaded(m_reminderDialog, *this, Reload::Never);
}

void Program::showReminder()
{
    focusAfterMenu = nullptr;   // the dialog takes the keyboard, not the note its menu was on
    bringForward(reminderDialog());
}

void Program::showEmail()
{
    focusAfterMenu = nullptr;   // the dialog takes the keyboard, not the note its menu was on
    bringForward(loaded(m_emailDialog, *this, Reload::AfterUnload));
}

EmailDialog *Program::emailDialog() const
{
    return m_emailDialog;
}

AlarmWindow *Program::alarmWindow() const
{
    return m_alarmWindow;
}

void Program::showAlarmWindow()
{
    AlarmWindow &alarm = loaded(m_alarmWindow, *this, Reload::AfterUnload);
    alarm.show();
    alarm.raise();
}

void Program::bringNotesForward(bool putAwayToo)
{
    for (NoteWindow *note : NoteWindow::loadedNotes(forms)) {
        if (note->isPutAway() && !putAwayToo)
            continue;
        note->show();
        note->raise();
        note->activateWindow();
    }
}

void Program::end()
{
    m_ended = true;
    if (onEnd)
        onEnd();
}
