#include "search/find_replace.h"

#include "base/app_instance.h"
#include "document/document_state.h"
#include "resource.h"
#include "search/find_bytes.h"
#include "statusbar/status_bar.h"
#include "text/char_offsets.h"
#include "text/text.h"
#include "view/edit_view.h"

char SearchString[kSearchTextCapacity];
char ReplaceString[kSearchTextCapacity];

namespace {

constexpr const char* kEnterSearchText = "検索文字列を入力してください";
constexpr const char* kNotFound = "文字列が見つかりません";
constexpr const char* kReplaceQuestion = "置換しますか？";

// The text's first 63,999 bytes are all a search ever sees.
constexpr int kSearchedCapacity = BufferCapacity;

void InitBox(HWND dialog, int id, const char* text, bool selectAll) {
  if (text[0]) {
    SetDlgItemTextA(dialog, id, text);
    if (selectAll) SendDlgItemMessageA(dialog, id, EM_SETSEL, 0, TextLength(text));
  }
  SendDlgItemMessageA(dialog, id, EM_LIMITTEXT, kSearchTextCapacity - 1, 0);
}

// Reads a box into text (kSearchTextCapacity bytes); the length read.
int ReadBox(HWND dialog, int id, char* text) {
  text[0] = 0;
  GetDlgItemTextA(dialog, id, text, kSearchTextCapacity);
  text[kSearchTextCapacity - 1] = 0;
  // A box whose limit counts characters can hold more than 255 bytes; the
  // copy then ends in half a character, which must not be searched for.
  int length = 0;
  while (text[length]) {
    int size = SjisCharSize(text + length);
    if (size == 1 && IsSjisLead(static_cast<unsigned char>(text[length]))) {
      text[length] = 0;  // a lead byte with no trail
    } else {
      length += size;
    }
  }
  return length;
}

void WarnEmpty(HWND dialog) {
  ShowMessage(dialog, kEnterSearchText, MB_ICONWARNING);
}

// Dialog 111 and 112 share everything but the second box.
INT_PTR RunSearchDialog(HWND dialog, UINT message, WPARAM wParam, bool withReplacement) {
  if (message == WM_INITDIALOG) {
    SetFocus(GetDlgItem(dialog, IDC_SEARCH_TEXT));
    InitBox(dialog, IDC_SEARCH_TEXT, SearchString, true);
    if (withReplacement) InitBox(dialog, IDC_REPLACE_TEXT, ReplaceString, false);
    return FALSE;  // the focus stays on the search box
  }
  if (message != WM_COMMAND) return FALSE;
  if (LOWORD(wParam) == IDOK) {
    char search[kSearchTextCapacity];
    char replacement[kSearchTextCapacity];
    bool filled = ReadBox(dialog, IDC_SEARCH_TEXT, search) > 0;
    if (withReplacement) filled = ReadBox(dialog, IDC_REPLACE_TEXT, replacement) > 0 && filled;
    if (!filled) {
      WarnEmpty(dialog);
      return TRUE;
    }
    CopyText(SearchString, sizeof SearchString, search);
    if (withReplacement) CopyText(ReplaceString, sizeof ReplaceString, replacement);
    EndDialog(dialog, 1);
  } else if (LOWORD(wParam) == IDCANCEL) {
    EndDialog(dialog, 0);
  }
  return TRUE;
}

// 1 only for OK; a template that cannot be shown counts as Cancel.
int AskStrings(HWND owner, int templateId, DLGPROC proc) {
  return DialogBoxParamA(AppInstance(), MAKEINTRESOURCEA(templateId), owner, proc, 0) == 1;
}

// The view's text as fetched into the scratch buffer, and the unit of the
// control's positions.
struct Fetched {
  int length;
  bool characters;  // positions count characters, not bytes
};

Fetched FetchViewText() {
  GetEditText(Document.ScratchBuffer, kSearchedCapacity);
  return {TextLength(Document.ScratchBuffer), ViewCountsCharacters()};
}

// The selection as byte offsets into the fetched text; past it counts as its end.
void GetSelection(const Fetched& text, int* start, int* end) {
  DWORD from = 0, to = 0;
  SendMessageA(EditView.view, EM_GETSEL, reinterpret_cast<WPARAM>(&from),
               reinterpret_cast<LPARAM>(&to));
  *start = static_cast<int>(from);
  *end = static_cast<int>(to);
  if (text.characters) {
    *start = CharToByteOffset(Document.ScratchBuffer, text.length, *start);
    *end = CharToByteOffset(Document.ScratchBuffer, text.length, *end);
  }
}

int SelectFound(HWND owner, const Fetched& text, int position) {
  if (position < 0) {
    ShowMessage(owner, kNotFound, MB_ICONINFORMATION);
    return 0;
  }
  int start = position;
  int end = position + TextLength(SearchString);
  if (text.characters) {
    start = ByteToCharOffset(Document.ScratchBuffer, text.length, start, false);
    end = ByteToCharOffset(Document.ScratchBuffer, text.length, end, true);
  }
  SendMessageA(EditView.view, EM_SETSEL, start, end);
  SendMessageA(EditView.view, EM_SCROLLCARET, 0, 0);
  ShowCaretPosition();
  return 1;
}

int ReplaceFound(HWND owner, int dialog, int (*finder)(HWND, int)) {
  if ((dialog || !SearchString[0] || !ReplaceString[0]) &&
      !AskStrings(owner, IDD_REPLACE, ReplaceDialogProc)) {
    return 0;
  }
  if (!finder(owner, 0)) return 0;
  // Asked over the view, which keeps the occurrence selected meanwhile.
  if (ShowMessage(EditView.view, kReplaceQuestion, MB_YESNO) != IDYES) return 0;
  SendMessageA(EditView.view, EM_REPLACESEL, 1, reinterpret_cast<LPARAM>(ReplaceString));
  return 1;
}

}  // namespace

INT_PTR CALLBACK FindDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  return RunSearchDialog(dialog, message, wParam, false);
}

INT_PTR CALLBACK ReplaceDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  return RunSearchDialog(dialog, message, wParam, true);
}

namespace {

// Forward from the selection's end, or backward from its start.
int Find(HWND owner, int dialog, bool backward) {
  if ((dialog || !SearchString[0]) && !AskStrings(owner, IDD_FIND, FindDialogProc)) return 0;
  Fetched text = FetchViewText();
  int start, end;
  GetSelection(text, &start, &end);
  const char* searched = Document.ScratchBuffer;
  int patternLength = TextLength(SearchString);
  return SelectFound(
      owner, text,
      backward ? FindPreviousWrapped(searched, text.length, SearchString, patternLength, start)
               : FindNextWrapped(searched, text.length, SearchString, patternLength, end));
}

}  // namespace

int FindNext(HWND owner, int dialog) {
  return Find(owner, dialog, false);
}

int FindPrevious(HWND owner, int dialog) {
  return Find(owner, dialog, true);
}

int ReplaceNext(HWND owner, int dialog) {
  return ReplaceFound(owner, dialog, FindNext);
}

int ReplacePrevious(HWND owner, int dialog) {
  return ReplaceFound(owner, dialog, FindPrevious);
}
