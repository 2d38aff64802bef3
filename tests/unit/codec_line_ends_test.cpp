#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "codec/codec.h"

namespace {

struct Converted {
  int rc;
  std::string text;
};

using LineEndConverter = int (*)(char*, const char*, int);

// Runs a converter into a buffer of limit + 1 bytes followed by a guard byte
// that must survive even an overflowing call.
Converted Rewrite(LineEndConverter convert, const std::string& source, int limit = 64000) {
  std::vector<char> out(limit + 2, '\x55');
  const int rc = convert(out.data(), source.c_str(), limit);
  EXPECT_EQ('\x55', out[limit + 1]) << "wrote past limit + 1 bytes";
  if (rc != 0) return {rc, std::string()};
  return {rc, std::string(out.data())};
}

TEST(LineEndTests, HasLineBreakAndIsFirstBreakBareLf) {
  EXPECT_EQ(0, HasLineBreak(""));
  EXPECT_EQ(0, HasLineBreak("abc\t\x0C\xFF"));
  EXPECT_EQ(1, HasLineBreak("abc\r"));
  EXPECT_EQ(1, HasLineBreak("\nabc"));

  EXPECT_EQ(0, IsFirstBreakBareLf(""));
  EXPECT_EQ(0, IsFirstBreakBareLf("abc"));
  EXPECT_EQ(1, IsFirstBreakBareLf("\nabc"));
  EXPECT_EQ(0, IsFirstBreakBareLf("a\r\nb\nc"));
  EXPECT_EQ(1, IsFirstBreakBareLf("a\nb\r\nc"));
  EXPECT_EQ(0, IsFirstBreakBareLf("a\rb\rc\r"));
  EXPECT_EQ(1, IsFirstBreakBareLf("a\rb\n"));
}

TEST(LineEndTests, NeedsEncodingCheckPassesPrintableAsciiTabCrLfOnly) {
  EXPECT_EQ(0, NeedsEncodingCheck(""));
  EXPECT_EQ(0, NeedsEncodingCheck("Ab c\t~\r\n!"));
  for (int b = 1; b < 256; ++b) {
    const char text[] = {'a', static_cast<char>(b), 'z', 0};
    const bool passes = (b >= 0x20 && b <= 0x7E) || b == 0x09 || b == 0x0A || b == 0x0D;
    EXPECT_EQ(passes ? 0 : 1, NeedsEncodingCheck(text)) << "byte " << b;
  }
}

TEST(LineEndTests, ToCrLfRewritesBareBreaks) {
  const struct {
    const char* in;
    const char* out;
  } cases[] = {
      {"", ""},
      {"a\nb", "a\r\nb"},
      {"a\rb", "a\r\nb"},
      {"a\r\nb", "a\r\nb"},
      {"ab\r", "ab\r\n"},
      {"\nx", "\r\nx"},
      {"\r\r\n", "\r\n\r\n"},
      {"\n\r", "\r\n\r\n"},
      {"\x82\xA0\n\n", "\x82\xA0\r\n\r\n"},
  };
  for (const auto& c : cases) {
    const Converted r = Rewrite(ToCrLf, c.in);
    EXPECT_EQ(0, r.rc) << c.in;
    EXPECT_EQ(c.out, r.text);
  }
}

TEST(LineEndTests, ToCrLfLimitIsTestedAfterEachSourceByte) {
  const Converted lf31999 = Rewrite(ToCrLf, std::string(31999, '\n'));
  EXPECT_EQ(0, lf31999.rc);
  EXPECT_EQ(63998u, lf31999.text.size());
  EXPECT_EQ(1, Rewrite(ToCrLf, std::string(32000, '\n')).rc);

  const Converted plain63999 = Rewrite(ToCrLf, std::string(63999, 'a'));
  EXPECT_EQ(0, plain63999.rc);
  EXPECT_EQ(63999u, plain63999.text.size());
  EXPECT_EQ(1, Rewrite(ToCrLf, std::string(64000, 'a')).rc);

  // The last source byte writes two bytes, the most an overflow ever writes.
  EXPECT_EQ(1, Rewrite(ToCrLf, std::string(63999, 'a') + "\r").rc);
  EXPECT_EQ(1, Rewrite(ToCrLf, std::string(63998, 'a') + "\n").rc);
  EXPECT_EQ(0, Rewrite(ToCrLf, std::string(63997, 'a') + "\n").rc);
}

TEST(LineEndTests, FromCrLfDropsEachCrAndCopiesItsSuccessor) {
  const struct {
    const char* in;
    const char* out;
  } cases[] = {
      {"", ""},       {"a\r\nb", "a\nb"}, {"a\rb", "ab"},       {"\r\r\n", "\r\n"},
      {"ab\r", "ab"}, {"a\nb", "a\nb"},   {"\r\n\r\n", "\n\n"},
  };
  for (const auto& c : cases) {
    const Converted r = Rewrite(FromCrLf, c.in);
    EXPECT_EQ(0, r.rc) << c.in;
    EXPECT_EQ(c.out, r.text);
  }
  EXPECT_EQ(0, Rewrite(FromCrLf, std::string(63999, 'a')).rc);
  EXPECT_EQ(1, Rewrite(FromCrLf, std::string(64000, 'a')).rc);
  EXPECT_EQ(1, Rewrite(FromCrLf, "a\r\nbc", 3).rc);
  EXPECT_EQ(0, Rewrite(FromCrLf, "a\r\nb", 4).rc);
}

}  // namespace
