// What checklists cost. (1) One key in a note of 1 MB holding 10 000 items, as the program pays
// it (the key through the note's text field, the layout, the store): typing inside an item,
// Return at an item's end, Ctrl+Return ticking; and, for the typed key, with the field's
// checklists taken off again. (2) Starting 100 notes with checklists, against the same notes
// with the boxes written as "- ". CPU time of the whole process, medians over repeated runs;
// runs offscreen.
//
//   bench_checklist [keys] [starts]     default 200 keys per kind, 7 starts per kind

#include "gui/notebook/program.h"
#include "gui/notebook/notebook.h"
#include "gui/checklist/checklist.h"
#include "gui/checklist/checklistlook.h"
#include "gui/note/notewindow.h"
#include "base/system/clock.h"
#include "gui/platform/qtlayeredwindow.h"
#include "base/store/notekeys.h"
#include "base/store/settingsstore.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTextBlock>

#include <algorithm>
#include "quietservices.h"

#include <cstdio>
#include <ctime>
#include <functional>
#include <vector>

namespace {

double processCpuMs()
{
    return cpuMs(CLOCK_PROCESS_CPUTIME_ID);
}

// Lines of about 70 characters; every `itemEvery`-th line an item, every third item done.
QString checklistNote(qsizetype bytes, int items, int itemEvery)
{
    QString text;
    int item = 0;
    for (int line = 0; text.size() < bytes; ++line) {
        if (line % itemEvery == 0 && item < items) {
            text += (item % 3 == 2 ? QStringLiteral("\u2611 ") : QStringLiteral("\u2610 "));
            ++item;
        }
        text += QStringLiteral("line %1 of a long note that someone pasted here, for the record\n").arg(line);
    }
    text.truncate(bytes);
    return text;
}

QString withoutBoxes(QString text)
{
    return text.replace(QChar(0x2610), QLatin1Char('-')).replace(QChar(0x2611), QLatin1Char('-'));
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void unloadAll(Program &program)
{
    for (NoteWindow *note : NoteWindow::loadedNotes(program.forms))
        note->unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void showNow()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();   // the first drawing of every note
}

enum class Attach { AsTheProgram, TakenOff };

// The field as it was before it had checklists: nothing of them left to filter or draw.
void takeOff(QPlainTextEdit *field)
{
    delete Checklist::of(field);
    delete field->findChild<ChecklistLook *>(QString(), Qt::FindDirectChildrenOnly);
    for (QTextBlock block = field->document()->begin(); block.isValid(); block = block.next())
        block.layout()->clearFormats();
}

void keyCosts(Program &program, SettingsStore &store, const QString &text, Attach attach, const char *kind,
              Qt::Key key, Qt::KeyboardModifiers modifiers, const QString &typed, int keys)
{
    store.save(NoteKeys::TotalForms, QStringLiteral("1"));
    store.save(NoteKeys::tagFor(1) + NoteKeys::Notes, text);
    program.notebook().startUp();
    NoteWindow *note = NoteWindow::loadedNotes(program.forms).constFirst();
    QPlainTextEdit *field = note->textField();
    if (attach == Attach::TakenOff)
        takeOff(field);
    field->setFocus();
    // Inside the item in the middle of the note.
    QTextCursor caret(field->document()->findBlockByNumber(field->document()->blockCount() / 2));
    caret.movePosition(QTextCursor::EndOfBlock);
    field->setTextCursor(caret);
    field->ensureCursorVisible();
    showNow();
    std::vector<double> costs;
    for (int i = 0; i < keys; ++i) {
        QKeyEvent press(QEvent::KeyPress, key, modifiers, typed);
        QKeyEvent release(QEvent::KeyRelease, key, modifiers, typed);
        const double start = processCpuMs();
        QApplication::sendEvent(field, &press);
        QApplication::sendEvent(field, &release);
        QCoreApplication::processEvents();   // the repaint the key asked for
        costs.push_back(processCpuMs() - start);
    }
    std::sort(costs.begin(), costs.end());
    std::printf("%-44s %10.3f %10.3f %10.3f\n", kind, costs[costs.size() / 2],
                costs[std::min(costs.size() - 1, size_t(double(costs.size()) * 0.99))], costs.back());
    unloadAll(program);
}

double startCost(Program &program, SettingsStore &store, const QStringList &texts)
{
    for (int i = 0; i < texts.size(); ++i)
        store.save(NoteKeys::tagFor(i + 1) + NoteKeys::Notes, texts.at(i));
    store.save(NoteKeys::TotalForms, QString::number(texts.size()));
    const double start = processCpuMs();
    program.notebook().startUp();
    showNow();
    const double cost = processCpuMs() - start;
    unloadAll(program);
    return cost;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int keys = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    const int starts = argc > 2 ? std::max(1, std::atoi(argv[2])) : 7;

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

    const QString big = checklistNote(qsizetype(1) << 20, 10000, 1);
    std::printf("Process CPU per key in a 1 MB note of 10 000 items (%d keys each)\n", keys);
    std::printf("%-44s %10s %10s %10s\n", "", "median ms", "p99 ms", "max ms");
    const QString x = QStringLiteral("x");
    keyCosts(program, store, big, Attach::TakenOff, "typed in an item, checklists taken off", Qt::Key_X, {}, x, keys);
    keyCosts(program, store, big, Attach::AsTheProgram, "typed in an item, checklists", Qt::Key_X, {}, x, keys);
    keyCosts(program, store, big, Attach::AsTheProgram, "Return at an item's end (new item, end list)", Qt::Key_Return, {},
             QStringLiteral("\r"), keys);
    keyCosts(program, store, big, Attach::AsTheProgram, "Ctrl+Return (tick, untick)", Qt::Key_Return, Qt::ControlModifier,
             QString(), keys);

    // A hundred notes of about 1 KB, a third of their lines items.
    QStringList withItems, plain;
    for (int i = 0; i < 100; ++i) {
        withItems.append(checklistNote(1000 + 10 * i, 1000, 3));
        plain.append(withoutBoxes(withItems.constLast()));
    }
    std::vector<double> items, noItems;
    startCost(program, store, withItems);   // warm up
    for (int run = 0; run < starts; ++run) {
        items.push_back(startCost(program, store, withItems));
        noItems.push_back(startCost(program, store, plain));
    }
    std::printf("\nProcess CPU to start 100 notes and show them (median of %d)\n", starts);
    std::printf("%-44s %10.1f ms\n", "notes with items, checklists", median(items));
    std::printf("%-44s %10.1f ms  (%+.1f %%)\n", "the same notes with \"- \" for boxes", median(noItems),
                100.0 * (median(items) / median(noItems) - 1));
    return 0;
}
