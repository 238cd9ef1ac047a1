#include "gui/notebook/noteopener.h"
#include "gui/notebook/notebook.h"

#include "gui/notebook/program.h"
#include "gui/note/notewindow.h"
#include "gui/platform/sessionend.h"
#include "gui/platform/windowsystem.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QWindow>

namespace {

// The window thread opens notes for this long, then answers whatever waits: a window takes a few
// milliseconds, and what it brings (the window manager's answers, the first paint) is answered
// between two batches, so that nothing waits much longer than 50 ms.
constexpr qint64 BatchMs = 8;
// A run tells how far it has come every so many notes.
constexpr int ProgressEvery = 100;
// A window manager takes on windows at its own pace, and each one it shows comes back to be
// answered (placed, painted): no more than this many wait for it, so that what comes back at once
// is answered quickly...
constexpr int MostUnshown = 32;
// ... looked at this often meanwhile, unless it has shown none for this long (a window manager that
// shows nothing, or a note put away at once).
constexpr int UnshownLookMs = 5;
constexpr qint64 UnshownPatienceMs = 500;

} // namespace

NoteOpener::NoteOpener(Program &program)
    : m_program(program)
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
    if (m_unshown.isEmpty())
        m_sinceShown.start();
    m_unshown.append(note);
    if (QWindow *window = note->windowHandle())
        window->installEventFilter(this);
    const int opened = slot - run.first + 1;
    if (run.progress && opened % ProgressEvery == 0)
        run.progress(opened, run.last - run.first + 1);
    if (run.next > run.last)
        m_runs.pop_front();
}

bool NoteOpener::windowSystemBehind()
{
    const auto shown = [](const QPointer<QWidget> &note) {
        return !note || !note->isVisible() || (note->windowHandle() && note->windowHandle()->isExposed());
    };
    const qsizetype before = m_unshown.size();
    m_unshown.removeIf(shown);
    if (m_unshown.size() < before)
        m_sinceShown.start();
    if (m_unshown.size() < MostUnshown)
        return false;
    if (m_sinceShown.elapsed() < UnshownPatienceMs)
        return true;
    m_unshown.clear();
    return false;
}

bool NoteOpener::eventFilter(QObject *watched, QEvent *event)
{
    // A window shown by the window system: the next batch need not wait for the next look.
    if (event->type() == QEvent::Expose && static_cast<QWindow *>(watched)->isExposed()) {
        watched->removeEventFilter(this);
        if (m_batch.isActive() && m_batch.interval() > 0)
            m_batch.start(0);
    }
    return false;
}

void NoteOpener::openBatch()
{
    // An ended program opens nothing more: its windows are about to go.
    if (m_program.hasEnded())
        m_runs.clear();
    QElapsedTimer spent;
    spent.start();
    while (isOpening() && spent.elapsed() < BatchMs && !windowSystemBehind())
        openOne();
    if (isOpening())
        m_batch.start(windowSystemBehind() ? UnshownLookMs : 0);
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
