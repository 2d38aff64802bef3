// Check marks and greying of the main menu's items, by command id.
#pragma once

#include <windows.h>

#include "resource.h"

inline void MarkCommand(HWND mainWindow, int id, int on) {
  CheckMenuItem(GetMenu(mainWindow), id, MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED));
}

inline void GreyCommand(HWND mainWindow, int id, int grey) {
  EnableMenuItem(GetMenu(mainWindow), id, MF_BYCOMMAND | (grey ? MF_GRAYED : MF_ENABLED));
}

// Posts the internal refresh command to the main window.
inline void PostRefresh(HWND mainWindow) {
  PostMessageA(mainWindow, WM_COMMAND, ID_REFRESH, 0);
}
