#include "base/store/settingsstore.h"

#include "base/files/filesync.h"
#include "base/store/storecopy.h"
#include "base/store/storefile.h"
#include "base/store/storeschema.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QTemporaryDir>
#include <QThread>

#include <sqlite3.h>

#include <cerrno>

// Opening the store file and its damage: everything is read and checked before anything is
// written, a damaged file is kept aside (never written over), a store another program holds
// is waited for, and what went wrong is said in words for the user.

Q_DECLARE_LOGGING_CATEGORY(lcStore)

using namespace StoreFile;

namespace {

// A store cut to nothing (a crash of the file system, a bad copy), with no log that holds it.
bool isCutToNothing(const QString &path)
{
    const QFileInfo file(path);
    return file.isFile() && file.size() == 0 && QFileInfo(path + QStringLiteral("-wal")).size() == 0;
}

// Keeps a damaged file and its journal files under a new name beside it; returns the new name.
QString moveAside(const QString &path)
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString target = path + QStringLiteral(".damaged-") + stamp;
    for (int n = 2; QFileInfo::exists(target); ++n)
        target = path + QStringLiteral(".damaged-") + stamp + QLatin1Char('-') + QString::number(n);
    if (!QFile::rename(path, target))
        return QString();
    for (const char *suffix : {"-wal", "-shm"}) {
        const QString side = path + QLatin1String(suffix);
        if (QFileInfo::exists(side))
            QFile::rename(side, target + QLatin1String(suffix));
    }
    return target;
}

} // namespace

void SettingsStore::makePrivate(const QString &path)
{
    const QString folder = QFileInfo(path).absolutePath();
    QDir().mkpath(folder);
    FileSync::makePrivateFolder(folder);
    // SQLite gives its journal files the mode of the store file, so a new store starts private.
    if (!QFileInfo::exists(path)) {
        QFile created(path);
        if (created.open(QIODevice::WriteOnly | QIODevice::NewOnly,
                         QFileDevice::ReadOwner | QFileDevice::WriteOwner))
            created.close();
    }
    for (const QString &file : {path, path + QStringLiteral("-wal"), path + QStringLiteral("-shm")})
        FileSync::makePrivateFile(file);
}

QString SettingsStore::defaultPath()
{
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty() || !QDir::isAbsolutePath(base))
        base = QDir::homePath() + QStringLiteral("/.config");
    return base + QStringLiteral("/Brimvale/Quillarren.sqlite3");
}

void SettingsStore::startOver(const QString &path)
{
    closeFile();
    m_values.clear();
    m_pending.clear();
    m_deferred.clear();
    m_deferTimer.stop();
    m_deferredFor.invalidate();
    m_generation = 0;
    m_failing = false;
    m_path = path;
    m_journal.setPath(QFileInfo(path).absolutePath() + QStringLiteral("/Quillarren.pending"));
}

