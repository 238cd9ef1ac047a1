#include "base/backup/backups.h"

#include "base/files/filesync.h"
#include "base/store/settingsstore.h"
#include "base/store/storecopy.h"
#include "base/store/storeschema.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QRegularExpression>
#include <QSet>
#include <QThread>
#include <QThreadPool>

#include <sqlite3.h>

namespace {

const QString Prefix = QStringLiteral("Quillarren-");
const QString Suffix = QStringLiteral(".sqlite3");
const QString StampFormat = QStringLiteral("yyyy-MM-dd-HHmmss");
constexpr int DailyKept = 7;
constexpr int WeeklyKept = 4;
constexpr int CheckEveryMs = 60 * 60 * 1000;
constexpr int AfterStartUpMs = 2 * 60 * 1000;
// A backup dated further ahead than this was made under a wrong clock, or named by hand.
constexpr qint64 FutureSlackSecs = 5 * 60;
// A part file this old belongs to a backup that was killed, not to one being made.
constexpr qint64 StalePartSecs = 15 * 60;

// Our names only: Quillarren-2026-12-09-103000.sqlite3, or with -2 … when two fall in one second.
const QRegularExpression &backupName()
{
    static const QRegularExpression name(QStringLiteral("^Quillarren-(\\d{4}-\\d{2}-\\d{2}-\\d{6})(-\\d+)?\\.sqlite3$"));
    return name;
}

QString sqliteError(sqlite3 *db)
{
    return db ? QString::fromUtf8(sqlite3_errmsg(db)) : QCoreApplication::translate("Backups", "out of memory");
}

// When the backup was made and whether the user asked for it, inside it: a name can be changed.
bool stamp(sqlite3 *target, const QDateTime &now, bool asked)
{
    sqlite3_stmt *insert = nullptr;
    const QByteArray made = now.toUTC().toString(Qt::ISODateWithMs).toUtf8();
    bool ok = sqlite3_exec(target, STORE_BACKUP_TABLE, nullptr, nullptr, nullptr) == SQLITE_OK
        && sqlite3_prepare_v2(target, "INSERT INTO backup(made, asked) VALUES(?1, ?2)", -1, &insert, nullptr) == SQLITE_OK;
    if (ok) {
        sqlite3_bind_text(insert, 1, made.constData(), made.size(), SQLITE_STATIC);
        sqlite3_bind_int(insert, 2, asked ? 1 : 0);
        ok = sqlite3_step(insert) == SQLITE_DONE;
    }
    sqlite3_finalize(insert);
    return ok;
}

bool copyStore(const QString &from, const QString &to, const QDateTime &now, bool asked, QString *error)
{
    sqlite3 *source = nullptr;
    sqlite3 *target = nullptr;
    bool copied = false;
    if (sqlite3_open_v2(from.toUtf8().constData(), &source, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        *error = QCoreApplication::translate("Backups", "cannot open %1: %2").arg(from, sqliteError(source));
    } else if (sqlite3_open_v2(to.toUtf8().constData(), &target, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
        *error = QCoreApplication::translate("Backups", "cannot write %1: %2").arg(to, sqliteError(target));
    } else {
        sqlite3_busy_timeout(source, 2000);
        // The online backup reads one consistent state of the store while it is written on.
        // In one step, one read of the log: a backup taken in slices starts again whenever typing
        // changes the store meanwhile, and might never end.
        sqlite3_backup *backup = sqlite3_backup_init(target, "main", source, "main");
        int rc = backup ? SQLITE_OK : sqlite3_errcode(target);
        for (int attempt = 0; backup && attempt < 100; ++attempt) {
            rc = sqlite3_backup_step(backup, -1);
            if (rc != SQLITE_BUSY && rc != SQLITE_LOCKED)
                break;
            QThread::msleep(20);
        }
        if (backup)
            sqlite3_backup_finish(backup);
        // A copy is a plain file: no write-ahead log beside it.
        copied = rc == SQLITE_DONE
            && sqlite3_exec(target, "PRAGMA journal_mode=DELETE", nullptr, nullptr, nullptr) == SQLITE_OK
            && stamp(target, now, asked);
        if (!copied)
            *error = QCoreApplication::translate("Backups", "the copy failed: %1").arg(QString::fromUtf8(sqlite3_errstr(rc)));
    }
    sqlite3_close(source);
    sqlite3_close(target);
    return copied;
}

} // namespace

Backups::Backups(const QString &storePath, QObject *parent)
    : QObject(parent)
    , m_storePath(storePath)
    , m_folder(QFileInfo(storePath).absolutePath() + QStringLiteral("/backups"))
{
    m_hourly.setInterval(CheckEveryMs);
    connect(&m_hourly, &QTimer::timeout, this, [this] {
        backUpInBackground(false);
        emit hourly();
    });
}

QList<Backups::Entry> Backups::list() const
{
    return listIn(m_folder, QDateTime::currentDateTime());
}

QList<Backups::Entry> Backups::listIn(const QString &folder, const QDateTime &now)
{
    QList<Entry> entries;
    const QFileInfoList files = QDir(folder).entryInfoList({Prefix + QLatin1Char('*') + Suffix}, QDir::Files);
    for (const QFileInfo &file : files) {
        const QRegularExpressionMatch match = backupName().match(file.fileName());
        if (!match.hasMatch())
            continue;
        Entry entry{file.absoluteFilePath(), QDateTime::fromString(match.captured(1), StampFormat), file.size()};
        // What the backup says of itself before what its name says.
        if (const std::optional<StoreCopy::Stamp> stamp = StoreCopy::stampOf(entry.path)) {
            entry.made = stamp->made.toLocalTime();
            entry.asked = stamp->asked;
        }
        if (!entry.made.isValid())
            continue;
        entry.trusted = entry.made.secsTo(now) >= -FutureSlackSecs;
        entries.append(entry);
    }
    // Those dated ahead of now come last: a wrong clock must not put them before the real ones.
    std::sort(entries.begin(), entries.end(), [](const Entry &a, const Entry &b) {
        if (a.trusted != b.trusted)
            return a.trusted;
        return a.made != b.made ? a.made > b.made : a.path > b.path;
    });
    return entries;
}

bool Backups::hasAny() const
{
    const QStringList names = QDir(m_folder).entryList({Prefix + QLatin1Char('*') + Suffix}, QDir::Files);
    return std::any_of(names.cbegin(), names.cend(), [](const QString &name) { return backupName().match(name).hasMatch(); });
}

std::optional<Backups::Entry> Backups::newestGood() const
{
    for (const Entry &entry : list()) {
        QString error;
        if (check(entry.path, &error))
            return entry;
    }
    return std::nullopt;
}

QList<Backups::Entry> Backups::kept(const QList<Entry> &all, const QDateTime &now)
{
    QList<Entry> newestFirst = all;
    std::sort(newestFirst.begin(), newestFirst.end(), [](const Entry &a, const Entry &b) { return a.made > b.made; });
    QList<Entry> keep;
    QSet<QDate> days;
    QSet<int> weeks;
    for (const Entry &entry : newestFirst) {
        // One the user asked for, one of the last day, and one dated ahead of now (which the
        // rotation cannot place) are kept beside the dailies and weeklies.
        bool kept = entry.asked || !entry.trusted || entry.made.secsTo(now) < 24 * 60 * 60;
        if (!entry.trusted) {
            keep.append(entry);
            continue;
        }
        const QDate day = entry.made.date();
        int year = 0;
        const int week = day.weekNumber(&year);
        if (!days.contains(day) && days.size() < DailyKept) {
            days.insert(day);
            kept = true;
        }
        if (!weeks.contains(year * 100 + week) && weeks.size() < WeeklyKept) {
            weeks.insert(year * 100 + week);
            kept = true;
        }
        if (kept)
            keep.append(entry);
    }
    return keep;
}

bool Backups::check(const QString &file, QString *error)
{
    return StoreCopy::checkOurs(file, error);
}

std::optional<QString> Backups::makeNow(const QDateTime &now, QString *error, const QString &alsoKeep, bool asked) const
{
    return make(m_storePath, m_folder, now, error, alsoKeep, asked);
}

void Backups::removeStaleParts(const QString &folder, const QDateTime &now)
{
    const QFileInfoList parts = QDir(folder).entryInfoList({QLatin1Char('.') + Prefix + QStringLiteral("*.part")},
                                                           QDir::Files | QDir::Hidden);
    for (const QFileInfo &part : parts) {
        if (part.lastModified().secsTo(now) > StalePartSecs)
            QFile::remove(part.absoluteFilePath());
    }
}

std::optional<QString> Backups::make(const QString &storePath, const QString &folder, const QDateTime &now,
                                     QString *error, const QString &alsoKeep, bool asked)
{
    if (!QDir().mkpath(folder) || !QFileInfo(folder).isWritable()) {
        *error = QCoreApplication::translate("Backups", "the backups folder %1 cannot be written").arg(folder);
        return std::nullopt;
    }
    FileSync::makePrivateFolder(folder);
    removeStaleParts(folder, QDateTime::currentDateTime());
    const QString stamp = now.toString(StampFormat);
    QString name = folder + QLatin1Char('/') + Prefix + stamp + Suffix;
    for (int n = 2; QFileInfo::exists(name); ++n)
        name = folder + QLatin1Char('/') + Prefix + stamp + QLatin1Char('-') + QString::number(n) + Suffix;
    // Written under a name of its own, and named as a backup only once it is whole and checked.
    const QString part = folder + QStringLiteral("/.") + QFileInfo(name).fileName() + QStringLiteral(".part");
    QFile::remove(part);
    QFile created(part);
    if (!created.open(QIODevice::WriteOnly | QIODevice::NewOnly, QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
        *error = QCoreApplication::translate("Backups", "cannot write in the backups folder %1: %2").arg(folder, created.errorString());
        return std::nullopt;
    }
    created.close();
    QString why;
    if (!copyStore(storePath, part, now, asked, &why) || !check(part, &why) || !FileSync::syncFile(part)
        || !QFile::rename(part, name)) {
        QFile::remove(part);
        *error = QCoreApplication::translate("Backups", "the backup of %1 failed: %2").arg(storePath, why.isEmpty() ? QCoreApplication::translate("Backups", "the disk refused it") : why);
        return std::nullopt;
    }
    FileSync::syncFile(folder);
    // Only now, with a good new one, may older ones go.
    const QList<Entry> all = listIn(folder, now);
    const QList<Entry> keep = kept(all, now);
    for (const Entry &entry : all) {
        const bool kept = std::any_of(keep.cbegin(), keep.cend(), [&](const Entry &k) { return k.path == entry.path; });
        if (!kept && entry.path != name && QFileInfo(entry.path) != QFileInfo(alsoKeep))
            QFile::remove(entry.path);
    }
    return name;
}

void Backups::startSchedule()
{
    // A moment after start-up, not during it: the copy must not slow the notes' coming up.
    QTimer::singleShot(AfterStartUpMs, this, [this] {
        backUpInBackground(false);
        emit hourly();
        m_hourly.start();
    });
}

void Backups::backUpInBackground(bool evenIfRecent)
{
    if (m_busy)
        return;
    const QDateTime now = QDateTime::currentDateTime();
    if (!evenIfRecent) {
        const QList<Entry> existing = list();
        if (!existing.isEmpty() && existing.constFirst().made.secsTo(now) < 24 * 60 * 60 && existing.constFirst().made <= now)
            return;
    }
    m_busy = true;
    QPointer<Backups> self = this;
    QThreadPool::globalInstance()->start([self, now, store = m_storePath, folder = m_folder, asked = evenIfRecent] {
        QString error;
        const std::optional<QString> made = make(store, folder, now, &error, QString(), asked);
        QMetaObject::invokeMethod(qApp, [self, path = made.value_or(QString()), error, asked] {
            if (!self)
                return;
            self->m_busy = false;
            emit self->finished(path, error, asked);
        }, Qt::QueuedConnection);
    });
}
