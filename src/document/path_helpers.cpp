#include "document/path_helpers.h"

#include "text/text.h"

const char* FindLastChar(const char* text, char byte) {
  int i = TextLength(text) - 1;
  while (i >= 0) {
    if (text[i] == byte) {
      if (byte != '\\' || i == 0 || !IsSjisLead(static_cast<unsigned char>(text[i - 1]))) {
        return text + i + 1;
      }
      i -= 2;  // the pair is one character: go on before its lead byte
      continue;
    }
    --i;
  }
  return text;
}

const char* FileNamePart(const char* path) { return FindLastChar(path, '\\'); }

const char* FileExtension(const char* path) {
  const char* dot = FindLastChar(path, '.');
  const char* separator = FindLastChar(path, '\\');
  return (dot != path && separator < dot) ? dot : path;
}
