#pragma once

#include "gui/menu/menuanddialogs.h"
#include "gui/notebook/program.h"
#include "gui/notebook/notebook.h"
#include "fakeclock.h"
#include "fakedialogs.h"
#include "fakeshell.h"
#include "fakesound.h"
#include "gui/note/notewindow.h"
#include "gui/platform/windowtimer.h"
#include "gui/platform/qtlayeredwindow.h"
#include "gui/reminder/remindercheck.h"
#include "base/store/settingsstore.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

// Start-up as main() runs it, on the offscreen platform with the dialogs, clock, shell and sound
// answered by the test doubles: open the store file, start up, run the first timers, end.
namespace StartUpFuzz {

// Building a window costs about a millisecond and a half; a store that asks for thousands of
// notes gets them (its notes are the user's), but takes too long for one fuzzing run.
constexpr int MostNotes = 64;

inline void initialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_LOGGING_RULES", "*.debug=false;*.warning=false");
    static QApplication app(*argc, *argv);
    QApplication::setQuitOnLastWindowClosed(false);
}

[[noreturn]] inline void fail(const char *what)
{
    std::fprintf(stderr, "start-up fault: %s\n", what);
    std::abort();
}

// Lets the event loop run until each note's first timer tick (the see-through set-up, which
// reads the stored level) has run.
inline void settle(Program &program)
{
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        bool pending = false;
        for (ProgramWindow *form : program.forms.notes()) {
            if (auto *note = qobject_cast<NoteWindow *>(form); note && note->seeThroughTimer()->interval() != 0)
                pending = true;
        }
        if (!pending || waited.elapsed() > 5000)
            return;
        QEventLoop loop;
        QTimer::singleShot(1, &loop, &QEventLoop::quit);
        loop.exec();
    }
}

inline SettingsStore::OpenResult run(const QString &storePath)
{
    FakeDialogs dialogs;
    FakeClock clock;
    FakeShell shell;
    FakeSound sound;
    QtLayeredWindow layered;
    SettingsStore::OpenResult opened;
    {
        SettingsStore store;
        opened = store.open(storePath);
        if (!opened.readable)
            return opened;   // the program says so and ends, having changed nothing
        Program program(store, Platform{&dialogs, &clock, &layered, &shell, &sound});
        MenuAndDialogs windows(program);
        program.onEnd = [] {};
        windows.reminderCheck().flashStepMs = 0;
        if (program.notebook().notesToOpen() > MostNotes)
            return opened;
        program.notebook().startUp();
        if (program.forms.notes().isEmpty())
            fail("no note after start-up");
        if (program.NoteCount != program.forms.notes().size())
            fail("NoteCount differs from the notes shown");
        for (ProgramWindow *note : program.forms.notes()) {
            if (!note->isVisible())
                fail("a note is not shown");
        }
        windows.reminderCheck().update();
        windows.reminderCheck().run();   // a reminder due now goes off, with its alarm
        settle(program);
        if (program.forms.notes().isEmpty())
            fail("no note left after the first timers");
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return opened;
}

} // namespace StartUpFuzz
