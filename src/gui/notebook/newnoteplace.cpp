#include "gui/notebook/newnoteplace.h"

#include "gui/notebook/program.h"
#include "gui/note/notewindow.h"
#include "gui/platform/screenplace.h"

QPoint placeForNewNote(Program &program, const NoteWindow *creating, const QSize &size)
{
    const NoteWindow *from = nullptr;
    QList<QRect> others;
    for (NoteWindow *note : NoteWindow::openNotes(program.forms)) {
        if (note == creating || !note->isVisible())
            continue;
        others.append(note->geometry());
        // Made from a note (its keys or its menu), the note has the keyboard; made from the
        // tray or a desktop key, no note has it, and the new one opens in the middle.
        if (!from && note->Tag() == program.CurrentNoteTag && note->isActiveWindow())
            from = note;
    }
    const QList<ScreenPlace::Area> screens = ScreenPlace::screens();
    return from ? ScreenPlace::besideNote(screens, from->geometry(), size, others)
                : ScreenPlace::centred(screens, size, others);
}
