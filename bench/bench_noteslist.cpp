// The notes list with 1000 notes of 10 KB: how long it takes to open (the notes' texts prepared
// for the search), and to filter as a word is typed into its search box, key by key.
//
//   QT_QPA_PLATFORM=offscreen bench_noteslist [notes]      default 1000

#include "app/main2.h"
#include "app/program.h"
#include "platform/clock.h"
#include "platform/qtdialogs.h"
#include "platform/qtlayeredwindow.h"
#include "platform/qtshell.h"
#include "platform/qtsound.h"
#include "store/notekeys.h"
#include "store/settingsstore.h"
#include "tray/noteslist.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// About 10 KB of words; one note in ten has accented words, as notes in other languages do.
QString noteText(int index)
{
    static const char *const words[] = {"remember", "the", "milk", "call", "Anna", "about", "Tuesday",
                                        "meeting", "notes", "draft", "budget", "and", "send", "it"};
    QString text = QStringLiteral("note %1\n").arg(index);
    for (int i = index; text.size() < 10 * 1024; ++i) {
        text += index % 10 == 0 && i % 7 == 0 ? QStringLiteral("Café Übung ") : QString::fromLatin1(words[i % 14]);
        text += i % 11 == 10 ? QStringLiteral("\n") : QStringLiteral(" ");
    }
    return text;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int notes = argc > 1 ? std::atoi(argv[1]) : 1000;
    QTemporaryDir dir;
    SettingsStore store;
    if (!store.open(dir.filePath(QStringLiteral("Quillarren.sqlite3"))).ok)
        return 1;
    std::vector<std::pair<QString, QString>> seed{{NoteKeys::TotalForms, QString::number(notes)}};
    for (int i = 1; i <= notes; ++i)
        seed.emplace_back(NoteKeys::tagFor(i) + NoteKeys::Notes, noteText(i));
    store.saveMany(seed);

    QtDialogs dialogs;
    SystemClock clock;
    QtLayeredWindow layered;
    QtShell shell;
    QtSound sound;
    Program program(store, Platform{&dialogs, &clock, &layered, &shell, &sound});
    Main2::StartUp(program);
    // The notes' own work after showing (their see-through set-up) is done before the list is timed.
    for (int i = 0; i < 20; ++i) {
        QCoreApplication::processEvents();
        Main2::Pause(20);
    }
    std::printf("%d notes of 10 KB\n", notes);

    NotesList list(program);
    QElapsedTimer timer;
    for (const char *what : {"open, first time:", "open again:"}) {
        timer.start();
        list.open();
        QCoreApplication::processEvents();   // and painted
        std::printf("%-20s %8.1f ms\n", what, timer.nsecsElapsed() / 1e6);
    }
    std::vector<double> keys;
    for (const QString &query : {QStringLiteral("m"), QStringLiteral("mi"), QStringLiteral("mil"), QStringLiteral("milk"),
                                 QStringLiteral("milk t"), QStringLiteral("cafe"), QStringLiteral("ubung"),
                                 QStringLiteral("zebra"), QStringLiteral("note 999"), QString()}) {
        timer.start();
        list.searchBox()->setText(query);
        QCoreApplication::processEvents();
        keys.push_back(timer.nsecsElapsed() / 1e6);
        std::printf("filter \"%s\": %8.1f ms\n", qPrintable(query), keys.back());
    }
    std::sort(keys.begin(), keys.end());
    std::printf("filter per key: median %.1f ms, max %.1f ms (goal: under 50 ms)\n", keys[keys.size() / 2], keys.back());
    program.quitting = true;   // the notes go with the program, without ending it early
    return 0;
}
