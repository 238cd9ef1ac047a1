#pragma once

#include "store/pendingjournal.h"

#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QString>
#include <QTimer>

#include <utility>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

// The per-user key/value store every note lives in: one SQLite file, all values text,
// nothing ever deleted. Reads come from an in-memory copy kept in step with the file.
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

    explicit SettingsStore(QObject *parent = nullptr);
    ~SettingsStore() override;

    /** $XDG_CONFIG_HOME/Brimvale/Quillarren.sqlite3, ~/.config when the variable is unset. */
    static QString defaultPath();

    /** Opens (creating when needed) the store file; a damaged file is moved aside, never overwritten. */
    OpenResult open(const QString &path);
    QString path() const { return m_path; }

    /** The stored text, or the default when the key is absent. */
    QString get(const QString &key, const QString &defaultValue = QString()) const;
    bool contains(const QString &key) const { return m_values.contains(key); }

    /** Stores the value and commits before returning; false when the write failed (it is retried). */
    bool save(const QString &key, const QString &value);
    /** Several saves committed as one: all or none reach the file. */
    bool saveMany(const std::vector<std::pair<QString, QString>> &values);

    /** Values accepted in memory but not yet on disk because a write failed. */
    int pendingCount() const { return int(m_pending.size()); }
    /** Tries to write the pending values now; true when nothing is left pending. */
    bool flushPending();

    /** Why the last write failed, in words for the user ("the disk is full" …). */
    QString failureCause() const;

    /** Every key, for the start-up scan of stored notes. */
    QList<QString> keys() const { return m_values.keys(); }

signals:
    /** A write failed; the value is kept in memory and retried. Emitted once per run of failures. */
    void writeFailed(const QString &message);
    /** The pending writes reached the file after earlier failures. */
    void writeRecovered();

private:
    bool openConnection(const QString &path, QString *error, int *code, int busyTimeoutMs);
    /** Checks and reads the whole store; false, with the error, when it cannot be read. */
    bool readAll(QString *error, int *code);
    /** Reads a store that cannot be opened for writing through a copy of it. */
    bool readCopy(const QString &path);
    /** Switches the open store to what the writes need; false when it cannot be written.
        At start-up a store another program holds is waited for a while. */
    bool prepareForWriting(QString *error, bool waitWhileHeld);
    void closeFile();
    bool loadAll(QString *error);
    void addPending(const std::vector<std::pair<QString, QString>> &values);
    void replayJournal();
    bool writeValues(const std::vector<std::pair<QString, QString>> &values, QString *error);
    void noteFailure(const QString &error);
    /** The file's last error in words; remembers its kind for failureCause(). */
    QString lastError();
    void makePrivate(const QString &path);
    void syncInBackground();
    static void syncToDisk(const QString &path);

    QString m_path;
    sqlite3 *m_db = nullptr;
    sqlite3_stmt *m_upsert = nullptr;
    QHash<QString, QString> m_values;
    std::vector<std::pair<QString, QString>> m_pending;   // in save order
    QTimer m_retryTimer;
    QTimer m_syncTimer;   // runs from the first write that is not yet on stable storage
    QElapsedTimer m_busyFor;   // since when another program has held the store
    PendingJournal m_journal;
    bool m_failing = false;
    int m_lastCode = 0;
    int m_lastErrno = 0;
};
