#include "base/history/notehistory.h"

#include "base/history/historythinning.h"
#include "base/history/versiondiff.h"
#include "base/store/storecopy.h"
#include "base/store/storeschema.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>

#include <sqlite3.h>

#include <algorithm>

Q_LOGGING_CATEGORY(lcHistory, "quillarren.history")

namespace {

// A list never holds more text than this, however large a history a hostile store holds.
constexpr qint64 ListBudgetBytes = 64LL * 1024 * 1024;
// A write of the history waits this long at most for another connection to the store.
constexpr int BusyTimeoutMs = 50;

// One prepared statement, finalized on every way out.
class Statement
{
public:
    Statement(sqlite3 *db, const char *sql)
    {
        if (db && sqlite3_prepare_v2(db, sql, -1, &m_statement, nullptr) != SQLITE_OK)
            m_statement = nullptr;
    }
    ~Statement() { sqlite3_finalize(m_statement); }
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;

    bool isValid() const { return m_statement; }
    Statement &bind(int index, const QByteArray &text)
    {
        sqlite3_bind_text(m_statement, index, text.constData(), int(text.size()), SQLITE_TRANSIENT);
        return *this;
    }
    Statement &bind(int index, qint64 number)
    {
        sqlite3_bind_int64(m_statement, index, number);
        return *this;
    }
    bool row() { return m_statement && sqlite3_step(m_statement) == SQLITE_ROW; }
    bool done() { return m_statement && sqlite3_step(m_statement) == SQLITE_DONE; }
    qint64 bytes(int column) const { return sqlite3_column_bytes(m_statement, column); }
    bool isNull(int column) const { return sqlite3_column_type(m_statement, column) == SQLITE_NULL; }
    qint64 number(int column) const { return sqlite3_column_int64(m_statement, column); }
    QString text(int column) const
    {
        return QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(m_statement, column)),
                                 sqlite3_column_bytes(m_statement, column));
    }

private:
    sqlite3_stmt *m_statement = nullptr;
};

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

NoteHistory::~NoteHistory()
{
    close();
}

void NoteHistory::close()
{
    sqlite3_close(m_db);
    m_db = nullptr;
}

bool NoteHistory::exists(const char *sql) const
{
    Statement query(m_db, sql);
    return query.row();
}

