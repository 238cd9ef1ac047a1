#include "base/store/settingsstore.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLoggingCategory>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QThreadPool>

#include "base/files/filesync.h"
#include "base/store/storecopy.h"
#include "base/store/storeschema.h"

#include <sqlite3.h>

#include <algorithm>
#include <cerrno>

Q_LOGGING_CATEGORY(lcStore, "quillarren.store")


namespace {

constexpr int RetryIntervalMs = 2000;
// A store another program holds is tried again soon: it is usually a matter of moments.
constexpr int BusyRetryIntervalMs = 100;
// The user is told only about a hold that lasts.
constexpr int BusyNoticeAfterMs = 10000;
// How long a committed write may wait for the disk: syncs come once per burst of typing.
constexpr int SyncDelayMs = 1000;
// At start-up, a store another program holds is waited for this long before going on without it.
constexpr int StartUpBusyTimeoutMs = 10000;
// Afterwards a write never waits more than this: typing must not stall on the store.
constexpr int BusyTimeoutMs = 5;
// A journal this large is rewritten with the values still pending alone.
constexpr qint64 JournalCompactBytes = 16 * 1024 * 1024;
// A long note's text reaches the file after this pause in the typing, or this long at the latest.
constexpr int DeferIdleMs = 250;
constexpr qint64 DeferMaxMs = 1000;

QByteArray utf8(const QString &text)
{
    return text.toUtf8();
}

bool isDamaged(int code)
{
    const int primary = code & 0xff;
    return primary == SQLITE_NOTADB || primary == SQLITE_CORRUPT;
}

bool isBusy(int code)
{
    const int primary = code & 0xff;
    return primary == SQLITE_BUSY || primary == SQLITE_LOCKED;
}

// A FIFO, a device or a folder at the store's place would block or fail every read.
bool isNotAFile(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() && !info.isFile();
}

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

SettingsStore::SettingsStore(QObject *parent)
    : QObject(parent)
{
    m_retryTimer.setInterval(RetryIntervalMs);
    connect(&m_retryTimer, &QTimer::timeout, this, &SettingsStore::flushPending);
    m_syncTimer.setSingleShot(true);
    m_syncTimer.setInterval(SyncDelayMs);
    connect(&m_syncTimer, &QTimer::timeout, this, &SettingsStore::syncInBackground);
    m_deferTimer.setSingleShot(true);
    connect(&m_deferTimer, &QTimer::timeout, this, &SettingsStore::flushPending);
}

SettingsStore::~SettingsStore()
{
    flushPending();
    // What was written last reaches the disk before the program ends.
    if (m_syncTimer.isActive()) {
        m_syncTimer.stop();
        syncToDisk(m_path);
    }
    closeFile();
    // A sync still running on the pool uses nothing of ours, but the program must not end before it has.
    QThreadPool::globalInstance()->waitForDone();
}

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

// Commits are not synced one by one (a keystroke must not wait for the disk); this makes them
// durable within a second, and keeps the write-ahead log from growing, away from the window thread.
void SettingsStore::syncInBackground()
{
    QThreadPool::globalInstance()->start([path = m_path, journal = m_journal.path()] {
        syncToDisk(path);
        FileSync::syncFile(journal);
    });
}

void SettingsStore::syncToDisk(const QString &path)
{
    FileSync::syncFile(path + QStringLiteral("-wal"));
    sqlite3 *db = nullptr;
    if (sqlite3_open_v2(utf8(path).constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr) == SQLITE_OK) {
        sqlite3_busy_timeout(db, 100);
        sqlite3_exec(db, "PRAGMA synchronous=NORMAL; PRAGMA wal_checkpoint(PASSIVE);", nullptr, nullptr, nullptr);
    }
    sqlite3_close(db);
}

QString SettingsStore::defaultPath()
{
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty() || !QDir::isAbsolutePath(base))
        base = QDir::homePath() + QStringLiteral("/.config");
    return base + QStringLiteral("/Brimvale/Quillarren.sqlite3");
}

