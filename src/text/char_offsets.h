// Edit-control positions and byte offsets into the same Shift_JIS text. An
// edit control that counts characters (a Unicode one behind the ANSI calls,
// as under Wine) gives one position to each double-byte character; the
// program works in bytes.
#pragma once

// The byte offset of character position `position` in text (length bytes);
// positions past the text give its length.
int CharToByteOffset(const char* text, int length, int position);

// The character position of byte offset `offset`. An offset inside a
// double-byte character rounds down to the character's start, or with
// roundUp to its end, so that a range of bytes stays wholly selected.
int ByteToCharOffset(const char* text, int length, int offset, bool roundUp);

// The number of characters in text.
inline int CharacterCount(const char* text, int length) {
  return ByteToCharOffset(text, length, length, true);
}
