// A backup of a store of 1000 notes of 10 KB, and what it does to typing: the store's Save of a
// note's whole text (as a keystroke does) timed without a backup, and while backups run one after
// another on a thread of their own, as the program makes them.
//
//   bench_backup [notes] [saves]      default 1000 notes, 1500 saves 2 ms apart in each phase

#include "base/backup/backups.h"
#include "base/store/notekeys.h"
#include "base/store/settingsstore.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double millisSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void report(const char *what, std::vector<double> micros)
{
    std::sort(micros.begin(), micros.end());
    const auto at = [&](double fraction) { return micros[std::min(micros.size() - 1, size_t(fraction * micros.size()))]; };
    std::printf("%-34s median %8.3f ms   p99 %8.3f ms   max %8.3f ms   (%zu saves)\n", what, at(0.5) / 1000,
                at(0.99) / 1000, micros.back() / 1000, micros.size());
}

std::vector<double> typing(SettingsStore &store, int saves, const QString &text)
{
    std::vector<double> micros;
    for (int i = 0; i < saves; ++i) {
        const auto start = Clock::now();
        store.save(NoteKeys::tagFor(1 + i % 10) + NoteKeys::Notes, text + QString::number(i));
        micros.push_back(millisSince(start) * 1000);
        // A fast typist's pace; the store's own timers (its syncs) get their turn.
        QCoreApplication::processEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return micros;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int notes = argc > 1 ? std::atoi(argv[1]) : 1000;
    const int saves = argc > 2 ? std::atoi(argv[2]) : 1500;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Quillarren.sqlite3"));
    SettingsStore store;
    if (!store.open(path).ok)
        return 1;
    const QString text = QString(10 * 1024, QLatin1Char('x'));
    std::vector<std::pair<QString, QString>> seed{{NoteKeys::TotalForms, QString::number(notes)}};
    for (int i = 1; i <= notes; ++i)
        seed.emplace_back(NoteKeys::tagFor(i) + NoteKeys::Notes, text);
    store.saveMany(seed);
    store.syncNow();
    std::printf("store of %d notes of 10 KB\n", notes);

    report("save of a note, no backup:", typing(store, saves, text));

    Backups backups(path);
    std::vector<double> backupMs;
    std::atomic<bool> typingDone{false};
    std::thread backingUp([&] {
        for (int n = 0; !typingDone; ++n) {
            QString error;
            const auto start = Clock::now();
            if (!backups.makeNow(QDateTime::currentDateTime().addDays(-n), &error)) {
                std::fprintf(stderr, "backup failed: %s\n", qPrintable(error));
                return;
            }
            backupMs.push_back(millisSince(start));
        }
    });
    report("save of a note, backups running:", typing(store, saves, text));
    typingDone = true;
    backingUp.join();
    std::sort(backupMs.begin(), backupMs.end());
    if (!backupMs.empty())
        std::printf("backup of the store (copy, check, rotation): median %.1f ms, max %.1f ms (%zu backups)\n",
                    backupMs[backupMs.size() / 2], backupMs.back(), backupMs.size());
    return 0;
}
