#include "document/path_helpers.h"

#include <gtest/gtest.h>

TEST(PathHelpers, FileNamePart) {
  EXPECT_STREQ(FileNamePart("D:\\docs\\memo.txt"), "memo.txt");
  EXPECT_STREQ(FileNamePart("memo.txt"), "memo.txt");
  EXPECT_STREQ(FileNamePart("D:\\"), "");
  EXPECT_STREQ(FileNamePart(""), "");
  EXPECT_STREQ(FileNamePart("\\a"), "a");
  // 表 is 95 5C: its trail byte is no separator.
  EXPECT_STREQ(FileNamePart("D:\\\x95\x5c\\a.txt"), "a.txt");
  EXPECT_STREQ(FileNamePart("D:\\\x95\x5c"), "\x95\x5c");
  // メ is 83 81: the one-byte look-back takes the real separator after it
  // for a trail byte, and the name reaches back to the previous separator.
  EXPECT_STREQ(FileNamePart("D:\\\x83\x81\\a.txt"), "\x83\x81\\a.txt");
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
