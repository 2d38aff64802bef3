// Process start: the show mode, the document argument, the main window's
// class and creation, the message loop; and the About box.
#pragma once

#include <windows.h>

// Fills the document path from the argument (modified in place). Returns 0,
// leaving the path empty, when the full path would not fit in 260 bytes.
int PathFromCommandLine(char* argument);
ATOM RegisterMainWindowClass(WNDPROC windowProcedure);
HWND CreateMainWindow();
void ShowAboutBox(HWND owner);
// The show mode that "Open Mode" chooses, given the one the shell asked for.
int ChooseShowMode(int requested);
int RunMessageLoop(HWND mainWindow, HACCEL accelerators);
int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR arguments, int showMode);
