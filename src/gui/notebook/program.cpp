#include "gui/notebook/program.h"

#include "gui/notebook/notebook.h"
#include "gui/notebook/noteopener.h"
#include "gui/note/notewindow.h"
#include "gui/note/texthook.h"
#include "gui/platform/dialogs.h"
#include "gui/platform/windowroles.h"
#include "base/store/settingsstore.h"

#include <QCoreApplication>
#include <QDir>

Program::Program(SettingsStore &store, Platform platform)
    : store(store)
    , platform(platform)
    , m_opener(std::make_unique<NoteOpener>(*this))
    , m_notebook(std::make_unique<Notebook>(*this))
    , m_textHook(std::make_unique<TextHook>())
{
    installWindowRoles();
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

void Program::setAlwaysOnTop(bool onTop)
{
    if (onTop == m_alwaysOnTop)
        return;
    m_alwaysOnTop = onTop;
    emit alwaysOnTopChanged(onTop);
}

QList<NoteWindow *> Program::currentNotes() const
{
    QList<NoteWindow *> found;
    for (ProgramWindow *form : forms.withTag(CurrentNoteTag)) {
        if (auto *note = qobject_cast<NoteWindow *>(form))
            found.append(note);
    }
    return found;
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
