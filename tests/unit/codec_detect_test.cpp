#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "codec/codec.h"

namespace {

// The old rules' two answers, by the names the rows below were written with.
constexpr TextEncoding kEncodingSjis = TextEncoding::Sjis;
constexpr TextEncoding kEncodingEuc = TextEncoding::Euc;

TextEncoding Detect(const char* text) {
  return DetectEncoding(text, kEncodingEuc);
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
  EXPECT_EQ(kEncodingSjis, Detect(""));
  EXPECT_EQ(kEncodingSjis, Detect("\xA4"));
  EXPECT_EQ(kEncodingSjis, Detect("\xA4\xA2\xA4\xA2\r\n\xA4\xA2\x7F"));
  EXPECT_EQ(kEncodingSjis, Detect("\xA4\xA2\x8E\xB1"));  // EUC-JP single shift
  EXPECT_EQ(kEncodingSjis, Detect("\x82\xA0"));
  EXPECT_EQ(kEncodingSjis, Detect("ab\x9F"));
  EXPECT_EQ(kEncodingEuc, Detect("ab\xA0"));  // 0xA0 is outside the range
}

TEST(DetectTests, FirstLineWithDifferingScoresDecides) {
  EXPECT_EQ(kEncodingEuc, Detect("ab"));
  EXPECT_EQ(kEncodingEuc, Detect("\xB1\xB2"));
  EXPECT_EQ(kEncodingSjis, Detect("\xB1\n"));
  EXPECT_EQ(kEncodingSjis, Detect("\xE0\x40"));
  EXPECT_EQ(kEncodingEuc, Detect("\xF4\xA6"));
  EXPECT_EQ(kEncodingSjis, Detect("\xEB\x40"));
  EXPECT_EQ(kEncodingEuc, Detect("\xEB\xA1\xEB\xA1"));
  EXPECT_EQ(kEncodingSjis, Detect("abc\r\n\xE0\x40"));
  EXPECT_EQ(kEncodingEuc, Detect("\xE0\r\n\xA4\xA2"));
  EXPECT_EQ(kEncodingSjis, Detect("\xA4\xA2\r\n\xE0\x40\r\n\xA4\xA2"));
  EXPECT_EQ(kEncodingEuc, Detect("\xE0\n\x40"));  // both lines tie
  // A final LF starts no further line.
  EXPECT_EQ(kEncodingEuc, Detect("\xE0\r\n"));
}

TEST(DetectTests, UndecidedAnswerIsReturnedWhenNoLineDecides) {
  EXPECT_EQ(kEncodingSjis, DetectEncoding("ab\r\ncd\r\n", kEncodingSjis));
  EXPECT_EQ(kEncodingEuc, DetectEncoding("ab\r\ncd\r\n", kEncodingEuc));
  // With Shift_JIS as the undecided answer nothing is scored at all.
  EXPECT_EQ(kEncodingSjis, DetectEncoding("\xA4\xA2\xA4\xA2", kEncodingSjis));
}

}  // namespace

// Real files, each read in the form its writer meant at the first guess; the
// corpus of tests/win holds the rest, shown as they are read.
TEST(GuessTests, FormOfRealFiles) {
  const struct {
    std::string bytes;
    TextEncoding encoding;
  } rows[] = {
      // 腕, the last kanji of level 1; 唖, no jouyou kanji, still no ｰ｢; a
      // level 2 kanji in either, where the old rules say EUC-JP
      {"\xCF\xD3\n", kEncodingEuc},
      {"\xB0\xA2\n", kEncodingEuc},
      {"\xE0\xA1\r\n", kEncodingEuc},
      // ﾄﾞﾗﾑ, ﾅﾎﾟﾘ: voicing marks after the last kana that take them
      {"\xC4\xDE\xD7\xD1\n", kEncodingSjis},
      {"\xC5\xCE\xDF\xD8\n", kEncodingSjis},
      // a form feed names no encoding: the default holds
      {"abc\x0C\r\n", kEncodingSjis},
  };
  for (const auto& r : rows) {
    const int count = static_cast<int>(r.bytes.size());
    EXPECT_EQ(GuessFileForm(r.bytes.c_str(), count, FileForm{}).encoding, r.encoding) << r.bytes;
  }
}
