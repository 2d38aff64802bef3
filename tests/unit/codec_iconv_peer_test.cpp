// Checks the table-free pair arithmetic against glibc's table-driven iconv.
#include <gtest/gtest.h>
#include <iconv.h>

#include <cstdio>

#include "codec/codec.h"

namespace {

// Converts one two-byte character; returns the two-byte result, or -1 when
// iconv rejects it or yields anything but two bytes.
int ConvertPair(iconv_t cd, unsigned short code) {
  char in[2] = {static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
  unsigned char out[8];
  char* inPtr = in;
  size_t inLeft = sizeof in;
  char* outPtr = reinterpret_cast<char*>(out);
  size_t outLeft = sizeof out;
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1)) return -1;
  if (iconv(cd, nullptr, nullptr, &outPtr, &outLeft) == static_cast<size_t>(-1)) return -1;
  if (outPtr - reinterpret_cast<char*>(out) != 2) return -1;
  return out[0] << 8 | out[1];
}

TEST(IconvPeerTests, PairsAgreeWithGlibcOnEveryJisX0208Character) {
  const iconv_t eucToSjis = iconv_open("SHIFT_JIS", "EUC-JP");
  const iconv_t sjisToEuc = iconv_open("EUC-JP", "SHIFT_JIS");
  ASSERT_NE(reinterpret_cast<iconv_t>(-1), eucToSjis);
  ASSERT_NE(reinterpret_cast<iconv_t>(-1), sjisToEuc);

  int compared = 0;
  for (int row = 1; row <= 94; ++row) {
    for (int cell = 1; cell <= 94; ++cell) {
      const unsigned short euc = static_cast<unsigned short>((row + 0xA0) << 8 | (cell + 0xA0));
      const unsigned short sjis = EucPairToSjis(euc);
      const int peerSjis = ConvertPair(eucToSjis, euc);
      const int peerEuc = ConvertPair(sjisToEuc, sjis);
      // Both tables leave the same codes undefined: a one-sided answer
      // would mean the arithmetic lands on another table slot.
      EXPECT_EQ(peerSjis < 0, peerEuc < 0) << std::hex << euc;
      if (peerSjis < 0 || peerEuc < 0) continue;
      ++compared;
      EXPECT_EQ(peerSjis, sjis) << std::hex << euc;
      EXPECT_EQ(peerEuc, SjisPairToEuc(sjis)) << std::hex << sjis;
    }
  }
  iconv_close(eucToSjis);
  iconv_close(sjisToEuc);
  std::printf("compared %d JIS X 0208 characters with iconv\n", compared);
  RecordProperty("compared", compared);
  EXPECT_EQ(6879, compared);  // the whole repertoire of JIS X 0208:1990
}

// The round trip makes the mapping one-to-one; staying inside the 47 x 188
// Shift_JIS codes, as many as there are rows x cells, makes it onto them.
TEST(IconvPeerTests, EveryRowAndCellSurvivesTheRoundTrip) {
  for (int lead = 0xA1; lead <= 0xFE; ++lead) {
    for (int trail = 0xA1; trail <= 0xFE; ++trail) {
      const unsigned short euc = static_cast<unsigned short>(lead << 8 | trail);
      const unsigned short sjis = EucPairToSjis(euc);
      const int sLead = sjis >> 8, sTrail = sjis & 0xFF;
      ASSERT_TRUE((sLead >= 0x81 && sLead <= 0x9F) || (sLead >= 0xE0 && sLead <= 0xEF))
          << std::hex << euc;
      ASSERT_TRUE(sTrail >= 0x40 && sTrail <= 0xFC && sTrail != 0x7F) << std::hex << euc;
      ASSERT_EQ(euc, SjisPairToEuc(sjis)) << std::hex << euc;
    }
  }
}

}  // namespace
