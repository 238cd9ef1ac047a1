#pragma once

#include <QString>

// Starting Quillarren at login: a desktop entry in the user's autostart folder
// ($XDG_CONFIG_HOME/autostart), which the command line and the tray menu switch alike.
namespace Autostart {

/** Where the entry goes. */
QString entryPath();
/** The entry is there. */
bool isOn();
/** Writes (starting this copy of the program) or removes the entry; what was done, or why it
    could not be, in words for the user. */
bool set(bool on, QString *said);

} // namespace Autostart
