#include "app/program.h"

#include "commands/menuform.h"
#include "commands/notecommands.h"
#include "note/texthook.h"
#include "platform/dialogs.h"
#include "store/settingsstore.h"

#include <QCoreApplication>
#include <QDir>

Program::Program(SettingsStore &store, Platform platform)
    : store(store)
    , platform(platform)
    , m_commands(std::make_unique<NoteCommands>(*this))
    , m_textHook(std::make_unique<TextHook>())
{
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
    const QList<Form *> remaining = forms.all();
    for (Form *form : remaining)
        delete form;
}

MenuForm &Program::menuForm()
{
    if (!m_menuForm) {
        m_menuForm = new MenuForm(*this);
        m_menuForm->load();
    }
    return *m_menuForm;
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

void Program::end()
{
    m_ended = true;
    if (onEnd)
        onEnd();
}
