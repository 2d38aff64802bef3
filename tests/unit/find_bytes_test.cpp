#include "search/find_bytes.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>

namespace {

int Next(const std::string& text, const std::string& pattern, int from) {
  return FindNextWrapped(text.data(), static_cast<int>(text.size()), pattern.data(),
                         static_cast<int>(pattern.size()), from);
}

int Previous(const std::string& text, const std::string& pattern, int before) {
  return FindPreviousWrapped(text.data(), static_cast<int>(text.size()), pattern.data(),
                             static_cast<int>(pattern.size()), before);
}

// The definitions, byte by byte.
int NaiveFirst(const std::string& text, const std::string& pattern, int from) {
  int n = static_cast<int>(text.size()), m = static_cast<int>(pattern.size());
  for (int i = from < 0 ? 0 : from; m > 0 && i + m <= n; ++i) {
    if (std::memcmp(text.data() + i, pattern.data(), m) == 0) return i;
  }
  return -1;
}

int NaiveLastBefore(const std::string& text, const std::string& pattern, int before) {
  int last = -1;
  for (int i = NaiveFirst(text, pattern, 0); i >= 0 && i < before;
       i = NaiveFirst(text, pattern, i + 1)) {
    last = i;
  }
  return last;
}

}  // namespace

TEST(FindBytes, EdgeCasesBothWaysWithWrap) {
  // abcabc: forwards from the selection end, wrapping to the start.
  EXPECT_EQ(Next("abcabc", "abc", 0), 0);
  EXPECT_EQ(Next("abcabc", "abc", 3), 3);
  EXPECT_EQ(Next("abcabc", "abc", 6), 0);
  EXPECT_EQ(Next("abcabc", "abc", 99), 0);  // a selection past the text counts as its end
  // Backwards from the selection start, wrapping to the last occurrence.
  EXPECT_EQ(Previous("abcabc", "abc", 3), 0);
  EXPECT_EQ(Previous("abcabc", "abc", 0), 3);
  EXPECT_EQ(Previous("abcabc", "abc", 4), 3);  // reaches past the selection start
  // Overlapping occurrences.
  EXPECT_EQ(Next("aaa", "aa", 0), 0);
  EXPECT_EQ(Next("aaa", "aa", 2), 0);
  EXPECT_EQ(Previous("aaa", "aa", 3), 1);
  EXPECT_EQ(Previous("aaa", "aa", 1), 0);
  // Nothing to find.
  EXPECT_EQ(Next("abc", "abcd", 0), -1);
  EXPECT_EQ(Previous("abc", "abcd", 3), -1);
  EXPECT_EQ(Next("abc", "ABC", 0), -1);
  EXPECT_EQ(Previous("abc", "ABC", 3), -1);
  EXPECT_EQ(Next("", "a", 0), -1);
  EXPECT_EQ(Previous("", "a", 0), -1);
  EXPECT_EQ(Next("abc", "", 0), -1);
  // Whole characters only (表 is 95 5C, ャ 83 83, ア 83 41, ｱ the byte B1),
  // going on past a trail-byte match both ways and across the wrap.
  EXPECT_EQ(Next("a\\表\\b", "\\", 2), 4);
  EXPECT_EQ(Next("a\\表\\b", "\\", 5), 1);
  EXPECT_EQ(Previous("a\\表\\b", "\\", 4), 1);
  EXPECT_EQ(Previous("xャAyアz", "ア", 3), 5);
  EXPECT_EQ(Next("ｱア", "ア", 0), 1);
  EXPECT_EQ(Next("表", "\x95", 0), -1);
  // Plain searches do not wrap.
  EXPECT_EQ(FindBytes("abcabc", 6, "abc", 3, 4), -1);
  EXPECT_EQ(FindBytesBefore("abcabc", 6, "abc", 3, 0), -1);
  // Only the given length is searched, terminator or not.
  EXPECT_EQ(FindBytes("abcab|c", 5, "abc", 3, 1), -1);
}

TEST(FindBytes, RandomInputsMatchTheByteByByteDefinition) {
  std::mt19937 random(12345);
  const int sizes[] = {0, 1, 2, 3, 5, 8, 13, 31, 64, 200, 1000};
  int checked = 0;
  for (int round = 0; round < 4000; ++round) {
    int alphabet = 1 + static_cast<int>(random() % 3);
    int n = sizes[random() % (sizeof sizes / sizeof sizes[0])];
    int m = 1 + static_cast<int>(random() % (round % 4 == 0 ? 40 : 6));
    std::string text(n, 0), pattern(m, 0);
    // Bytes from the top half too: the order of signed and unsigned bytes
    // must not matter. No lead bytes: character boundaries are the fuzz
    // target's business.
    for (char& c : text) c = static_cast<char>(0x7E + random() % alphabet);
    // Periodic texts with a few flaws: the hard cases for shifting searches.
    if (round % 3 == 0) {
      int unit = 1 + static_cast<int>(random() % 4);
      for (int i = unit; i < n; ++i) text[i] = random() % 16 ? text[i - unit] : text[i];
    }
    for (char& c : pattern) c = static_cast<char>(0x7E + random() % alphabet);
    // Patterns cut from the text find something more often.
    if (n > 0 && random() % 2) pattern = text.substr(random() % n, m);
    if (pattern.empty()) continue;
    for (int at = -1; at <= n + 1; at += 1 + n / 17) {
      int first = NaiveFirst(text, pattern, at);
      ASSERT_EQ(FindBytes(text.data(), n, pattern.data(), static_cast<int>(pattern.size()), at),
                first)
          << text << " / " << pattern << " @" << at;
      int wrapped = first >= 0 ? first : NaiveFirst(text, pattern, 0);
      ASSERT_EQ(Next(text, pattern, at), wrapped) << text << " / " << pattern << " @" << at;
      int last = NaiveLastBefore(text, pattern, at);
      int lastWrapped = last >= 0 ? last : NaiveLastBefore(text, pattern, n + 1);
      ASSERT_EQ(Previous(text, pattern, at), lastWrapped) << text << " / " << pattern << " @" << at;
      ++checked;
    }
  }
  EXPECT_GT(checked, 20000);
}
