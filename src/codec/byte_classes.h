// The byte ranges of Shift_JIS and EUC-JP, shared by their conversions and
// the guess of a file's encoding.
#pragma once

inline bool IsSjisLead(unsigned c) {
  return c - 0x81u < 0x1Fu || c - 0xE0u < 0x1Du;  // 0x81-0x9F, 0xE0-0xFC
}

inline bool IsEucByte(unsigned c) {
  return c - 0xA1u < 0x5Eu;  // 0xA1-0xFE
}

inline bool IsHalfWidthKatakana(unsigned c) {
  return c - 0xA1u < 0x3Fu;  // 0xA1-0xDF
}

// EUC-JP: a half-width katakana follows.
constexpr unsigned kSingleShift2 = 0x8E;
