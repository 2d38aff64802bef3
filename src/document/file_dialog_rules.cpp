#include "document/file_dialog_rules.h"

#include "text/path_helpers.h"
#include "text/text.h"

namespace {

constexpr const char* kFilterWord = " ファイル(*.";

// Lowers ASCII letters and leaves double-byte characters whole, so a trail
// byte that looks like a capital letter is never changed.
void LowerAscii(char* text) {
  for (char* p = text; *p; p += SjisCharSize(p)) {
    if (*p >= 'A' && *p <= 'Z') *p = static_cast<char>(*p - 'A' + 'a');
  }
}

bool SameText(const char* a, const char* b) {
  while (*a && *a == *b) ++a, ++b;
  return *a == *b;
}

// Appends a piece at *at, zero byte included; false when it does not fit.
bool PutPiece(char* filter, int* at, const char* piece) {
  int length = TextLength(piece);
  if (*at + length + 1 > kCustomFilterCapacity) return false;
  for (int i = 0; i <= length; ++i) filter[*at + i] = piece[i];
  *at += length + 1;
  return true;
}

// "<ext> ファイル(*.<ext>)" "\0" "*.<ext>" "\0" "\0".
bool BuildCustomFilter(char* filter, const char* extension) {
  char description[kCustomFilterCapacity];
  char pattern[kCustomFilterCapacity];
  int d = FormatText(description, sizeof description, "%s%s%s)", extension, kFilterWord, extension);
  int p = FormatText(pattern, sizeof pattern, "*.%s", extension);
  // Either text cut short would name another extension.
  int extensionLength = TextLength(extension);
  if (d != 2 * extensionLength + TextLength(kFilterWord) + 1 || p != extensionLength + 2)
    return false;
  int at = 0;
  return PutPiece(filter, &at, description) && PutPiece(filter, &at, pattern) &&
         PutPiece(filter, &at, "");
}

}  // namespace

void PrepareFileDialog(const char* documentPath, FileDialogSetup* setup) {
  for (char& c : setup->customFilter) c = 0;
  CopyText(setup->extension, kExtensionCapacity, "txt");
  setup->filterIndex = kFilterText;
  if (!documentPath[0]) return;
  const char* extension = FileExtension(documentPath);
  if (extension == documentPath) {
    setup->filterIndex = kFilterAll;
    return;
  }
  CopyText(setup->extension, kExtensionCapacity, extension);
  LowerAscii(setup->extension);
  if (SameText(setup->extension, "txt")) return;
  if (BuildCustomFilter(setup->customFilter, setup->extension)) {
    setup->filterIndex = kFilterCustom;
  } else {
    for (char& c : setup->customFilter) c = 0;
    setup->filterIndex = kFilterAll;
  }
}

int FinishChosenPath(char* path, int capacity, const char* chosen, int filterIndex,
                     const char* extension) {
  char result[kExtensionCapacity * 2 + 8];
  int length = TextLength(chosen);
  if (length >= static_cast<int>(sizeof result)) return 0;
  CopyText(result, sizeof result, chosen);
  // A final dot asks for a name without extension; it is never a trail byte.
  if (length > 0 && result[length - 1] == '.') {
    result[--length] = 0;
  } else if (FileExtension(chosen) == chosen && filterIndex != kFilterAll) {
    length = FormatText(result, sizeof result, "%s.%s", chosen, extension);
    if (length != TextLength(chosen) + 1 + TextLength(extension)) return 0;
  }
  if (length > capacity - 1) return 0;
  CopyText(path, capacity, result);
  return 1;
}
