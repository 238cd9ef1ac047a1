#pragma once

/** Has screen readers read the program's windows as windows, and its dialogs as dialogs: a
    window of plain widgets reads as a nameless pane otherwise. */
void installWindowRoles();
