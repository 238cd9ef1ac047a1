#pragma once

#include <QList>
#include <QString>

#include <utility>
#include <vector>

class Form1;
class Program;
class QComboBox;

// The note commands. They take no arguments: each acts on the windows whose Tag is the
// program's CurrentNoteTag.
class NoteCommands final
{
public:
    explicit NoteCommands(Program &program);

    /** The loaded note windows whose Tag equals CurrentNoteTag, in load order. */
    QList<Form1 *> targets() const;

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
    QList<Form1 *> editableTargets() const;
    void insertAtCaret(const QString &text);
    void storeTranslucency(int level);
    int storedTranslucency() const;
    /** Stores the given writes and the renumbering in one commit. */
    void renumberNotes(std::vector<std::pair<QString, QString>> writes = {});

    Program &m_program;
};
