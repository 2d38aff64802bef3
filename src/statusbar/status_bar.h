// The optional four-part status bar: path, "EUC", "LF", caret read-out.
#pragma once

#include <windows.h>

#include "statusbar/status_layout.h"

struct StatusBarState {
  HWND statusWindow;
  int visible;
  int barHeight;
  int partRight[kStatusParts];
};

extern StatusBarState StatusBar;

void CreateStatusBar(HWND mainWindow);
void ResizeStatusBar(int x, int y, int width, int height);
void ToggleStatusBar(HWND mainWindow);
void DestroyStatusBar();
int StatusBarHeight();
int IsStatusBarVisible();
void ShowDocumentPath(const char* path);
void ShowModeIndicators(int euc, int lf);
void ShowCaretPosition();
void SetCaretText(int startColumn, int startLine, int endColumn, int endLine, int length);
