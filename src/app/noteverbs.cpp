#include "app/noteverbs.h"
#include "gui/platform/eventwait.h"
#include "gui/notebook/notebook.h"

#include "base/notefile/noteimport.h"
#include "gui/notebook/noteopener.h"
#include "base/files/ownfiles.h"
#include "gui/notebook/program.h"
#include "base/backup/backuprestore.h"
#include "base/backup/backups.h"
#include "gui/menu/notecommands.h"
#include "gui/note/notewindow.h"
#include "base/notefile/notefile.h"
#include "base/system/clock.h"
#include "gui/platform/dialogs.h"
#include "base/system/offthread.h"
#include "base/files/safewrite.h"
#include "gui/reminder/remindercheck.h"
#include "base/store/conversions.h"
#include "base/store/notekeys.h"
#include "gui/history/historykeeper.h"
#include "app/historyverbs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QSet>

namespace {


SingleInstance::Reply failed(const QString &message)
{
    return {1, message};
}

// Another change of many notes (or the start-up) is under way; asked from the tray meanwhile.
SingleInstance::Reply busy()
{
    return failed(QCoreApplication::translate("NoteVerbs", "Quillarren is still opening or replacing notes; nothing was changed. Try again "
                                 "in a moment."));
}

QString when(const QDateTime &date)
{
    return date.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"));
}

// The running program's answer, as the command line reports it.
SingleInstance::Reply reply(const Notebook::Outcome &outcome)
{
    return {outcome.done ? 0 : 1, outcome.said};
}

QString quoted(const QString &firstLine)
{
    return firstLine.isEmpty() ? QStringLiteral("(empty note)") : QLatin1Char('"') + firstLine + QLatin1Char('"');
}

} // namespace

NoteVerbs::NoteVerbs(SettingsStore &store)
    : m_store(store)
{
}

NoteVerbs::NoteVerbs(Program &program)
    : m_store(program.store)
    , m_program(&program)
{
}

void NoteVerbs::tell(const QString &text) const
{
    if (progress)
        progress(text);
}

int NoteVerbs::openCount() const
{
    return m_program ? m_program->NoteCount : NoteSlots::storedCount(m_store);
}

QList<NoteSlots::Values> NoteVerbs::openNotes() const
{
    QList<NoteSlots::Values> notes;
    for (int slot = 1; slot <= openCount(); ++slot) {
        NoteSlots::Values values = NoteSlots::valuesOf(m_store, NoteKeys::tagFor(slot));
        values.remove(NoteKeys::ActivehWnd);
        notes.append(values);
    }
    return notes;
}

bool NoteVerbs::addNotes(const QList<NoteSlots::Values> &notes, const SettingsStore::Change &alongside, QString *error)
{
    if (m_program)
        return m_program->notebook().addNotes(notes, alongside, error, progress);
    SettingsStore::Change change = alongside;
    NoteSlots::appendNotes(m_store, notes, openCount(), change.values);
    return m_store.commit(change, error);
}

NoteVerbs::Reply NoteVerbs::listDeleted() const
{
    const QList<SettingsStore::TrashedNote> trash = m_store.trash();
    if (trash.isEmpty())
        return {0, QCoreApplication::translate("NoteVerbs", "There are no deleted notes.")};
    QStringList lines{QCoreApplication::translate("NoteVerbs", "Deleted notes, newest first (each is kept 30 days; quillarren --restore ID "
                                     "brings one back):")};
    for (const SettingsStore::TrashedNote &note : trash)
        lines.append(QStringLiteral("%1  %2  %3").arg(note.id, when(note.deleted),
                                                      quoted(NoteSlots::firstLine(note.values.value(NoteKeys::Notes)))));
    return {0, lines.join(QLatin1Char('\n'))};
}

NoteVerbs::Reply NoteVerbs::restore(const QString &id)
{
    if (m_program)
        return reply(m_program->notebook().restoreTrashed(id));
    const std::optional<SettingsStore::TrashedNote> trashed = m_store.trashed(id.trimmed());
    if (!trashed)
        return failed(QCoreApplication::translate("NoteVerbs", "There is no deleted note with the id %1 (quillarren --deleted lists them).").arg(id));
    const QString title = quoted(NoteSlots::firstLine(trashed->values.value(NoteKeys::Notes)));
    for (const NoteSlots::Values &open : openNotes()) {
        if (open.value(NoteKeys::Id) == trashed->id)
            return failed(QCoreApplication::translate("NoteVerbs", "The note %1 is open already.").arg(title));
    }
    NoteSlots::Values values = trashed->values;
    values.insert(NoteKeys::Id, trashed->id);
    QString error;
    SettingsStore::Change untrash;
    untrash.fromTrash = {trashed->id};
    if (!addNotes({values}, untrash, &error))
        return failed(QCoreApplication::translate("NoteVerbs", "The note %1 could not be restored, because %2. Nothing was changed.").arg(title, error));
    return {0, QCoreApplication::translate("NoteVerbs", "Restored the note %1.").arg(title)};
}

