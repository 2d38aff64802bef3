// The guess of a file's form: every reading its bytes allow, weighed by how
// ordinary the characters it gives are, and the rest of the form (mark, line
// ends, JIS symbols) read off in the encoding chosen.
#include <climits>

#include "codec/byte_classes.h"
#include "codec/char_points.h"
#include "codec/codec.h"

namespace {

// What one reading of the bytes costs so far, with what the next character
// is judged by.
struct Tally {
  int illFormed;
  int cost;
  CharKind kind;   // of the character just before
  unsigned kana;   // the half-width katakana just before, as its Shift_JIS byte; 0: none
  bool multiByte;  // a character of more than one byte was read
};

// The best reading so far: one that has more ill-formed sequences, or as
// many and costs more, has lost, and is read no further.
struct Bound {
  int illFormed;
  int cost;
};

bool Lost(const Tally& t, const Bound& best) {
  return t.illFormed > best.illFormed || (t.illFormed == best.illFormed && t.cost > best.cost);
}

bool IsSjisTrail(unsigned c) {
  return c - 0x40u < 0xBDu && c != 0x7F;  // 0x40-0xFC without 0x7F
}

constexpr unsigned kIllFormed = 0xFFFFFFFFu;

// The character at t[*at] in the encoding, as a JIS X 0208 row * 256 +
// cell (0x100 and up), a half-width katakana by its Shift_JIS byte (A1-DF),
// a byte below 0x80, or a Unicode code point (0x80 and up; UTF-8, UTF-16);
// kIllFormed where the bytes make no character. *at moves past it.
unsigned NextChar(TextEncoding encoding, const unsigned char* t, int count, int* at) {
  const int i = *at;
  const unsigned c = t[i];
  const unsigned next = i + 1 < count ? t[i + 1] : 0;
  *at = i + 1;
  if (encoding == TextEncoding::Sjis) {
    if (c < 0x80 || IsHalfWidthKatakana(c)) return c;
    if (!IsSjisLead(c) || !IsSjisTrail(next)) return kIllFormed;
    *at = i + 2;
    const unsigned k = c - (c >= 0xE0 ? 0xC1 : 0x81);
    if (next >= 0x9F) return (2 * k + 2) << 8 | (next - 0x9E);
    return (2 * k + 1) << 8 | (next - (next >= 0x80 ? 0x40 : 0x3F));
  }
  if (encoding == TextEncoding::Euc) {
    if (c < 0x80) return c;
    if (c == kSingleShift2 && IsHalfWidthKatakana(next)) {
      *at = i + 2;
      return next;
    }
    // JIS X 0212 (after 8F) is ill-formed here too: the editor has no
    // Shift_JIS for it, so a file read so could not be saved back.
    if (!IsEucByte(c) || !IsEucByte(next)) return kIllFormed;
    *at = i + 2;
    return (c - 0xA0) << 8 | (next - 0xA0);
  }
  *at = i;
  unsigned code = ReadCodePoint(encoding, t, count, at);
  if (code - 0xD800u < 0x800u) {  // UTF-16 only: a pair made whole, or ill-formed
    int after = *at;
    const unsigned low = code < 0xDC00u ? ReadCodePoint(encoding, t, count, &after) : 0;
    if (low - 0xDC00u >= 0x400u) return kIllFormed;
    *at = after;
    code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
  }
  return code;
}

CharCost CostOf(TextEncoding encoding, unsigned c) {
  if (encoding == TextEncoding::Sjis || encoding == TextEncoding::Euc) {
    if (c < 0x100) return AsciiCost(c);
    if (c >> 8 > 94) {  // Shift_JIS F0-F9 (the user's own), FA-FC (IBM's)
      const bool ibm = c >> 8 >= 115 && c <= (119u << 8 | 12);  // FA40-FC4B
      return ibm ? CharCost{CharKind::Kanji, kCostRareKanji}
                 : CharCost{CharKind::Strange, kCostUnassigned};
    }
    return JisCost(c >> 8, c & 0xFF);
  }
  return UnicodeCost(c);
}

Tally Read(TextEncoding encoding, const unsigned char* t, int count, const Bound& best) {
  Tally tally = {0, 0, CharKind::LineEnd, 0, false};
  const bool unicode = encoding != TextEncoding::Sjis && encoding != TextEncoding::Euc;
  for (int i = 0; i < count && !Lost(tally, best);) {
    const int start = i;
    unsigned c = NextChar(encoding, t, count, &i);
    if (c == kIllFormed) {
      // Counted apart from the cost: a reading with fewer such sequences
      // wins whatever its characters cost.
      ++tally.illFormed;
      tally.kind = CharKind::Strange;
      tally.kana = 0;
      continue;
    }
    tally.multiByte |= i - start > 1;
    // Half-width katakana, in Unicode too, by their Shift_JIS byte.
    const bool kana = unicode ? c - 0xFF61u < 0x3Fu : IsHalfWidthKatakana(c);
    if (kana && unicode) c -= 0xFEC0;
    const CharCost cost = kana ? HalfWidthKanaCost(c, tally.kana) : CostOf(encoding, c);
    tally.cost += cost.cost + SwitchCost(tally.kind, cost.kind);
    // Line ends do not end a run: a list of half-width names, one a line,
    // is one run of half-width katakana.
    if (cost.kind != CharKind::LineEnd) tally.kind = cost.kind;
    tally.kana = kana ? c : 0;
  }
  return tally;
}

// Readings come in the order UTF-16, Shift_JIS, EUC-JP, UTF-8, and on a tie
// the one read first stays, but for UTF-8, which beats the byte forms, and
// EUC-JP, which beats Shift_JIS where the old two rules say EUC-JP.
bool WinsTie(TextEncoding encoding, TextEncoding best, const char* bytes) {
  if (encoding == TextEncoding::Utf8) return !IsUnicode(best);
  return encoding == TextEncoding::Euc && best == TextEncoding::Sjis &&
         DetectEncoding(bytes, TextEncoding::Euc) == TextEncoding::Euc;
}

}  // namespace