bool NoteHistory::exec(const char *sql) const
{
    return sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

bool NoteHistory::open(const QString &path, const QString &damageBesideNotes, QString *notice)
{
    close();
    QString said;
    const bool opened = setUp(path, damageBesideNotes, &said);
    if (!opened)
        close();
    if (!said.isEmpty())
        qCWarning(lcHistory) << said;
    if (notice)
        *notice = said;
    return opened;
}

bool NoteHistory::setUp(const QString &path, const QString &damageBesideNotes, QString *notice)
{
    // The store made the file; a history never creates one where there was none.
    if (!QFileInfo(path).isFile()
        || sqlite3_open_v2(path.toUtf8().constData(), &m_db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr)
            != SQLITE_OK) {
        *notice = QCoreApplication::translate("NoteHistory", "The history of your notes could not be opened in %1; no versions are kept "
                                                             "this time. Your notes are as they were.").arg(shown(path));
        return false;
    }
    sqlite3_busy_timeout(m_db, BusyTimeoutMs);
    // Nothing a file could carry runs here: no function from its schema, no write to it.
    sqlite3_db_config(m_db, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr);
    sqlite3_db_config(m_db, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
    // As the store's own connection: commits unsynced, the store's sync carries them to the disk.
    exec("PRAGMA synchronous=OFF; PRAGMA wal_autocheckpoint=0;");
    if (!damageBesideNotes.isEmpty()) {
        *notice = QCoreApplication::translate("NoteHistory", "The history of your notes in %1 is damaged (%2); it is left aside and no "
                                                             "versions are kept until it is mended. Your notes are as they were.")
                      .arg(shown(path), damageBesideNotes.left(200));
        return false;
    }
    if (exists("SELECT 1 FROM sqlite_master WHERE name = 'history' OR tbl_name = 'history'") && !StoreCopy::historyIsOurs(m_db))
        return setAside(path, notice);
    if (!exec(STORE_HISTORY_TABLE)) {
        *notice = QCoreApplication::translate("NoteHistory", "The history of your notes could not be started in %1 (%2); no versions are "
                                                             "kept this time. Your notes are as they were.")
                      .arg(shown(path), QString::fromUtf8(sqlite3_errmsg(m_db)));
        return false;
    }
    return true;
}

bool NoteHistory::setAside(const QString &path, QString *notice)
{
    // Whatever it holds stays readable in a file of its own beside the store, and ours replaces it.
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside = path + QStringLiteral(".history-") + stamp;
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside = path + QStringLiteral(".history-") + stamp + QLatin1Char('-') + QString::number(n);
    QString kind;
    {
        Statement type(m_db, "SELECT type FROM sqlite_master WHERE name = 'history'");
        kind = type.row() ? type.text(0) : QString();
    }   // a statement still reading the schema would keep the table from being dropped
    // Our connection creates no file: an empty one (private, as the notes are) is a new store.
    QFile made(aside);
    if (made.open(QIODevice::WriteOnly | QIODevice::NewOnly, QFileDevice::ReadOwner | QFileDevice::WriteOwner))
        made.close();
    char *attach = sqlite3_mprintf("ATTACH DATABASE %Q AS aside", aside.toUtf8().constData());
    bool ok = !kind.isEmpty() && attach && exec(attach);
    sqlite3_free(attach);
    ok = ok && exec("CREATE TABLE aside.history AS SELECT * FROM main.history");
    exec("DETACH DATABASE aside");
    const QByteArray replace = "BEGIN IMMEDIATE; DROP " + kind.toUtf8() + " main.history; " STORE_HISTORY_TABLE "; COMMIT;";
    ok = ok && exec(replace.constData());
    if (!ok) {
        const QString error = QString::fromUtf8(sqlite3_errmsg(m_db));
        exec("ROLLBACK");
        QFile::remove(aside);
        *notice = QCoreApplication::translate("NoteHistory", "The history of your notes in %1 is not as Quillarren keeps it and could not be "
                                                             "set aside (%2); no versions are kept this time. Your notes are as they were.")
                      .arg(shown(path), error);
        return false;
    }
    *notice = QCoreApplication::translate("NoteHistory", "The history of your notes in %1 was not as Quillarren keeps it: it is kept in %2, "
                                                         "and a new history is started. Your notes are as they were.")
                  .arg(shown(path), shown(aside));
    return true;
}

bool NoteHistory::add(const QString &noteId, const QString &text, const QDateTime &now)
{
    if (!m_db || noteId.isEmpty())
        return false;
    const QByteArray id = noteId.toUtf8();
    const QByteArray bytes = text.toUtf8();
    if (!exec("BEGIN IMMEDIATE"))
        return false;
    Statement newest(m_db, "SELECT made, text = ?2 FROM history WHERE note = ?1 ORDER BY made DESC LIMIT 1");
    newest.bind(1, id).bind(2, bytes);
    const bool hasNewest = newest.row();
    if (hasNewest && newest.number(1) == 1)
        return exec("COMMIT");   // kept already: a pause after a paste, say
    // Versions follow each other even when the clock was set back.
    const qint64 made = hasNewest ? std::max(now.toMSecsSinceEpoch(), newest.number(0) + 1) : now.toMSecsSinceEpoch();
    Statement insert(m_db, "INSERT INTO history(note, made, text) VALUES(?1, ?2, ?3)");
    const bool ok = insert.bind(1, id).bind(2, made).bind(3, bytes).done() && thin(noteId, now.toMSecsSinceEpoch())
        && exec("COMMIT");
    if (!ok) {
        qCWarning(lcHistory) << "a version could not be kept:" << sqlite3_errmsg(m_db);
        exec("ROLLBACK");
    }
    return ok;
}

bool NoteHistory::thin(const QString &noteId, qint64 nowMs)
{
    const QByteArray id = noteId.toUtf8();
    QList<HistoryThinning::Stamp> stamps;
    Statement sizes(m_db, "SELECT made, length(CAST(text AS BLOB)) FROM history WHERE note = ?1 ORDER BY made DESC");
    sizes.bind(1, id);
    while (sizes.row())
        stamps.append({sizes.number(0), sizes.number(1)});
    for (const qint64 made : HistoryThinning::toDrop(stamps, nowMs)) {
        Statement drop(m_db, "DELETE FROM history WHERE note = ?1 AND made = ?2");
        if (!drop.bind(1, id).bind(2, made).done())
            return false;
    }
    return sizes.isValid();
}

bool NoteHistory::thinAll(const QDateTime &now)
{
    if (!m_db)
        return false;
    QStringList notes;
    Statement all(m_db, "SELECT DISTINCT note FROM history");
    while (all.row())
        notes.append(all.text(0));
    // A note at a time: another connection's write never waits long behind this.
    for (const QString &note : notes) {
        if (!exec("BEGIN IMMEDIATE"))
            return false;
        if (!thin(note, now.toMSecsSinceEpoch()) || !exec("COMMIT")) {
            exec("ROLLBACK");
            return false;
        }
    }
    return true;
}

int NoteHistory::dropNotesOtherThan(const QSet<QString> &kept)
{
    if (!m_db || kept.isEmpty())
        return 0;
    QStringList gone;
    Statement all(m_db, "SELECT DISTINCT note FROM history");
    while (all.row()) {
        if (!kept.contains(all.text(0)))
            gone.append(all.text(0));
    }
    int dropped = 0;
    for (const QString &note : gone) {
        Statement drop(m_db, "DELETE FROM history WHERE note = ?1");
        dropped += drop.bind(1, note.toUtf8()).done() ? 1 : 0;
    }
    return dropped;
}

std::optional<QDateTime> NoteHistory::lastKept(const QString &noteId) const
{
    Statement newest(m_db, "SELECT max(made) FROM history WHERE note = ?1");
    if (!newest.isValid() || !newest.bind(1, noteId.toUtf8()).row() || newest.isNull(0))
        return std::nullopt;
    return QDateTime::fromMSecsSinceEpoch(newest.number(0));
}

QList<NoteHistory::Version> NoteHistory::list(const QString &noteId) const
{
    QList<Version> versions;
    QList<QString> texts;
    Statement all(m_db, "SELECT made, text FROM history WHERE note = ?1 ORDER BY made DESC");
    all.bind(1, noteId.toUtf8());
    qint64 held = 0;
    while (held < ListBudgetBytes && all.row()) {
        Version version;
        version.made = all.number(0);
        texts.append(all.text(1));
        version.bytes = all.bytes(1);
        held += version.bytes;
        versions.append(version);
    }
    // Each version against the one before it (the next in this list, which is newest first).
    for (qsizetype i = 0; i < versions.size(); ++i)
        versions[i].firstChangedLine = VersionDiff::firstChangedLine(i + 1 < texts.size() ? &texts.at(i + 1) : nullptr, texts.at(i));
    return versions;
}

std::optional<QString> NoteHistory::read(const QString &noteId, qint64 made) const
{
    Statement one(m_db, "SELECT text FROM history WHERE note = ?1 AND made = ?2");
    if (!one.bind(1, noteId.toUtf8()).bind(2, made).row())
        return std::nullopt;
    return one.text(0);
}

qint64 NoteHistory::bytesOf(const QString &noteId) const
{
    Statement sum(m_db, "SELECT total(length(CAST(text AS BLOB))) FROM history WHERE note = ?1");
    return sum.bind(1, noteId.toUtf8()).row() ? sum.number(0) : 0;
}
