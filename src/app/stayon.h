#pragma once

class Form;

// The topmost band: windows in it stay above the ordinary windows of the desktop.
void MakeTopmost(Form *window);
void MakeNotTopmost(Form *window);
