#pragma once

class ProgramWindow;

// The topmost band: windows in it stay above the ordinary windows of the desktop.
void MakeTopmost(ProgramWindow *window);
void MakeNotTopmost(ProgramWindow *window);