SettingsStore::OpenResult SettingsStore::open(const QString &path, Damaged damaged)
{
    OpenResult result;
    startOver(path);

    // An empty file where notes were (there are backups of them) has lost them: it is damaged,
    // not a new store.
    if (m_emptyIsDamaged && isCutToNothing(path) && damaged == Damaged::Refuse) {
        result.readable = false;
        result.error = tr("The notes store %1 is empty, and there are backups of your notes. Start Quillarren: it "
                          "keeps the empty file aside and offers to restore your notes from a backup.")
                           .arg(QDir::toNativeSeparators(path));
        return result;
    }
    if (isNotAFile(path) || (m_emptyIsDamaged && isCutToNothing(path))) {
        result.movedAsideTo = moveAside(path);
        if (result.movedAsideTo.isEmpty()) {
            result.error = tr("The notes store %1 is damaged, or not a file, and could not be moved aside.").arg(path);
            result.readable = false;
            return result;
        }
    }
    makePrivate(path);

    QString error;
    int code = SQLITE_OK;
    // Nothing is written to a store before all of it has been read: a damaged one is kept as it
    // is. A store another program holds for a moment is waited for, not taken for a broken one.
    bool read = openConnection(path, &error, &code, StartUpBusyTimeoutMs) && readAll(&error, &code);
    if (!read && isDamaged(code) && damaged == Damaged::Refuse) {
        closeFile();
        m_values.clear();
        result.readable = false;
        result.error = tr("The notes store %1 is damaged. Start Quillarren: it keeps the damaged file aside and "
                          "offers to restore your notes from a backup.").arg(QDir::toNativeSeparators(path));
        return result;
    }
    if (!read && isDamaged(code)) {
        closeFile();
        m_values.clear();
        result.movedAsideTo = moveAside(path);
        if (result.movedAsideTo.isEmpty()) {
            result.error = tr("The notes store %1 is damaged and could not be moved aside.").arg(path);
            result.readable = false;
            return result;
        }
        qCWarning(lcStore) << "damaged store moved to" << result.movedAsideTo;
        makePrivate(path);
        read = openConnection(path, &error, &code, StartUpBusyTimeoutMs) && readAll(&error, &code);
    }
    if (!read) {
        closeFile();
        m_values.clear();
        // A folder that cannot be written can still be read, through a copy if need be.
        result.readable = !QFileInfo::exists(path) || readCopy(path);
    }
    const bool writable = read && prepareForWriting(&error, true);
    if (!writable) {
        closeFile();
        if (read || result.readable) {
            result.error = tr("The notes store %1 cannot be written (%2). Your notes are shown, but "
                              "changes cannot be kept until it can be written; Quillarren keeps trying.")
                               .arg(QDir::toNativeSeparators(path), failureCause());
        } else {
            result.error = tr("The notes store %1 cannot be read: %2").arg(QDir::toNativeSeparators(path), error);
        }
        m_failing = true;
        m_retryTimer.start(isBusy(m_lastCode) ? BusyRetryIntervalMs : RetryIntervalMs);
    }
    result.ok = writable;
    replayJournal();
    return result;
}

bool SettingsStore::openConnection(const QString &path, QString *error, int *code, int busyTimeoutMs)
{
    const int rc = sqlite3_open_v2(path.toUtf8().constData(), &m_db,
                                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        *error = lastError();
        *code = m_lastCode;
        return false;
    }
    sqlite3_busy_timeout(m_db, busyTimeoutMs);
    return true;
}

bool SettingsStore::readAll(QString *error, int *code)
{
    const auto fail = [&] {
        *error = lastError();
        *code = m_lastCode;
        return false;
    };
    // The quick check reads every page, so damage anywhere is found before anything is written.
    sqlite3_stmt *check = nullptr;
    if (sqlite3_prepare_v2(m_db, "PRAGMA quick_check", -1, &check, nullptr) != SQLITE_OK)
        return fail();
    int rc = sqlite3_step(check);
    const QString verdict = rc == SQLITE_ROW
        ? QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(check, 0)))
        : QString();
    sqlite3_finalize(check);
    if (rc != SQLITE_ROW)
        return fail();
    m_damageBesideNotes.clear();
    // Damage in the notes' history alone leaves the notes whole: they are read, and the history
    // is left aside (NoteHistory says so).
    if (verdict != QLatin1String("ok") && notesWholeBesideDamagedHistory())
        m_damageBesideNotes = verdict;
    else if (verdict != QLatin1String("ok")) {
        *error = verdict;
        *code = m_lastCode = SQLITE_CORRUPT;
        return false;
    }
    sqlite3_stmt *version = nullptr;
    if (sqlite3_prepare_v2(m_db, "PRAGMA user_version", -1, &version, nullptr) != SQLITE_OK)
        return fail();
    if (sqlite3_step(version) == SQLITE_ROW)
        m_generation = quint32(sqlite3_column_int(version, 0));
    sqlite3_finalize(version);
    sqlite3_stmt *table = nullptr;
    if (sqlite3_prepare_v2(m_db, "SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = 'settings'", -1,
                           &table, nullptr) != SQLITE_OK)
        return fail();
    rc = sqlite3_step(table);
    sqlite3_finalize(table);
    if (rc == SQLITE_DONE)
        return true;   // a new store: nothing to read yet
    if (rc != SQLITE_ROW)
        return fail();
    if (!loadAll(error)) {
        *code = m_lastCode;
        return false;
    }
    return true;
}

