// The command table: for every menu and accelerator id, the function that
// serves it and the argument it takes.
#pragma once

#include <windows.h>

// Runs the command with this id (the low word of WM_COMMAND's wParam); ids
// without a command do nothing.
void RunCommand(HWND mainWindow, int id);
