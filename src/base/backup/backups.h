#pragma once

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

#include <optional>


// Copies of the notes store in backups/ beside it: made with SQLite's online backup on a
// connection of their own, off the window thread, checked before an older one is removed, and
// kept as the last 7 daily and 4 weekly copies.
class Backups final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Backups)

public:
    struct Entry
    {
        QString path;
        QDateTime made;       // as the backup says inside it, else as its name says
        qint64 bytes = 0;
        bool asked = false;   // the user asked for it (Back Up Now, or before a restore)
        bool trusted = true;  // not dated ahead of now
    };

    explicit Backups(const QString &storePath, QObject *parent = nullptr);

    QString folder() const { return m_folder; }
    /** The backups there, newest first, those dated ahead of now last; only files named as this
        program names them. */
    QList<Entry> list() const;
    /** There is a backup (named as ours), without reading any. */
    bool hasAny() const;
    /** The newest backup that passes its check. */
    std::optional<Entry> newestGood() const;

    /** Makes a backup now, on the calling thread, named and stamped by `now`; checks it, then
        removes the copies the rotation no longer keeps, but `alsoKeep` (a backup about to be
        restored). `asked`: the user asked for it. Its path, or nothing with the reason. */
    std::optional<QString> makeNow(const QDateTime &now, QString *error, const QString &alsoKeep = QString(),
                                   bool asked = false) const;
    /** The backups the rotation keeps at `now`: the newest of each of the last 7 days that have
        one, the newest of each of the last 4 weeks that have one, every one of the last 24
        hours, every one the user asked for, and every one dated ahead of now. */
    static QList<Entry> kept(const QList<Entry> &all, const QDateTime &now);
    /** The file is a whole notes store of ours: it opens, passes SQLite's quick check and holds
        our tables exactly, nothing else. False with the reason otherwise. */
    static bool check(const QString &file, QString *error);

    /** Two minutes after start-up, a backup unless the newest is less than a day old, off the
        window thread; then a look once an hour. finished() tells how it went. */
    void startSchedule();
    void backUpInBackground(bool evenIfRecent);
    bool isBusy() const { return m_busy; }

signals:
    /** A backup was made at `path`, or failed with `error`; `asked`: the user asked for it now. */
    void finished(const QString &path, const QString &error, bool asked);
    /** The schedule looked (after start-up, then every hour): time for other upkeep too. */
    void hourly();

private:
    static QList<Entry> listIn(const QString &folder, const QDateTime &now);
    static std::optional<QString> make(const QString &storePath, const QString &folder, const QDateTime &now,
                                       QString *error, const QString &alsoKeep, bool asked);
    /** Removes what backups killed midway left behind. */
    static void removeStaleParts(const QString &folder, const QDateTime &now);

    QString m_storePath;
    QString m_folder;
    QTimer m_hourly;
    bool m_busy = false;
};
