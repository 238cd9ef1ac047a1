#pragma once

#include "base/notefile/noteimport.h"
#include "base/channel/singleinstance.h"
#include "base/store/noteslots.h"
#include "base/store/settingsstore.h"

#include <QString>

#include <functional>

class Program;

// The command line's verbs on the notes: the trash, backups, export and import. The running
// copy answers them through the one-instance channel and opens what they bring back at once;
// when no copy runs, the command line answers them on the store itself.
class NoteVerbs final
{
public:
    using Reply = SingleInstance::Reply;

    /** On the store alone, while no copy of the program runs (the caller holds the lock). */
    explicit NoteVerbs(SettingsStore &store);
    /** In the running program. */
    explicit NoteVerbs(Program &program);

    Reply listDeleted() const;
    Reply restore(const QString &id);
    Reply listBackups() const;
    Reply restoreBackup(const QString &file);
    Reply exportNotes(const QString &file, bool withDeleted) const;
    Reply importNotes(const QString &file, const NoteImport::Choices &choices = {});
    /** The folder to sync the notes through, remembered for the next start ("off": none). */
    Reply chooseSyncFolder(const QString &folder);
    /** Whether the tray icon shows, for good; the running copy shows or hides it at once. */
    Reply showTrayIcon(bool shown);
    /** Called when the tray icon's setting changes in the running copy. */
    std::function<void(bool)> trayIconChanged;

    /** Told how far a long verb has come ("Importing 300 of 1000 notes"), for a terminal. */
    std::function<void(const QString &)> progress;

    const SettingsStore &store() const { return m_store; }

private:
    QList<NoteSlots::Values> openNotes() const;
    int openCount() const;
    bool addNotes(const QList<NoteSlots::Values> &notes, const SettingsStore::Change &alongside, QString *error);
    void tell(const QString &text) const;
    /** An import of this many notes: the user's answer in the running program. */
    bool mayOpenMany(const QString &shown, int count) const;
    static QString importedMessage(const NoteImport::Plan &plan, const QString &shown);

    SettingsStore &m_store;
    Program *m_program = nullptr;
};
