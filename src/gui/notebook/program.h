#pragma once

#include "gui/platform/dialogfolder.h"
#include "gui/platform/programwindow.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>

class Clock;
class Dialogs;
class LayeredWindow;
class Shell;
class Sound;
class NoteOpener;
class NoteWindow;
class Notebook;
class SettingsStore;
class TextHook;

/** The services behind the platform interfaces: real ones in the program, doubles in tests. */
struct Platform
{
    Dialogs *dialogs = nullptr;
    Clock *clock = nullptr;
    LayeredWindow *layered = nullptr;
    Shell *shell = nullptr;
    Sound *sound = nullptr;
};

// Everything program-wide: the note counter, the target note, the store, the loaded windows and
// the platform services. Windows and commands reach each other only through it.
class Program final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Program)

public:
    Program(SettingsStore &store, Platform platform);
    ~Program() override;

    qint16 NoteCount = 0;
    QString CurrentNoteTag;

    SettingsStore &store;
    WindowList forms;
    Platform platform;

    Dialogs &dialogs() { return *platform.dialogs; }
    Clock &clock() { return *platform.clock; }
    LayeredWindow &layered() { return *platform.layered; }
    Shell &shell() { return *platform.shell; }
    Sound &sound() { return *platform.sound; }
    /** Opens stored notes as windows, a few at a time. */
    NoteOpener &opener() { return *m_opener; }
    /** The one owner of the notes' lives: opening, creating, trashing, restoring them. */
    Notebook &notebook() { return *m_notebook; }

    /** Whether the notes stay above other windows: one state for them all, which the menu's
        check mark shows. */
    bool alwaysOnTop() const { return m_alwaysOnTop; }
    void setAlwaysOnTop(bool onTop);

    /** The text field that takes the keyboard once a popup-menu command has run: the note the
        menu was opened on, or the note the command created. */
    QPointer<QWidget> focusAfterMenu;

    /** The loaded notes whose Tag is CurrentNoteTag, in load order: the note last worked in,
        which the commands act on. */
    QList<NoteWindow *> currentNotes() const;

    /** Where the next file or folder dialog opens. */
    DialogFolder dialogFolder;

    // The text field the next InstallTextHook or RemoveTextHook acts on, and the hook itself.
    QPointer<QWidget> HookedTextWindow;
    TextHook &textHook() { return *m_textHook; }

    /** Every open note forward, and with putAwayToo those put away with the window manager's
        close key shown again. */
    void bringNotesForward(bool putAwayToo);

    /** True once nothing accepted from the user waits to be written. While the store refuses,
        asks the user to retry or cancel; false when cancelled. Every way of ending asks it first. */
    bool everythingStored();

signals:
    /** Quit has stored every note and is about to unload them. */
    void notesStoredForQuit();
    void alwaysOnTopChanged(bool onTop);
    /** A note's reminder or the open notes changed: the reminder check looks again. */
    void remindersChanged();
    /** The note commands acted on was deleted. */
    void currentNoteDeleted();

public:
    /** Ends the program; tests replace how it ends. */
    void end();
    std::function<void()> onEnd;
    bool hasEnded() const { return m_ended; }
    /** Quit is storing and unloading the windows; their unloading must not end the program early. */
    bool quitting = false;

private:
    std::unique_ptr<NoteOpener> m_opener;
    std::unique_ptr<Notebook> m_notebook;
    std::unique_ptr<TextHook> m_textHook;
    bool m_ended = false;
    bool m_alwaysOnTop = true;
};
