// The five C functions that the compiler and the program call, for the
// editor's exe only: taken from msvcrt.dll they would tie it to a DLL that
// the first Windows 95 does not have. Built with -fno-builtin and without
// loop-to-call patterns, or the compiler would turn these loops into calls
// of themselves.
#include <cstddef>

extern "C" {

void* memcpy(void* destination, const void* source, size_t count) {
  unsigned char* d = static_cast<unsigned char*>(destination);
  const unsigned char* s = static_cast<const unsigned char*>(source);
  while (count--) *d++ = *s++;
  return destination;
}

void* memmove(void* destination, const void* source, size_t count) {
  unsigned char* d = static_cast<unsigned char*>(destination);
  const unsigned char* s = static_cast<const unsigned char*>(source);
  if (d <= s) return memcpy(destination, source, count);
  while (count--) d[count] = s[count];
  return destination;
}

void* memset(void* destination, int value, size_t count) {
  unsigned char* d = static_cast<unsigned char*>(destination);
  while (count--) *d++ = static_cast<unsigned char>(value);
  return destination;
}

void* memchr(const void* bytes, int value, size_t count) {
  const unsigned char* s = static_cast<const unsigned char*>(bytes);
  for (; count; --count, ++s) {
    if (*s == static_cast<unsigned char>(value)) return const_cast<unsigned char*>(s);
  }
  return nullptr;
}

size_t strlen(const char* text) {
  const char* end = text;
  while (*end) ++end;
  return static_cast<size_t>(end - text);
}

}  // extern "C"
