// Auto-indent of the edit view: Return repeats the current line's leading
// blanks on the new line.
#pragma once

#include <windows.h>

// Called for a Return key-down before the control sees it. Posts one
// key-down per leading blank (space or tab) of the caret's line, but no more
// than stand left of the caret; the message loop turns them into characters
// after the Return's own.
void PostLeadingBlanks(HWND view);
