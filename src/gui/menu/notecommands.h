#pragma once

#include <QHash>
#include <QList>
#include <QPair>
#include <QPointer>
#include <QString>

#include <functional>

#include "base/store/settingsstore.h"

#include <utility>
#include <vector>

class ProgramWindow;
class NoteWindow;
class Program;
class QComboBox;

// The note commands. They take no arguments: each acts on the windows whose Tag is the
// program's CurrentNoteTag.
class NoteCommands final
{
public:
    explicit NoteCommands(Program &program);

    /** The loaded note windows whose Tag equals CurrentNoteTag, in load order. */
    QList<NoteWindow *> targets() const;

    void Cut();
    void Copy();
    void Paste();
    void SelectAll();
    void InsertDate();
    void InsertTime();

    void CreateNewNote();
    void DeleteThisNote();
    /** Stores every open note under 1, 2, 3 … in load order, unloads every window and ends. */
    void Quit();

    /** Deletes the note into the trash, with everything stored for it; false with the reason,
        and the note still open, when the store cannot take that now. */
    bool trashNote(NoteWindow *note, QString *error);

    /** Opens these notes (stored values by suffix) after the open ones, stored in one transaction
        with `alongside` (notes taken out of or put into the trash); false with the reason, in
        words for the user, when the store cannot take them now (nothing opens then). */
    bool addNotes(const QList<QHash<QString, QString>> &notes, SettingsStore::Change alongside, QString *error,
                  const std::function<void(const QString &)> &progress = {});

    void DefaultTranslucency();
    void IncreaseTranslucency();
    void DecreaseTranslucency();

    void ChangeFont();
    void ChangeColor();

    void ToggleAlwaysOnTop();
    /** Writes the note's text to a file chosen in the save dialog; throws Failure when it cannot. */
    void SaveNoteToFile();
    void EmailAuthor();
    void GotoWebsite();

    /** The text equals one of the list's entries, exactly; the index one past the last entry
        reads as the empty text, so the empty text is always found. */
    static bool IsInComboList(const QComboBox *list, const QString &text);

private:
    QList<NoteWindow *> editableTargets() const;
    void insertAtCaret(const QString &text);
    void storeTranslucency(int level);
    int storedTranslucency() const;

    Program &m_program;
};
