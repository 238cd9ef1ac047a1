#pragma once

#include <optional>

namespace CommandLine {

// Answers the options that need no window (--help, --version, --autostart) and wrong command
// lines, before any display is opened. Returns the exit code when the program ends there, and
// nothing when it goes on to open the notes.
std::optional<int> handle(int &argc, char **argv);

} // namespace CommandLine
