#pragma once

#include <QDateTime>
#include <QList>
#include <QSet>
#include <QString>

#include <optional>

struct sqlite3;

// Every note's earlier texts, in a table of their own in the notes store's file (so backups carry
// them), through a connection of its own: the notes' connection and its statements never meet
// it, and a history that is missing, damaged or not ours is set aside without touching a note.
// One thread at a time; a version is one small transaction, cheap enough for the window thread.
class NoteHistory final
{
    Q_DISABLE_COPY_MOVE(NoteHistory)

public:
    struct Version
    {
        qint64 made = 0;            // milliseconds since the epoch, UTC: the version's key
        qint64 bytes = 0;           // its text's size in UTF-8
        QString firstChangedLine;   // against the version before it
        QDateTime time() const { return QDateTime::fromMSecsSinceEpoch(made); }
    };

    NoteHistory() = default;
    ~NoteHistory();

    /** Opens the history of the store file at `path` (the store has opened and set it up).
        `damageBesideNotes`: the store found damage outside the notes' own tables (see
        SettingsStore). False when there is no history this run; `notice` then, or when a
        history not ours was set aside, says so once, in words for the user. */
    bool open(const QString &path, const QString &damageBesideNotes = QString(), QString *notice = nullptr);
    bool isOpen() const { return m_db != nullptr; }
    void close();

    /** Keeps `text` as the note's newest version, made `now` (later than the one before, if the
        clock says otherwise), unless it is the newest already; then thins the note's history.
        False when it could not be written (nothing of it is then stored). */
    bool add(const QString &noteId, const QString &text, const QDateTime &now);
    /** When the note's newest version was made, if it has one. */
    std::optional<QDateTime> lastKept(const QString &noteId) const;
    /** The note's versions, newest first, as many as fit in a generous memory bound. */
    QList<Version> list(const QString &noteId) const;
    /** One version's text, by its `made`. */
    std::optional<QString> read(const QString &noteId, qint64 made) const;

    /** Applies the thinning rule to every note's history (hourly upkeep). */
    bool thinAll(const QDateTime &now);
    /** Drops the history of every note not named in `kept` (the notes and the trash's notes);
        how many notes' histories went. Nothing when `kept` is empty: that is a caller's mistake,
        not a store without notes. */
    int dropNotesOtherThan(const QSet<QString> &kept);

    /** The bytes of text kept for a note (a benchmark's and a test's measure). */
    qint64 bytesOf(const QString &noteId) const;

private:
    bool setUp(const QString &path, const QString &damageBesideNotes, QString *notice);
    /** A table named history that is not as we make it is copied beside the store and replaced. */
    bool setAside(const QString &path, QString *notice);
    bool thin(const QString &noteId, qint64 nowMs);
    bool exec(const char *sql) const;
    bool exists(const char *sql) const;

    sqlite3 *m_db = nullptr;
};
