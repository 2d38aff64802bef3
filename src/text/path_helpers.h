// Cutting a Shift_JIS path into folder, file name and extension.
#pragma once

// Position just after the last byte in text that is a character of its own,
// or text itself when there is none: neither byte of a double-byte character
// (the 5C of 表) ever counts.
const char* FindLastChar(const char* text, char byte);
inline char* FindLastChar(char* text, char byte) {
  return const_cast<char*>(FindLastChar(static_cast<const char*>(text), byte));
}

// The file-name part; writing a zero there leaves the folder with its
// trailing backslash.
const char* FileNamePart(const char* path);
inline char* FileNamePart(char* path) {
  return const_cast<char*>(FileNamePart(static_cast<const char*>(path)));
}

// The text after the last dot of the file name, or path itself (no extension).
const char* FileExtension(const char* path);
