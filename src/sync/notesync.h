#pragma once

#include "notefile/notefile.h"

#include <QDateTime>
#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>
#include <QTimer>

#include <optional>

class Form1;
class Program;
class QFileSystemWatcher;

// Notes on every computer, through a folder that a file-sync engine the user runs (Syncthing,
// Nextcloud) carries: one file per note, <id>.json, written whole or not at all; changes from
// other computers taken in as they arrive. The store stays this computer's truth: trouble with
// the folder never touches it.
//
// For each note the store keeps what it and the folder last agreed on (a fingerprint of the
// note's travelling values). A side that differs from it has changed: only here, and the file is
// written; only there, and the note takes it in; on both, and both are kept (this computer's
// under the note's id, the other as a second note), never one lost.
class NoteSync final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(NoteSync)

public:
    explicit NoteSync(Program &program);
    ~NoteSync() override;

    /** Syncs with this folder from now on (empty: no longer), and remembers the choice; what
        was done, in words for the user, or false with why not. */
    bool setFolder(const QString &folder, QString *said);
    /** Takes up the folder the user chose before, if any. */
    void startFromStore();
    QString folder() const { return m_folder; }
    bool isActive() const { return !m_folder.isEmpty(); }

    /** One look now: what changed here is written, what changed there is taken in. */
    void syncNow();
    /** What changed here is written now, nothing taken in: Quit, the end of the session. */
    void writeChanges();

    /** This computer's id in the folder's files. */
    QString computerId() const { return m_computer; }

    /** How long typing pauses before a note's file is written, and the longest it waits while
        typing goes on; how often the folder is read again whatever its watcher says. */
    int typingPauseMs = 2000;
    int typingMostMs = 10000;
    int rescanMs = 30000;

signals:
    /** Something the user should know: a file left alone, the folder gone or back. */
    void told(const QString &message);

private:
    struct Local
    {
        QString tag;   // the open note's slot; empty for a deleted one
        NoteSlots::Values values;
        bool deleted = false;
        NoteSlots::Values trashed;   // a deleted note's stored values
    };
    struct FileSeen
    {
        QDateTime modified;
        qint64 size = -1;
        std::optional<NoteFile::SyncedNote> note;
        QString state;   // the note's fingerprint
    };

    void localChanged(const QString &key);
    bool folderIsThere();
    QHash<QString, Local> localNotes() const;
    void look(bool takingIn);
    const FileSeen &read(const QString &path);
    QString localState(const QString &id, const Local &local) const;
    bool write(const QString &id, const Local &local);
    bool writeFile(const QString &path, const NoteFile::SyncedNote &note);
    void takeIn(const QString &id, const Local *local, const NoteFile::SyncedNote &remote);
    void addSecondCopy(const NoteFile::SyncedNote &remote, const QString &newId);
    void takeConflictCopies(const QStringList &copies, QHash<QString, Local> &local);
    void dropOldTombstones(const QStringList &ids);
    void tellOnce(const QString &key, const QString &message);
    NoteSlots::Values cascaded(NoteSlots::Values values);
    void remember(const QString &id, const QString &state);
    Form1 *openNote(const QString &tag) const;

    Program &m_program;
    QString m_folder;
    QString m_computer;
    QFileSystemWatcher *m_watcher = nullptr;
    QTimer m_typingPause;
    QTimer m_typingMost;
    QTimer m_rescan;
    QTimer m_settle;   // the engine writes several files at once: one look after them
    QHash<QString, FileSeen> m_seen;   // by path
    QHash<QString, QString> m_agreed;  // what to remember after this look, by id
    QSet<QString> m_toldAbout;
    bool m_missing = false;
    bool m_syncing = false;
    int m_cascade = 0;
};
