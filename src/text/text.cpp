#include "text/text.h"

#include <stdarg.h>

namespace {

// Appends source at *length, stopping before a character that would not fit.
void PutText(char* destination, int capacity, int* length, const char* source) {
  const unsigned char* s = reinterpret_cast<const unsigned char*>(source);
  while (*s) {
    int size = (IsSjisLead(*s) && s[1]) ? 2 : 1;
    if (*length + size > capacity - 1) break;
    for (int i = 0; i < size; ++i) destination[(*length)++] = static_cast<char>(*s++);
  }
  destination[*length] = 0;
}

// Decimal digits of magnitude, right-aligned to width with pad.
void PutNumber(char* destination, int capacity, int* length, unsigned long long magnitude,
               bool negative, int width, char pad) {
  char digits[24];
  int count = 0;
  do {
    digits[count++] = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
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
  PutText(destination, capacity, length, text);
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
  for (const char* f = format; *f; ++f) {
    if (*f != '%') {
      char one[2] = {*f, 0};
      // A lead byte and its trail go through together.
      if (IsSjisLead(static_cast<unsigned char>(*f)) && f[1]) {
        char two[3] = {f[0], f[1], 0};
        PutText(destination, capacity, &length, two);
        ++f;
      } else {
        PutText(destination, capacity, &length, one);
      }
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
      int value = va_arg(args, int);
      long long wide = value;
      bool negative = wide < 0;
      PutNumber(destination, capacity, &length,
                static_cast<unsigned long long>(negative ? -wide : wide), negative, width, pad);
    } else if (*f == 'u') {
      PutNumber(destination, capacity, &length, va_arg(args, unsigned int), false, width, pad);
    } else if (*f == 's') {
      const char* s = va_arg(args, const char*);
      PutText(destination, capacity, &length, s ? s : "");
    } else if (*f == '%') {
      PutText(destination, capacity, &length, "%");
    } else {
      break;  // unknown or truncated directive: stop rather than misread the arguments
    }
  }
  va_end(args);
  return length;
}
