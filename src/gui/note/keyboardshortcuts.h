#pragma once

#include <Qt>

class QKeyEvent;

// The Ctrl key combinations a note's text field answers, by the old key codes and shift mask.
namespace KeyboardShortcuts {

enum class Command {
    None,
    SelectAll,        // Ctrl+A
    DeleteThisNote,   // Ctrl+D
    Email,            // Ctrl+E
    ChangeFont,       // Ctrl+F
    CreateNewNote,    // Ctrl+N
    ChangeColor,      // Ctrl+O
    Reminder,         // Ctrl+R
    SaveNoteToFile,   // Ctrl+S
    InsertDate,       // Ctrl+F1
    InsertTime,       // Ctrl+F2
    Quit,             // Ctrl+Q
};

constexpr int ShiftMask = 1;
constexpr int CtrlMask = 2;
constexpr int AltMask = 4;

/** The first row of the table that the key code and shift mask match; a row matches only with
    Ctrl alone held (mask 2). */
Command commandFor(int keyCode, int shiftMask);

/** The key's old code: 65 for A … 90 for Z, 112 for F1, 113 for F2, as the user's layout gives
    them; with a non-Latin layout, the Latin letter on the same key. 0 for other keys. */
int keyCodeOf(const QKeyEvent *event);
/** The held modifiers as a shift mask: 1 Shift, 2 Ctrl, 4 Alt. */
int shiftMaskOf(Qt::KeyboardModifiers modifiers);

/** The keyboard's right click: the Menu key alone, or Shift+F10. */
bool opensPopupMenu(int key, Qt::KeyboardModifiers modifiers);

} // namespace KeyboardShortcuts
