// UTF-8 and UTF-16 byte strings and the UTF-16 code units between them.
// Windows 95 has no UTF-8 code page, so the editor brings this itself; the
// step from the units to Shift_JIS is the system's code page 932.
#include "codec/codec.h"

namespace {

constexpr unsigned kReplacement = 0xFFFD;

bool IsUtf16(TextEncoding encoding) {
  return encoding == TextEncoding::Utf16Le || encoding == TextEncoding::Utf16Be;
}

// The length of the well-formed UTF-8 sequence at i (1 for ASCII), or 0.
// Overlong forms, surrogates and code points past U+10FFFF are ill-formed.
int Utf8SequenceLength(const unsigned char* text, int i, int length) {
  const unsigned c = text[i];
  if (c < 0x80) return 1;
  int n;
  unsigned low = 0x80, high = 0xBF;  // the second byte's range
  if (c >= 0xC2 && c <= 0xDF) {
    n = 2;
  } else if (c >= 0xE0 && c <= 0xEF) {
    n = 3;
    if (c == 0xE0) low = 0xA0;
    if (c == 0xED) high = 0x9F;
  } else if (c >= 0xF0 && c <= 0xF4) {
    n = 4;
    if (c == 0xF0) low = 0x90;
    if (c == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (i + n > length || text[i + 1] < low || text[i + 1] > high) return 0;
  for (int k = 2; k < n; ++k) {
    if (text[i + k] < 0x80 || text[i + k] > 0xBF) return 0;
  }
  return n;
}

// The code point of the well-formed sequence of n bytes at p.
unsigned Utf8CodePoint(const unsigned char* p, int n) {
  if (n == 1) return p[0];
  unsigned code = p[0] & (0x7Fu >> n);
  for (int k = 1; k < n; ++k) code = (code << 6) | (p[k] & 0x3Fu);
  return code;
}

}  // namespace

int MarkLength(TextEncoding encoding, const char* bytes, int length) {
  const unsigned char* t = reinterpret_cast<const unsigned char*>(bytes);
  switch (encoding) {
    case TextEncoding::Utf8:
      return length >= 3 && t[0] == 0xEF && t[1] == 0xBB && t[2] == 0xBF ? 3 : 0;
    case TextEncoding::Utf16Le:
      return length >= 2 && t[0] == 0xFF && t[1] == 0xFE ? 2 : 0;
    case TextEncoding::Utf16Be:
      return length >= 2 && t[0] == 0xFE && t[1] == 0xFF ? 2 : 0;
    default:
      return 0;
  }
}

unsigned ReadCodePoint(TextEncoding encoding, const unsigned char* t, int length, int* at) {
  const int i = *at;
  if (IsUtf16(encoding)) {
    if (i + 1 >= length) {  // an odd last byte
      *at = i + 1;
      return kNoCodePoint;
    }
    *at = i + 2;
    return encoding == TextEncoding::Utf16Le ? t[i] | (t[i + 1] << 8) : (t[i] << 8) | t[i + 1];
  }
  const int n = Utf8SequenceLength(t, i, length);
  *at = i + (n ? n : 1);
  return n ? Utf8CodePoint(t + i, n) : kNoCodePoint;
}

int DecodeUnits(TextEncoding encoding, const char* bytes, int length, int* at,
                unsigned short* units, int capacity, int* malformed) {
  const unsigned char* t = reinterpret_cast<const unsigned char*>(bytes);
  int i = *at;
  int count = 0;
  // Room for two units keeps a surrogate pair whole.
  while (i < length && count + 2 <= capacity) {
    unsigned code = ReadCodePoint(encoding, t, length, &i);
    if (code == kNoCodePoint) {
      code = kReplacement;
      *malformed = 1;
    }
    if (code >= 0x10000) {
      code -= 0x10000;
      units[count++] = static_cast<unsigned short>(0xD800 + (code >> 10));
      code = 0xDC00 + (code & 0x3FF);
    }
    units[count++] = static_cast<unsigned short>(code);
  }
  *at = i;
  return count;
}

int EncodeUnits(TextEncoding encoding, const unsigned short* units, int count, char* out,
                int capacity) {
  unsigned char* o = reinterpret_cast<unsigned char*>(out);
  int n = 0;
  for (int k = 0; k < count; ++k) {
    unsigned code = units[k];
    if (IsUtf16(encoding)) {
      if (n + 2 > capacity) return -1;
      const bool little = encoding == TextEncoding::Utf16Le;
      o[n + (little ? 0 : 1)] = static_cast<unsigned char>(code);
      o[n + (little ? 1 : 0)] = static_cast<unsigned char>(code >> 8);
      n += 2;
      continue;
    }
    if (code - 0xD800u < 0x800u) {
      const bool pair =
          code < 0xDC00u && k + 1 < count && static_cast<unsigned>(units[k + 1]) - 0xDC00u < 0x400u;
      code = pair ? 0x10000 + ((code - 0xD800) << 10) + (units[++k] - 0xDC00) : kReplacement;
    }
    const int size = code < 0x80 ? 1 : code < 0x800 ? 2 : code < 0x10000 ? 3 : 4;
    if (n + size > capacity) return -1;
    if (size == 1) {
      o[n] = static_cast<unsigned char>(code);
    } else {
      static const unsigned char kLeadBits[] = {0, 0, 0xC0, 0xE0, 0xF0};
      for (int b = size - 1; b > 0; --b) {
        o[n + b] = static_cast<unsigned char>(0x80 | (code & 0x3F));
        code >>= 6;
      }
      o[n] = static_cast<unsigned char>(kLeadBits[size] | code);
    }
    n += size;
  }
  return n;
}

namespace {

// Per symbol: code page 932's code point, then JIS's; the comment shows the
// Shift_JIS character.
constexpr unsigned short kJisSymbolPairs[kJisSymbolCount][2] = {
    {0xFF5E, 0x301C},  // 81 60 ～
    {0x2225, 0x2016},  // 81 61 ∥
    {0xFF0D, 0x2212},  // 81 7C －
    {0x2015, 0x2014},  // 81 5C ―
    {0xFFE0, 0x00A2},  // 81 91 ￠
    {0xFFE1, 0x00A3},  // 81 92 ￡
    {0xFFE2, 0x00AC},  // 81 CA ￢
};

}  // namespace

int JisSymbolIndex(unsigned code) {
  for (int i = 0; i < kJisSymbolCount; ++i) {
    if (kJisSymbolPairs[i][1] == code) return i;
  }
  return -1;
}

void ToCodePage932Symbols(unsigned short* units, int count) {
  for (int k = 0; k < count; ++k) {
    const int i = JisSymbolIndex(units[k]);
    if (i >= 0) units[k] = kJisSymbolPairs[i][0];
  }
}

void ToJisSymbols(unsigned short* units, int count, int jisSymbols) {
  if (!jisSymbols) return;
  for (int k = 0; k < count; ++k) {
    for (int i = 0; i < kJisSymbolCount; ++i) {
      if (units[k] == kJisSymbolPairs[i][0] && (jisSymbols >> i & 1))
        units[k] = kJisSymbolPairs[i][1];
    }
  }
}
