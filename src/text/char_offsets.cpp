#include "text/char_offsets.h"

#include "text/text.h"

int CharToByteOffset(const char* text, int length, int position) {
  const char* end = text + length;
  int i = 0;
  for (int count = 0; count < position && i < length; ++count) i += SjisCharSize(text + i, end);
  return i;
}

int ByteToCharOffset(const char* text, int length, int offset, bool roundUp) {
  if (offset > length) offset = length;
  const char* end = text + length;
  int count = 0;
  for (int i = 0; i < offset; ++count) {
    int next = i + SjisCharSize(text + i, end);
    if (next > offset && !roundUp) break;
    i = next;
  }
  return count;
}
