#include "codec/char_points.h"

namespace {

// The cells of JIS X 0208 rows 2, 3 and 6-8 and of row 13 (NEC's special
// characters, in every Shift_JIS of Windows) that hold a character; the rest
// of those rows is empty.
struct CellRange {
  unsigned char row, first, last, cost;
};
constexpr CellRange kSymbolRows[] = {
    {2, 1, 14, kCostSymbol},           {2, 26, 33, kCostSymbol},
    {2, 42, 48, kCostSymbol},          {2, 60, 74, kCostSymbol},
    {2, 82, 89, kCostSymbol},          {2, 94, 94, kCostSymbol},
    {3, 16, 25, kCostFullWidthLetter}, {3, 33, 58, kCostFullWidthLetter},
    {3, 65, 90, kCostFullWidthLetter}, {6, 1, 24, kCostSymbol},
    {6, 33, 56, kCostSymbol},          {7, 1, 33, kCostSymbol},
    {7, 49, 81, kCostSymbol},          {8, 1, 32, kCostSymbol},
    {13, 1, 30, kCostSymbol},          {13, 32, 54, kCostSymbol},
    {13, 63, 92, kCostSymbol},
};

// Unicode's basic plane by blocks, each by its first code point, ascending;
// each lasts to the next one's first.
struct Block {
  unsigned short first;
  CharKind kind;
  unsigned char cost;
};
constexpr Block kBlocks[] = {
    {0x0080, CharKind::Strange, kCostControl},
    {0x00A0, CharKind::Symbol, kCostSymbol},  // Latin-1 signs
    {0x00C0, CharKind::Accented, kCostAccented},
    {0x0100, CharKind::Accented, kCostAccentedMore},  // Latin Extended-A
    {0x0180, CharKind::Strange,
     kCostOtherScript},                       // Latin Extended-B, IPA, modifiers, combining marks
    {0x0391, CharKind::Symbol, kCostSymbol},  // the Greek and Cyrillic letters JIS has
    {0x03CA, CharKind::Strange, kCostOtherScript},
    {0x0401, CharKind::Symbol, kCostSymbol},
    {0x0452, CharKind::Strange, kCostOtherScript},
    {0x1E00, CharKind::Accented, kCostAccentedMore},  // Latin Extended Additional
    {0x1F00, CharKind::Strange, kCostOtherScript},
    {0x2000, CharKind::Symbol, kCostSymbol},  // punctuation, arrows, maths, boxes, shapes
    {0x2C00, CharKind::Strange, kCostOtherScript},
    {0x2E80, CharKind::Symbol, kCostSymbol},  // CJK radicals
    {0x3000, CharKind::Punctuation, kCostPunctuation},
    {0x3040, CharKind::Strange, kCostUnassigned},
    {0x3041, CharKind::Kana, kCostKana},  // hiragana
    {0x3097, CharKind::Strange, kCostUnassigned},
    {0x3099, CharKind::Kana, kCostKana},      // voicing marks, katakana
    {0x3100, CharKind::Symbol, kCostSymbol},  // kanbun, circled signs, CJK compatibility
    {0x3400, CharKind::Kanji, kCostRareKanji},
    {0x4DC0, CharKind::Strange, kCostOtherScript},
    {0x4E00, CharKind::Kanji, kCostUnicodeKanji},
    {0xA000, CharKind::Strange, kCostOtherScript},  // Yi, Hangul
    {0xD800, CharKind::Strange, kCostUnassigned},   // surrogates, private use
    {0xF900, CharKind::Kanji, kCostRareKanji},
    {0xFB00, CharKind::Strange, kCostOtherScript},
    {0xFF01, CharKind::Symbol, kCostFullWidthLetter},  // full-width forms
    {0xFF61, CharKind::HalfWidthKana, kCostHalfWidthKana},
    {0xFFA0, CharKind::Strange, kCostOtherScript},
    {0xFFE0, CharKind::Symbol, kCostSymbol},  // full-width signs
    {0xFFE7, CharKind::Strange, kCostOtherScript},
    {0xFFFD, CharKind::Strange, kCostUnassigned},
};

}  // namespace

CharCost JisSymbolCost(unsigned row, unsigned cell) {
  if (row >= 89 && row <= 92) return {CharKind::Kanji, kCostRareKanji};  // NEC's choice of IBM's
  for (const CellRange& r : kSymbolRows) {
    if (r.row == row && cell >= r.first && cell <= r.last) return {CharKind::Symbol, r.cost};
  }
  return kUnassigned;
}

CharCost HalfWidthKanaCost(unsigned kana, unsigned previous) {
  bool takes = true;
  if (kana == 0xDE) {  // ﾞ after ｳ, ｶ-ﾄ, ﾊ-ﾎ
    takes = previous == 0xB3 || (previous >= 0xB6 && previous <= 0xC4) ||
            (previous >= 0xCA && previous <= 0xCE);
  } else if (kana == 0xDF) {  // ﾟ after ﾊ-ﾎ
    takes = previous >= 0xCA && previous <= 0xCE;
  } else {
    return {CharKind::HalfWidthKana, kCostHalfWidthKana};
  }
  return {CharKind::HalfWidthKana, takes ? kCostVoicing : kCostBadVoicing};
}

CharCost UnicodeCost(unsigned code) {
  if (code < 0x80) return AsciiCost(code);
  // Emoji and kanji extensions; private use in the last two planes.
  if (code >= 0x10000)
    return code < 0xF0000 ? CharCost{CharKind::Symbol, kCostRareKanji} : kUnassigned;
  int low = 0, high = sizeof kBlocks / sizeof kBlocks[0] - 1;
  while (low < high) {  // the last block that starts at or before code
    const int middle = (low + high + 1) / 2;
    if (kBlocks[middle].first <= code) {
      low = middle;
    } else {
      high = middle - 1;
    }
  }
  return {kBlocks[low].kind, kBlocks[low].cost};
}
