// The main window: its procedure, its creation and shutdown, and the reading
// of the shell options.
#pragma once

#include <windows.h>

LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
void LoadShellOptions(HWND mainWindow);
