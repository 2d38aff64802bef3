// The one way an option of the menu changes: flipped, its item marked from the
// new value, and the value written to the settings file at once.
#pragma once

#include <windows.h>

#include "settings/settings_keys.h"

// Returns the new value, 0 or 1.
int FlipOption(HWND mainWindow, int* flag, int commandId, const SettingKey& key);
