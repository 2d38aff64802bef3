// The recent-files list in the File menu. The menu items are the list's only
// copy: paths are read back from the item texts whenever they are needed.
#pragma once

#include <windows.h>

#include <cstddef>

// The menu item record as Windows 95 and NT 4.0 know it, without the bitmap
// that later systems added: they refuse a larger cbSize, and every later one
// takes this.
constexpr UINT kMenuItemInfoSize = offsetof(MENUITEMINFOA, hbmpItem);

// Builds the entries from [Recent] "Recent File0" upward, stopping at the
// first missing, empty or over-long value.
void LoadRecentFiles(HWND mainWindow);
// Puts path at the top of the list (moving a listed path there, or adding
// it), while the history is kept. Empty and over-long paths add nothing.
void AddRecentFile(HWND mainWindow, const char* path);
// Writes the entries as "Recent File0" (the top) to "Recent File<count - 1>".
void SaveRecentFiles(HWND mainWindow);
// After the option flipped useHistory: off removes every entry and the
// [Recent] section; either way the list starts empty.
void ToggleHistory(HWND mainWindow);
// Copies the path of the entry with command id ID_RECENT_FIRST..ID_RECENT_LAST
// into path.
// Returns 1 when the entry is in the list and its path fits capacity, else 0.
int RecentEntryPath(HWND mainWindow, int id, char* path, int capacity);
