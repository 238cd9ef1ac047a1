// Latency of the settings store on a real file: Save of a note's whole text (as every keystroke
// does), Save of a small value, Save while another program holds the store, and Get from the
// in-memory copy.
//
//   bench_store [saves]      default 5000 saves of each kind

#include "base/store/notekeys.h"
#include "base/store/settingsstore.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

qint64 nanosSince(Clock::time_point start)
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now() - start).count();
}

double percentile(std::vector<qint64> samples, double fraction)
{
    std::sort(samples.begin(), samples.end());
    const size_t index = std::min(samples.size() - 1, size_t(fraction * double(samples.size())));
    return double(samples[index]);
}

void report(const char *what, const std::vector<qint64> &nanos, double scale, const char *unit)
{
    const double worst = double(*std::max_element(nanos.begin(), nanos.end()));
    std::printf("%s: median %.3f %s, p99 %.3f %s, max %.3f %s (%zu runs)\n", what, percentile(nanos, 0.5) / scale,
                unit, percentile(nanos, 0.99) / scale, unit, worst / scale, unit, nanos.size());
}

// About 10 KB of note-like text: words and line breaks.
QString noteText()
{
    static const char *const words[] = {"remember", "the", "milk", "call", "Anna", "about", "Tuesday",
                                        "meeting", "notes", "draft", "budget", "and", "send", "it"};
    QString text;
    for (int i = 0; text.size() < 10 * 1024; ++i) {
        text += QLatin1String(words[i % 14]);
        text += (i % 11 == 10) ? QStringLiteral("\r\n") : QStringLiteral(" ");
    }
    text.truncate(10 * 1024);
    return text;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int saves = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5000;

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Brimvale/Quillarren.sqlite3"));
    SettingsStore store;
    const SettingsStore::OpenResult opened = store.open(path);
    if (!opened.ok) {
        std::fprintf(stderr, "cannot open %s: %s\n", qPrintable(path), qPrintable(opened.error));
        return 1;
    }
    std::printf("store file: %s\n", qPrintable(path));

    // A store of the size a heavy user has: 20 notes with every key.
    std::vector<std::pair<QString, QString>> seed;
    for (int index = 1; index <= 20; ++index) {
        for (const QString &suffix : NoteKeys::AllSuffixes)
            seed.emplace_back(NoteKeys::tagFor(index) + suffix, QStringLiteral("500"));
    }
    seed.emplace_back(NoteKeys::TotalForms, QStringLiteral("20"));
    store.saveMany(seed);

    int failures = 0;

    // Each save differs from the one before at the front of the text, so every one really writes.
    const QString base = noteText();
    const QString notesKey = NoteKeys::tagFor(3) + NoteKeys::Notes;
    std::vector<qint64> bigSaves;
    bigSaves.reserve(size_t(saves));
    for (int i = 0; i < saves; ++i) {
        QString text = base;
        text.replace(0, 10, QString::number(i).rightJustified(10, QLatin1Char('0')));
        const auto start = Clock::now();
        failures += store.save(notesKey, text) ? 0 : 1;
        bigSaves.push_back(nanosSince(start));
    }

    const QString leftKey = NoteKeys::tagFor(3) + NoteKeys::Left;
    std::vector<qint64> smallSaves;
    smallSaves.reserve(size_t(saves));
    for (int i = 0; i < saves; ++i) {
        const QString value = QString::number(1000 + i);
        const auto start = Clock::now();
        failures += store.save(leftKey, value) ? 0 : 1;
        smallSaves.push_back(nanosSince(start));
    }

    // Saves while another connection (another program) holds the store's write lock: each is
    // refused at once and kept in the journal beside it, never waited for.
    std::vector<qint64> heldSaves;
    int heldRefused = 0;
    {
        sqlite3 *holder = nullptr;
        sqlite3_open(path.toUtf8().constData(), &holder);
        sqlite3_exec(holder, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
        const int held = std::min(saves, 500);
        heldSaves.reserve(size_t(held));
        for (int i = 0; i < held; ++i) {
            QString text = base;
            text.replace(0, 10, QString::number(i).rightJustified(10, QLatin1Char('h')));
            const auto start = Clock::now();
            heldRefused += store.save(notesKey, text) ? 0 : 1;
            heldSaves.push_back(nanosSince(start));
        }
        sqlite3_exec(holder, "COMMIT", nullptr, nullptr, nullptr);
        sqlite3_close(holder);
        if (!store.flushPending())
            ++failures;
    }

    // Gets as the reminder check does them: a spread of present keys and some absent ones.
    QStringList keys;
    for (int index = 1; index <= 25; ++index) {
        keys << NoteKeys::tagFor(index) + NoteKeys::ReminderDate << NoteKeys::tagFor(index) + NoteKeys::Notes;
    }
    const int gets = saves * 40;
    std::vector<qint64> getNanos;
    std::vector<qint64> clockNanos;
    getNanos.reserve(size_t(gets));
    clockNanos.reserve(size_t(gets));
    qsizetype sink = 0;
    for (int i = 0; i < gets; ++i) {
        const QString &key = keys[i % keys.size()];
        const auto start = Clock::now();
        sink += store.get(key, QStringLiteral("")).size();
        getNanos.push_back(nanosSince(start));
        const auto empty = Clock::now();
        clockNanos.push_back(nanosSince(empty));
    }

    report("save 10KB", bigSaves, 1e6, "ms");
    report("save small", smallSaves, 1e6, "ms");
    report("save 10KB while the store is held", heldSaves, 1e6, "ms");
    std::printf("  of which refused and journaled: %d of %zu\n", heldRefused, heldSaves.size());
    report("get (in memory)", getNanos, 1e3, "us");
    report("clock read alone", clockNanos, 1e3, "us");
    std::printf("failed saves: %d; file %lld bytes, WAL %lld bytes (%lld characters read)\n", failures,
                QFileInfo(path).size(), QFileInfo(path + QStringLiteral("-wal")).size(), qint64(sink));
    return failures == 0 ? 0 : 2;
}
