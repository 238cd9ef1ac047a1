#include "app/desktopprogram.h"

#include "base/backup/backups.h"
#include "base/channel/singleinstance.h"
#include "base/store/conversions.h"
#include "base/store/notekeys.h"
#include "base/store/settingsstore.h"
#include "gui/note/notewindow.h"
#include "gui/notebook/notebook.h"
#include "gui/notebook/noteopener.h"
#include "gui/platform/dialogs.h"
#include "gui/platform/screenplace.h"
#include "gui/reminder/remindercheck.h"
#include "gui/tray/noteslist.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QGuiApplication>
#include <QTimer>

namespace {

// The notes come first: what a start adds beside them waits this long.
constexpr int AfterStartUpMs = 1000;

// Deleted notes are kept this long.
constexpr int TrashKeptDays = 30;

} // namespace

DesktopProgram::DesktopProgram(SettingsStore &store, Backups &backups, Platform platform, SingleInstance &instance)
    : m_store(store)
    , m_backups(backups)
    , m_instance(instance)
    , m_program(store, platform)
    , m_windows(m_program)
    , m_sync(m_program)
    , m_tray(m_program, backups, m_sync)
    , m_history(m_program)
{
    connect(&m_program.forms, &WindowList::lastNoteUnloaded, this, [this] {
        if (!m_program.quitting)
            m_program.end();
    });
    connect(&m_sync, &NoteSync::told, this, [this](const QString &message) {
        m_program.dialogs().showNotice(message, QCoreApplication::translate("DesktopProgram", "Quillarren: sync"));
    });
    connect(&m_instance, &SingleInstance::raiseRequested, this, [this] { m_program.bringNotesForward(true); });
    answerChannel();
    // A logout or shutdown: store what waits and end at once, whatever dialog is up, so that
    // nothing is lost and nothing holds the session up.
    connect(&m_sessionEnd, &SessionEnd::ending, this, [this] {
        storeForSessionEnd();
        SessionEnd::exitNow(0);
    });
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this, [this] { storeForSessionEnd(); });
    watchScreens();
}

DesktopProgram::~DesktopProgram() = default;

// The command line's verbs, answered here while the program runs, by the same table.
void DesktopProgram::answerChannel()
{
    for (const Verb &verb : Verbs::table()) {
        m_instance.setHandler(verb.name, [this, &verb](const QStringList &args) { return verb.work(*this, args); });
    }
}

// A note left on a screen that went away comes onto one that is there, and back to its own
// place when that screen returns.
void DesktopProgram::watchScreens()
{
    connect(&m_screenWatch, &ScreenWatch::changing, this, [this] {
        for (NoteWindow *note : NoteWindow::loadedNotes(m_program.forms))
            note->screensChanging();
    });
    const auto follow = [this](bool settled) {
        const QList<ScreenPlace::Area> screens = ScreenPlace::screens();
        for (NoteWindow *note : NoteWindow::loadedNotes(m_program.forms))
            note->followScreens(screens, settled);
    };
    connect(&m_screenWatch, &ScreenWatch::changed, this, [follow] { follow(false); });
    connect(&m_screenWatch, &ScreenWatch::settled, this, [follow] { follow(true); });
}

// A place or size the user has just given a note, and everything else that waits, reaches the
// disk: the session may end the process right after.
void DesktopProgram::storeForSessionEnd()
{
    for (NoteWindow *note : NoteWindow::loadedNotes(m_program.forms))
        note->storePlaceNow();
    m_store.syncNow();
    m_sync.writeChanges();
}

bool DesktopProgram::start(const QString &startVerb)
{
    // The history is opened beside the store before any note can change.
    m_history.open();
    // The first note shows at once; the others open a few at a time while the program answers.
    m_program.notebook().beginStartUp();
    if (m_program.hasEnded() || m_program.forms.notes().isEmpty())
        return false;
    // Requests from other processes, one at a time, once the notes are open and between the
    // notes' own work (not while notes open, a restore replaces them, or a dialog waits).
    m_instance.answerWhen([this] { return !m_program.opener().isBusy(); });
    keepUp();
    if (m_program.opener().isOpening())
        connect(&m_program.opener(), &NoteOpener::allOpen, this, [this, startVerb] { whenAllOpen(startVerb); },
                Qt::SingleShotConnection);
    else
        QTimer::singleShot(0, this, [this, startVerb] { whenAllOpen(startVerb); });
    return true;
}

// A backup soon unless one was made in the last day, then once a day; deleted notes are kept
// for a month.
void DesktopProgram::keepUp()
{
    connect(&m_backups, &Backups::hourly, this,
            [this] { m_store.dropTrashedBefore(QDateTime::currentDateTime().addDays(-TrashKeptDays)); });
    // After the purge: the history of notes gone for good goes with them.
    connect(&m_backups, &Backups::hourly, &m_history, &HistoryKeeper::upkeep);
    connect(&m_backups, &Backups::finished, this, [this](const QString &path, const QString &error, bool asked) {
        if (!error.isEmpty())
            m_program.dialogs().showNotice(
                QCoreApplication::translate("DesktopProgram", "Your notes could not be backed up: %1. Quillarren tries again in an hour.").arg(error),
                QCoreApplication::translate("DesktopProgram", "Quillarren: backup failed"));
        else if (asked)   // Back Up Now: the user waits to hear
            m_program.dialogs().showNotice(
                QCoreApplication::translate("DesktopProgram", "Your notes are backed up in %1.").arg(QDir::toNativeSeparators(path)),
                QCoreApplication::translate("DesktopProgram", "Quillarren: backed up"), MessageIcon::Information);
    });
    m_backups.startSchedule();
}

// What this start was for, once every note is open; a moment later, when the window manager has
// shown them, the tray icon (unless the user wants none) and the sync folder's first look.
// Reminders set before are live without the dialog being opened, and those that fell due
// earlier today while the program was not running go off now.
void DesktopProgram::whenAllOpen(const QString &startVerb)
{
    if (startVerb != QLatin1String("raise"))
        m_instance.answerHere(startVerb);
    QTimer::singleShot(AfterStartUpMs, this, [this] {
        m_tray.setShown(Conversions::toBool(m_store.get(NoteKeys::ShowTrayIcon)).value_or(true));
        m_sync.startFromStore();
    });
    m_windows.reminderCheck().startAfterStartUp();
}

void DesktopProgram::finish()
{
    m_sync.writeChanges();   // the last note's Yes, or its closing, ends without Quit
    m_store.flushPending();
}

NoteVerbs DesktopProgram::notes()
{
    NoteVerbs verbs(m_program);
    verbs.progress = [this](const QString &text) { m_instance.tellProgress(text); };
    verbs.trayIconChanged = [this](bool shown) { m_tray.setShown(shown); };
    return verbs;
}

VerbTarget::Reply DesktopProgram::syncFolder(const QString &folderOrOff)
{
    QString said;
    const bool done = m_sync.setFolder(folderOrOff == QLatin1String("off") ? QString() : folderOrOff, &said);
    return {done ? 0 : 1, said};
}

VerbTarget::Reply DesktopProgram::newNote()
{
    m_program.notebook().createNote();
    return {m_program.quitting ? 1 : 0, QString()};
}

VerbTarget::Reply DesktopProgram::showNotes()
{
    m_program.bringNotesForward(true);
    return {};
}

VerbTarget::Reply DesktopProgram::openNotesList()
{
    m_tray.notesList().open();
    return {};
}
