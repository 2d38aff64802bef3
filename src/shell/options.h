// The options of the menu, one row each in kOptions (options.cpp): the item
// that shows it, the flag it drives, its settings key and default.
#pragma once

#include <windows.h>

// At the main window's creation: reads and marks every option, the start
// mode too, then does what the options ask of a start, in this order: the
// window's position and size are restored, the input method opened and the
// recent list loaded.
void LoadShellOptions(HWND mainWindow);

// The one way an option changes: the flag of the option shown by item id is
// flipped, the item marked from the new value and the value written to the
// settings file at once. Returns the new value, 0 or 1.
int FlipOption(HWND mainWindow, int id);
