#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "codec/codec.h"

namespace {

TextEncoding Detect(const char* text) {
  return DetectEncoding(text, TextEncoding::Euc);
}

int Sjis(const char* line) {
  return ScoreSjisLine(line, line + std::strlen(line));
}
int Euc(const char* line) {
  return ScoreEucLine(line, line + std::strlen(line));
}

TEST(DetectTests, ScoresOfSingleLines) {
  EXPECT_EQ(100, Sjis("\xE0\x40"));
  EXPECT_EQ(0, Euc("\xE0\x40"));
  EXPECT_EQ(50, Sjis("\xF4\xA6"));
  EXPECT_EQ(100, Euc("\xF4\xA6"));
  EXPECT_EQ(0, Sjis("\xEB\xA1\xEB\xA1"));
  EXPECT_EQ(100, Euc("\xEB\xA1\xEB\xA1"));
  EXPECT_EQ(0, Sjis("\xE0\x3F"));  // trail below 0x40
  EXPECT_EQ(0, Sjis("\xE0\xFD"));  // trail above 0xFC
  EXPECT_EQ(100, Sjis("\xB1\xB2\xDF ab"));
  EXPECT_EQ(0, Sjis("ab\xE0"));
  EXPECT_EQ(0, Euc("ab\xA4"));
  EXPECT_EQ(0, Euc("\xA4\xA0"));
  // Both scorers stop at the line's LF even though they get the text's end.
  EXPECT_EQ(0, Sjis("\xE0\n\x40"));
  EXPECT_EQ(0, Euc("\xA4\n\xA2"));
  EXPECT_EQ(100, Euc("\xA4\xA2\n\xA4"));
  // The end of the text also ends the line.
  const char* text = "\xA4\xA2\xA4\xA2";
  EXPECT_EQ(0, ScoreEucLine(text, text + 3));
}

TEST(DetectTests, ShortTextsAndBytes7FTo9FAreShiftJis) {
  EXPECT_EQ(TextEncoding::Sjis, Detect(""));
  EXPECT_EQ(TextEncoding::Sjis, Detect("\xA4"));
  EXPECT_EQ(TextEncoding::Sjis, Detect("\xA4\xA2\xA4\xA2\r\n\xA4\xA2\x7F"));
  EXPECT_EQ(TextEncoding::Sjis, Detect("\xA4\xA2\x8E\xB1"));  // EUC-JP single shift
  EXPECT_EQ(TextEncoding::Sjis, Detect("\x82\xA0"));
  EXPECT_EQ(TextEncoding::Sjis, Detect("ab\x9F"));
  EXPECT_EQ(TextEncoding::Euc, Detect("ab\xA0"));  // 0xA0 is outside the range
}

TEST(DetectTests, FirstLineWithDifferingScoresDecides) {
  EXPECT_EQ(TextEncoding::Euc, Detect("ab"));
  EXPECT_EQ(TextEncoding::Euc, Detect("\xB1\xB2"));
  EXPECT_EQ(TextEncoding::Sjis, Detect("\xB1\n"));
  EXPECT_EQ(TextEncoding::Sjis, Detect("\xE0\x40"));
  EXPECT_EQ(TextEncoding::Euc, Detect("\xF4\xA6"));
  EXPECT_EQ(TextEncoding::Sjis, Detect("\xEB\x40"));
  EXPECT_EQ(TextEncoding::Euc, Detect("\xEB\xA1\xEB\xA1"));
  EXPECT_EQ(TextEncoding::Sjis, Detect("abc\r\n\xE0\x40"));
  EXPECT_EQ(TextEncoding::Euc, Detect("\xE0\r\n\xA4\xA2"));
  EXPECT_EQ(TextEncoding::Sjis, Detect("\xA4\xA2\r\n\xE0\x40\r\n\xA4\xA2"));
  EXPECT_EQ(TextEncoding::Euc, Detect("\xE0\n\x40"));  // both lines tie
  // A final LF starts no further line.
  EXPECT_EQ(TextEncoding::Euc, Detect("\xE0\r\n"));
}

TEST(DetectTests, UndecidedAnswerIsReturnedWhenNoLineDecides) {
  EXPECT_EQ(TextEncoding::Sjis, DetectEncoding("ab\r\ncd\r\n", TextEncoding::Sjis));
  EXPECT_EQ(TextEncoding::Euc, DetectEncoding("ab\r\ncd\r\n", TextEncoding::Euc));
  // With Shift_JIS as the undecided answer nothing is scored at all.
  EXPECT_EQ(TextEncoding::Sjis, DetectEncoding("\xA4\xA2\xA4\xA2", TextEncoding::Sjis));
}

}  // namespace

namespace {

std::string Utf16(const char16_t* text, bool little) {
  std::string bytes;
  for (const char16_t* p = text; *p; ++p) {
    const char high = static_cast<char>(*p >> 8), low = static_cast<char>(*p & 0xFF);
    bytes += little ? std::string{low, high} : std::string{high, low};
  }
  return bytes;
}

}  // namespace

