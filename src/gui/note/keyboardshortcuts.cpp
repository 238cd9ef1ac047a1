#include "gui/note/keyboardshortcuts.h"

#include "gui/platform/keyboardlayout.h"

#include <QKeyEvent>

namespace KeyboardShortcuts {

Command commandFor(int keyCode, int shiftMask)
{
    if (shiftMask != CtrlMask)
        return Command::None;
    switch (keyCode) {
    case 65: return Command::SelectAll;
    case 68: return Command::DeleteThisNote;
    case 69: return Command::Email;
    case 70: return Command::ChangeFont;
    case 78: return Command::CreateNewNote;
    case 79: return Command::ChangeColor;
    case 82: return Command::Reminder;
    case 83: return Command::SaveNoteToFile;
    case 112: return Command::InsertDate;
    case 113: return Command::InsertTime;
    case 81: return Command::Quit;
    default: return Command::None;
    }
}

int keyCodeOf(const QKeyEvent *event)
{
    const int key = event->key();
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return key;   // Qt's letter keys carry the letter's code
    if (key == Qt::Key_F1)
        return 112;
    if (key == Qt::Key_F2)
        return 113;
    // A letter of a non-Latin layout: the Latin letter the same key carries in another layout.
    if (key > Qt::Key_ydiaeresis && key < Qt::Key_Escape)
        return KeyboardLayout::latinLetter(event->nativeScanCode());
    return 0;
}

int shiftMaskOf(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? ShiftMask : 0) | (modifiers & Qt::ControlModifier ? CtrlMask : 0)
        | (modifiers & Qt::AltModifier ? AltMask : 0);
}

bool opensPopupMenu(int key, Qt::KeyboardModifiers modifiers)
{
    // The keypad flag says where the key sits, not what the user holds.
    modifiers &= ~Qt::KeypadModifier;
    return (key == Qt::Key_Menu && modifiers == Qt::NoModifier)
        || (key == Qt::Key_F10 && modifiers == Qt::ShiftModifier);
}

} // namespace KeyboardShortcuts
