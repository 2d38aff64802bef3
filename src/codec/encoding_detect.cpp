// Tells Shift_JIS from EUC-JP: bytes 0x7F-0x9F settle it at once; otherwise
// the first line whose two plausibility scores differ decides.
#include "codec/codec.h"

namespace {

constexpr unsigned char kLf = 0x0A;

}  // namespace

TextEncoding DetectEncoding(const char* text, TextEncoding undecided) {
  const unsigned char* const start = reinterpret_cast<const unsigned char*>(text);
  const unsigned char* p = start;
  // One pass finds the length and any byte 0x7F-0x9F. Both a short text and
  // such a byte mean Shift_JIS, so stopping early at that byte is safe.
  for (;; ++p) {
    const unsigned char c = *p;
    if (static_cast<unsigned char>(c - 0x7F) < 0x21) return TextEncoding::Sjis;
    if (c == 0) break;
  }
  if (p - start < 2) return TextEncoding::Sjis;
  if (undecided == TextEncoding::Sjis) return TextEncoding::Sjis;

  const char* const end = reinterpret_cast<const char*>(p);
  const unsigned char* line = start;
  for (;;) {
    const char* lineText = reinterpret_cast<const char*>(line);
    const int s = ScoreSjisLine(lineText, end);
    const int e = ScoreEucLine(lineText, end);
    if (s > e) return TextEncoding::Sjis;
    if (e > s) return TextEncoding::Euc;
    while (line < p && *line != kLf) ++line;
    if (line == p || line + 1 == p) return undecided;
    ++line;
  }
}

int ScoreSjisLine(const char* lineStart, const char* textEnd) {
  const unsigned char* p = reinterpret_cast<const unsigned char*>(lineStart);
  const unsigned char* const end = reinterpret_cast<const unsigned char*>(textEnd);
  int score = 100;
  bool pending = false;
  for (; p < end && *p != kLf; ++p) {
    const unsigned char c = *p;
    if (pending) {
      if (c < 0x40 || c > 0xFC) score = 0;
      pending = false;
    } else if ((c >= 0x81 && c <= 0x9F) || c >= 0xE0) {
      pending = true;
      // 0xEB and up lead the rows 85-94, which real text hardly uses.
      if (c >= 0xEB) score -= 50;
    }
    if (score <= 0) break;
  }
  return pending ? 0 : score;
}

int ScoreEucLine(const char* lineStart, const char* textEnd) {
  const unsigned char* p = reinterpret_cast<const unsigned char*>(lineStart);
  const unsigned char* const end = reinterpret_cast<const unsigned char*>(textEnd);
  int score = 100;
  bool pending = false;
  for (; p < end && *p != kLf; ++p) {
    const bool inRange = static_cast<unsigned char>(*p - 0xA1) < 0x5E;  // 0xA1-0xFE
    if (pending) {
      if (!inRange) score = 0;
      pending = false;
    } else if (inRange) {
      pending = true;
    }
    if (score <= 0) break;
  }
  return pending ? 0 : score;
}
