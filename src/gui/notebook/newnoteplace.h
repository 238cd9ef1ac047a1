#pragma once

#include <QPoint>
#include <QSize>

class NoteWindow;
class Program;

/** Where a note about to be created opens: beside the target note when it was made from that
    note (it has the keyboard), so as not to cover it, else in the middle of the first screen,
    off any note standing exactly there; whole on a screen. */
QPoint placeForNewNote(Program &program, const NoteWindow *creating, const QSize &size);
