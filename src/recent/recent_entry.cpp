#include "recent/recent_entry.h"

#include "text/text.h"

int ComposeRecentEntry(char* text, int capacity, int index, const char* path) {
  if (capacity > 0) text[0] = 0;
  int length = TextLength(path);
  if (length == 0 || length > kRecentPathMax || index < 0 || index > 9) return 0;
  // Never a cut path: a shorter path would name another file.
  if (kRecentPathOffset + length >= capacity) return 0;
  FormatText(text, capacity, "&%d %s", index, path);
  return 1;
}

const char* RecentEntryPathPart(const char* text) {
  for (int i = 0; i < kRecentPathOffset; ++i) {
    if (!text[i]) return text + i;
  }
  return text + kRecentPathOffset;
}

void SetRecentEntryIndex(char* text, int index) {
  if (text[0] == '&' && text[1] && index >= 0 && index <= 9)
    text[1] = static_cast<char>('0' + index);
}
