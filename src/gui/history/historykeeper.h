#pragma once

#include "base/history/notehistory.h"
#include "base/history/versionpolicy.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

class NoteWindow;
class HistoryWindow;
class Program;
class QPlainTextEdit;
class SettingsStore;

// Keeps the notes' versions while the program runs. It attaches to a note's text field from
// outside when the field first takes the keyboard: a pause in typing keeps the text now and then,
// and a change the user does not type key by key (a paste or cut of more than a few characters,
// a selection typed over) keeps the text it replaces first. The rest of the program tells it of
// the changes that come from elsewhere through the static calls, which do nothing without it.
// The key path only restarts a timer: no version is written while a key is handled.
class HistoryKeeper final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(HistoryKeeper)

public:
    /** A typing pause this long keeps a version, when the last one is old enough. */
    static constexpr int PauseMs = 2000;

    explicit HistoryKeeper(Program &program);
    ~HistoryKeeper() override;

    /** The keeper of this run, if the history is kept. */
    static HistoryKeeper *current();

    /** Opens the history of the store's file; says once what it left aside. */
    void open();
    NoteHistory &history() { return m_history; }

    /** Keeps the note's text as it stands, before `event` replaces it. */
    static void keepBefore(NoteWindow *note, VersionPolicy::Event event, int characters = 0);
    /** Keeps every stored note's text before all of them may be replaced (a backup, an import);
        without a running keeper, through a history opened on the store's file for the moment. */
    static void keepStoredNotes(const SettingsStore &store);

    /** Opens (or brings forward) "Note History…" for the note. */
    void showHistory(NoteWindow *note);
    HistoryWindow *historyWindow() const;
    /** Starts watching the note's text field (done when it first takes the keyboard). */
    void attach(NoteWindow *note);
    /** Thins every history and drops those of notes gone from the trash. */
    void upkeep();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QString idOf(NoteWindow *note) const;
    void keep(NoteWindow *note, VersionPolicy::Event event, int characters);
    void typingPaused(NoteWindow *note);
    void restore(const QString &noteId, const QString &text);

    Program &m_program;
    NoteHistory m_history;
    QPointer<HistoryWindow> m_window;
};
