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
