#pragma once

class MenuAndDialogs;
class NoteWindow;
class Program;

namespace NoteWiring {

// Answers what a note says happened: its popup menu asked for, a shortcut's command, the last
// note closed. Connected once for each note the notebook makes.
void answer(Program &program, MenuAndDialogs &windows, NoteWindow *note);

} // namespace NoteWiring