// Real files, each read in the form its writer meant at the first guess.
TEST(GuessTests, FormOfRealFiles) {
  const char16_t* memo = u"最新のメモ\r\n一月の予定\u3000会議は十時から\r\n";
  const struct {
    std::string bytes;
    TextEncoding encoding;
    int mark, lf, jisSymbols;
  } rows[] = {
      {Utf16(memo, true), TextEncoding::Utf16Le, 0, 0, 0},
      {Utf16(memo, false), TextEncoding::Utf16Be, 0, 0, 0},
      {"\xCE\xA9\n", TextEncoding::Euc, 0, 1, 0},          // 立, not UTF-8 Ω
      {"\xCD\xBF\n", TextEncoding::Euc, 0, 1, 0},          // 与
      {"\xCD\xA5\n", TextEncoding::Euc, 0, 1, 0},          // 優
      {"\xC3\xB1\xCA\xB8\n", TextEncoding::Euc, 0, 1, 0},  // 単文
      {"\xCB\xB7\n", TextEncoding::Euc, 0, 1, 0},          // 坊
      // 本日のｶﾀﾛｸﾞ送付について: the single shift 8E
      {"\xCB\xDC\xC6\xFC\xA4\xCE\x8E\xB6\x8E\xC0\x8E\xDB\x8E\xB8\x8E\xDE\xC1\xF7\xC9\xD5\xA4\xCB"
       "\xA4\xC4\xA4\xA4\xA4\xC6\n",
       TextEncoding::Euc, 0, 1, 0},
      // ﾄﾞﾗﾑ, ﾅﾎﾟﾘ: the voicing marks after the last kana that take them
      {"\xC4\xDE\xD7\xD1\n", TextEncoding::Sjis, 0, 1, 0},
      {"\xC5\xCE\xDF\xD8\n", TextEncoding::Sjis, 0, 1, 0},
      // 腕, the last kanji of level 1; 唖, no jouyou kanji, still no ｰ｢
      {"\xCF\xD3\n", TextEncoding::Euc, 0, 1, 0},
      {"\xB0\xA2\n", TextEncoding::Euc, 0, 1, 0},
      // a level 2 kanji in either: the old rules say EUC-JP
      {"\xE0\xA1\n", TextEncoding::Euc, 0, 1, 0},
      // ｳﾞ ｶﾀｶﾅ ﾃﾞｰﾀ, a name a line
      {"\xB3\xDE\r\n\xB6\xC0\xB6\xC5\r\n\xC3\xDE\xB0\xC0\r\n", TextEncoding::Sjis, 0, 0, 0},
      // 10時〜11時 with JIS's 〜 (bit 0); ¬ (bit 6) alone
      {"10\xE6\x99\x82\xE3\x80\x9C"
       "11\xE6\x99\x82",
       TextEncoding::Utf8, 0, 0, 1},
      {"\xC2\xAC\xE3\x81\x82", TextEncoding::Utf8, 0, 0, 1 << 6},
      {"Caf\xC3\xA9 r\xC3\xA9sum\xC3\xA9 na\xC3\xAFve\n", TextEncoding::Utf8, 0, 1, 0},
      // 日本 ending the file inside no line; the mark alone
      {"\xE6\x97\xA5\xE6\x9C\xAC", TextEncoding::Utf8, 0, 0, 0},
      {"\xEF\xBB\xBF", TextEncoding::Utf8, 1, 0, 0},
      // 日本 with one stray zero (even length), with two zeros in one half
      // of their pairs (odd length): no UTF-16
      {std::string("\x93\xFA\x96\x7B\0a", 6), TextEncoding::Sjis, 0, 0, 0},
      {std::string("\x93\xFA\0\x96\0\x8C\xEA\r\n", 9), TextEncoding::Sjis, 0, 0, 0},
      // ordinary prose stays what it is: 日本語のメモです。
      {"\x93\xFA\x96\x7B\x8C\xEA\x82\xCC\x83\x81\x83\x82\x82\xC5\x82\xB7\x81\x42\n",
       TextEncoding::Sjis, 0, 1, 0},
      {"\xC6\xFC\xCB\xDC\xB8\xEC\xA4\xCE\xA5\xE1\xA5\xE2\xA4\xC7\xA4\xB9\xA1\xA3\r\n",
       TextEncoding::Euc, 0, 0, 0},
  };
  for (const auto& r : rows) {
    const FileForm f = GuessFileForm(r.bytes.c_str(), static_cast<int>(r.bytes.size()), FileForm{});
    EXPECT_EQ(f.encoding, r.encoding) << r.bytes;
    EXPECT_EQ(f.byteOrderMark, r.mark) << r.bytes;
    EXPECT_EQ(f.lfMode, r.lf) << r.bytes;
    EXPECT_EQ(f.jisSymbols, r.jisSymbols) << r.bytes;
  }
  // Plain ASCII keeps the defaults; without a line end, so does lfMode.
  const FileForm defaults = {TextEncoding::Euc, 0, 1, 0};
  const FileForm plain = GuessFileForm("ab\tc", 4, defaults);
  EXPECT_EQ(plain.encoding, TextEncoding::Euc);
  EXPECT_EQ(plain.lfMode, 1);
}
