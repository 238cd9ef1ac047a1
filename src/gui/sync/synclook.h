#pragma once

#include "base/store/noteslots.h"
#include "base/sync/folderscan.h"
#include "gui/sync/syncednotes.h"
#include "base/sync/syncrules.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>

class NoteWindow;
class Program;

// One look at the sync folder, on the window thread: what the scan read is compared with the
// notes here, note by note, and the rules' answer carried out. Notes are found by id at the
// moment they are acted on: a deletion or a new note earlier in the same look renumbers them.
class SyncLook final
{
    Q_DECLARE_TR_FUNCTIONS(SyncLook)

public:
    /** A note's fingerprint as last worked out here, kept from look to look while its values
        are the same (they are shared with the store, so comparing them costs nothing). */
    struct KnownState
    {
        NoteSlots::Values values;
        QString state;
    };
    struct Shared
    {
        QString computer;   // this computer's id
        QHash<QString, KnownState> known;
        int cascade = 0;    // where the next note new to this computer opens
    };
    /** Something the user should hear of, once: `key` tells it apart from the others. */
    struct Notice
    {
        QString key;
        QString line;
    };

    SyncLook(Program &program, Shared &shared, FolderScan::Snapshot &snapshot, bool takingIn);

    /** What travels of the open notes whose fingerprint is not known yet: it can be worked out
        off the window thread, as it costs seconds for a note of megabytes. */
    static QHash<QString, NoteSlots::Values> unknownStates(const Program &program, const Shared &shared);

    void run();
    const QList<Notice> &notices() const { return m_notices; }
    /** The look changed notes here (took something in, added, moved or deleted one). */
    bool changedNotes() const { return m_notes.hasChanged(); }

private:
    struct Local
    {
        bool deleted = false;
        NoteSlots::Values values;    // stored values of an open note
        NoteSlots::Values trashed;   // a deleted note's, from the trash
    };

    void readLocal();
    QString localState(const QString &id);
    SyncRules::Agreed agreed(const QString &id) const;
    void takeConflictCopies();
    void takeCopy(const QString &id, const QString &path);
    void apply(const QString &id);
    void execute(SyncRules::Action action, const QString &id, const FolderScan::SeenFile *there);

    bool writeNote(const QString &id, const FolderScan::SeenFile *there);
    bool writeFile(const NoteFile::SyncedNote &note);
    void remember(const QString &id, const SyncRules::Agreed &agreed);
    void takeIn(const QString &id, const FolderScan::SeenFile &there);
    void takeInDeletion(const QString &id, const FolderScan::SeenFile &there);
    void restore(const QString &id, const FolderScan::SeenFile &there);
    bool moveMineAside(const QString &id, const QString &newId, const FolderScan::SeenFile &theirs,
                       const FolderScan::SeenFile *copy);
    bool addApart(const QString &id, const FolderScan::SeenFile &file);
    void addNote(NoteSlots::Values values, const QString &id, const SyncRules::Agreed &agreed);
    void addNewNotes();
    void dropNewNote(const QString &id);
    void removeCopy(const QString &path);
    void dropOldTombstones();
    void commitAgreed();

    bool isTextHere(const QString &text);
    QString pathOf(const QString &id) const;
    void tell(const QString &key, const QString &line);

    Program &m_program;
    Shared &m_shared;
    FolderScan::Snapshot &m_snapshot;
    const bool m_takingIn;
    SyncedNotes m_notes;
    QHash<QString, Local> m_local;
    std::optional<QSet<QString>> m_texts;   // of the open notes, when a copy needs them
    QHash<QString, QString> m_agreed;   // to commit at the end: id to "state edition", empty forgets
    // Notes new to this computer, opened together at the end of the look.
    QList<NoteSlots::Values> m_newNotes;
    QHash<QString, QString> m_newAgreed;
    QSet<QString> m_done;   // notes the look has dealt with
    QList<Notice> m_notices;
};
