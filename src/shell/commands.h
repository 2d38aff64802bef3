// The command table: one function per menu and accelerator id.
#pragma once

#include <windows.h>

// Runs the command with this id (the low word of WM_COMMAND's wParam); ids
// without a command do nothing.
void RunCommand(HWND mainWindow, int id);
