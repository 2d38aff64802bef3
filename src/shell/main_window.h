// The main window: its procedure, its creation and shutdown, and the options
// of the shell.
#pragma once

#include <windows.h>

struct ShellOptions {
  int imeOnStartup;
  int openMode;  // 40011, 40012 or 40013
  int savePosition;
  int saveSize;
  int useHistory;
  int recentCount;
};

extern ShellOptions Shell;

LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
void LoadShellOptions(HWND mainWindow);
