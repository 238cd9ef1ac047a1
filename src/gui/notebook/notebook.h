#pragma once

#include <QObject>
#include <QString>

#include <functional>

class NoteWindow;
class Program;

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
    /** Opens the note stored in this slot as start-up does, stacked as the open notes are. */
    NoteWindow *openStoredNote(int index);
    /** Opens the note stored in this slot as start-up does, stacked as stored for it, or when
        nothing is stored as `unstoredOnTop` says. */
    NoteWindow *openStartUpNote(int index, bool unstoredOnTop);

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

private:
    NoteWindow *buildNote(int index, bool unstoredOnTop, bool storedOnTopDecides);
    bool finalAlwaysOnTop() const;

    Program &m_program;
};
