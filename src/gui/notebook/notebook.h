#pragma once

#include "base/store/noteslots.h"
#include "base/store/settingsstore.h"

#include <QList>
#include <QObject>
#include <QPair>
#include <QPointer>
#include <QString>

#include <functional>
#include <utility>
#include <vector>

class NoteWindow;
class Program;
class ProgramWindow;

// The one owner of the notes' lives: it opens the stored notes as their windows and gives each
// its stored look, and brings back deleted notes and backups in the running program.
class Notebook final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Notebook)

public:
    explicit Notebook(Program &program);
    ~Notebook() override;

    /** Recreates every stored note as its own window, then returns. */
    void startUp();
    /** As startUp, but returns once the first note shows; the others open a few at a time while
        the window thread answers events (the opener tells when all are open). */
    void beginStartUp();
    /** How many notes start-up opens for a stored "Total Forms" text. */
    int notesToOpen() const;

    /** Gives the note the colours and font stored for it (over what it shows now). */
    void applyStoredLook(NoteWindow *note);
    /** A change from the sync folder, stored already, reaches the open note: its text (the
        user's cursor kept), its look and see-through level; the reminder check hears of it. */
    void showSyncedChange(NoteWindow *note, const QString &text);
    /** Opens the note stored in this slot as start-up does, stacked as the open notes are. */
    NoteWindow *openStoredNote(int index);
    /** Opens the note stored in this slot as start-up does, stacked as stored for it, or when
        nothing is stored as `unstoredOnTop` says. */
    NoteWindow *openStartUpNote(int index, bool unstoredOnTop);

    /** A new, empty note after the open ones, in view and with the keyboard. */
    void createNote();
    /** Deletes the note the commands act on into the trash; the last one offers to quit instead. */
    void deleteCurrentNote();
    /** Deletes the note into the trash, with everything stored for it; false with the reason,
        and the note still open, when the store cannot take that now. */
    bool trashNote(NoteWindow *note, QString *error);
    /** Opens these notes (stored values by suffix) after the open ones, stored in one transaction
        with `alongside` (notes taken out of or put into the trash); false with the reason, in
        words for the user, when the store cannot take them now (nothing opens then). */
    bool addNotes(const QList<NoteSlots::Values> &notes, SettingsStore::Change alongside, QString *error,
                  const std::function<void(const QString &)> &progress = {});
    /** Keeps the stored slots 1 … N exactly the open notes in load order. */
    void renumberNotes();
    /** Stores every open note under 1, 2, 3 … in load order, unloads every window and ends. */
    void quit();

    /** What a change of the notes came to: done or not, and the words for the user. */
    struct Outcome
    {
        bool done = false;
        QString said;
    };
    /** Opens the deleted note with this id after the open ones, with the keyboard. */
    Outcome restoreTrashed(const QString &id);
    /** Replaces every note by those of the backup, the notes of now backed up first; `progress`
        hears how far it has come. */
    Outcome restoreBackup(const QString &file, const std::function<void(const QString &)> &progress = {});

signals:
    /** A note window was made, before it loads: what answers its signals connects now. */
    void noteOpened(NoteWindow *note);

private:
    NoteWindow *buildNote(int index, bool unstoredOnTop, bool storedOnTopDecides);
    bool finalAlwaysOnTop() const;
    struct Renumbering
    {
        std::vector<std::pair<QString, QString>> writes;
        QList<QPair<QPointer<ProgramWindow>, QString>> moves;   // a note and its new tag
        int count = 0;
    };
    Renumbering planRenumbering(const ProgramWindow *leaving) const;
    void applyRenumbering(const Renumbering &plan);

    Program &m_program;
};
