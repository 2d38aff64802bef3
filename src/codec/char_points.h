// How surprising a character is in a Japanese text file, for the guess of
// the file's encoding. A cost is about the bits it takes to name the
// character among what such text holds: kana and common kanji cost little,
// rare kanji more, control characters and codes that name no character
// most. Changing from one kind of character to another costs a little more,
// so that a run of half-width katakana or of Latin letters hangs together.
#pragma once

enum class CharKind : unsigned char {
  Latin,     // ASCII letters, digits, signs and spaces
  Accented,  // Latin letters beyond ASCII: é, ñ, ü
  LineEnd,
  Kana,
  Kanji,
  Punctuation,
  HalfWidthKana,
  Symbol,
  Strange,
};

// A kind and the cost of one character of it.
struct CharCost {
  CharKind kind;
  int cost;
};

constexpr int kCostUnassigned = 30;  // no character, or the user's own
constexpr int kCostControl = 20;
constexpr int kCostOtherScript = 20;  // scripts Japanese text does not use
constexpr int kCostBadVoicing = 20;   // a half-width voicing mark after a kana that takes none
constexpr int kCostRareKanji = 19;    // IBM's kanji, kanji extensions
constexpr int kCostLevel2Kanji = 18;
constexpr int kCostLevel1Kanji = 17;  // a JIS level 1 kanji that is not a jouyou kanji
constexpr int kCostSymbol = 12;
constexpr int kCostUnicodeKanji = 12;  // no table tells common ones in Unicode
constexpr int kCostJoyoKanji = 11;
constexpr int kCostAccentedMore = 11;  // Latin Extended-A and Additional
constexpr int kCostAccented = 9;       // Latin-1 letters; inside Latin text only
constexpr int kCostFullWidthLetter = 8;
constexpr int kCostHalfWidthKana = 6;
// Half-width katakana come in files of their own: the first costs the most.
constexpr int kCostEnterHalfWidthKana = 9;
constexpr int kCostKana = 6;
constexpr int kCostAscii = 5;
constexpr int kCostPunctuation = 5;
constexpr int kCostLineEnd = 4;
constexpr int kCostVoicing = 2;  // ﾞ or ﾟ after a kana that takes it

// What a character of kind costs more after one of kind previous. Accented
// letters are at home in Latin text only. Inline: the guess asks it for
// every character of every reading.
inline int SwitchCost(CharKind previous, CharKind kind) {
  constexpr unsigned char kEnter[] = {1, 5, 0, 1, 1, 0, kCostEnterHalfWidthKana, 2, 0};
  if (previous == kind || (previous <= CharKind::Accented && kind <= CharKind::Accented)) return 0;
  return kEnter[static_cast<int>(kind)];
}

// Bytes 00-7F.
inline CharCost AsciiCost(unsigned c) {
  if (c - 0x20u < 0x5Fu) return {CharKind::Latin, kCostAscii};
  if (c == '\t' || c == '\n' || c == '\r') return {CharKind::LineEnd, kCostLineEnd};
  return {CharKind::Strange, kCostControl};
}
constexpr CharCost kUnassigned = {CharKind::Strange, kCostUnassigned};

// Bit (row - 16) * 94 + cell - 1 is set for the jouyou kanji of rows 16-47.
extern const unsigned char kJoyoKanjiBits[376];

// The JIS X 0208 rows other than those of kana and kanji.
CharCost JisSymbolCost(unsigned row, unsigned cell);

// A JIS X 0208 character by row and cell (1-94 each). Inline for the rows
// that real text is made of.
inline CharCost JisCost(unsigned row, unsigned cell) {
  if (row == 4 || row == 5) {
    return cell <= (row == 4 ? 83u : 86u) ? CharCost{CharKind::Kana, kCostKana} : kUnassigned;
  }
  if (row >= 16 && row <= 47) {
    if (row == 47 && cell > 51) return kUnassigned;
    const unsigned bit = (row - 16) * 94 + cell - 1;
    const bool joyo = (kJoyoKanjiBits[bit >> 3] >> (bit & 7)) & 1;
    return {CharKind::Kanji, joyo ? kCostJoyoKanji : kCostLevel1Kanji};
  }
  if (row >= 48 && row <= 84) {
    return row < 84 || cell <= 6 ? CharCost{CharKind::Kanji, kCostLevel2Kanji} : kUnassigned;
  }
  if (row == 1) return {CharKind::Punctuation, kCostPunctuation};
  return JisSymbolCost(row, cell);
}
// A half-width katakana by its Shift_JIS byte (A1-DF), after the half-width
// katakana before it (0: none): the voicing marks ﾞ and ﾟ follow only the
// kana that take them.
CharCost HalfWidthKanaCost(unsigned kana, unsigned previous);
// A Unicode code point.
CharCost UnicodeCost(unsigned code);
