#include "text/text.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

TEST(Text, CopyAndAppendCutOnlyAtCharacterBoundaries) {
  char buffer[6];
  EXPECT_EQ(CopyText(buffer, sizeof buffer, "abcdefgh"), 5);
  EXPECT_STREQ(buffer, "abcde");
  // "ab表" is 61 62 95 5C: with room for three bytes the pair must not be split.
  char small[4];
  EXPECT_EQ(CopyText(small, sizeof small, "ab\x95\x5c"), 2);
  EXPECT_STREQ(small, "ab");
  char room[8] = "ab";
  EXPECT_EQ(AppendText(room, sizeof room, "\x95\x5c\x95\x5c\x95\x5c"), 6);
  EXPECT_STREQ(room, "ab\x95\x5c\x95\x5c");
  // A lead byte at the very end of the source is copied as a single byte.
  EXPECT_EQ(CopyText(buffer, sizeof buffer, "a\x82"), 2);
  EXPECT_EQ(CopyText(buffer, 0, "abc"), 0);
}

TEST(Text, FormatNumbersAndStrings) {
  char out[64];
  FormatText(out, sizeof out, "%04d:%04d", 5, 12);
  EXPECT_STREQ(out, "0005:0012");
  FormatText(out, sizeof out, "%04d", 123456);
  EXPECT_STREQ(out, "123456");
  FormatText(out, sizeof out, "%d|%d|%d", -19, 0, -2147483647 - 1);
  EXPECT_STREQ(out, "-19|0|-2147483648");
  FormatText(out, sizeof out, "%s - %s 100%%", "memo.txt", "Hakuzo");
  EXPECT_STREQ(out, "memo.txt - Hakuzo 100%");
  FormatText(out, sizeof out, "%u %05d", 4294967295u, -42);
  EXPECT_STREQ(out, "4294967295 -0042");
}

TEST(Text, FormatNeverWritesPastItsCapacity) {
  char out[16];
  std::memset(out, 'X', sizeof out);
  int n = FormatText(out, 10, "%s%s", "0123456789", "abc");
  EXPECT_EQ(n, 9);
  EXPECT_STREQ(out, "012345678");
  EXPECT_EQ(out[10], 'X');
  // A Japanese literal in the format is never split either.
  FormatText(out, 4, "a表b");
  EXPECT_STREQ(out, "a\x95\x5c");
  FormatText(out, 3, "a表b");
  EXPECT_STREQ(out, "a");
}
