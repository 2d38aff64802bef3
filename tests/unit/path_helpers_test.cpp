#include "text/path_helpers.h"

#include <gtest/gtest.h>

TEST(PathHelpers, FileNamePart) {
  EXPECT_STREQ(FileNamePart("D:\\docs\\memo.txt"), "memo.txt");
  EXPECT_STREQ(FileNamePart("memo.txt"), "memo.txt");
  EXPECT_STREQ(FileNamePart("D:\\"), "");
  EXPECT_STREQ(FileNamePart(""), "");
  EXPECT_STREQ(FileNamePart("\\a"), "a");
  // A trail byte is never a separator (表 is 95 5C) nor taken for a lead byte
  // (文書 is 95 B6 8F 91, メモ 83 81 83 82); a lone lead byte is a character.
  EXPECT_STREQ(FileNamePart("D:\\表\\a.txt"), "a.txt");
  EXPECT_STREQ(FileNamePart("D:\\表"), "表");
  EXPECT_STREQ(FileNamePart("D:\\文書\\memo.txt"), "memo.txt");
  EXPECT_STREQ(FileNamePart("D:\\メ\\a.txt"), "a.txt");
  EXPECT_STREQ(FileNamePart("C:\\メモ\\表\\文書"), "文書");
  EXPECT_STREQ(FileNamePart("D:\\a\x83"), "a\x83");
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
  const char* dottedFolder = "D:\\a.メ\\b";
  EXPECT_EQ(FileExtension(dottedFolder), dottedFolder);
  const char* empty = "memo.";
  EXPECT_EQ(FileExtension(empty), empty + 5);
  const char* none = "memo";
  EXPECT_EQ(FileExtension(none), none);
  EXPECT_STREQ(FindLastChar("a.b.c", '.'), "c");
}
