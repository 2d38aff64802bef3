// Recognition and conversion of the encodings of Japanese text files
// (Shift_JIS, EUC-JP, UTF-8, UTF-16) and of their two line-end styles (CR LF,
// bare LF).
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

// EUC-JP's half-width katakana (8E xx) become the single byte xx, so the
// output is never longer than the input; a destination of the source's
// length plus one byte always suffices.
void EucToSjis(char* destination, const char* source);
// Half-width katakana take their 8E again, so the output can be twice as
// long: as ToCrLf, 0 on success and 1 when the output reached limit bytes;
// the destination must hold limit + 1 bytes.
int SjisToEuc(char* destination, const char* source, int limit);
unsigned short EucPairToSjis(unsigned short code);
unsigned short SjisPairToEuc(unsigned short code);

// The forms a file can take. Shift_JIS and EUC-JP are told apart by
// DetectEncoding; the Unicode forms by RecogniseUnicode.
enum class TextEncoding { Sjis, Euc, Utf8, Utf16Le, Utf16Be };

// The Unicode form that a file's bytes announce by a byte-order mark or
// plainly are: UTF-16 without a mark (even length, two or more zero bytes,
// all in the same half of their pairs), or wholly well-formed UTF-8 with at
// least one multi-byte character. Sjis stands for none of them. *markLength
// gets the mark's bytes.
TextEncoding RecogniseUnicode(const char* bytes, int length, int* markLength);
// The bytes of encoding's own mark at the start of bytes, or 0.
int MarkLength(TextEncoding encoding, const char* bytes, int length);

// UTF-16 code units from a UTF-8 or UTF-16 byte string, from *at on, at
// most capacity units (capacity >= 2): a surrogate pair is never split. Each
// byte of an ill-formed sequence becomes U+FFFD and sets *malformed. Returns
// the units written and moves *at past the bytes they came from.
int DecodeUnits(TextEncoding encoding, const char* bytes, int length, int* at,
                unsigned short* units, int capacity, int* malformed);
// The bytes of count UTF-16 code units in UTF-8 or UTF-16; -1 when they do
// not fit capacity bytes. A lone surrogate is written as U+FFFD.
int EncodeUnits(TextEncoding encoding, const unsigned short* units, int count, char* out,
                int capacity);
