#pragma once

#include "gui/platform/exposepacer.h"
#include "gui/platform/windowstatepacer.h"

#include <QObject>
#include <QTimer>

#include <deque>
#include <functional>

class Program;

// Opens the notes stored in a run of slots as their windows, a few at a time: the first at once,
// the others between the window thread's other work, so that keys, the end of the session and
// later starts are answered all through a large start-up, import or restore.
class NoteOpener final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(NoteOpener)

public:
    /** As stored for each note (start-up: a note without a stored stacking follows
        `unstoredOnTop`), or as the open notes are (notes that join them, brought to the front). */
    enum class Stacking { AsStored, AsOpenNotes };
    /** Told how many of a run's notes are open, now and then. */
    using Progress = std::function<void(int opened, int total)>;

    explicit NoteOpener(Program &program);
    ~NoteOpener() override;

    /** Opens slots first … last after whatever waits to open; the first at once when nothing does. */
    void open(int first, int last, Stacking stacking, bool unstoredOnTop = false, Progress progress = {});
    bool isOpening() const { return !m_runs.empty(); }
    /** Opens everything that waits, before returning: for whatever changes the slots. */
    void finishNow();
    /** Returns once everything is open, answering events meanwhile. */
    void waitUntilOpen();

    /** Notes still open, or a change of many notes (a restore) holds them: another must wait. */
    bool isBusy() const { return isOpening() || m_holds > 0; }
    /** While one lives, the notes are being changed wholesale. */
    class Hold final
    {
    public:
        explicit Hold(NoteOpener &opener) : m_opener(opener) { ++m_opener.m_holds; }
        ~Hold() { --m_opener.m_holds; }
        Hold(const Hold &) = delete;
        Hold &operator=(const Hold &) = delete;

    private:
        NoteOpener &m_opener;
    };

signals:
    /** Everything asked for is open. */
    void allOpen();

private:
    struct Run
    {
        int first = 0;
        int next = 0;
        int last = 0;
        Stacking stacking = Stacking::AsStored;
        bool unstoredOnTop = false;
        Progress progress;
    };

    void openOne();
    void openBatch();

    Program &m_program;
    std::deque<Run> m_runs;
    QTimer m_batch;
    ExposePacer m_firstPaints;
    WindowStatePacer m_windowStates;
    int m_holds = 0;
};