SettingsStore::OpenResult SettingsStore::open(const QString &path, Damaged damaged)
{
    OpenResult result;
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
    const int rc = sqlite3_open_v2(utf8(path).constData(), &m_db,
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
    if (verdict != QLatin1String("ok")) {
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

QString SettingsStore::get(const QString &key, const QString &defaultValue) const
{
    const auto it = m_values.constFind(key);
    return it == m_values.constEnd() ? defaultValue : it.value();
}

bool SettingsStore::save(const QString &key, const QString &value)
{
    return saveMany({{key, value}});
}

bool SettingsStore::saveMany(const std::vector<std::pair<QString, QString>> &values)
{
    std::vector<std::pair<QString, QString>> changed;
    for (const auto &[key, value] : values) {
        const auto it = m_values.constFind(key);
        if (it != m_values.constEnd() && it.value() == value)
            continue;
        const QString stored = value.isNull() ? QStringLiteral("") : value;
        m_values.insert(key, stored);
        changed.emplace_back(key, stored);
    }
    // Unchanged values need no write of their own, but one still waiting from a failed write is
    // not stored yet: report the truth, and take the chance to retry.
    if (changed.empty())
        return m_pending.empty() || writePending();
    for (const auto &entry : changed) {
        addKey(m_pending, entry.first);
        emit this->changed(entry.first);
    }
    // While another program holds the store the retry timer keeps asking; a keystroke does not.
    if (!m_busyFor.isValid() && writePending())
        return true;
    // Not in the store yet: kept beside it until it is, so that not even a kill loses it.
    journal([&] { return m_journal.append(changed, m_generation + 1); });
    return false;
}

bool SettingsStore::saveEdit(const QString &key, qsizetype position, qsizetype removed, const QString &inserted)
{
    const auto it = m_values.find(key);
    if (it == m_values.end() || position < 0 || removed < 0 || position + removed > it->size())
        return false;
    QString &text = it.value();
    PendingJournal::Edit edit{key, text.size(), position, text.mid(position, removed), inserted};
    if (edit.removed == inserted)
        return true;   // a change of formatting alone
    text.replace(position, removed, inserted);
    emit changed(key);
    // The change is safe from a kill in the journal now; the whole text follows into the file a
    // moment later, once per pause in the typing.
    if (!journal([&] { return m_journal.appendEdit(edit, m_generation + 1); })) {
        addKey(m_pending, key);
        writePending();
        return true;
    }
    addKey(m_deferred, key);
    if (!m_deferredFor.isValid())
        m_deferredFor.start();
    // A pause in the typing, or a second at the latest.
    m_deferTimer.start(m_deferredFor.elapsed() >= DeferMaxMs ? 0 : DeferIdleMs);
    return true;
}

bool SettingsStore::journal(const std::function<bool()> &append)
{
    const bool appended = append();
    if (appended && !m_syncTimer.isActive())
        m_syncTimer.start();   // the journal reaches the disk within a second, as the file does
    if (m_journal.size() > JournalCompactBytes) {
        std::vector<std::pair<QString, QString>> unwritten;
        for (const auto *keys : {&m_pending, &m_deferred}) {
            for (const QString &key : *keys)
                unwritten.emplace_back(key, m_values.value(key));
        }
        m_journal.compact(unwritten);
    }
    return appended;
}

void SettingsStore::addKey(std::vector<QString> &keys, const QString &key)
{
    if (std::find(keys.begin(), keys.end(), key) == keys.end())
        keys.push_back(key);
}

void SettingsStore::replayJournal()
{
    // A journal whose generation the file records was taken in whole before it could be emptied.
    if (!m_journal.isEmpty() && m_journal.generation() == m_generation) {
        m_journal.clear();
        return;
    }
    const QList<QString> changed = m_journal.replay(m_values);
    if (changed.isEmpty()) {
        m_journal.clear();
        return;
    }
    qCWarning(lcStore) << "writing" << changed.size() << "values kept from an earlier run";
    for (const QString &key : changed)
        addKey(m_pending, key);
    flushPending();
}

bool SettingsStore::flushPending()
{
    takeDeferred();
    return writePending();
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
    sqlite3 *source = nullptr;
    int rc = sqlite3_open_v2(utf8(fresh).constData(), &source, SQLITE_OPEN_READONLY, nullptr);
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

bool SettingsStore::syncNow()
{
    const bool stored = flushPending();
    m_syncTimer.stop();
    syncToDisk(m_path);
    FileSync::syncFile(m_journal.path());
    return stored;
}

void SettingsStore::takeDeferred()
{
    for (const QString &key : m_deferred)
        addKey(m_pending, key);
    m_deferred.clear();
    m_deferTimer.stop();
    m_deferredFor.invalidate();
}

bool SettingsStore::writePending()
{
    if (m_pending.empty())
        return true;
    // Whole values in the journal would come back over newer ones if it outlived this write: it
    // must be emptied by it, so everything it holds goes to the file now.
    if (m_journal.hasValues())
        takeDeferred();
    QString error;
    if (!m_db) {
        int code = SQLITE_OK;
        makePrivate(m_path);
        if (isNotAFile(m_path) || !openConnection(m_path, &error, &code, BusyTimeoutMs) || !prepareForWriting(&error, false)) {
            closeFile();
            noteFailure(error);
            return false;
        }
    }
    // A write that takes in everything the journal holds records the journal's generation with it.
    const bool takesInJournal = m_deferred.empty() && !m_journal.isEmpty();
    const quint32 generation = takesInJournal ? m_journal.generation() : 0;
    if (!writeValues(m_pending, &error, generation)) {
        noteFailure(error);
        return false;
    }
    m_pending.clear();
    if (takesInJournal) {
        m_generation = generation;
        // The journal may only go once what it held is on the disk for good.
        FileSync::syncFile(m_path + QStringLiteral("-wal"));
        m_journal.clear();
    }
    if (!m_syncTimer.isActive())
        m_syncTimer.start();
    m_busyFor.invalidate();
    m_retryTimer.stop();
    if (m_failing) {
        m_failing = false;
        emit writeRecovered();
    }
    return true;
}

bool SettingsStore::writeValues(const std::vector<QString> &keys, QString *error, quint32 generation)
{
    const bool many = keys.size() > 1 || generation != 0;
    if (many && sqlite3_exec(m_db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) != SQLITE_OK) {
        *error = lastError();
        return false;
    }
    for (const QString &key : keys) {
        if (!upsert(key, m_values.value(key))) {
            *error = lastError();
            if (many)
                sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
            return false;
        }
    }
    if (generation != 0) {
        const QByteArray pragma = "PRAGMA user_version = " + QByteArray::number(qint32(generation));
        if (sqlite3_exec(m_db, pragma.constData(), nullptr, nullptr, nullptr) != SQLITE_OK) {
            *error = lastError();
            sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
            return false;
        }
    }
    if (many && sqlite3_exec(m_db, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK) {
        *error = lastError();
        sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
        return false;
    }
    return true;
}

bool SettingsStore::upsert(const QString &key, const QString &value)
{
    const QByteArray k = utf8(key);
    const QByteArray v = utf8(value);
    sqlite3_reset(m_upsert);
    sqlite3_bind_text(m_upsert, 1, Application, -1, SQLITE_STATIC);
    sqlite3_bind_text(m_upsert, 2, Section, -1, SQLITE_STATIC);
    sqlite3_bind_text(m_upsert, 3, k.constData(), k.size(), SQLITE_STATIC);
    sqlite3_bind_text(m_upsert, 4, v.constData(), v.size(), SQLITE_STATIC);
    const int rc = sqlite3_step(m_upsert);
    sqlite3_reset(m_upsert);
    return rc == SQLITE_DONE;
}

namespace {

QByteArray encodeTrashed(const QHash<QString, QString> &values)
{
    QJsonObject object;
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        object.insert(it.key(), it.value());
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

SettingsStore::TrashedNote decodeTrashed(sqlite3_stmt *row)
{
    const auto text = [row](int i) {
        return QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(row, i)), sqlite3_column_bytes(row, i));
    };
    SettingsStore::TrashedNote note;
    note.id = text(0);
    note.deleted = QDateTime::fromString(text(1), Qt::ISODate);
    const QJsonObject object = QJsonDocument::fromJson(text(2).toUtf8()).object();
    for (auto it = object.constBegin(); it != object.constEnd(); ++it)
        note.values.insert(it.key(), it.value().toString());
    return note;
}

} // namespace

bool SettingsStore::writeChange(const Change &change)
{
    const auto run = [this](const char *sql, const std::function<void(sqlite3_stmt *)> &bind) {
        sqlite3_stmt *statement = nullptr;
        if (sqlite3_prepare_v2(m_db, sql, -1, &statement, nullptr) != SQLITE_OK)
            return false;
        bind(statement);
        const bool done = sqlite3_step(statement) == SQLITE_DONE;
        sqlite3_finalize(statement);
        return done;
    };
    if (sqlite3_exec(m_db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) != SQLITE_OK)
        return false;
    bool ok = true;
    for (const auto &[key, value] : change.values)
        ok = ok && upsert(key, value);
    for (const TrashedNote &note : change.toTrash) {
        const QByteArray id = utf8(note.id);
        const QByteArray deleted = utf8(note.deleted.toUTC().toString(Qt::ISODateWithMs));
        const QByteArray values = encodeTrashed(note.values);
        ok = ok && run("INSERT OR REPLACE INTO trash(id, deleted, note) VALUES(?1, ?2, ?3)", [&](sqlite3_stmt *s) {
            sqlite3_bind_text(s, 1, id.constData(), id.size(), SQLITE_STATIC);
            sqlite3_bind_text(s, 2, deleted.constData(), deleted.size(), SQLITE_STATIC);
            sqlite3_bind_text(s, 3, values.constData(), values.size(), SQLITE_STATIC);
        });
    }
    for (const QString &id : change.fromTrash) {
        const QByteArray bytes = utf8(id);
        ok = ok && run("DELETE FROM trash WHERE id = ?1", [&](sqlite3_stmt *s) {
            sqlite3_bind_text(s, 1, bytes.constData(), bytes.size(), SQLITE_STATIC);
        });
    }
    for (auto it = change.synced.cbegin(); it != change.synced.cend(); ++it) {
        const QByteArray id = utf8(it.key());
        const QByteArray state = utf8(it.value());
        ok = ok && run(state.isEmpty() ? "DELETE FROM synced WHERE id = ?1" : "INSERT OR REPLACE INTO synced(id, state) VALUES(?1, ?2)",
                       [&](sqlite3_stmt *s) {
                           sqlite3_bind_text(s, 1, id.constData(), id.size(), SQLITE_STATIC);
                           if (!state.isEmpty())
                               sqlite3_bind_text(s, 2, state.constData(), state.size(), SQLITE_STATIC);
                       });
    }
    if (ok && sqlite3_exec(m_db, "COMMIT", nullptr, nullptr, nullptr) == SQLITE_OK)
        return true;
    lastError();   // keeps the cause for failureCause() before the rollback clears it
    sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
    return false;
}

bool SettingsStore::commit(const Change &change, QString *error)
{
    // Whatever waits goes first: the change must not overtake it, nor be retried behind it.
    if (!flushPending() || !m_db || !writeChange(change)) {
        *error = failureCause();
        return false;
    }
    for (const auto &[key, value] : change.values)
        m_values.insert(key, value.isNull() ? QStringLiteral("") : value);
    for (auto it = change.synced.cbegin(); it != change.synced.cend(); ++it) {
        if (it.value().isEmpty())
            m_synced.remove(it.key());
        else
            m_synced.insert(it.key(), it.value());
    }
    if (!m_syncTimer.isActive())
        m_syncTimer.start();
    emit changed(QString());
    return true;
}

QList<SettingsStore::TrashedNote> SettingsStore::trash() const
{
    QList<TrashedNote> notes;
    sqlite3_stmt *select = nullptr;
    if (!m_db || sqlite3_prepare_v2(m_db, "SELECT id, deleted, note FROM trash ORDER BY deleted DESC", -1, &select,
                                    nullptr) != SQLITE_OK)
        return notes;
    while (sqlite3_step(select) == SQLITE_ROW)
        notes.append(decodeTrashed(select));
    sqlite3_finalize(select);
    return notes;
}

std::optional<SettingsStore::TrashedNote> SettingsStore::trashed(const QString &id) const
{
    for (const TrashedNote &note : trash()) {
        if (note.id == id)
            return note;
    }
    return std::nullopt;
}

int SettingsStore::dropTrashedBefore(const QDateTime &cutoff)
{
    sqlite3_stmt *drop = nullptr;
    if (!m_db || sqlite3_prepare_v2(m_db, "DELETE FROM trash WHERE deleted < ?1", -1, &drop, nullptr) != SQLITE_OK)
        return 0;
    const QByteArray limit = utf8(cutoff.toUTC().toString(Qt::ISODateWithMs));
    sqlite3_bind_text(drop, 1, limit.constData(), limit.size(), SQLITE_STATIC);
    const int rc = sqlite3_step(drop);
    sqlite3_finalize(drop);
    return rc == SQLITE_DONE ? sqlite3_changes(m_db) : 0;
}

void SettingsStore::noteFailure(const QString &error)
{
    qCWarning(lcStore) << "write failed:" << error << "pending:" << m_pending.size();
    const bool busy = isBusy(m_lastCode);
    if (!busy)
        m_busyFor.invalidate();
    else if (!m_busyFor.isValid())
        m_busyFor.start();
    const int interval = busy ? BusyRetryIntervalMs : RetryIntervalMs;
    if (!m_retryTimer.isActive() || m_retryTimer.interval() != interval)
        m_retryTimer.start(interval);
    if (m_failing || (busy && m_busyFor.elapsed() < BusyNoticeAfterMs))
        return;
    m_failing = true;
    emit writeFailed(tr("Your notes could not be saved to %1 because %2. Everything you type is kept "
                        "and saving is retried; please free some space or fix the folder's permissions.")
                         .arg(QDir::toNativeSeparators(m_path), failureCause()));
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
