#include "document/title_text.h"

#include "text/text.h"

namespace {
constexpr const char* kTitleSuffix = " - Hakuzo";
constexpr const char* kEllipsis = "...";
}  // namespace

void FormatDocumentTitle(char* title, const char* fileName) {
  int room = kTitleLimit - TextLength(kTitleSuffix);
  if (TextLength(fileName) <= room) {
    FormatText(title, kTitleCapacity, "%s%s", fileName, kTitleSuffix);
    return;
  }
  CopyText(title, room - TextLength(kEllipsis) + 1, fileName);
  AppendText(title, kTitleCapacity, kEllipsis);
  AppendText(title, kTitleCapacity, kTitleSuffix);
}

int AppendModifiedMark(char* title, int capacity) {
  int length = TextLength(title);
  if (length > 0 && title[length - 1] == '*') return 0;
  if (length + 2 > capacity - 1) return 0;
  AppendText(title, capacity, " *");
  return 1;
}
