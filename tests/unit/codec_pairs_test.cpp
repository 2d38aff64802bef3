#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "codec/codec.h"

namespace {

// The source sits in a buffer of exactly its size, so that a sanitizer
// build catches any read past the terminator.
std::string Convert(void (*convert)(char*, const char*), const std::string& source) {
  std::vector<char> in(source.c_str(), source.c_str() + source.size() + 1);
  std::vector<char> out(source.size() + 2, '\x55');
  convert(out.data(), in.data());
  EXPECT_EQ('\x55', out[source.size() + 1]) << "wrote past the terminator's place";
  return std::string(out.data());
}

// SjisToEuc into a destination of exactly limit + 1 bytes; "!" when it
// reports that the output reached the limit.
std::string ToEuc(const std::string& source, int limit = 1000) {
  std::vector<char> out(limit + 1);
  return SjisToEuc(out.data(), source.c_str(), limit) ? "!" : std::string(out.data());
}

TEST(PairTests, KnownPairsBothWays) {
  const struct {
    unsigned short euc;
    unsigned short sjis;
  } pairs[] = {
      {0xA1A1, 0x8140}, {0xA1DF, 0x817E}, {0xA1E0, 0x8180}, {0xA2A1, 0x819F}, {0xA4A2, 0x82A0},
      {0xADA1, 0x8740}, {0xB0A1, 0x889F}, {0xCFD3, 0x9872}, {0xD0A1, 0x989F}, {0xDFA1, 0xE040},
      {0xF4A6, 0xEAA4}, {0xF5A1, 0xEB40}, {0xFEFE, 0xEFFC},
  };
  for (const auto& p : pairs) {
    EXPECT_EQ(p.sjis, EucPairToSjis(p.euc)) << std::hex << p.euc;
    EXPECT_EQ(p.euc, SjisPairToEuc(p.sjis)) << std::hex << p.sjis;
  }
}

TEST(PairTests, SjisPairToEucOutsideItsDomainWrapsIn16Bits) {
  EXPECT_EQ(0xA1E0, SjisPairToEuc(0x817F));
  EXPECT_EQ(0xA08F, SjisPairToEuc(0x810D));
  EXPECT_EQ(0xFFA1, SjisPairToEuc(0xF040));
  EXPECT_EQ(0x98FE, SjisPairToEuc(0xFCFC));
}

TEST(PairTests, EucToSjisConvertsOnlyCompletePairs) {
  EXPECT_EQ("\x82\xA0 a\r\n\x88\x9F", Convert(EucToSjis, "\xA4\xA2 a\r\n\xB0\xA1"));
  EXPECT_EQ("\xA1\xA0", Convert(EucToSjis, "\xA1\xA0"));
  EXPECT_EQ("ab\xA4", Convert(EucToSjis, "ab\xA4"));
  EXPECT_EQ("\x82\xA0\xA4", Convert(EucToSjis, "\xA4\xA2\xA4"));
  EXPECT_EQ(
      "\xB1\xB2"
      "a",
      Convert(EucToSjis,
              "\x8E\xB1\x8E\xB2"
              "a"));                                              // half-width katakana
  EXPECT_EQ("\x8E\xE0\x8E", Convert(EucToSjis, "\x8E\xE0\x8E"));  // no katakana after 8E
  EXPECT_EQ("", Convert(EucToSjis, ""));
}

TEST(PairTests, SjisToEucTakesAnyByteAfterALead) {
  const struct {
    std::string sjis, euc;
    int limit;
  } rows[] = {
      {"\x82\xA0 \xB1\xDF\r\n", "\xA4\xA2 \x8E\xB1\x8E\xDF\r\n", 1000},
      {"\x81\x7F", "\xA1\xE0", 1000},
      {"\xF0\x40", "\xFF\xA1", 1000},
      {"\x81\x0D", "\xA0\x8F", 1000},
      {"ab\x82", "ab\x82", 1000},
      {"\x80\xA0\xFD\xFE\xFF", "\x80\xA0\xFD\xFE\xFF", 1000},
      {"", "", 1000},
      // A successful result is at most limit - 1 bytes long; nothing is cut.
      {"\xB1\xB2", "\x8E\xB1\x8E\xB2", 5},
      {"\xB1\xB2", "!", 4},
      {"a\x82\xA0", "!", 3},
      {"ab\x82", "ab\x82", 4},
  };
  for (const auto& r : rows) EXPECT_EQ(r.euc, ToEuc(r.sjis, r.limit)) << r.sjis;
}

// The plain statement of EucToSjis, one character at a time, against which
// the block-wise conversion is checked.
std::string ReferenceEucToSjis(const std::string& text) {
  auto isEuc = [](unsigned char c) { return c >= 0xA1 && c <= 0xFE; };
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    const unsigned char c = text[i];
    const unsigned char next = i + 1 < text.size() ? text[i + 1] : 0;
    if (c == 0x8E && next >= 0xA1 && next <= 0xDF) {
      out += static_cast<char>(next);
      ++i;
    } else if (isEuc(c) && isEuc(next)) {
      const unsigned short sjis = EucPairToSjis(
          static_cast<unsigned short>(c << 8 | static_cast<unsigned char>(text[i + 1])));
      out += static_cast<char>(sjis >> 8);
      out += static_cast<char>(sjis & 0xFF);
      ++i;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}

TEST(PairTests, EucToSjisConvertsEveryRowAndCellInRunningText) {
  for (int offset = 0; offset < 17; ++offset) {  // every position within a block
    std::string text(offset, 'a');
    for (int lead = 0xA1; lead <= 0xFE; ++lead) {
      for (int trail = 0xA1; trail <= 0xFE; ++trail) {
        text += static_cast<char>(lead);
        text += static_cast<char>(trail);
      }
    }
    ASSERT_EQ(ReferenceEucToSjis(text), Convert(EucToSjis, text)) << "offset " << offset;
  }
}

// Runs of every kind, of every length, at every alignment and across the
// points where the terminator search moves on.
TEST(PairTests, EucToSjisMatchesTheCharacterByCharacterRules) {
  std::mt19937 random(1234);
  const char pool[] = {'a', '\r', '\n', '\x7F', '\x80', '\x8E', '\xA0', '\xFF', '\x01'};
  for (int round = 0; round < 300; ++round) {
    std::string text;
    const size_t size = round < 250 ? random() % 300 : 9000 + random() % 500;
    while (text.size() < size) {
      const int run = 1 + random() % 40;
      const int kind = random() % 3;
      for (int i = 0; i < run; ++i) {
        if (kind == 0) text += static_cast<char>(0xA1 + random() % 0x5E);
        if (kind == 1) text += static_cast<char>(0x20 + random() % 0x5F);
        if (kind == 2) text += pool[random() % sizeof pool];
      }
    }
    ASSERT_EQ(ReferenceEucToSjis(text), Convert(EucToSjis, text)) << "round " << round;
  }
}

}  // namespace
