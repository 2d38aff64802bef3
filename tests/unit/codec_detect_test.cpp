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

// Real files, each read in the form its writer meant at the first guess; the
// corpus of tests/win holds the rest, shown as they are read.
TEST(GuessTests, FormOfRealFiles) {
  const struct {
    std::string bytes;
    TextEncoding encoding;
    int lf, jisSymbols;
  } rows[] = {
      // 立 与 優 単文 坊 in EUC-JP, well-formed UTF-8 too (立 as Ω)
      {"\xCE\xA9\n", TextEncoding::Euc, 1, 0},
      {"\xCD\xBF\n", TextEncoding::Euc, 1, 0},
      {"\xCD\xA5\n", TextEncoding::Euc, 1, 0},
      {"\xC3\xB1\xCA\xB8\n", TextEncoding::Euc, 1, 0},
      {"\xCB\xB7\n", TextEncoding::Euc, 1, 0},
      // 腕, the last kanji of level 1; 唖, no jouyou kanji, still no ｰ｢; a
      // level 2 kanji in either, where the old rules say EUC-JP
      {"\xCF\xD3\n", TextEncoding::Euc, 1, 0},
      {"\xB0\xA2\n", TextEncoding::Euc, 1, 0},
      {"\xE0\xA1\r\n", TextEncoding::Euc, 0, 0},
      // ﾄﾞﾗﾑ, ﾅﾎﾟﾘ: voicing marks after the last kana that take them
      {"\xC4\xDE\xD7\xD1\n", TextEncoding::Sjis, 1, 0},
      {"\xC5\xCE\xDF\xD8\n", TextEncoding::Sjis, 1, 0},
      // a form feed names no encoding: the default holds
      {"abc\x0C\r\n", TextEncoding::Sjis, 0, 0},
      // 〜 and ¬ by their JIS code points: bits 0 and 6
      {"10\xE6\x99\x82\xE3\x80\x9C", TextEncoding::Utf8, 0, 1},
      {"\xC2\xAC\xE3\x81\x82", TextEncoding::Utf8, 0, 1 << 6},
  };
  for (const auto& r : rows) {
    const FileForm f = GuessFileForm(r.bytes.c_str(), static_cast<int>(r.bytes.size()), FileForm{});
    EXPECT_EQ(f.encoding, r.encoding) << r.bytes;
    EXPECT_EQ(f.lfMode, r.lf) << r.bytes;
    EXPECT_EQ(f.jisSymbols, r.jisSymbols) << r.bytes;
  }
}
