// Byte-by-byte references for the codecs, written the textbook way, against
// which the targets check the editor's own conversions.
#pragma once

#include <string>
#include <vector>

#include "fuzz_support.h"

// JIS row/cell bytes (0x21-0x7E) to Shift_JIS.
inline unsigned JisToSjisReference(unsigned j1, unsigned j2) {
  unsigned s1 = ((j1 + 1) >> 1) + (j1 <= 0x5E ? 0x70 : 0xB0);
  unsigned s2 = (j1 & 1) ? j2 + (j2 >= 0x60 ? 0x20 : 0x1F) : j2 + 0x7E;
  return (s1 << 8) | s2;
}

// Every CR, LF and CR LF becomes CR LF.
inline std::string ToCrLfReference(const std::string& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r') {
      out += "\r\n";
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else if (text[i] == '\n') {
      out += "\r\n";
    } else {
      out.push_back(text[i]);
    }
  }
  return out;
}

// A CR takes the byte after it away with it; a final CR is dropped.
inline std::string FromCrLfReference(const std::string& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r') {
      if (i + 1 == text.size()) break;
      ++i;
    }
    out.push_back(text[i]);
  }
  return out;
}

// Where the characters of a Shift_JIS text start, walking from its first
// byte: a lead byte takes the byte after it along, whatever that is, unless
// the text ends first. Entry i is for byte offset i; the end counts too.
inline std::vector<bool> CharStartsReference(const std::string& text) {
  std::vector<bool> starts(text.size() + 1, false);
  for (size_t i = 0; i <= text.size();) {
    starts[i] = true;
    i += IsLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1;
  }
  return starts;
}

// The half-width katakana (A1-DF standing alone) of a Shift_JIS text: EUC-JP
// writes each with a single shift 8E before it.
inline size_t HalfWidthKanaReference(const std::string& text) {
  size_t count = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    const unsigned char c = text[i];
    if (IsLeadByte(c) && i + 1 < text.size()) {
      ++i;
    } else if (c >= 0xA1 && c <= 0xDF) {
      ++count;
    }
  }
  return count;
}

// The code points of a UTF-8 byte string, the textbook way: the lead's
// leading ones give the length, the continuation bytes the bits; a sequence
// that is cut, overlong, a surrogate or past U+10FFFF is ill-formed, and
// each byte not in a well-formed sequence stands for U+FFFD.
inline std::vector<unsigned> Utf8CodePointsReference(const std::string& bytes, bool* malformed) {
  std::vector<unsigned> points;
  for (size_t i = 0; i < bytes.size();) {
    const unsigned char lead = bytes[i];
    int n = 0;
    while (n < 8 && (lead & (0x80 >> n))) ++n;
    unsigned code = lead & (0xFF >> (n + 1));
    bool ok = n == 0 || (n >= 2 && n <= 4 && i + n <= bytes.size());
    for (int k = 1; ok && k < n; ++k) {
      const unsigned char c = bytes[i + k];
      ok = (c & 0xC0) == 0x80;
      code = (code << 6) | (c & 0x3F);
    }
    static const unsigned kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
    if (ok && n > 0) ok = code >= kLeast[n] && code <= 0x10FFFF && (code >> 11) != 0x1B;
    if (!ok) {
      *malformed = true;
      points.push_back(0xFFFD);
      ++i;
      continue;
    }
    points.push_back(code);
    i += n == 0 ? 1 : n;
  }
  return points;
}

// UTF-16 code units of code points.
inline std::vector<unsigned short> Utf16UnitsReference(const std::vector<unsigned>& points) {
  std::vector<unsigned short> units;
  for (unsigned p : points) {
    if (p >= 0x10000) {
      units.push_back(static_cast<unsigned short>(0xD800 | ((p - 0x10000) >> 10)));
      units.push_back(static_cast<unsigned short>(0xDC00 | (p & 0x3FF)));
    } else {
      units.push_back(static_cast<unsigned short>(p));
    }
  }
  return units;
}
