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
  const FileForm form = GuessFileForm(file, length, FileForm{});
  if (form.encoding == TextEncoding::Utf16Le || form.encoding == TextEncoding::Utf16Be) {
    return UnkeptKind::Utf16;
  }
  const bool utf8 = form.encoding == TextEncoding::Utf8;
  if (utf8 && form.byteOrderMark) return UnkeptKind::Utf8;
  for (int i = 0; i < length; ++i) {
    if (file[i] == 0) return UnkeptKind::ZeroBytes;
  }
  return utf8 ? UnkeptKind::Utf8 : UnkeptKind::Characters;
}

UnkeptKind UnkeptKindOf(const char* file, int length, TextEncoding form, int decodeLoss) {
  if (form != TextEncoding::Utf8 && form != TextEncoding::Utf16Le &&
      form != TextEncoding::Utf16Be) {
    return UnkeptKindOf(file, length);
  }
  // A U+0000 ends the text as a zero byte does in the others.
  if (decodeLoss & kLostAfterNul) return UnkeptKind::ZeroBytes;
  return decodeLoss ? UnkeptKind::Unmappable : UnkeptKind::Characters;
}
