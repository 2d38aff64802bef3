// The byte search, both directions and both wrapping forms, against the
// naive scan that defines it (whole characters only); and the
// character/byte offset mapping.
#include <cstring>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "references.h"
#include "text/char_offsets.h"
#include "search/find_bytes.h"

namespace {

// Equal bytes that start and end where characters do.
bool MatchesAt(const std::string& text, const std::vector<bool>& starts, const std::string& pattern,
               int at) {
  return starts[at] && starts[at + pattern.size()] &&
         std::memcmp(text.data() + at, pattern.data(), pattern.size()) == 0;
}

int ForwardReference(const std::string& text, const std::string& pattern, int from) {
  const int n = static_cast<int>(text.size());
  const int m = static_cast<int>(pattern.size());
  if (m == 0) return -1;
  const std::vector<bool> starts = CharStartsReference(text);
  for (int i = from < 0 ? 0 : from; i + m <= n; ++i) {
    if (MatchesAt(text, starts, pattern, i)) return i;
  }
  return -1;
}

int BackwardReference(const std::string& text, const std::string& pattern, int before) {
  const int n = static_cast<int>(text.size());
  const int m = static_cast<int>(pattern.size());
  if (m == 0) return -1;
  if (before > n) before = n;
  const std::vector<bool> starts = CharStartsReference(text);
  for (int i = before - 1; i >= 0; --i) {
    if (i + m <= n && MatchesAt(text, starts, pattern, i)) return i;
  }
  return -1;
}

void CheckSearch(const std::string& text, const std::string& pattern, int position) {
  // Exactly sized copies: a read past either end is a sanitizer error.
  std::vector<char> t(text.begin(), text.end());
  std::vector<char> p(pattern.begin(), pattern.end());
  const int n = static_cast<int>(t.size());
  const int m = static_cast<int>(p.size());
  const int forward = ForwardReference(text, pattern, position);
  FUZZ_CHECK(FindBytes(t.data(), n, p.data(), m, position) == forward);
  const int backward = BackwardReference(text, pattern, position);
  FUZZ_CHECK(FindBytesBefore(t.data(), n, p.data(), m, position) == backward);

  const int from = position > n ? n : (position < 0 ? 0 : position);
  int next = ForwardReference(text, pattern, from);
  if (next < 0) next = ForwardReference(text, pattern, 0);
  FUZZ_CHECK(FindNextWrapped(t.data(), n, p.data(), m, position) == next);
  int previous = backward;
  if (previous < 0) previous = BackwardReference(text, pattern, n);
  FUZZ_CHECK(FindPreviousWrapped(t.data(), n, p.data(), m, position) == previous);
}

void CheckOffsets(const std::string& text, int position) {
  std::vector<char> t(text.begin(), text.end());
  const int n = static_cast<int>(t.size());
  std::vector<int> starts;  // byte offset of every character
  std::vector<int> ends;    // one past its last byte
  for (int i = 0; i < n;) {
    starts.push_back(i);
    i += IsLeadByte(text[i]) && i + 1 < n ? 2 : 1;
    ends.push_back(i);
  }
  const int count = static_cast<int>(starts.size());
  FUZZ_CHECK(CharacterCount(t.data(), n) == count);
  const int clamped = position < 0 ? 0 : (position > count ? count : position);
  const int byte = clamped == count ? n : starts[clamped];
  FUZZ_CHECK(CharToByteOffset(t.data(), n, position) == byte);
  FUZZ_CHECK(ByteToCharOffset(t.data(), n, byte, false) == clamped);
  // An offset inside a character rounds down to its start, or up to its end.
  const int offset = position < 0 ? 0 : position;
  int down = 0;
  while (down < count && ends[down] <= offset) ++down;
  int up = 0;
  while (up < count && starts[up] < offset) ++up;
  FUZZ_CHECK(ByteToCharOffset(t.data(), n, offset, false) == down);
  FUZZ_CHECK(ByteToCharOffset(t.data(), n, offset, true) == up);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzBytes in{data, size};
  const uint8_t shape = in.Byte();
  const int position = in.Int(4200) - 40;
  const size_t patternLength = in.Byte() % 40;
  std::string text(reinterpret_cast<const char*>(in.data), in.size);
  // A small alphabet makes repetitive texts and patterns, where the
  // search's shifts and periods matter; from 0x80 on, with lead bytes in it,
  // where matches inside characters are turned down.
  if (shape & 1) {
    const char first = shape & 16 ? '\x80' : 'a';
    for (char& c : text)
      c = static_cast<char>(first + static_cast<unsigned char>(c) % (2 + (shape >> 6)));
  }
  std::string pattern = text.substr(0, patternLength);
  text.erase(0, pattern.size());
  // Often the pattern is a piece of the text itself, so that it is found.
  if ((shape & 6) != 0 && !text.empty()) {
    const size_t at = static_cast<size_t>(position < 0 ? 0 : position) % text.size();
    pattern = text.substr(at, patternLength);
    if (shape & 8 && !pattern.empty()) pattern.back() ^= 1;
  }
  CheckSearch(text, pattern, position);
  CheckOffsets(text, position / 2);
  return 0;
}
