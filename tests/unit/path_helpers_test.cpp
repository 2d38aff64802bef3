#include "document/path_helpers.h"

#include <gtest/gtest.h>

TEST(PathHelpers, FileNamePart) {
  EXPECT_STREQ(FileNamePart("D:\\docs\\memo.txt"), "memo.txt");
  EXPECT_STREQ(FileNamePart("memo.txt"), "memo.txt");
  EXPECT_STREQ(FileNamePart("D:\\"), "");
  EXPECT_STREQ(FileNamePart(""), "");
  EXPECT_STREQ(FileNamePart("\\a"), "a");
}

TEST(PathHelpers, DoubleByteCharactersNeverHideOrFakeASeparator) {
  struct Case {
    const char* path;
    const char* name;
  } cases[] = {
      // 表 is 95 5C: its trail byte is no separator.
      {"D:\\表\\a.txt", "a.txt"},
      {"D:\\表", "表"},
      {"表\\表", "表"},
      // Trail bytes in the lead ranges: 文書 is 95 B6 8F 91, メモ 83 81 83 82.
      {"D:\\文書\\memo.txt", "memo.txt"},
      {"D:\\メ\\a.txt", "a.txt"},
      {"C:\\メモ\\表\\文書", "文書"},
      // A lone lead byte before the terminator is a character of its own.
      {"D:\\a\x83", "a\x83"},
  };
  for (const Case& c : cases) EXPECT_STREQ(FileNamePart(c.path), c.name) << c.path;
  const char* dottedFolder = "D:\\a.メ\\b";
  EXPECT_EQ(FileExtension(dottedFolder), dottedFolder);
  EXPECT_STREQ(FileExtension("D:\\メ\\a.txt"), "txt");
}

TEST(PathHelpers, CuttingAtTheFileNameLeavesTheFolder) {
  char path[] = "D:\\docs\\memo.txt";
  *FileNamePart(path) = 0;
  EXPECT_STREQ(path, "D:\\docs\\");
}

TEST(PathHelpers, FileExtension) {
  EXPECT_STREQ(FileExtension("D:\\docs\\memo.txt"), "txt");
  const char* noExtension = "D:\\backup.old\\readme";
  EXPECT_EQ(FileExtension(noExtension), noExtension);
  EXPECT_STREQ(FileExtension(".profile"), "profile");
  const char* empty = "memo.";
  EXPECT_EQ(FileExtension(empty), empty + 5);
  const char* none = "memo";
  EXPECT_EQ(FileExtension(none), none);
  EXPECT_STREQ(FindLastChar("a.b.c", '.'), "c");
}