NoteVerbs::Reply NoteVerbs::listBackups() const
{
    const Backups backups(m_store.path());
    const QList<Backups::Entry> entries = backups.list();
    if (entries.isEmpty())
        return {0, QCoreApplication::translate("NoteVerbs", "There are no backups yet in %1.").arg(QDir::toNativeSeparators(backups.folder()))};
    QStringList lines{QCoreApplication::translate("NoteVerbs", "Backups, newest first (quillarren --restore-backup FILE restores one):")};
    for (const Backups::Entry &entry : entries)
        lines.append(QStringLiteral("%1  %2  %3%4").arg(QDir::toNativeSeparators(entry.path), when(entry.made),
                                                        QLocale::c().formattedDataSize(entry.bytes),
                                                        entry.trusted ? QString() : QCoreApplication::translate("NoteVerbs", "  (dated ahead of now)")));
    return {0, lines.join(QLatin1Char('\n'))};
}

NoteVerbs::Reply NoteVerbs::restoreBackup(const QString &file)
{
    if (m_program)
        return reply(m_program->notebook().restoreBackup(file, progress));
    QString error;
    const std::optional<QString> kept =
        BackupRestore::keepCurrentNotes(m_store, file, [this](const QString &text) { tell(text); }, &error);
    if (!kept)
        return failed(error);
    tell(QCoreApplication::translate("NoteVerbs", "Restoring…"));
    HistoryKeeper::keepStoredNotes(m_store);
    if (!m_store.replaceWith(file, &error))
        return failed(QCoreApplication::translate("NoteVerbs", "The notes could not be restored: %1. Nothing was changed.").arg(error));
    return {0, QCoreApplication::translate("NoteVerbs", "Restored your notes from %1. The notes you had before are kept in the backup %2.")
                   .arg(QDir::toNativeSeparators(file), QDir::toNativeSeparators(*kept))};
}

NoteVerbs::Reply NoteVerbs::exportNotes(const QString &file, bool withDeleted) const
{
    const QList<NoteSlots::Values> notes = openNotes();
    const QList<SettingsStore::TrashedNote> deleted = withDeleted ? m_store.trash() : QList<SettingsStore::TrashedNote>();
    tell(QCoreApplication::translate("NoteVerbs", "Exporting %n notes…", nullptr, int(notes.size() + deleted.size())));
    const bool forPeople = file.endsWith(QLatin1String(".md"), Qt::CaseInsensitive);
    QByteArray bytes = forPeople ? NoteFile::markdown(notes) : NoteFile::write(notes, deleted);
    QString historySaid;
    if (withDeleted && !forPeople)
        bytes = HistoryVerbs::withHistory(m_store, bytes, &historySaid);
    // Whole or not at all: an old file of that name stays until the new one is on the disk. It
    // holds every note, so it is the user's alone, as the store is.
    QString error;
    if (!SafeWrite::replaceWhole(file, bytes, OwnFiles::forUserFile(m_store.path(), true), &error))
        return failed(QCoreApplication::translate("NoteVerbs", "Cannot write %1: %2. Nothing was changed.").arg(QDir::toNativeSeparators(file), error));
    QString said = QCoreApplication::translate("NoteVerbs", "Exported %n notes to %1", nullptr, int(notes.size()))
                        .arg(QDir::toNativeSeparators(file));
    if (withDeleted && !forPeople)
        said += QCoreApplication::translate("NoteVerbs", ", and %n deleted notes", nullptr, int(deleted.size()))
            + (historySaid.isEmpty() ? QCoreApplication::translate("NoteVerbs", ", with their history")
                                     : QStringLiteral("; ") + historySaid);
    return {0, said + QLatin1Char('.')};
}

NoteVerbs::Reply NoteVerbs::importNotes(const QString &file, const NoteImport::Choices &choices)
{
    if (m_program && m_program->opener().isBusy())
        return busy();
    const QString shown = QDir::toNativeSeparators(file);
    const auto readFile = [file] {
        QString error;
        std::optional<NoteFile::Contents> contents = NoteImport::read(file, &error);
        return std::make_pair(std::move(contents), error);
    };
    // The running program keeps answering while the file is read: a file on a slow or hung disk
    // must not freeze the notes.
    const auto [contents, error] = m_program ? runOffThread(readFile) : readFile();
    if (!contents)
        return failed(QCoreApplication::translate("NoteVerbs", "%1. Nothing was imported.").arg(error));

    const NoteImport::Plan plan = NoteImport::plan(*contents, openNotes(), m_store.trash(), choices.asNew);
    if (plan.added.size() > NoteImport::ManyNotes && !choices.allowMany && !mayOpenMany(shown, int(plan.added.size())))
        return failed(m_program ? QCoreApplication::translate("NoteVerbs", "Nothing was imported from %1.").arg(shown)
                                : QCoreApplication::translate("NoteVerbs", "%1 holds %n notes that are not here yet, more than the %2 an import "
                                                 "opens without asking: each opens as a note on your desktop at every "
                                                 "start. To import them all, add --allow-many. Nothing was imported.",
                                                 nullptr, int(plan.added.size()))
                                      .arg(shown, QString::number(NoteImport::ManyNotes)));
    SettingsStore::Change alongside;
    alongside.toTrash = plan.toTrash;
    tell(QCoreApplication::translate("NoteVerbs", "Importing %n notes…", nullptr, int(plan.added.size())));
    QString why;
    if (!plan.toTrash.isEmpty())
        HistoryKeeper::keepStoredNotes(m_store);
    if (!addNotes(plan.added, alongside, &why))
        return failed(QCoreApplication::translate("NoteVerbs", "The notes could not be imported, because %1. Nothing was imported.").arg(why));
    if (m_program)
        m_program->opener().waitUntilOpen();
    return {0, importedMessage(plan, shown)};
}

