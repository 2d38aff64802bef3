// The optional four-part status bar: path, the file's form ("EUC", "UTF-8",
// "UTF-16"), "LF", caret read-out.
#pragma once

#include <windows.h>

#include "statusbar/status_layout.h"

struct StatusBarState {
  HWND statusWindow;  // made when the bar is first shown
  HWND owner;
  int visible;
  int barHeight;
  int partRight[kStatusParts];
  // What the path and mode parts show, kept for a bar made later.
  char path[MAX_PATH + 1];
  const char* form;  // the name of a file form that is not Shift_JIS, else empty
  int lf;
};

extern StatusBarState StatusBar;

void CreateStatusBar(HWND mainWindow);
// Makes the bar's window, hidden or not, with the path and modes it is to
// show; 0 when comctl32 cannot be had.
int MakeStatusWindow();
void ResizeStatusBar(int x, int y, int width, int height);
// Makes the bar's window if it is not made yet; without comctl32 warns and
// returns 0.
int CanToggleStatusBar(HWND mainWindow);
// After the option flipped visible: shows or hides the bar and has the view
// and the bar laid out again.
void ToggleStatusBar(HWND mainWindow);
void DestroyStatusBar();
// What the bar takes of the client area: its height while shown, else 0.
int StatusBarHeight();
void ShowDocumentPath(const char* path);
void ShowModeIndicators(const char* form, int lf);
void ShowCaretPosition();
void SetCaretText(int startColumn, int startLine, int endColumn, int endLine, int length);
