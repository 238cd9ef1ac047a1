#include "gui/notebook/notebook.h"

#include "base/backup/backuprestore.h"
#include "gui/menu/notecommands.h"
#include "gui/note/notewindow.h"
#include "gui/notebook/noteopener.h"
#include "gui/notebook/program.h"
#include "gui/platform/dialogs.h"
#include "gui/platform/eventwait.h"
#include "base/store/notekeys.h"
#include "base/store/noteslots.h"
#include "base/store/settingsstore.h"
#include "gui/history/historykeeper.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>

namespace {

Notebook::Outcome failed(const QString &message)
{
    return {false, message};
}

// Another change of many notes (or the start-up) is under way; asked from the tray meanwhile.
Notebook::Outcome busy()
{
    return failed(QCoreApplication::translate("Notebook", "Quillarren is still opening or replacing notes; nothing was changed. Try again "
                                 "in a moment."));
}

QString quoted(const QString &firstLine)
{
    return firstLine.isEmpty() ? QStringLiteral("(empty note)") : QLatin1Char('"') + firstLine + QLatin1Char('"');
}

} // namespace

Notebook::Outcome Notebook::restoreTrashed(const QString &id)
{
    Program &program = m_program;
    if (program.opener().isBusy())
        return busy();
    const std::optional<SettingsStore::TrashedNote> trashed = program.store.trashed(id.trimmed());
    if (!trashed)
        return failed(QCoreApplication::translate("Notebook", "There is no deleted note with the id %1 (quillarren --deleted lists them).").arg(id));
    const QString title = quoted(NoteSlots::firstLine(trashed->values.value(NoteKeys::Notes)));
    for (int slot = 1; slot <= program.NoteCount; ++slot) {
        if (program.store.get(NoteKeys::tagFor(slot) + NoteKeys::Id) == trashed->id)
            return failed(QCoreApplication::translate("Notebook", "The note %1 is open already.").arg(title));
    }
    NoteSlots::Values values = trashed->values;
    values.insert(NoteKeys::Id, trashed->id);
    QString error;
    SettingsStore::Change untrash;
    untrash.fromTrash = {trashed->id};
    if (!addNotes({values}, untrash, &error))
        return failed(QCoreApplication::translate("Notebook", "The note %1 could not be restored, because %2. Nothing was changed.").arg(title, error));
    // The note the user asked for comes forward with the keyboard.
    if (NoteWindow *note = NoteWindow::loadedNotes(program.forms).value(program.NoteCount - 1)) {
        note->activateWindow();
        note->focusText();
    }
    return {true, QCoreApplication::translate("Notebook", "Restored the note %1.").arg(title)};
}

Notebook::Outcome Notebook::restoreBackup(const QString &file, const std::function<void(const QString &)> &progress)
{
    Program &program = m_program;
    SettingsStore &store = program.store;
    const auto tell = [&progress](const QString &text) {
        if (progress)
            progress(text);
    };
    if (program.quitting || program.hasEnded())
        return failed(QCoreApplication::translate("Notebook", "Quillarren is quitting; nothing was changed."));
    if (program.opener().isBusy())
        return busy();
    // A place or size just given to a note is kept in the backup of the notes as they are now.
    for (NoteWindow *note : NoteWindow::loadedNotes(program.forms))
        note->storePlaceNow();
    QString error;
    const std::optional<QString> kept = BackupRestore::keepCurrentNotes(store, file, tell, &error);
    if (!kept)
        return failed(error);
    tell(QCoreApplication::translate("Notebook", "Restoring…"));
    // The windows go while their notes are replaced, and come back from the restored store;
    // their going must not end the program.
    const NoteOpener::Hold hold(program.opener());
    program.quitting = true;
    for (NoteWindow *note : NoteWindow::loadedNotes(program.forms))
        note->unload();
    program.CurrentNoteTag.clear();
    EventWait::deliverPendingTwice();
    HistoryKeeper::keepStoredNotes(store);
    const bool restored = store.replaceWith(file, &error);
    beginStartUp();
    program.quitting = false;
    program.opener().waitUntilOpen();
    emit program.remindersChanged();
    if (!restored)
        return failed(QCoreApplication::translate("Notebook", "The notes could not be restored: %1. Nothing was changed.").arg(error));
    const QString said = QCoreApplication::translate("Notebook", "Restored your notes from %1. The notes you had before are kept in the backup %2.")
                             .arg(QDir::toNativeSeparators(file), QDir::toNativeSeparators(*kept));
    program.dialogs().showNotice(said, QCoreApplication::translate("Notebook", "Quillarren: notes restored"), MessageIcon::Information);
    return {true, said};
}
