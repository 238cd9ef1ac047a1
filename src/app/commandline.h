#pragma once

#include <QString>

#include <optional>

namespace CommandLine {

// Answers the options that need no window (--help, --version, --autostart, the verbs on the
// notes) and wrong command lines, before any display is opened. Returns the exit code when the
// program ends there, and nothing when it goes on to open the notes; then `startVerb` says what
// the start is for: "raise" (bring back the notes), or "new-note", "show-notes", "find", which
// the running copy does when there is one and this start does once its notes are open.
std::optional<int> handle(int &argc, char **argv, QString *startVerb);

} // namespace CommandLine
