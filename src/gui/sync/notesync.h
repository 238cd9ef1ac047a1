#pragma once

#include "base/sync/folderscan.h"
#include "gui/sync/synclook.h"

#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>
#include <QTimer>

#include <memory>
#include <optional>

class Program;
class QFileSystemWatcher;
class QThread;

// Notes on every computer, through a folder that a file-sync engine the user runs (Syncthing,
// Nextcloud) carries: one file per note, <id>.json, written whole or not at all; changes from
// other computers taken in as they arrive. The store stays this computer's truth: trouble with
// the folder never touches it.
//
// For each note the store keeps what it and the folder last agreed on (a fingerprint of the
// note's travelling values and its edition). A side that differs from it has changed: only here,
// and the file is written; only there, and the note takes it in; on both, and both are kept, each
// computer's text in the window it was typed in (see SyncRules).
//
// The folder is read off the window thread (only plain files, each again only when it changed);
// what was read is applied on the window thread.
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

    /** One look soon: the folder is read off the window thread, then what changed here is written
        and what changed there taken in. */
    void syncNow();
    /** What changed here is written now, nothing taken in: Quit, the end of the session. */
    void writeChanges();
    /** A read of the folder is under way. */
    bool isLooking() const { return m_worker != nullptr; }

    /** This computer's id in the folder's files. */
    QString computerId() const { return m_shared.computer; }

    /** How long typing pauses before a note's file is written, and the longest it waits while
        typing goes on; how often the folder is read again whatever its watcher says. */
    int typingPauseMs = 2000;
    int typingMostMs = 10000;
    int rescanMs = 30000;

signals:
    /** Something the user should know: files left alone, the folder gone or back. */
    void told(const QString &message);
    /** A look ended (or found syncing paused). */
    void looked();

private:
    enum class Pause { None, Missing, Empty, OtherDevice };

    bool useFolder(const QString &folder, bool chosenNow, QString *said);
    void localChanged(const QString &key);
    void startScan();
    struct Scanned
    {
        FolderScan::Snapshot snapshot;
        QHash<QString, SyncLook::KnownState> known;   // fingerprints of notes changed here
    };
    void scanned(QThread *worker, const std::shared_ptr<Scanned> &result, int generation);
    void apply(FolderScan::Snapshot &snapshot, bool takingIn);
    Pause pauseFor(const FolderScan::Snapshot &snapshot) const;
    bool goesOn(const FolderScan::Snapshot &snapshot);
    void tellNotices(const QList<SyncLook::Notice> &notices);

    Program &m_program;
    QString m_folder;
    QFileSystemWatcher *m_watcher = nullptr;
    QTimer m_typingPause;
    QTimer m_typingMost;
    QTimer m_rescan;
    QTimer m_settle;   // the engine writes several files at once: one look after them
    SyncLook::Shared m_shared;
    QHash<QString, FolderScan::SeenFile> m_files;   // by path, as last read or written
    QThread *m_worker = nullptr;
    int m_generation = 0;   // a read started before the folder changed is not applied
    bool m_lookAgain = false;
    bool m_syncing = false;
    bool m_notesChanged = true;   // here, since their fingerprints were last worked out
    Pause m_pause = Pause::None;
    std::optional<quint64> m_device;   // the mount the folder was on while syncing went on
    bool m_chosenNow = false;          // the user just chose it: an empty folder is expected
    QSet<QString> m_toldAbout;
};
