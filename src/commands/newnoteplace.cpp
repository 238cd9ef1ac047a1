#include "commands/newnoteplace.h"

#include "app/program.h"
#include "note/form1.h"
#include "platform/screenplace.h"

QPoint placeForNewNote(Program &program, const Form1 *creating, const QSize &size)
{
    const Form1 *from = nullptr;
    QList<QRect> others;
    for (Form1 *note : Form1::openNotes(program.forms)) {
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
