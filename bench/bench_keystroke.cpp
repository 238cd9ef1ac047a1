// The cost of one keystroke in a note, as the program pays it: the key goes to the note's text
// field, the field lays out the changed paragraph, and the whole text is stored (committed to the
// SQLite store on disk) before the next key. Measured as CPU time of the window thread per key,
// for notes of 1 KB to 1 MB in lines of about 70 characters, with the key typed at the end.
//
//   bench_keystroke [keys]      default 200 keys per size; runs offscreen
//   HISTORY=1 bench_keystroke   the same with the note history's keeper watching the field

#include "gui/history/historykeeper.h"
#include "gui/notebook/program.h"
#include "gui/notebook/notebook.h"
#include "gui/note/notewindow.h"
#include "base/system/clock.h"
#include "gui/platform/qtlayeredwindow.h"
#include "base/store/notekeys.h"
#include "base/store/settingsstore.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include <algorithm>
#include "quietservices.h"

#include <cstdio>
#include <ctime>
#include <memory>
#include <vector>

namespace {

double threadCpuMs()
{
    return cpuMs(CLOCK_THREAD_CPUTIME_ID);
}

QString noteOf(qsizetype bytes)
{
    QString text;
    for (int line = 0; text.size() < bytes; ++line)
        text += QStringLiteral("line %1 of a long note that someone pasted here, for the record\n").arg(line);
    text.truncate(bytes);
    return text;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int keys = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;

    QTemporaryDir dir;
    qputenv("XDG_CONFIG_HOME", dir.path().toUtf8());
    SettingsStore store;
    if (!store.open(SettingsStore::defaultPath()).ok)
        return 1;
    NoDialogs dialogs;
    SystemClock clock;
    QtLayeredWindow layered;
    NoShell shell;
    NoSound sound;
    Program program(store, Platform{&dialogs, &clock, &layered, &shell, &sound});
    program.onEnd = [] {};
    std::unique_ptr<HistoryKeeper> keeper;
    if (qEnvironmentVariableIsSet("HISTORY")) {
        keeper = std::make_unique<HistoryKeeper>(program);
        keeper->open();
    }

    std::printf("CPU time of the window thread per keystroke at the end of a note (%d keys each)\n", keys);
    std::printf("%10s %12s %12s %12s\n", "note", "median ms", "p99 ms", "max ms");
    for (const qsizetype size : {qsizetype(1) << 10, qsizetype(10) << 10, qsizetype(100) << 10, qsizetype(1) << 20}) {
        store.save(NoteKeys::TotalForms, QStringLiteral("1"));
        store.save(NoteKeys::tagFor(1) + NoteKeys::Notes, noteOf(size));
        program.notebook().startUp();
        NoteWindow *note = qobject_cast<NoteWindow *>(program.forms.notes().constFirst());
        QPlainTextEdit *field = note->textField();
        if (keeper)
            keeper->attach(note);
        field->setFocus();
        field->moveCursor(QTextCursor::End);
        QCoreApplication::processEvents();
        std::vector<double> costs;
        for (int i = 0; i < keys; ++i) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
            const double start = threadCpuMs();
            QApplication::sendEvent(field, &press);
            QApplication::sendEvent(field, &release);
            QCoreApplication::processEvents();   // the repaint the key asked for
            costs.push_back(threadCpuMs() - start);
        }
        if (!store.get(NoteKeys::tagFor(1) + NoteKeys::Notes).endsWith(QString(keys, QLatin1Char('x'))))
            return 2;
        std::sort(costs.begin(), costs.end());
        std::printf("%8lld KB %12.3f %12.3f %12.3f\n", qint64(size >> 10), costs[costs.size() / 2],
                    costs[std::min(costs.size() - 1, size_t(double(costs.size()) * 0.99))], costs.back());
        note->unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return 0;
}
