#include "document/keep_check.h"

#include "codec/codec.h"

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
  int mark = 0;
  const TextEncoding form = RecogniseUnicode(file, length, &mark);
  if (form == TextEncoding::Utf16Le || form == TextEncoding::Utf16Be) return UnkeptKind::Utf16;
  if (mark) return UnkeptKind::Utf8;
  for (int i = 0; i < length; ++i) {
    if (file[i] == 0) return UnkeptKind::ZeroBytes;
  }
  return form == TextEncoding::Utf8 ? UnkeptKind::Utf8 : UnkeptKind::Characters;
}

UnkeptKind UnkeptKindOf(const char* file, int length, TextEncoding form, int decodeLoss) {
  if (form != TextEncoding::Utf8 && form != TextEncoding::Utf16Le &&
      form != TextEncoding::Utf16Be) {
    return UnkeptKindOf(file, length);
  }
  if (decodeLoss) return UnkeptKind::Unmappable;
  // A zero ends the text in UTF-8; UTF-16 is full of them.
  for (int i = 0; form == TextEncoding::Utf8 && i < length; ++i) {
    if (file[i] == 0) return UnkeptKind::ZeroBytes;
  }
  return UnkeptKind::Characters;
}
