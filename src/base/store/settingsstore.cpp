#include "base/store/settingsstore.h"

#include <QDir>
#include <QLoggingCategory>
#include <QThreadPool>

#include "base/files/filesync.h"
#include "base/store/storefile.h"

#include <sqlite3.h>

#include <algorithm>

// The settings cache and its writes: every value in memory, each save committed at once, a long
// note's edits through the journal, and failed writes kept and retried. Opening the file and
// its damage are in storeopening.cpp, the trash in storetrash.cpp.

Q_LOGGING_CATEGORY(lcStore, "quillarren.store")

using namespace StoreFile;

namespace {

// The user is told only about a hold that lasts.
constexpr int BusyNoticeAfterMs = 10000;
// How long a committed write may wait for the disk: syncs come once per burst of typing.
constexpr int SyncDelayMs = 1000;
// A journal this large is rewritten with the values still pending alone.
constexpr qint64 JournalCompactBytes = 16 * 1024 * 1024;
// A long note's text reaches the file after this pause in the typing, or this long at the latest.
constexpr int DeferIdleMs = 250;
constexpr qint64 DeferMaxMs = 1000;

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
    if (sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr) == SQLITE_OK) {
        sqlite3_busy_timeout(db, 100);
        sqlite3_exec(db, "PRAGMA synchronous=NORMAL; PRAGMA wal_checkpoint(PASSIVE);", nullptr, nullptr, nullptr);
    }
    sqlite3_close(db);
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
    const QByteArray k = key.toUtf8();
    const QByteArray v = value.toUtf8();
    sqlite3_reset(m_upsert);
    sqlite3_bind_text(m_upsert, 1, Application, -1, SQLITE_STATIC);
    sqlite3_bind_text(m_upsert, 2, Section, -1, SQLITE_STATIC);
    sqlite3_bind_text(m_upsert, 3, k.constData(), k.size(), SQLITE_STATIC);
    sqlite3_bind_text(m_upsert, 4, v.constData(), v.size(), SQLITE_STATIC);
    const int rc = sqlite3_step(m_upsert);
    sqlite3_reset(m_upsert);
    return rc == SQLITE_DONE;
}

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
    for (const TrashedNote &note : change.toTrash)
        ok = ok && StoreTrash::put(m_db, note);
    for (const QString &id : change.fromTrash)
        ok = ok && StoreTrash::take(m_db, id);
    for (auto it = change.synced.cbegin(); it != change.synced.cend(); ++it) {
        const QByteArray id = it.key().toUtf8();
        const QByteArray state = it.value().toUtf8();
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
    return StoreTrash::list(m_db);
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
    return StoreTrash::dropBefore(m_db, cutoff);
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
