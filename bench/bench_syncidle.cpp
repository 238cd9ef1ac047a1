// What a look at the sync folder costs when nothing changed (the rescan every 30 s, the watcher's
// looks): CPU of the whole process (its threads too) per look, with N notes in step with their
// files, or with one note of SIZE bytes; and the first look of a start, which reads every file,
// with the part of it on the window thread (what start-up waits for).
//
//   QT_QPA_PLATFORM=offscreen bench_syncidle [notes] [bytes of note 1] [looks]
//   e.g. bench_syncidle 5017        bench_syncidle 1 52428800

#include "gui/notebook/program.h"
#include "gui/notebook/notebook.h"
#include "base/system/clock.h"
#include "gui/platform/qtdialogs.h"
#include "gui/platform/qtlayeredwindow.h"
#include "gui/platform/qtshell.h"
#include "gui/platform/qtsound.h"
#include "base/store/notekeys.h"
#include "base/store/settingsstore.h"
#include "gui/sync/notesync.h"

#include <QApplication>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

namespace {

double cpuMs(clockid_t clock = CLOCK_PROCESS_CPUTIME_ID)
{
    timespec now{};
    clock_gettime(clock, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

// One look, to its end: a look that reads the folder off the window thread says when it is done.
void look(NoteSync &sync)
{
    QEventLoop loop;
    const bool tells = QObject::connect(&sync, SIGNAL(looked()), &loop, SLOT(quit()));
    sync.syncNow();
    if (tells)
        loop.exec();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int notes = argc > 1 ? std::atoi(argv[1]) : 1000;
    const int bytes = argc > 2 ? std::atoi(argv[2]) : 0;
    const int looks = argc > 3 ? std::atoi(argv[3]) : 10;
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("Notes"));
    QDir().mkpath(folder);
    SettingsStore store;
    if (!store.open(dir.filePath(QStringLiteral("Quillarren.sqlite3"))).ok)
        return 1;
    std::vector<std::pair<QString, QString>> seed{{NoteKeys::TotalForms, QString::number(notes)}};
    for (int i = 1; i <= notes; ++i) {
        const QString text = i == 1 && bytes > 0 ? QString(bytes, QLatin1Char('x')) : QStringLiteral("note %1").arg(i);
        seed.emplace_back(NoteKeys::tagFor(i) + NoteKeys::Notes, text);
        seed.emplace_back(NoteKeys::tagFor(i) + NoteKeys::Left, QString::number(300 + 15 * (i % 40)));
        seed.emplace_back(NoteKeys::tagFor(i) + NoteKeys::Top, QString::number(300 + 15 * (i / 40)));
    }
    store.saveMany(seed);

    QtDialogs dialogs;
    SystemClock clock;
    QtLayeredWindow layered;
    QtShell shell;
    QtSound sound;
    Program program(store, Platform{&dialogs, &clock, &layered, &shell, &sound});
    program.notebook().startUp();
    NoteSync sync(program);
    QString said;
    sync.setFolder(folder, &said);
    for (int i = 0; i < 3; ++i)   // the first writes every file; then they are in step
        look(sync);
    std::vector<double> costs;
    for (int i = 0; i < looks; ++i) {
        const double before = cpuMs();
        look(sync);
        costs.push_back(cpuMs() - before);
    }
    std::sort(costs.begin(), costs.end());
    std::printf("%d notes%s, a look with nothing changed: CPU median %.1f ms, max %.1f ms (%d looks)\n", notes,
                bytes > 0 ? qPrintable(QStringLiteral(", note 1 of %1 MB").arg(bytes / 1048576.0, 0, 'f', 1)) : "",
                costs[costs.size() / 2], costs.back(), looks);
    // A start: a new look at the same folder, every file unread.
    NoteSync again(program);
    again.startFromStore();
    const double before = cpuMs(), windowBefore = cpuMs(CLOCK_THREAD_CPUTIME_ID);
    look(again);
    std::printf("the first look of a start: CPU %.1f ms, of it on the window thread %.1f ms\n", cpuMs() - before,
                cpuMs(CLOCK_THREAD_CPUTIME_ID) - windowBefore);
    program.quitting = true;
    return 0;
}
