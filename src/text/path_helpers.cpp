#include "text/path_helpers.h"

#include "text/text.h"

const char* FindLastChar(const char* text, char byte) {
  // Forwards, character by character: only there is it known whether a byte
  // is a trail (表 is 95 5C) or stands alone after one (文書 ends in 8F 91).
  const char* found = text;
  for (const char* p = text; *p;) {
    int size = SjisCharSize(p);
    if (size == 1 && *p == byte) found = p + 1;
    p += size;
  }
  return found;
}

const char* FileNamePart(const char* path) {
  return FindLastChar(path, '\\');
}

const char* FileExtension(const char* path) {
  const char* dot = FindLastChar(path, '.');
  const char* separator = FindLastChar(path, '\\');
  return (dot != path && separator < dot) ? dot : path;
}