bool NoteVerbs::mayOpenMany(const QString &shown, int count) const
{
    if (!m_program)
        return false;
    tell(QCoreApplication::translate("NoteVerbs", "Waiting for an answer in Quillarren…"));
    return m_program->dialogs().messageBox(
               nullptr,
               QCoreApplication::translate("NoteVerbs", "%1 holds %n notes that are not here yet. Each opens as a note on your desktop, now "
                              "and at every start. Import them all?", nullptr, count).arg(shown),
               QCoreApplication::translate("NoteVerbs", "Quillarren: import"), MessageButtons::YesNo, MessageIcon::Warning)
        == MessageAnswer::Yes;
}

QString NoteVerbs::importedMessage(const NoteImport::Plan &plan, const QString &shown)
{
    QString said = QCoreApplication::translate("NoteVerbs", "Imported %n notes from %1", nullptr, int(plan.added.size())).arg(shown);
    if (plan.addedAsNew > 0)
        said += QCoreApplication::translate("NoteVerbs", " (%n of them as new notes beside those here with other text)", nullptr, int(plan.addedAsNew));
    if (plan.alreadyHere > 0)
        said += QCoreApplication::translate("NoteVerbs", "; %n were here already", nullptr, int(plan.alreadyHere));
    if (!plan.toTrash.isEmpty())
        said += QCoreApplication::translate("NoteVerbs", "; %n deleted notes went to Deleted Notes", nullptr, int(plan.toTrash.size()));
    said += QLatin1Char('.');
    // The command as it can be pasted into a shell, whatever the file's name holds.
    static const QRegularExpression plain(QStringLiteral("^[\\w/.,+=:@%-]+$"));
    const QString argument = plain.match(shown).hasMatch()
        ? shown
        : QLatin1Char('\'') + QString(shown).replace(QLatin1Char('\''), QStringLiteral("'\\''")) + QLatin1Char('\'');
    if (!plan.differing.isEmpty())
        said += QCoreApplication::translate("NoteVerbs", "\n%n notes here have other text than in the file and were left as they are: %1.\n"
                               "To add the file's versions as new notes beside them: quillarren --import %2 --as-new",
                                            nullptr, int(plan.differing.size()))
                    .arg(plan.differing.join(QStringLiteral(", ")), argument);
    return said;
}

NoteVerbs::Reply NoteVerbs::showTrayIcon(bool shown)
{
    if (!m_store.save(NoteKeys::ShowTrayIcon, Conversions::fromBool(shown)) && !m_store.flushPending())
        return failed(QCoreApplication::translate("NoteVerbs", "The choice could not be stored, because %1.").arg(m_store.failureCause()));
    if (trayIconChanged)
        trayIconChanged(shown);
    return {0, shown ? QCoreApplication::translate("NoteVerbs", "Quillarren shows its icon in the tray.")
                     : QCoreApplication::translate("NoteVerbs", "Quillarren no longer shows an icon in the tray; quillarren --tray on brings it back.")};
}

NoteVerbs::Reply NoteVerbs::chooseSyncFolder(const QString &folder)
{
    const bool off = folder == QLatin1String("off");
    if (!off && !QFileInfo(folder).isDir())
        return failed(QCoreApplication::translate("NoteVerbs", "%1 is not a folder; nothing was changed.").arg(QDir::toNativeSeparators(folder)));
    if (!m_store.save(NoteKeys::SyncFolder, off ? QString() : folder) && !m_store.flushPending())
        return failed(QCoreApplication::translate("NoteVerbs", "The choice could not be stored, because %1.").arg(m_store.failureCause()));
    return {0, off ? QCoreApplication::translate("NoteVerbs", "Quillarren will not sync its notes through a folder.")
                   : QCoreApplication::translate("NoteVerbs", "Quillarren will sync its notes through %1 from its next start.")
                         .arg(QDir::toNativeSeparators(folder))};
}
