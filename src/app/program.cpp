#include "app/program.h"

#include "commands/menuform.h"
#include "commands/notecommands.h"
#include "note/texthook.h"
#include "platform/dialogs.h"
#include "store/settingsstore.h"

#include <QCoreApplication>

Program::Program(SettingsStore &store, Platform platform)
    : store(store)
    , platform(platform)
    , m_commands(std::make_unique<NoteCommands>(*this))
    , m_textHook(std::make_unique<TextHook>())
{
    onEnd = [] { QCoreApplication::exit(0); };
    // Typing goes on while the store cannot be written; the user is told once, without waiting.
    connect(&store, &SettingsStore::writeFailed, this,
            [this](const QString &message) { dialogs().notify(message, QStringLiteral("Quillarren")); });
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

void Program::end()
{
    m_ended = true;
    if (onEnd)
        onEnd();
}
