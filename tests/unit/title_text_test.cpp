#include "document/title_text.h"

#include <gtest/gtest.h>

#include <string>

#include "text/path_helpers.h"

TEST(TitleText, NamedDocumentAndModifiedMark) {
  char title[kTitleCapacity];
  FormatDocumentTitle(title, "memo.txt");
  EXPECT_STREQ(title, "memo.txt - Hakuzo");
  // A file in a folder named 文書 (95 B6 8F 91) is titled by its own name.
  FormatDocumentTitle(title, FileNamePart("D:\\文書\\memo.txt"));
  EXPECT_STREQ(title, "memo.txt - Hakuzo");
  EXPECT_EQ(AppendModifiedMark(title, kTitleReadCapacity), 1);
  EXPECT_STREQ(title, "memo.txt - Hakuzo *");
  EXPECT_EQ(AppendModifiedMark(title, kTitleReadCapacity), 0);
  EXPECT_STREQ(title, "memo.txt - Hakuzo *");
  char plain[kTitleReadCapacity] = "Hakuzo";
  AppendModifiedMark(plain, sizeof plain);
  EXPECT_STREQ(plain, "Hakuzo *");
}

TEST(TitleText, LongNamesAreCutSoTheMarkStillFits) {
  char title[kTitleCapacity];
  std::string name = "\x95\x5c" + std::string(258, 'n');  // 260 bytes
  FormatDocumentTitle(title, name.c_str());
  std::string t = title;
  EXPECT_LE(static_cast<int>(t.size()), kTitleLimit);
  EXPECT_EQ(t.substr(t.size() - 12), "... - Hakuzo");
  EXPECT_EQ(t.substr(0, 2), "\x95\x5c");
  EXPECT_EQ(AppendModifiedMark(title, kTitleReadCapacity), 1);
  EXPECT_EQ(std::string(title).substr(t.size()), " *");
  // A double-byte character at the cut is dropped whole, never split.
  std::string kanji;
  for (int i = 0; i < 130; ++i) kanji += "\x95\x5c";
  FormatDocumentTitle(title, kanji.c_str());
  t = title;
  std::string head = t.substr(0, t.size() - 12);
  EXPECT_EQ(head.size() % 2, 0u);
}