bool SettingsStore::notesWholeBesideDamagedHistory() const
{
    const auto whole = [this](const char *table) {
        sqlite3_stmt *check = nullptr;
        const QByteArray sql = QByteArray("PRAGMA quick_check(") + table + ")";
        const bool ok = sqlite3_prepare_v2(m_db, sql.constData(), -1, &check, nullptr) == SQLITE_OK
            && sqlite3_step(check) == SQLITE_ROW
            && qstrcmp(reinterpret_cast<const char *>(sqlite3_column_text(check, 0)), "ok") == 0;
        sqlite3_finalize(check);
        return ok;
    };
    return !whole("history") && whole("settings") && whole("trash") && whole("synced");
}

bool SettingsStore::readCopy(const QString &path)
{
    QTemporaryDir copy;
    if (!copy.isValid())
        return false;
    const QString target = copy.filePath(QStringLiteral("store"));
    if (!QFile::copy(path, target))
        return false;
    // The log holds what was committed last; the index beside it is rebuilt from it.
    if (QFileInfo(path + QStringLiteral("-wal")).size() > 0)
        QFile::copy(path + QStringLiteral("-wal"), target + QStringLiteral("-wal"));
    QString error;
    int code = SQLITE_OK;
    const bool read = openConnection(target, &error, &code, StartUpBusyTimeoutMs) && readAll(&error, &code);
    sqlite3_close(m_db);
    m_db = nullptr;
    if (!read)
        m_values.clear();
    return read;
}

bool SettingsStore::prepareForWriting(QString *error, bool waitWhileHeld)
{
    const char *setup =
        "PRAGMA journal_mode=WAL;"
        // No sync on this connection at all: a commit is safe from a crash once written, and
        // syncToDisk makes it safe from a power cut within a second, away from the keystrokes.
        "PRAGMA synchronous=OFF;"
        "PRAGMA wal_autocheckpoint=0;"
        "PRAGMA journal_size_limit=1048576;"
        STORE_SETTINGS_TABLE ";" STORE_TRASH_TABLE ";" STORE_SYNCED_TABLE ";";
    // Switching an older store's journal takes it whole; SQLite does not wait for that itself.
    QElapsedTimer waited;
    waited.start();
    int rc;
    while (isBusy(rc = sqlite3_exec(m_db, setup, nullptr, nullptr, nullptr)) && waitWhileHeld
           && waited.elapsed() < StartUpBusyTimeoutMs)
        QThread::msleep(50);
    if (rc != SQLITE_OK
        || sqlite3_prepare_v2(m_db,
                              "INSERT INTO settings(application, section, key, value) VALUES(?1, ?2, ?3, ?4)"
                              " ON CONFLICT(application, section, key) DO UPDATE SET value = excluded.value",
                              -1, &m_upsert, nullptr)
            != SQLITE_OK) {
        *error = lastError();
        return false;
    }
    // A file opened read-only (no permission) refuses only the first write; find out now.
    if (sqlite3_db_readonly(m_db, "main") == 1) {
        m_lastCode = SQLITE_READONLY;
        *error = tr("the file is read-only");
        return false;
    }
    sqlite3_busy_timeout(m_db, BusyTimeoutMs);
    return true;
}

void SettingsStore::closeFile()
{
    sqlite3_finalize(m_upsert);
    m_upsert = nullptr;
    // The last connection to close checkpoints and removes the log: that must be synced.
    if (m_db)
        sqlite3_exec(m_db, "PRAGMA synchronous=NORMAL;", nullptr, nullptr, nullptr);
    if (m_db)
        sqlite3_close(m_db);
    m_db = nullptr;
}

bool SettingsStore::loadAll(QString *error)
{
    sqlite3_stmt *select = nullptr;
    if (sqlite3_prepare_v2(m_db, "SELECT key, value FROM settings WHERE application = ?1 AND section = ?2",
                           -1, &select, nullptr) != SQLITE_OK) {
        *error = lastError();
        return false;
    }
    sqlite3_bind_text(select, 1, Application, -1, SQLITE_STATIC);
    sqlite3_bind_text(select, 2, Section, -1, SQLITE_STATIC);
    int rc;
    while ((rc = sqlite3_step(select)) == SQLITE_ROW) {
        const auto column = [select](int i) {
            return QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(select, i)),
                                     sqlite3_column_bytes(select, i));
        };
        m_values.insert(column(0), column(1));
    }
    sqlite3_finalize(select);
    if (rc != SQLITE_DONE) {
        *error = lastError();
        return false;
    }
    // A store that never synced has no such table yet.
    m_synced.clear();
    sqlite3_stmt *synced = nullptr;
    if (sqlite3_prepare_v2(m_db, "SELECT id, state FROM synced", -1, &synced, nullptr) == SQLITE_OK) {
        while (sqlite3_step(synced) == SQLITE_ROW) {
            m_synced.insert(QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(synced, 0))),
                            QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(synced, 1))));
        }
    }
    sqlite3_finalize(synced);
    return true;
}

