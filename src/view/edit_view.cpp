#include "view/edit_view.h"

#include "base/app_instance.h"
#include "base/menu_marks.h"
#include "resource.h"
#include "text/char_offsets.h"
#include "text/text.h"
#include "view/auto_indent.h"
#include "view/view_appearance.h"

EditViewState EditView;

namespace {

// One tab stop of 16 dialog units, repeated along the line.
const int kTabStops[1] = {16};

// The toggle carries the text across in a buffer of the document buffers'
// size; a longer text would lose its end there, so the toggle is refused.
constexpr const char* kTooLargeToRewrap =
    "文書が大きすぎるため、右端での折り返しを切り替えられません。";

// Wrapping lines at the right edge rests on the control having no
// horizontal scroll bar.
DWORD StyleFor(int wordWrap) {
  return wordWrap ? kEditStyleWrap : kEditStyleNoWrap;
}

void SubclassView() {
  EditView.baseWndProc = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(EditView.view, GWLP_WNDPROC));
  SetWindowLongPtrA(EditView.view, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(EditSubclassProc));
}

void UnsubclassView() {
  SetWindowLongPtrA(EditView.view, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(EditView.baseWndProc));
}

// Brings the caret line about half-way up when it was at the bottom edge.
void CentreCaretLine() {
  HWND view = EditView.view;
  SendMessageA(view, EM_SCROLLCARET, 0, 0);
  int caretLine = static_cast<int>(SendMessageA(view, EM_LINEFROMCHAR, static_cast<WPARAM>(-1), 0));
  int firstLine = static_cast<int>(SendMessageA(view, EM_GETFIRSTVISIBLELINE, 0, 0));
  SendMessageA(view, EM_LINESCROLL, 0, (caretLine - firstLine) / 2);
}

// The control over area (in the main window's client coordinates).
void CreateEditControl(HWND mainWindow, const RECT& area) {
  EditView.view = CreateWindowExA(
      WS_EX_CLIENTEDGE, "EDIT", nullptr, StyleFor(EditView.wordWrap), area.left, area.top,
      area.right - area.left, area.bottom - area.top, mainWindow,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(ID_REFRESH)), AppInstance(), nullptr);
  SendMessageA(EditView.view, EM_SETTABSTOPS, 1, reinterpret_cast<LPARAM>(kTabStops));
  // The control's own largest limit; the document buffers are not its bound.
  SendMessageA(EditView.view, EM_LIMITTEXT, 0, 0);
}

}  // namespace

void SetUpEditView(HWND mainWindow) {
  // Auto-indent works only without wrapping; its mark stays while greyed.
  GreyCommand(mainWindow, ID_AUTO_INDENT, EditView.wordWrap);
  LoadViewColors();
  RECT client;
  GetClientRect(mainWindow, &client);
  CreateEditControl(mainWindow, client);
  SendMessageA(EditView.view, WM_SETFONT, reinterpret_cast<WPARAM>(LoadEditFont()), TRUE);
  SubclassView();
  SetFocus(EditView.view);
}

LRESULT CALLBACK EditSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_KEYDOWN && wParam == VK_RETURN && !EditView.wordWrap && EditView.autoIndent) {
    PostLeadingBlanks(window);
  }
  // Posted before the control acts, so the refresh sees the key's effect.
  if (message == WM_KEYDOWN || message == WM_LBUTTONDOWN) PostRefresh(GetParent(window));
  return CallWindowProcA(EditView.baseWndProc, window, message, wParam, lParam);
}

int CanToggleWordWrap(HWND mainWindow) {
  if (GetWindowTextLengthA(EditView.view) <= BufferCapacity) return 1;
  ShowMessage(mainWindow, kTooLargeToRewrap, MB_ICONWARNING);
  return 0;
}

void ToggleWordWrap(HWND mainWindow) {
  // CanToggleWordWrap refuses a longer text; the bound keeps the copy inside
  // the buffer whoever calls.
  int length = GetWindowTextLengthA(EditView.view);
  if (length > BufferCapacity) length = BufferCapacity;
  GreyCommand(mainWindow, ID_AUTO_INDENT, EditView.wordWrap);

  DWORD start = 0;
  SendMessageA(EditView.view, EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
  // A buffer of its own: the destroyed control's last refresh reads the
  // caret through the scratch buffer, which would cut a full text's last byte.
  static char text[BufferCapacity + 1];
  int count = GetWindowTextA(EditView.view, text, length + 1);
  text[count < length ? count : length] = 0;

  // The new control takes the old one's place.
  RECT area;
  GetWindowRect(EditView.view, &area);
  MapWindowPoints(nullptr, mainWindow, reinterpret_cast<POINT*>(&area), 2);
  UnsubclassView();
  DestroyWindow(EditView.view);
  CreateEditControl(mainWindow, area);
  SubclassView();

  SetWindowTextA(EditView.view, text);
  SendMessageA(EditView.view, WM_SETFONT, reinterpret_cast<WPARAM>(CurrentFont()), TRUE);
  SendMessageA(EditView.view, EM_SETSEL, start, start);
  CentreCaretLine();
  SetFocus(EditView.view);
}

void SelectAllText() {
  SendMessageA(EditView.view, EM_SETSEL, 0, -1);
}

void DestroyEditView() {
  DeleteEditFont();
  DeleteObject(Appearance.backBrush);
  Appearance.backBrush = nullptr;
  UnsubclassView();
  DestroyWindow(EditView.view);
  EditView.view = nullptr;
}

void ResizeEditView(int x, int y, int width, int height) {
  // The window's creation moves it before the view exists.
  if (!EditView.view) return;
  MoveWindow(EditView.view, x, y, width, height, TRUE);
}

void SetEditText(const char* text) {
  SetWindowTextA(EditView.view, text);
}

int GetEditText(char* buffer, int capacity) {
  int length = GetWindowTextLengthA(EditView.view);
  if (capacity <= 0) return length;
  int room = length < capacity - 1 ? length + 1 : capacity;
  buffer[0] = 0;
  int count = GetWindowTextA(EditView.view, buffer, room);
  buffer[count < room - 1 ? count : room - 1] = 0;
  return length;
}

bool ViewCountsCharacters() {
  HWND view = EditView.view;
  // The control's own position of the text's end, against the byte length.
  LRESULT lastLine = SendMessageA(view, EM_GETLINECOUNT, 0, 0) - 1;
  LRESULT lineStart = SendMessageA(view, EM_LINEINDEX, static_cast<WPARAM>(lastLine), 0);
  LRESULT end = lineStart + SendMessageA(view, EM_LINELENGTH, static_cast<WPARAM>(lineStart), 0);
  return end != GetWindowTextLengthA(view);
}

void ViewPositionsToBytes(int* positions, int count) {
  if (!ViewCountsCharacters()) return;
  char* text = EditView.scratch;
  GetEditText(text, BufferCapacity);
  int length = TextLength(text);
  for (int i = 0; i < count; ++i) positions[i] = CharToByteOffset(text, length, positions[i]);
}

int IsModified() {
  return EditView.modifiedCache;
}

int QueryFirstModification() {
  if (EditView.modifiedCache) return 0;
  EditView.modifiedCache = static_cast<int>(SendMessageA(EditView.view, EM_GETMODIFY, 0, 0));
  return EditView.modifiedCache;
}

void SetModified(int flag) {
  EditView.modifiedCache = flag;
  SendMessageA(EditView.view, EM_SETMODIFY, flag, 0);
}

void FocusEditView() {
  SetFocus(EditView.view);
}
