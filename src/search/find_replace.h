// Find and replace in the edit view, one occurrence at a time, with the two
// modal dialogs that ask for the strings.
#pragma once

#include <windows.h>

constexpr int kSearchTextCapacity = 256;  // 255 bytes and the terminator

// Kept for the life of the process and never saved; changed only by OK in
// the dialogs.
extern char SearchString[kSearchTextCapacity];
extern char ReplaceString[kSearchTextCapacity];

// Dialogs 111 (find) and 112 (replace); they end with 1 for OK, 0 for Cancel.
INT_PTR CALLBACK FindDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK ReplaceDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Select the next occurrence after the selection, or the last one before it,
// wrapping at the ends. dialog nonzero (or no search string yet) asks for the
// string first. 1 when an occurrence was selected.
int FindNext(HWND owner, int dialog);
int FindPrevious(HWND owner, int dialog);

// Select the next (previous) occurrence and replace it when the user says
// Yes. dialog nonzero (or a string still empty) asks for both strings first.
// 1 when a replacement was made.
int ReplaceNext(HWND owner, int dialog);
int ReplacePrevious(HWND owner, int dialog);