bool SettingsStore::replaceWith(const QString &file, QString *error)
{
    if (!flushPending() || !m_db) {
        *error = failureCause();
        return false;
    }
    // Only the rows of the file are taken, through a fresh store made here with our own tables;
    // whatever else the file holds (triggers, views, pragmas) stays behind.
    const QTemporaryDir scratch;   // private to us, as the notes are
    const QString fresh = scratch.filePath(QStringLiteral("notes.sqlite3"));
    int pageSize = 0;
    sqlite3_stmt *page = nullptr;
    if (sqlite3_prepare_v2(m_db, "PRAGMA page_size", -1, &page, nullptr) == SQLITE_OK && sqlite3_step(page) == SQLITE_ROW)
        pageSize = sqlite3_column_int(page, 0);
    sqlite3_finalize(page);
    if (!scratch.isValid()) {
        *error = tr("no room for a copy of the notes in the temporary folder");
        return false;
    }
    if (!StoreCopy::copyRows(file, fresh, pageSize, m_generation, error))
        return false;
    if (!StoreCopy::keepVersions(m_db, fresh))
        qCWarning(lcStore) << "the history made since the backup could not be kept";
    sqlite3 *source = nullptr;
    int rc = sqlite3_open_v2(fresh.toUtf8().constData(), &source, SQLITE_OPEN_READONLY, nullptr);
    if (rc == SQLITE_OK) {
        // One transaction on the open store: the notes are all replaced, or none are.
        sqlite3_backup *backup = sqlite3_backup_init(m_db, "main", source, "main");
        rc = backup ? sqlite3_backup_step(backup, -1) : sqlite3_errcode(m_db);
        if (backup)
            sqlite3_backup_finish(backup);
    }
    sqlite3_close(source);
    if (rc != SQLITE_DONE) {
        *error = tr("the notes could not be copied from %1 (%2)").arg(file, QString::fromUtf8(sqlite3_errstr(rc)));
        return false;
    }
    m_values.clear();
    QString reason;
    int code = SQLITE_OK;
    if (!readAll(&reason, &code)) {
        *error = reason;
        return false;
    }
    // What the journal held belonged to the notes just replaced.
    m_journal.clear();
    if (!m_syncTimer.isActive())
        m_syncTimer.start();
    return true;
}

QString SettingsStore::lastError()
{
    if (!m_db) {
        m_lastCode = SQLITE_CANTOPEN;
        m_lastErrno = 0;
        return tr("cannot open the file");
    }
    m_lastCode = sqlite3_extended_errcode(m_db);
    m_lastErrno = sqlite3_system_errno(m_db);
    return QString::fromUtf8(sqlite3_errmsg(m_db));
}

QString SettingsStore::failureCause() const
{
    const int primary = m_lastCode & 0xff;
    if (primary == SQLITE_FULL || m_lastErrno == ENOSPC
#ifdef EDQUOT
        || m_lastErrno == EDQUOT
#endif
    )
        return tr("the disk is full");
    if (m_lastErrno == EFBIG)
        return tr("the file has reached the size this session may write");
    if (primary == SQLITE_READONLY || m_lastErrno == EROFS)
        return tr("the file or its folder is read-only");
    if (primary == SQLITE_PERM || primary == SQLITE_AUTH || m_lastErrno == EACCES || m_lastErrno == EPERM)
        return tr("you do not have permission to write it");
    if (primary == SQLITE_BUSY || primary == SQLITE_LOCKED)
        return tr("another program is holding it");
    return tr("the disk refused the write (%1)").arg(QString::fromUtf8(sqlite3_errstr(m_lastCode)));
}
