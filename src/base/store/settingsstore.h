#pragma once

#include "base/store/pendingjournal.h"
#include "base/store/storetrash.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <optional>
#include <utility>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

// The per-user key/value store every note lives in: one SQLite file, all values text,
// nothing ever deleted. Reads come from an in-memory copy kept in step with the file.
// One face over rooms of one purpose: opening and damage (storeopening.cpp), the settings
// cache and its writes (settingsstore.cpp), the pending-write journal, the trash.
class SettingsStore final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SettingsStore)

public:
    static constexpr const char *Application = "Brimvale";
    static constexpr const char *Section = "Quillarren";

    /** Outcome of opening the file, for the caller to tell the user about. */
    struct OpenResult
    {
        bool ok = false;            // the file is open for reading and writing
        QString movedAsideTo;       // a damaged file was kept here, a fresh store started
        QString error;              // what went wrong, in words for the user
        bool readable = true;       // every stored value was read (or there were none yet)
    };

    /** A deleted note kept in the trash: everything stored for it, by key suffix. */
    using TrashedNote = StoreTrash::Note;

    /** Changes written together, now: values, notes put into the trash, notes taken out of it. */
    struct Change
    {
        std::vector<std::pair<QString, QString>> values;
        QList<TrashedNote> toTrash;
        QStringList fromTrash;   // ids
        QHash<QString, QString> synced;   // a note's id to the sync state it reached; empty forgets it
    };

    explicit SettingsStore(QObject *parent = nullptr);
    ~SettingsStore() override;

    /** $XDG_CONFIG_HOME/Brimvale/Quillarren.sqlite3, ~/.config when the variable is unset. */
    static QString defaultPath();

    enum class Damaged { MoveAside, Refuse };
    /** Opens (creating when needed) the store file; a damaged file is moved aside (and a new
        store started) or, with Refuse, left as it is and reported; never overwritten. */
    OpenResult open(const QString &path, Damaged damaged = Damaged::MoveAside);
    QString path() const { return m_path; }
    /** An empty file (no byte, no log) counts as damaged, not as a new store: there are backups
        of notes that were in it. */
    void setEmptyFileIsDamaged(bool damaged) { m_emptyIsDamaged = damaged; }

    /** The stored text, or the default when the key is absent. */
    QString get(const QString &key, const QString &defaultValue = QString()) const;
    bool contains(const QString &key) const { return m_values.contains(key); }

    /** Stores the value and commits before returning; false when the write failed (it is retried). */
    bool save(const QString &key, const QString &value);
    /** Several saves committed as one: all or none reach the file. */
    bool saveMany(const std::vector<std::pair<QString, QString>> &values);
    /** A change of a stored text in place: `removed` characters at `position` replaced by
        `inserted`, as a keystroke in a long note makes it. It is in the journal beside the file
        at once (a kill loses nothing) and the whole text reaches the file a moment later, so a
        keystroke costs what it changes. False when the change does not fit the stored text:
        the caller then saves the whole text. */
    bool saveEdit(const QString &key, qsizetype position, qsizetype removed, const QString &inserted);

    /** Writes the change as one transaction before returning: all of it or, when the store cannot
        take it now, none of it, in memory or in the file (it is not kept to be retried, unlike a
        save). False with the reason, in words for the user. */
    bool commit(const Change &change, QString *error);
    /** The deleted notes kept, newest first; the one with this id. Empty when the file is not open. */
    QList<TrashedNote> trash() const;
    std::optional<TrashedNote> trashed(const QString &id) const;
    /** Drops the notes deleted before the cutoff for good; how many went. */
    int dropTrashedBefore(const QDateTime &cutoff);
    /** What the sync folder and this store last agreed on for a note (see NoteSync): by id. */
    const QHash<QString, QString> &syncedStates() const { return m_synced; }

    /** Values accepted in memory but not in the file yet (a failed write, or a change of a long
        note waiting for a pause in the typing). */
    int pendingCount() const { return int(m_pending.size() + m_deferred.size()); }
    /** Writes everything not in the file yet; true when nothing is left pending. */
    bool flushPending();
    /** Replaces every value and the trash by those of another store file (a backup), as one
        transaction; false with the reason, and nothing changed, when it cannot. */
    bool replaceWith(const QString &file, QString *error);
    /** Writes what waits and forces the file, and the journal of what it could not take, onto
        stable storage before returning: for a session that is about to end. */
    bool syncNow();

    /** The quick check's verdict when the file is damaged in the notes' history alone (the
        notes were read whole); empty otherwise. */
    QString damageBesideNotes() const { return m_damageBesideNotes; }

    /** Why the last write failed, in words for the user ("the disk is full" …). */
    QString failureCause() const;

    /** Every key, for the start-up scan of stored notes. */
    QList<QString> keys() const { return m_values.keys(); }

signals:
    /** A value was given (its key), or a change committed (no key): for who follows the notes. */
    void changed(const QString &key);
    /** A write failed; the value is kept in memory and retried. Emitted once per run of failures. */
    void writeFailed(const QString &message);
    /** The pending writes reached the file after earlier failures. */
    void writeRecovered();

private:
    /** Forgets the file open so far and what waited for it, for the one at `path`. */
    void startOver(const QString &path);
    bool openConnection(const QString &path, QString *error, int *code, int busyTimeoutMs);
    /** Checks and reads the whole store; false, with the error, when it cannot be read. */
    bool readAll(QString *error, int *code);
    /** Reads a store that cannot be opened for writing through a copy of it. */
    bool readCopy(const QString &path);
    bool notesWholeBesideDamagedHistory() const;
    /** Switches the open store to what the writes need; false when it cannot be written.
        At start-up a store another program holds is waited for a while. */
    bool prepareForWriting(QString *error, bool waitWhileHeld);
    void closeFile();
    bool loadAll(QString *error);
    static void addKey(std::vector<QString> &keys, const QString &key);
    /** Appends to the journal; keeps it from growing without end. */
    bool journal(const std::function<bool()> &append);
    void replayJournal();
    /** Long notes waiting for a pause in the typing go with the next write. */
    void takeDeferred();
    /** Writes the values that failed before (not the long notes waiting for a pause). */
    bool writePending();
    /** Writes the keys' values in one transaction; a generation other than 0 is recorded with them. */
    bool writeValues(const std::vector<QString> &keys, QString *error, quint32 generation = 0);
    bool upsert(const QString &key, const QString &value);
    bool writeChange(const Change &change);
    void noteFailure(const QString &error);
    /** The file's last error in words; remembers its kind for failureCause(). */
    QString lastError();
    void makePrivate(const QString &path);
    void syncInBackground();
    static void syncToDisk(const QString &path);

    QString m_path;
    QString m_damageBesideNotes;
    sqlite3 *m_db = nullptr;
    sqlite3_stmt *m_upsert = nullptr;
    QHash<QString, QString> m_values;
    QHash<QString, QString> m_synced;
    std::vector<QString> m_pending;    // keys whose values are not in the file, in save order
    std::vector<QString> m_deferred;   // long notes changed in place, written at a pause
    QTimer m_deferTimer;
    QElapsedTimer m_deferredFor;
    quint32 m_generation = 0;   // of the last journal the file took in (its user_version)
    QTimer m_retryTimer;
    QTimer m_syncTimer;   // runs from the first write that is not yet on stable storage
    QElapsedTimer m_busyFor;   // since when another program has held the store
    PendingJournal m_journal;
    bool m_failing = false;
    bool m_emptyIsDamaged = false;
    int m_lastCode = 0;
    int m_lastErrno = 0;
};
