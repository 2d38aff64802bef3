// Exact byte search in the editor's Shift_JIS text, forwards and backwards.
// Bytes are compared as they are (case-sensitive), but an occurrence covers
// whole characters only: it never begins on a trail byte nor ends inside a
// double-byte character, so a trail byte 0x5C or 0x41 is never taken for a
// backslash or a letter. Every search is linear in the text length whatever
// the pattern, so a full 63,999-byte text is searched at once.
#pragma once

// The first occurrence of pattern in text that starts at or after from, or -1.
// An empty pattern has no occurrence.
int FindBytes(const char* text, int textLength, const char* pattern, int patternLength, int from);

// The last occurrence that starts before `before`, or -1. It may reach into
// or past `before`; overlapping occurrences count.
int FindBytesBefore(const char* text, int textLength, const char* pattern, int patternLength,
                    int before);

// Find next: the first occurrence at or after from, else (wrapping) the first
// of the whole text. A from past the text counts as its end.
int FindNextWrapped(const char* text, int textLength, const char* pattern, int patternLength,
                    int from);

// Find previous: the last occurrence that starts before `before`, else
// (wrapping) the last of the whole text.
int FindPreviousWrapped(const char* text, int textLength, const char* pattern, int patternLength,
                        int before);
