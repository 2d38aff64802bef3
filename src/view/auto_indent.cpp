#include "view/auto_indent.h"

#include <string.h>

#include "text/text.h"
#include "text/char_offsets.h"
#include "view/edit_view.h"

static_assert(BufferCapacity <= 0xFFFF, "EM_GETLINE takes its capacity as a WORD");

namespace {

// Copies the line into the scratch buffer; returns the bytes copied. The copy
// is not terminated, so nothing past the returned count may be read.
int CopyLine(HWND view, LRESULT line) {
  char* buffer = EditView.scratch;
  // The capacity goes into the first WORD; the buffer sits at an odd offset,
  // so the 16-bit value is stored bytewise rather than through a WORD pointer.
  WORD capacity = BufferCapacity;
  memcpy(buffer, &capacity, sizeof capacity);
  LRESULT copied =
      SendMessageA(view, EM_GETLINE, static_cast<WPARAM>(line), reinterpret_cast<LPARAM>(buffer));
  if (copied < 0) return 0;
  return copied > BufferCapacity ? BufferCapacity : static_cast<int>(copied);
}

// The selection start's distance from the start of its line, in bytes of
// the copied line (copied bytes long).
int CaretColumn(HWND view, int copied) {
  DWORD start = 0;
  SendMessageA(view, EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
  LRESULT line = SendMessageA(view, EM_LINEFROMCHAR, start, 0);
  LRESULT lineStart = SendMessageA(view, EM_LINEINDEX, static_cast<WPARAM>(line), 0);
  int column = static_cast<int>(static_cast<LRESULT>(start) - lineStart);
  if (ViewCountsCharacters()) column = CharToByteOffset(EditView.scratch, copied, column);
  return column;
}

}  // namespace

void PostLeadingBlanks(HWND view) {
  LRESULT line = SendMessageA(view, EM_LINEFROMCHAR, static_cast<WPARAM>(-1), 0);
  int copied = CopyLine(view, line);
  int column = CaretColumn(view, copied);
  int limit = column < copied ? column : copied;
  const char* text = EditView.scratch;
  for (int i = 0; i < limit; ++i) {
    char byte = text[i];
    if (byte != ' ' && byte != '\t') break;
    // VK_SPACE and VK_TAB are the blanks' own byte values.
    PostMessageA(view, WM_KEYDOWN, static_cast<WPARAM>(static_cast<unsigned char>(byte)), 0);
  }
}
