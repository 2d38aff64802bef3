// The edit view: the hosted multiline EDIT control, its auto-indent and word
// wrap, and the document-modified latch that outlives the control.
#pragma once

#include <windows.h>

struct EditViewState {
  HWND view;
  WNDPROC baseWndProc;
  int wordWrap;
  int autoIndent;
  int modifiedCache;
  // A work area of BufferCapacity + 1 bytes, its content meaningless between
  // uses: the document's scratch buffer, handed over by the shell.
  char* scratch;
};

extern EditViewState EditView;

// The control's style bits.
constexpr DWORD kEditBaseStyle =
    WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_WANTRETURN | ES_AUTOVSCROLL | ES_MULTILINE;
static_assert(kEditBaseStyle == 0x50201044, "the view keeps the style it always had");
constexpr DWORD kEditStyleWrap = kEditBaseStyle | ES_NOHIDESEL;
constexpr DWORD kEditStyleNoWrap = kEditStyleWrap | WS_HSCROLL;

// Over the whole client area; the shell lays it out beside the status bar.
void SetUpEditView(HWND mainWindow);
LRESULT CALLBACK EditSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Warns and returns 0 when the text is too large to be carried across to a
// new control; 1 otherwise.
int CanToggleWordWrap(HWND mainWindow);
// After the option flipped wordWrap: the control is made again in the new
// mode, with its text, caret and font.
void ToggleWordWrap(HWND mainWindow);
void SelectAllText();
void DestroyEditView();
// The area the shell leaves it: the client area less a status bar shown.
void ResizeEditView(int x, int y, int width, int height);
void SetEditText(const char* text);
// Copies the whole text into buffer (capacity bytes, terminator included).
// Returns the text's full length, which exceeds capacity - 1 when the view
// holds more than the buffer takes.
int GetEditText(char* buffer, int capacity);
// Whether the control's positions (EM_GETSEL, EM_SETSEL, EM_LINEINDEX)
// count characters rather than bytes of its ANSI text, as a Unicode control
// behind the ANSI calls does (Wine's). Only a text with double-byte
// characters tells the two apart; for any other the answer is bytes, which
// then means the same.
bool ViewCountsCharacters();
// Turns positions of the control into byte offsets of its Shift_JIS text, in
// place. A control that counts characters has its first 63,999 bytes
// fetched into the scratch buffer for the walk (a position past them gives
// their length); one that counts bytes needs nothing.
void ViewPositionsToBytes(int* positions, int count);
int IsModified();
int QueryFirstModification();
void SetModified(int flag);
void FocusEditView();
