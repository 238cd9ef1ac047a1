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
