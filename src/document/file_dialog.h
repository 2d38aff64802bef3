// The Open and Save As dialogs of the document commands.
#pragma once

#include <windows.h>

// Shows the Open (save 0) or Save (save 1) dialog for the document at path
// and writes the chosen file's path into path (kPathCapacity bytes). Returns
// 1 when a file was chosen, 0 on cancel or failure, with path unchanged.
int RunFileDialog(HWND owner, char* path, int save);
