// Process-wide handles of the running program.
#pragma once

#include <windows.h>

void SetAppInstance(HINSTANCE instance);
HINSTANCE AppInstance();
HICON AppIcon();
void SetAppIcon(HICON icon);

// The caption of every message box and the plain window title.
inline constexpr const char* kAppName = "Hakuzo";

// A message box owned by owner with the program's caption.
int ShowMessage(HWND owner, const char* text, UINT type);
