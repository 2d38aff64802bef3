// Memory of the main window's position, size and start mode from one run to
// the next ([Window] of the settings file), and the commands that switch it.
#pragma once

#include <windows.h>

// Both run while the window is created, before it is first shown; size after
// position. Neither leaves the window wholly off every monitor.
void RestoreWindowPosition(HWND mainWindow);
void RestoreWindowSize(HWND mainWindow);
// Shutdown: writes what the options ask for, from the restored rectangle.
void SaveWindowPlacement(HWND mainWindow);

// After savePosition or saveSize flipped on: the rectangle written at once.
void KeepWindowPosition(HWND mainWindow);
void KeepWindowSize(HWND mainWindow);
// The start mode's items, ID_OPEN_DEFAULT, ID_OPEN_LAST, ID_OPEN_MAXIMIZED.
void OpenModeCommand(HWND mainWindow, int id);
