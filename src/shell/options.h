// The options of the menu, one row each in kOptions (options.cpp): the item
// that shows it, the flag it drives, its settings key, what acts on it.
#pragma once

#include <windows.h>

#include "resource.h"

// At the main window's creation: reads and marks every option, the start
// mode too, then does what the options ask of a start, in this order: the
// window's position and size are restored, the input method opened and the
// recent list loaded.
void LoadShellOptions(HWND mainWindow);

// The one way an option of item id changes, unless what it drives refuses:
// flipped, marked, written at once and acted on. 0 when id is no option.
int RunOption(HWND mainWindow, int id);

// The two placement options, by the names their commands have always had.
inline void SavePositionCommand(HWND window) {
  RunOption(window, ID_SAVE_POSITION);
}
inline void SaveSizeCommand(HWND window) {
  RunOption(window, ID_SAVE_SIZE);
}
