// Recognition and conversion of the two encodings (Shift_JIS, EUC-JP) and the
// two line-end styles (CR LF, bare LF) of Japanese text files.
//
// Every text is a zero-terminated byte string; every byte test is unsigned.
// Converters write into a separate destination (destination first, source
// second) and never read past the source's terminator. No allocation.
#pragma once

// Answers of DetectEncoding.
constexpr int kEncodingSjis = 0;
constexpr int kEncodingEuc = 2;

int HasLineBreak(const char* text);
int NeedsEncodingCheck(const char* text);
int IsFirstBreakBareLf(const char* text);

// Both return 0 on success (destination terminated) and 1 when the output
// reached limit bytes (destination unterminated, unusable). The destination
// must hold limit + 1 bytes.
int ToCrLf(char* destination, const char* source, int limit);
int FromCrLf(char* destination, const char* source, int limit);

int DetectEncoding(const char* text, int undecidedAnswer);
// Both take the end of the whole text (one past its last byte).
int ScoreSjisLine(const char* lineStart, const char* textEnd);
int ScoreEucLine(const char* lineStart, const char* textEnd);

// Output is exactly as long as the input; a destination of the source's
// length plus one byte always suffices.
void EucToSjis(char* destination, const char* source);
void SjisToEuc(char* destination, const char* source);
unsigned short EucPairToSjis(unsigned short code);
unsigned short SjisPairToEuc(unsigned short code);
