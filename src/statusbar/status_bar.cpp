#include "statusbar/status_bar.h"

#include <commctrl.h>

#include "base/app_instance.h"
#include "base/menu_marks.h"
#include "base/system_calls.h"
#include "resource.h"
#include "text/text.h"
#include "view/edit_view.h"

StatusBarState StatusBar;

namespace {

constexpr DWORD kStatusStyle = WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP | CCS_BOTTOM;

void SetParts(int width) {
  LayoutStatusParts(width, StatusBar.barHeight, StatusBar.partRight);
  SendMessageA(StatusBar.statusWindow, SB_SETPARTS, kStatusParts,
               reinterpret_cast<LPARAM>(StatusBar.partRight));
}

void SetPartText(int part, const char* text) {
  if (!StatusBar.statusWindow) return;
  SendMessageA(StatusBar.statusWindow, SB_SETTEXTA, part, reinterpret_cast<LPARAM>(text));
}

}  // namespace

void CreateStatusBar(HWND mainWindow) {
  StatusBar.owner = mainWindow;
  // A hidden bar is made when first shown: loading comctl32 costs a tenth
  // of the start-up and 3 MB, and the bar is off by default. Without
  // comctl32 the bar stays off.
  if (StatusBar.visible && !MakeStatusWindow()) {
    StatusBar.visible = 0;
    MarkCommand(mainWindow, ID_STATUS_BAR, 0);
  }
}

int MakeStatusWindow() {
  if (StatusBar.statusWindow) return 1;
  ControlCalls* controls = ControlsLibrary();
  if (!controls) return 0;
  controls->initCommonControls();
  StatusBar.statusWindow = CreateWindowExA(
      0, STATUSCLASSNAMEA, nullptr, kStatusStyle, 0, 0, 0, 0, StatusBar.owner,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(ID_STATUS_BAR)), AppInstance(), nullptr);
  RECT bar = {};
  GetClientRect(StatusBar.statusWindow, &bar);
  StatusBar.barHeight = bar.bottom - bar.top;
  SetParts(bar.right - bar.left);
  ShowDocumentPath(StatusBar.path);
  ShowModeIndicators(StatusBar.form, StatusBar.lf);
  ShowWindow(StatusBar.statusWindow, StatusBar.visible ? SW_SHOW : SW_HIDE);
  return 1;
}

void ResizeStatusBar(int x, int y, int width, int height) {
  // The window's creation moves it before the bar exists.
  if (!StatusBar.statusWindow) return;
  MoveWindow(StatusBar.statusWindow, x, y, width, height, TRUE);
  SetParts(width);
}

int CanToggleStatusBar(HWND mainWindow) {
  if (MakeStatusWindow()) return 1;
  ShowMessage(mainWindow, MissingLibraryText(), MB_ICONWARNING);
  return 0;
}

void ToggleStatusBar(HWND mainWindow) {
  ShowWindow(StatusBar.statusWindow, StatusBar.visible ? SW_SHOW : SW_HIDE);
  // The view and the bar are laid out again once the posted size arrives.
  RECT client;
  GetClientRect(mainWindow, &client);
  PostMessageA(mainWindow, WM_SIZE, 0, MAKELPARAM(client.right, client.bottom));
  PostRefresh(mainWindow);
}

void DestroyStatusBar() {
  DestroyWindow(StatusBar.statusWindow);
  StatusBar.statusWindow = nullptr;
}

int StatusBarHeight() {
  return StatusBar.visible ? StatusBar.barHeight : 0;
}

void ShowDocumentPath(const char* path) {
  if (path != StatusBar.path) CopyText(StatusBar.path, sizeof StatusBar.path, path);
  SetPartText(0, StatusBar.path);
}

void ShowModeIndicators(const char* form, int lf) {
  StatusBar.form = form;
  StatusBar.lf = lf;
  SetPartText(1, form ? form : "");
  SetPartText(2, lf ? "LF" : "");
}

void ShowCaretPosition() {
  HWND view = EditView.view;
  // No bar yet: the refresh after it is made shows the caret.
  if (!view || !StatusBar.statusWindow) return;
  DWORD start = 0;
  DWORD end = 0;
  SendMessageA(view, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  int startLine = static_cast<int>(SendMessageA(view, EM_LINEFROMCHAR, start, 0));
  int endLine = static_cast<int>(SendMessageA(view, EM_LINEFROMCHAR, end, 0));
  // Columns and length count bytes, whatever unit the control counts in.
  int at[4] = {static_cast<int>(start), static_cast<int>(end),
               static_cast<int>(SendMessageA(view, EM_LINEINDEX, startLine, 0)),
               static_cast<int>(SendMessageA(view, EM_LINEINDEX, endLine, 0))};
  ViewPositionsToBytes(at, 4);
  SetCaretText(at[0] - at[2] + 1, startLine + 1, at[1] - at[3] + 1, endLine + 1, at[1] - at[0]);
}

void SetCaretText(int startColumn, int startLine, int endColumn, int endLine, int length) {
  char text[kCaretTextCapacity];
  FormatCaretText(text, startColumn, startLine, endColumn, endLine, length);
  SetPartText(3, text);
}
