#include "document/keep_check.h"

namespace {

constexpr unsigned char kCr = 0x0D;
constexpr unsigned char kLf = 0x0A;

bool IsLineEnd(unsigned char c) {
  return c == kCr || c == kLf;
}

// The bytes of the line end at i: CR LF is one, as the load reads it.
int LineEndLength(const unsigned char* text, int i, int length) {
  return (text[i] == kCr && i + 1 < length && text[i + 1] == kLf) ? 2 : 1;
}

// The length of the well-formed UTF-8 sequence at i (1 for ASCII), or 0.
// Overlong forms and surrogates are not well-formed.
int Utf8SequenceLength(const unsigned char* text, int i, int length) {
  unsigned char c = text[i];
  if (c < 0x80) return 1;
  int n;
  unsigned char low = 0x80, high = 0xBF;  // the second byte's range
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

bool IsUtf8WithMultiByte(const unsigned char* text, int length) {
  bool multiByte = false;
  for (int i = 0; i < length;) {
    int n = Utf8SequenceLength(text, i, length);
    if (n == 0) return false;
    multiByte = multiByte || n > 1;
    i += n;
  }
  return multiByte;
}

}  // namespace

int SaveKeepsFile(const char* saved, int savedLength, const char* file, int fileLength) {
  const unsigned char* a = reinterpret_cast<const unsigned char*>(saved);
  const unsigned char* b = reinterpret_cast<const unsigned char*>(file);
  int i = 0, j = 0;
  while (i < savedLength && j < fileLength) {
    bool endA = IsLineEnd(a[i]), endB = IsLineEnd(b[j]);
    if (endA != endB) return 0;
    if (endA) {
      i += LineEndLength(a, i, savedLength);
      j += LineEndLength(b, j, fileLength);
    } else {
      if (a[i] != b[j]) return 0;
      ++i;
      ++j;
    }
  }
  return i == savedLength && j == fileLength;
}

UnkeptKind UnkeptKindOf(const char* file, int length) {
  const unsigned char* t = reinterpret_cast<const unsigned char*>(file);
  if (length >= 2 && ((t[0] == 0xFF && t[1] == 0xFE) || (t[0] == 0xFE && t[1] == 0xFF))) {
    return UnkeptKind::Utf16;
  }
  if (length >= 3 && t[0] == 0xEF && t[1] == 0xBB && t[2] == 0xBF) return UnkeptKind::Utf8;
  int zeros[2] = {0, 0};
  for (int i = 0; i < length; ++i) {
    if (t[i] == 0) ++zeros[i & 1];
  }
  if (zeros[0] + zeros[1] > 0) {
    // UTF-16 puts the zero of every ASCII character, line ends included, in
    // the same half of its pair; one stray zero says nothing either way.
    bool oneSided = zeros[0] == 0 || zeros[1] == 0;
    return oneSided && zeros[0] + zeros[1] >= 2 && length % 2 == 0 ? UnkeptKind::Utf16
                                                                   : UnkeptKind::ZeroBytes;
  }
  return IsUtf8WithMultiByte(t, length) ? UnkeptKind::Utf8 : UnkeptKind::Characters;
}