FileForm GuessFileForm(const char* bytes, int count, const FileForm& defaults) {
  for (int e = static_cast<int>(TextEncoding::Utf8); e < kEncodingCount; ++e) {
    const TextEncoding encoding = static_cast<TextEncoding>(e);
    if (MarkLength(encoding, bytes, count)) return FileFormIn(encoding, bytes, count, defaults);
  }
  const unsigned char* t = reinterpret_cast<const unsigned char*>(bytes);
  int zeros[2] = {0, 0};
  bool ascii = true;
  for (int i = 0; i < count; ++i) {
    zeros[i & 1] += t[i] == 0;
    ascii &= t[i] < 0x80;
  }
  // Every byte form reads ASCII alike, control characters too: no sign of
  // an encoding, so the defaults hold.
  if (ascii && zeros[0] + zeros[1] < 2)
    return FileFormIn(defaults.encoding, bytes, count, defaults);

  // ASCII, Shift_JIS, EUC-JP and UTF-8 hold no zero bytes, UTF-16 is full of
  // them; a stray one says nothing. UTF-16 is read first where it is
  // possible, in the byte order whose high bytes hold more zeros (ASCII's):
  // its cost then stops the others early.
  static const TextEncoding kOrder[] = {TextEncoding::Utf16Le, TextEncoding::Utf16Be,
                                        TextEncoding::Sjis, TextEncoding::Euc, TextEncoding::Utf8};
  const int bigEndianFirst = zeros[0] > zeros[1];
  const int first = count % 2 == 0 && zeros[0] + zeros[1] >= 2 ? 0 : 2;
  // Most files are well-formed in one reading at least: the first round
  // reads the others only to their first ill-formed sequence. Only where
  // every reading has one does a second round count them all.
  TextEncoding best = kOrder[first];
  for (int round = 0; round < 2; ++round) {
    Bound bound = {round ? INT_MAX : 0, INT_MAX};
    bool found = false;
    for (int r = first; r < kEncodingCount; ++r) {
      const TextEncoding encoding = kOrder[r < 2 ? r ^ bigEndianFirst : r];
      const Tally tally = Read(encoding, t, count, bound);
      // UTF-8 without a character of more than one byte is ASCII, read alike.
      if (Lost(tally, bound) || (encoding == TextEncoding::Utf8 && !tally.multiByte)) continue;
      if (!found || tally.illFormed < bound.illFormed || tally.cost < bound.cost ||
          WinsTie(encoding, best, bytes)) {
        best = encoding;
        bound = {tally.illFormed, tally.cost};
        found = true;
      }
    }
    if (found) break;
  }
  return FileFormIn(best, bytes, count, defaults);
}

FileForm FileFormIn(TextEncoding encoding, const char* bytes, int count, const FileForm& defaults) {
  FileForm form = defaults;
  form.encoding = encoding;
  const int mark = MarkLength(encoding, bytes, count);
  form.byteOrderMark = mark != 0;
  form.jisSymbols = 0;
  // As the bytes' own line ends are read, to the first zero (U+0000 in
  // UTF-16), where the text ends: the first LF decides, a CR alone means CR LF.
  const unsigned char* t = reinterpret_cast<const unsigned char*>(bytes);
  bool decided = false;
  unsigned previous = 0;
  for (int at = mark; at < count;) {
    const unsigned c = NextChar(encoding, t, count, &at);
    if (c == 0) break;
    if (!decided && (c == '\n' || c == '\r')) {
      decided = c == '\n';
      form.lfMode = decided && previous != '\r';
    }
    const int symbol = IsUnicode(encoding) ? JisSymbolIndex(c) : -1;
    if (symbol >= 0) form.jisSymbols |= 1 << symbol;
    previous = c;
  }
  return form;
}
