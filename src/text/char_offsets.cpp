#include "text/char_offsets.h"

#include "text/text.h"

namespace {

bool IsLeadAt(const char* text, int i) {
  return IsSjisLead(static_cast<unsigned char>(text[i]));
}

}  // namespace

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

// A byte outside the lead ranges is a character of its own or the trail of
// the one before it; either way a character starts right after it. From
// there on every byte of a run of lead-range bytes takes the next as its
// trail, so inside the run characters start at even distances only: the
// boundary test needs the run's start and no walk from the text's start.
bool IsCharBoundary(CharBoundaries* b, int offset) {
  if (offset <= 0 || offset >= b->length) return offset == 0 || offset == b->length;
  if (offset > b->runEnd) {
    // Back from the offset to the first byte outside the run, or to the run
    // already known to reach that far.
    int i = offset;
    while (i > b->runEnd && IsLeadAt(b->text, i - 1)) --i;
    if (i > b->runEnd) b->runStart = i;
    b->runEnd = offset;
  } else if (offset < b->runStart) {
    int i = offset;
    while (i > 0 && IsLeadAt(b->text, i - 1)) --i;
    b->runStart = i;
    b->runEnd = offset;
  }
  return (offset - b->runStart) % 2 == 0;
}
