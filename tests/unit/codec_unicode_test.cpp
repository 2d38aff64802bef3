// UTF-8 and UTF-16 bytes against their code units, both ways, and which
// files count as which form.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "codec/codec.h"

namespace {

using E = TextEncoding;

TEST(UnicodeTests, BytesAndUnitsBothWays) {
  const struct {
    E encoding;
    std::string bytes;
    std::vector<unsigned short> units;
    int malformed;
  } rows[] = {
      {E::Utf8, "a\xE6\x97\xA5\xEF\xBD\xB1", {'a', 0x65E5, 0xFF71}, 0},
      {E::Utf8, "\xC2\xA7\xF0\x9F\x98\x80", {0xA7, 0xD83D, 0xDE00}, 0},
      {E::Utf8, "\xC0\xAF\xED\xA0\x80", {0xFFFD, 0xFFFD, 0xFFFD, 0xFFFD, 0xFFFD}, 1},
      {E::Utf8, "\xE6\x97", {0xFFFD, 0xFFFD}, 1},
      {E::Utf16Le, std::string("a\0\xE5\x65\x3D\xD8\x00\xDE", 8), {'a', 0x65E5, 0xD83D, 0xDE00}, 0},
      {E::Utf16Be, std::string("\0a\x65\xE5", 4), {'a', 0x65E5}, 0},
      {E::Utf16Be, std::string("\0a\x65", 3), {'a', 0xFFFD}, 1},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.bytes);
    // Two units at a time: the smallest piece, which must not split a pair.
    std::vector<unsigned short> units;
    int at = 0, malformed = 0;
    unsigned short piece[2];
    while (int n = DecodeUnits(r.encoding, r.bytes.data(), static_cast<int>(r.bytes.size()), &at,
                               piece, 2, &malformed)) {
      units.insert(units.end(), piece, piece + n);
    }
    EXPECT_EQ(units, r.units);
    EXPECT_EQ(malformed, r.malformed);
    if (r.malformed) continue;
    char out[16];
    const int count = static_cast<int>(units.size());
    EXPECT_EQ(std::string(out, EncodeUnits(r.encoding, units.data(), count, out, sizeof out)),
              r.bytes);
    EXPECT_EQ(EncodeUnits(r.encoding, units.data(), count, out, r.bytes.size() - 1), -1);
  }
  const unsigned short lone[] = {0xDC00, 'x'};
  char out[8];
  EXPECT_EQ(std::string(out, EncodeUnits(E::Utf8, lone, 2, out, 8)), "\xEF\xBF\xBDx");
}

TEST(UnicodeTests, RecognisesTheFormsAndTheirMarks) {
  const struct {
    std::string bytes;
    E form;
    int mark;
  } rows[] = {
      {"\xEF\xBB\xBF", E::Utf8, 3},
      {"\xFF\xFE", E::Utf16Le, 2},
      {"\xFE\xFF\0a", E::Utf16Be, 2},
      {std::string("a\0b\0", 4), E::Utf16Le, 0},
      {std::string("\0a\0b", 4), E::Utf16Be, 0},
      {std::string("a\0b\0c", 5), E::Sjis, 0},  // odd length
      {std::string("a\0bc", 4), E::Sjis, 0},    // one zero
      {"\xE3\x81\x82\r\n", E::Utf8, 0},
      {"abc\r\n", E::Sjis, 0},  // no multi-byte character
      {"\x82\xA0\x82\xA2", E::Sjis, 0},
      {"\xB3\xDE", E::Sjis, 0},
  };
  for (const auto& r : rows) {
    int mark = -1;
    EXPECT_EQ(RecogniseUnicode(r.bytes.data(), static_cast<int>(r.bytes.size()), &mark), r.form)
        << r.bytes;
    EXPECT_EQ(mark, r.mark) << r.bytes;
  }
}

}  // namespace
