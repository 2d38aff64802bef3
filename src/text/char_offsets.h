// Edit-control positions and byte offsets into the same Shift_JIS text, and
// the character boundaries between them. An edit control that counts
// characters (a Unicode one behind the ANSI calls, as under Wine) gives one
// position to each double-byte character; the program works in bytes.
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

// Answers whether a character of text starts at a byte offset, for offsets
// asked in rising or in falling order: each answer costs no more than the
// distance from the offset asked before, so a search that asks along its way
// reads the text about once. Start with StartCharBoundaries.
struct CharBoundaries {
  const char* text;
  int length;
  // Bytes runStart..runEnd-1 are all in the lead-byte ranges, and the byte
  // before runStart is not (or runStart is 0).
  int runStart;
  int runEnd;
};

inline CharBoundaries StartCharBoundaries(const char* text, int length) {
  return {text, length, 0, 0};
}

// True for the start and the end of the text and between two characters;
// false inside a double-byte character and outside the text.
bool IsCharBoundary(CharBoundaries* boundaries, int offset);
