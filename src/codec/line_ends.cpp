// Line-end tests and the CR LF <-> LF rewrites used around load and save.
#include "codec/codec.h"

namespace {

constexpr unsigned char kCr = 0x0D;
constexpr unsigned char kLf = 0x0A;
constexpr unsigned char kTab = 0x09;

}  // namespace

int HasLineBreak(const char* text) {
  const unsigned char* p = reinterpret_cast<const unsigned char*>(text);
  for (;; ++p) {
    const unsigned char c = *p;
    // Every byte above CR is ordinary; one compare skips them.
    if (c > kCr) continue;
    if (c == kCr || c == kLf) return 1;
    if (c == 0) return 0;
  }
}

int NeedsEncodingCheck(const char* text) {
  const unsigned char* p = reinterpret_cast<const unsigned char*>(text);
  for (;; ++p) {
    const unsigned char c = *p;
    if (static_cast<unsigned char>(c - 0x20) < 0x5F) continue;  // 0x20-0x7E
    if (c == 0) return 0;
    if (c != kCr && c != kLf && c != kTab) return 1;
  }
}

int IsFirstBreakBareLf(const char* text) {
  const unsigned char* start = reinterpret_cast<const unsigned char*>(text);
  const unsigned char* p = start;
  while (*p != kLf) {
    if (*p == 0) return 0;
    ++p;
  }
  return (p == start || p[-1] != kCr) ? 1 : 0;
}

// The limit is tested after each source byte, which may have written two
// bytes: a successful result is at most limit - 1 bytes, and an overflowing
// one may have written limit + 1 bytes.
int ToCrLf(char* destination, const char* source, int limit) {
  const unsigned char* s = reinterpret_cast<const unsigned char*>(source);
  unsigned char* d = reinterpret_cast<unsigned char*>(destination);
  unsigned char* const stop = d + limit;
  unsigned char previous = 0;  // anything but CR before the first byte
  for (;;) {
    const unsigned char c = *s++;
    if (c > kCr) {
      *d++ = c;
    } else if (c == kLf) {
      if (previous != kCr) *d++ = kCr;
      *d++ = kLf;
    } else if (c == kCr) {
      *d++ = kCr;
      if (*s != kLf) *d++ = kLf;  // the terminator counts as "not LF"
    } else if (c == 0) {
      break;
    } else {
      *d++ = c;
    }
    previous = c;
    if (d >= stop) return 1;
  }
  *d = 0;
  return 0;
}

// Every CR that has a successor is dropped and that successor copied unseen,
// so CR CR LF keeps its second CR. A final CR ends the text.
int FromCrLf(char* destination, const char* source, int limit) {
  const unsigned char* s = reinterpret_cast<const unsigned char*>(source);
  unsigned char* d = reinterpret_cast<unsigned char*>(destination);
  unsigned char* const stop = d + limit;
  while (*s != 0) {
    if (*s == kCr) {
      ++s;
      if (*s == 0) break;
    }
    *d++ = *s++;
    if (d >= stop) return 1;
  }
  *d = 0;
  return 0;
}
