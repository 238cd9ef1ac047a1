#include "gui/notebook/noteopener.h"
#include "gui/notebook/notebook.h"

#include "gui/notebook/program.h"
#include "gui/note/notewindow.h"
#include "gui/platform/sessionend.h"
#include "gui/platform/windowsystem.h"

#include <QElapsedTimer>
#include <QEventLoop>

namespace {

// One turn of the window thread does a little of each kind of work a large start-up brings, and
// then answers whatever waits (keys, signals, the channel). Each kind waits on the X server a few
// times per note, a few milliseconds each time while the server is busy mapping hundreds of
// windows, so the shares are small: together they keep a turn near 50 ms on a busy machine.
// Opening notes, for this long:
constexpr qint64 BatchMs = 4;
// The first paints of the notes the window manager shows:
constexpr int FirstPaintsPerTurn = 3;
// The window manager's news of their states, which Qt reads back from the server:
constexpr int StatesPerTurn = 2;
// A run tells how far it has come every so many notes.
constexpr int ProgressEvery = 100;
// Each batch is handed to the window manager as it ends and taken on by it at its own pace; the
// opener does not wait for it. Waiting for its maps, a few windows at a time, woke it and the X
// server for each few and made a large start-up twice as slow on a loaded machine.

} // namespace

NoteOpener::NoteOpener(Program &program)
    : m_program(program)
    , m_firstPaints(FirstPaintsPerTurn)
    , m_windowStates(StatesPerTurn)
{
    m_batch.setSingleShot(true);
    connect(&m_batch, &QTimer::timeout, this, &NoteOpener::openBatch);
}

NoteOpener::~NoteOpener() = default;

void NoteOpener::open(int first, int last, Stacking stacking, bool unstoredOnTop, Progress progress)
{
    if (first > last)
        return;
    const bool waiting = isOpening();
    m_runs.push_back(Run{first, first, last, stacking, unstoredOnTop, std::move(progress)});
    if (waiting)
        return;
    // The first note shows before anything else is answered, as fast as it can: the window
    // manager takes it on while its text is laid out and painted.
    openOne();
    sendToWindowSystem();
    if (isOpening())
        m_batch.start(0);
    else
        emit allOpen();
}

void NoteOpener::openOne()
{
    Run &run = m_runs.front();
    const int slot = run.next++;
    NoteWindow *note = nullptr;
    if (run.stacking == Stacking::AsStored) {
        note = m_program.notebook().openStartUpNote(slot, run.unstoredOnTop);
    } else {
        note = m_program.notebook().openStoredNote(slot);
        note->raise();
    }
    m_firstPaints.watch(note->windowHandle());
    const int opened = slot - run.first + 1;
    if (run.progress && opened % ProgressEvery == 0)
        run.progress(opened, run.last - run.first + 1);
    if (run.next > run.last)
        m_runs.pop_front();
}

void NoteOpener::openBatch()
{
    // An ended program opens nothing more: its windows are about to go.
    if (m_program.hasEnded())
        m_runs.clear();
    // Notes shown but not yet painted come first: opening more would only add to them.
    if (m_firstPaints.isHolding() && !m_runs.empty()) {
        m_batch.start(0);
        return;
    }
    QElapsedTimer spent;
    spent.start();
    while (isOpening() && spent.elapsed() < BatchMs)
        openOne();
    if (isOpening())
        m_batch.start(0);
    else
        emit allOpen();
}

void NoteOpener::finishNow()
{
    if (!isOpening())
        return;
    m_batch.stop();
    while (isOpening()) {
        openOne();
        SessionEnd::deliverPending();   // the end of the session does not wait for the rest
    }
    emit allOpen();
}

void NoteOpener::waitUntilOpen()
{
    if (!isOpening())
        return;
    QEventLoop loop;
    connect(this, &NoteOpener::allOpen, &loop, &QEventLoop::quit);
    loop.exec();
    // The application is ending, which ends every loop: nothing more opens.
    if (isOpening()) {
        m_batch.stop();
        m_runs.clear();
        emit allOpen();
    }
}
