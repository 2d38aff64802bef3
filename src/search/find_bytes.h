// Exact byte search in the editor's text, forwards and backwards. Bytes are
// compared as they are: case-sensitive, and an occurrence may begin on the
// trail byte of a double-byte character. Every search is linear in the text
// length whatever the pattern, so a full 63,999-byte text is searched at once.
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
