#include "text/text.h"

#include <stdarg.h>

namespace {

// Appends source at *length, stopping before a character that would not
// fit. Returns false when it had to stop: nothing may follow a cut.
bool PutText(char* destination, int capacity, int* length, const char* source) {
  const char* s = source;
  bool whole = true;
  while (*s) {
    int size = SjisCharSize(s);
    if (*length + size > capacity - 1) {
      whole = false;
      break;
    }
    for (int i = 0; i < size; ++i) destination[(*length)++] = *s++;
  }
  destination[*length] = 0;
  return whole;
}

// Decimal digits of magnitude, right-aligned to width with pad.
// Long division in 16-bit steps: a 64-bit division would pull the C
// runtime's helpers into a release exe that has no C runtime.
unsigned DivideBy10(unsigned long long* value) {
  unsigned long long quotient = 0;
  unsigned rest = 0;
  for (int shift = 48; shift >= 0; shift -= 16) {
    unsigned part = (rest << 16) | static_cast<unsigned>((*value >> shift) & 0xFFFF);
    quotient |= static_cast<unsigned long long>(part / 10) << shift;
    rest = part % 10;
  }
  *value = quotient;
  return rest;
}

bool PutNumber(char* destination, int capacity, int* length, unsigned long long magnitude,
               bool negative, int width, char pad) {
  char digits[24];
  int count = 0;
  do {
    digits[count++] = static_cast<char>('0' + DivideBy10(&magnitude));
  } while (magnitude);
  char text[64];
  int n = 0;
  int signWidth = negative ? 1 : 0;
  if (width > 40) width = 40;
  if (negative && pad == '0') text[n++] = '-';
  for (int i = count + signWidth; i < width; ++i) text[n++] = pad;
  if (negative && pad != '0') text[n++] = '-';
  while (count) text[n++] = digits[--count];
  text[n] = 0;
  return PutText(destination, capacity, length, text);
}

}  // namespace

int TextLength(const char* text) {
  int n = 0;
  while (text[n]) ++n;
  return n;
}

int CopyText(char* destination, int capacity, const char* source) {
  if (capacity <= 0) return 0;
  int length = 0;
  PutText(destination, capacity, &length, source);
  return length;
}

int AppendText(char* destination, int capacity, const char* source) {
  if (capacity <= 0) return 0;
  int length = 0;
  while (length < capacity - 1 && destination[length]) ++length;
  PutText(destination, capacity, &length, source);
  return length;
}

int FormatText(char* destination, int capacity, const char* format, ...) {
  if (capacity <= 0) return 0;
  va_list args;
  va_start(args, format);
  int length = 0;
  destination[0] = 0;
  bool room = true;
  for (const char* f = format; *f && room; ++f) {
    if (*f != '%') {
      // A lead byte and its trail go through together.
      bool pair = SjisCharSize(f) == 2;
      char piece[3] = {f[0], pair ? f[1] : '\0', 0};
      if (pair) ++f;
      room = PutText(destination, capacity, &length, piece);
      continue;
    }
    ++f;
    char pad = ' ';
    if (*f == '0') {
      pad = '0';
      ++f;
    }
    int width = 0;
    while (*f >= '0' && *f <= '9') width = width * 10 + (*f++ - '0');
    if (*f == 'd') {
      long long value = va_arg(args, int);
      bool negative = value < 0;
      room = PutNumber(destination, capacity, &length,
                       static_cast<unsigned long long>(negative ? -value : value), negative, width,
                       pad);
    } else if (*f == 'u') {
      room =
          PutNumber(destination, capacity, &length, va_arg(args, unsigned int), false, width, pad);
    } else if (f[0] == 'l' && f[1] == 'l' && f[2] == 'u') {
      f += 2;
      room = PutNumber(destination, capacity, &length, va_arg(args, unsigned long long), false,
                       width, pad);
    } else if (*f == 's') {
      const char* text = va_arg(args, const char*);
      room = PutText(destination, capacity, &length, text ? text : "");
    } else if (*f == '%') {
      room = PutText(destination, capacity, &length, "%");
    } else {
      break;  // unknown or truncated directive: stop rather than misread the arguments
    }
  }
  va_end(args);
  return length;
}
