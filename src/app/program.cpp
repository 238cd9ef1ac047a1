#include "app/program.h"

#include "app/dialogwindows.h"
#include "app/noteopener.h"
#include "commands/menuform.h"
#include "commands/notecommands.h"
#include "note/form1.h"
#include "note/texthook.h"
#include "email/email.h"
#include "note/form1.h"
#include "platform/dialogs.h"
#include "platform/screenplace.h"
#include "platform/screenwatch.h"
#include "platform/windowroles.h"
#include "reminder/form2.h"
#include "reminder/reminder.h"
#include "reminder/remindercheck.h"
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
    , m_textHook(std::make_unique<TextHook>())
{
    m_reminderCheck = std::make_unique<ReminderCheck>(*this);
    installWindowRoles();
    // The dialogs and the alarm above the notes, and the keyboard back to a note after them.
    m_dialogWindows = std::make_unique<DialogWindows>(forms);
    onEnd = [] { QCoreApplication::exit(0); };
    // Typing goes on while the store cannot be written; the notice says so until it can again.
    connect(&store, &SettingsStore::writeFailed, this,
            [this](const QString &message) { dialogs().showNotice(message, tr("Quillarren: notes not saved")); });
    connect(&store, &SettingsStore::writeRecovered, this, [this] { dialogs().closeNotice(); });
    // A note left on a screen that went away comes onto one that is there, and back to its own
    // place when that screen returns.
    m_screenWatch = std::make_unique<ScreenWatch>();
    connect(m_screenWatch.get(), &ScreenWatch::changing, this, [this] {
        for (Form1 *note : Form1::loadedNotes(forms))
            note->screensChanging();
    });
    const auto follow = [this](bool settled) {
        const QList<ScreenPlace::Area> screens = ScreenPlace::screens();
        for (Form1 *note : Form1::loadedNotes(forms))
            note->followScreens(screens, settled);
    };
    connect(m_screenWatch.get(), &ScreenWatch::changed, this, [follow] { follow(false); });
    connect(m_screenWatch.get(), &ScreenWatch::settled, this, [follow] { follow(true); });
}

Program::~Program()
{
    // Windows unloaded earlier wait for deletion; they must go while what they use still exists.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    // Whatever is still loaded goes with the program; its unload handling does not run.
    const QList<Form *> remaining = forms.all();
    for (Form *form : remaining)
        delete form;
}

MenuForm &Program::menuForm()
{
    return loaded(m_menuForm, *this, Reload::Never);
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

Reminder &Program::reminder()
{
    return loaded(m_reminder, *this, Reload::Never);
}

void Program::showReminder()
{
    focusAfterMenu = nullptr;   // the dialog takes the keyboard, not the note its menu was on
    bringForward(reminder());
}

void Program::showEmail()
{
    focusAfterMenu = nullptr;   // the dialog takes the keyboard, not the note its menu was on
    bringForward(loaded(m_email, *this, Reload::AfterUnload));
}

Email *Program::email() const
{
    return m_email;
}

Form2 *Program::form2() const
{
    return m_form2;
}

void Program::showForm2()
{
    Form2 &alarm = loaded(m_form2, *this, Reload::AfterUnload);
    alarm.show();
    alarm.raise();
}

void Program::bringNotesForward(bool putAwayToo)
{
    for (Form1 *note : Form1::loadedNotes(forms)) {
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
