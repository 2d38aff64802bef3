// Setting the main window's title for the open document.
#pragma once

#include <windows.h>

void UpdateTitle(HWND mainWindow);
void MarkTitleModified(HWND mainWindow);
