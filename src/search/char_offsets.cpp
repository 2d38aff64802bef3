#include "search/char_offsets.h"

#include "text/text.h"

namespace {

// Bytes of the character at i: a lead byte takes its trail with it.
int CharacterSize(const char* text, int length, int i) {
  return IsSjisLead(static_cast<unsigned char>(text[i])) && i + 1 < length ? 2 : 1;
}

}  // namespace

int CharToByteOffset(const char* text, int length, int position) {
  int i = 0;
  for (int count = 0; count < position && i < length; ++count) i += CharacterSize(text, length, i);
  return i;
}

int ByteToCharOffset(const char* text, int length, int offset, bool roundUp) {
  if (offset > length) offset = length;
  int count = 0;
  for (int i = 0; i < offset; ++count) {
    int next = i + CharacterSize(text, length, i);
    if (next > offset && !roundUp) break;
    i = next;
  }
  return count;
}
