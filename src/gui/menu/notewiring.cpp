#include "gui/menu/notewiring.h"

#include "gui/menu/menuanddialogs.h"
#include "gui/menu/notecommands.h"
#include "gui/menu/notemenu.h"
#include "gui/note/keyboardshortcuts.h"
#include "gui/note/notewindow.h"
#include "gui/notebook/notebook.h"
#include "gui/notebook/program.h"

namespace {

void runCommand(Program &program, MenuAndDialogs &windows, KeyboardShortcuts::Command command, bool repeated)
{
    using Command = KeyboardShortcuts::Command;
    NoteCommands &commands = windows.commands();
    switch (command) {
    case Command::None: break;
    case Command::SelectAll: commands.SelectAll(); break;
    case Command::DeleteThisNote:
        // A held key repeats: one press deletes one note at most, the key's repeats nothing.
        if (!repeated)
            program.notebook().deleteCurrentNote();
        break;
    case Command::Email: windows.showEmail(); break;
    case Command::ChangeFont: commands.ChangeFont(); break;
    case Command::CreateNewNote: program.notebook().createNote(); break;
    case Command::ChangeColor: commands.ChangeColor(); break;
    case Command::Reminder: windows.showReminder(); break;
    case Command::SaveNoteToFile: commands.SaveNoteToFile(); break;
    case Command::InsertDate: commands.InsertDate(); break;
    case Command::InsertTime: commands.InsertTime(); break;
    case Command::Quit: program.notebook().quit(); break;
    }
}

} // namespace

void NoteWiring::answer(Program &program, MenuAndDialogs &windows, NoteWindow *note)
{
    QObject::connect(note, &NoteWindow::menuRequested, &windows,
                     [&windows](const QPoint &globalPos) { windows.noteMenu().popup(globalPos); });
    QObject::connect(note, &NoteWindow::commandRequested, &windows,
                     [&program, &windows](KeyboardShortcuts::Command command, bool repeated) {
                         runCommand(program, windows, command, repeated);
                     });
    // The last note closed ends the program, but never with something typed still unwritten.
    QObject::connect(note, &NoteWindow::lastNoteClosed, &program, [&program, note] {
        if (program.everythingStored())
            program.end();
        else
            note->show();
    });
}
