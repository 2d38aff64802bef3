// Recognition and conversion of the encodings of Japanese text files
// (Shift_JIS, EUC-JP, UTF-8, UTF-16) and of their two line-end styles (CR LF,
// bare LF).
//
// Every text is a zero-terminated byte string; every byte test is unsigned.
// Converters write into a separate destination (destination first, source
// second) and never read past the source's terminator. No allocation.
#pragma once

// The forms a file can take, each with its name in messages and its name in
// the status bar (none for Shift_JIS, the editor's own form). A new encoding
// takes a row here, its reading in the guess, its conversion (the byte forms
// in kanji_pairs.cpp, the Unicode forms in unicode.cpp), and its item under
// File > 開き直す (resource.h, hakuzo.rc).
enum class TextEncoding : unsigned char { Sjis, Euc, Utf8, Utf16Le, Utf16Be };
constexpr int kEncodingCount = 5;
constexpr const char* kEncodingNames[kEncodingCount] = {"Shift_JIS", "EUC-JP", "UTF-8", "UTF-16 LE",
                                                        "UTF-16 BE"};
constexpr const char* kEncodingShortNames[kEncodingCount] = {"", "EUC", "UTF-8", "UTF-16",
                                                             "UTF-16"};
// The forms a user can choose for the next save (オプション > 文字 >
// 文字コード), in the order of its items.
struct FormChoice {
  TextEncoding encoding;
  unsigned char byteOrderMark;  // UTF-16 is written with its mark, as Windows writes it
};
constexpr FormChoice kFormChoices[] = {
    {TextEncoding::Sjis, 0}, {TextEncoding::Euc, 0},     {TextEncoding::Utf8, 0},
    {TextEncoding::Utf8, 1}, {TextEncoding::Utf16Le, 1}, {TextEncoding::Utf16Be, 1},
};
constexpr int kFormChoiceCount = sizeof kFormChoices / sizeof kFormChoices[0];

// The Unicode forms come last; the editor's text reaches them through code
// page 932.
inline bool IsUnicode(TextEncoding encoding) {
  return encoding >= TextEncoding::Utf8;
}

int HasLineBreak(const char* text);
int NeedsEncodingCheck(const char* text);
int IsFirstBreakBareLf(const char* text);

// Both return 0 on success (destination terminated) and 1 when the output
// reached limit bytes (destination unterminated, unusable). The destination
// must hold limit + 1 bytes.
int ToCrLf(char* destination, const char* source, int limit);
int FromCrLf(char* destination, const char* source, int limit);

// Shift_JIS or EUC-JP by the old two rules, the tie-break of the guess: a
// byte in 0x7F-0x9F means Shift_JIS; otherwise the first line whose two
// plausibility scores differ decides, and undecided is the answer where none does.
TextEncoding DetectEncoding(const char* text, TextEncoding undecided);
// Both take the end of the whole text (one past its last byte).
int ScoreSjisLine(const char* lineStart, const char* textEnd);
int ScoreEucLine(const char* lineStart, const char* textEnd);

// The byte forms other than Shift_JIS (EUC-JP) to the editor's Shift_JIS,
// and back, as EucToSjis and SjisToEuc do: 1 converted, 0 for a form that
// needs nothing here (Shift_JIS, the Unicode forms), -1 for a result that
// reached limit bytes.
int ByteFormToSjis(TextEncoding encoding, char* destination, const char* source);
int SjisToByteForm(TextEncoding encoding, char* destination, const char* source, int limit);

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

// The seven Shift_JIS symbols (～ ∥ － ― ￠ ￡ ￢) that code page 932 gives
// other code points than JIS does; UTF-8 made on Macs and on Linux has the
// JIS ones.
constexpr int kJisSymbolCount = 7;

// The form of a document's file, which a save writes.
struct FileForm {
  TextEncoding encoding;
  int byteOrderMark;  // 1: the file starts with its encoding's mark (UTF-8, UTF-16)
  int lfMode;         // 1: the file's line ends are bare LF
  // Bit i: the file writes the i-th symbol by its JIS code point (UTF-8 and
  // UTF-16 only).
  int jisSymbols;
};

// The form a Japanese user meant count bytes to be in (zero bytes and all).
// A byte-order mark decides alone; bytes of ASCII (with fewer than two zero
// bytes) keep the encoding of defaults. Otherwise every reading the bytes
// allow is weighed: the one with the fewest ill-formed sequences, then with
// the most ordinary characters (kana, common kanji, ASCII, line ends) wins;
// ties go to UTF-16, then UTF-8, then as DetectEncoding says. Line ends
// without any LF or CR keep the lfMode of defaults.
FileForm GuessFileForm(const char* bytes, int count, const FileForm& defaults);
// The form of the bytes read in the encoding given, as the user names it.
FileForm FileFormIn(TextEncoding encoding, const char* bytes, int count, const FileForm& defaults);

// The bytes of encoding's own mark at the start of bytes, or 0.
int MarkLength(TextEncoding encoding, const char* bytes, int length);

// The code point at *at in a UTF-8 or UTF-16 byte string, and *at moved
// past it; kNoCodePoint for an ill-formed sequence (*at moves one byte). A
// lone surrogate is given as it stands.
constexpr unsigned kNoCodePoint = 0xFFFFFFFFu;
unsigned ReadCodePoint(TextEncoding encoding, const unsigned char* bytes, int length, int* at);

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

// Which of the seven symbols a JIS code point is, or -1.
int JisSymbolIndex(unsigned code);
// Code page 932's code points for the seven JIS symbols, in place, so that
// they show as their Shift_JIS characters.
void ToCodePage932Symbols(unsigned short* units, int count);
// Back to the JIS code point for each symbol whose bit jisSymbols has.
void ToJisSymbols(unsigned short* units, int count, int jisSymbols);
