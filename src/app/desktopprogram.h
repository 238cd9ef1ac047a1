#pragma once

#include "app/verbtable.h"
#include "gui/history/historykeeper.h"
#include "gui/menu/menuanddialogs.h"
#include "gui/notebook/program.h"
#include "gui/platform/screenwatch.h"
#include "gui/platform/sessionend.h"
#include "gui/sync/notesync.h"
#include "gui/tray/trayicon.h"

#include <QObject>
#include <QString>

class Backups;
class SingleInstance;
class SettingsStore;

// The running desktop program on top of the notes: the menu and the dialogs, the tray and the
// notes list, sync, the watch on the screens, the session's end, the backups' schedule with the daily purge of old deleted
// notes, the notes' history, and the answers to what later starts and the command line ask over the channel.
class DesktopProgram final : public QObject, public VerbTarget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DesktopProgram)

public:
    DesktopProgram(SettingsStore &store, Backups &backups, Platform platform, SingleInstance &instance);
    ~DesktopProgram() override;

    Program &program() { return m_program; }
    MenuAndDialogs &windows() { return m_windows; }

    /** Opens the notes, then does what this start was for (`startVerb`, "raise" for nothing
        more). False when there is nothing to run: the start ended, or no note is open. */
    bool start(const QString &startVerb);
    /** Once the event loop has ended: whatever waits reaches the disk and the sync folder. */
    void finish();

    NoteVerbs notes() override;
    Reply syncFolder(const QString &folderOrOff) override;
    Reply newNote() override;
    Reply showNotes() override;
    Reply openNotesList() override;

private:
    void answerChannel();
    void watchScreens();
    void storeForSessionEnd();
    void keepUp();
    void whenAllOpen(const QString &startVerb);

    SettingsStore &m_store;
    Backups &m_backups;
    SingleInstance &m_instance;
    Program m_program;
    MenuAndDialogs m_windows;
    NoteSync m_sync;
    TrayIcon m_tray;
    SessionEnd m_sessionEnd;
    ScreenWatch m_screenWatch;
    HistoryKeeper m_history;
};
