// The notes' history on a real store file: opening the history of a note that holds 500
// versions of 10 KB (the list read and the window shown), the cost of keeping one version, and
// how much a day of typing (50 000 keys in 10 notes, with pauses, pastes and a select-all)
// grows the store through the keeping rule.
//
//   QT_QPA_PLATFORM=offscreen bench_history

#include "base/history/notehistory.h"
#include "base/history/versionpolicy.h"
#include "gui/history/historywindow.h"
#include "base/store/notekeys.h"
#include "base/store/settingsstore.h"

#include <QApplication>
#include <QFileInfo>
#include <QListWidget>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double millisSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

QString tenKilobytes(int seed)
{
    QString text;
    for (int line = 0; text.size() < 10 * 1024; ++line)
        text += QStringLiteral("line %1 of version %2: some words a note might hold\n").arg(line).arg(line % 20 == 0 ? seed : 0);
    return text;
}

qint64 storeBytes(const QString &path)
{
    return QFileInfo(path).size() + QFileInfo(path + QStringLiteral("-wal")).size();
}

void openBigHistory(const QString &path)
{
    SettingsStore store;
    store.open(path);
    NoteHistory history;
    history.open(path);
    // Straight into the table: the size bound would thin 5 MB for one note to 2 MB.
    sqlite3 *db = nullptr;
    sqlite3_open(path.toUtf8().constData(), &db);
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    sqlite3_stmt *insert = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO history(note, made, text) VALUES('big', ?1, ?2)", -1, &insert, nullptr);
    const qint64 start = QDateTime::currentMSecsSinceEpoch() - 3600 * 1000;
    for (int i = 0; i < 500; ++i) {
        const QByteArray text = tenKilobytes(i).toUtf8();
        sqlite3_bind_int64(insert, 1, start + i * 1000);
        sqlite3_bind_text(insert, 2, text.constData(), int(text.size()), SQLITE_TRANSIENT);
        sqlite3_step(insert);
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    for (int run = 0; run < 5; ++run) {
        const auto started = Clock::now();
        const QList<NoteHistory::Version> versions = history.list(QStringLiteral("big"));
        const double listed = millisSince(started);
        const auto opened = Clock::now();
        HistoryWindow window(history, QStringLiteral("big"), QStringLiteral("big"), [] { return tenKilobytes(7); });
        window.show();
        QCoreApplication::processEvents();
        std::printf("open the history of 500 versions of 10 KB: list %.1f ms, window made and shown %.1f ms (%lld versions)\n",
                    listed, millisSince(opened), qlonglong(window.versions()->count()));
    }
}

void keepOne(const QString &path)
{
    SettingsStore store;
    store.open(path);
    NoteHistory history;
    history.open(path);
    std::vector<double> micros;
    for (int i = 0; i < 400; ++i) {
        const QString text = tenKilobytes(i);
        const auto started = Clock::now();
        history.add(QStringLiteral("one"), text, QDateTime::currentDateTime());
        micros.push_back(millisSince(started) * 1000);
    }
    std::sort(micros.begin(), micros.end());
    std::printf("keep one version of 10 KB (with thinning): median %.0f us, 99th %.0f us, max %.0f us\n",
                micros[micros.size() / 2], micros[micros.size() * 99 / 100], micros.back());
}

void checkpoint(const QString &path)
{
    sqlite3 *db = nullptr;
    sqlite3_open(path.toUtf8().constData(), &db);
    sqlite3_exec(db, "PRAGMA wal_checkpoint(TRUNCATE)", nullptr, nullptr, nullptr);
    sqlite3_close(db);
}

void dayOfTyping(const QString &path)
{
    SettingsStore store;
    store.open(path);
    NoteHistory history;
    history.open(path);
    QRandomGenerator random(28);
    QStringList texts;
    for (int note = 0; note < 10; ++note) {
        texts.append(QString(1000, QLatin1Char('x')));
        store.save(NoteKeys::tagFor(note + 1) + NoteKeys::Notes, texts.constLast());
    }
    checkpoint(path);
    const qint64 before = storeBytes(path);
    QDateTime now = QDateTime::currentDateTime().addSecs(-12 * 3600);
    int keys = 0;
    int kept = 0;
    const auto keep = [&](int note, VersionPolicy::Event event, int characters) {
        const QString id = QStringLiteral("note-%1").arg(note);
        if (VersionPolicy::keepNow(event, characters, history.lastKept(id), now)) {
            history.add(id, texts.at(note), now);
            ++kept;
        }
    };
    double spentMs = 0;
    for (int burst = 0; keys < 50000; ++burst) {
        const int note = int(random.bounded(10));
        if (burst % 20 == 19)
            keep(note, VersionPolicy::Event::Paste, 40);   // before the paste lands
        if (burst % 50 == 49) {
            keep(note, VersionPolicy::Event::ReplaceAfterSelectAll, 1);
            texts[note].clear();
        }
        for (int n = int(random.bounded(20, 300)); n > 0 && keys < 50000; --n, ++keys) {
            const quint32 roll = random.bounded(100);
            if (roll < 5)
                texts[note].chop(1);
            else
                texts[note] += roll < 7 ? QLatin1Char('\n') : QChar(u'a' + int(random.bounded(26)));
            now = now.addMSecs(random.bounded(150, 500));
        }
        now = now.addSecs(random.bounded(2, 120));
        const auto started = Clock::now();
        keep(note, VersionPolicy::Event::TypingPaused, 0);
        spentMs += millisSince(started);
    }
    history.close();
    checkpoint(path);
    std::printf("a day of typing: %d keys in 10 notes over %.1f h, %d versions kept, %.1f ms spent keeping them; "
                "store grew by %lld KB\n",
                keys, double(QDateTime::currentDateTime().addSecs(-12 * 3600).secsTo(now)) / 3600.0, kept, spentMs,
                qlonglong((storeBytes(path) - before) / 1024));
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    for (const auto step : {openBigHistory, keepOne, dayOfTyping}) {
        QTemporaryDir dir;
        step(dir.filePath(QStringLiteral("Quillarren.sqlite3")));
    }
    return 0;
}
