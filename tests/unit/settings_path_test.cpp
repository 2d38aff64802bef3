#include "settings/settings_path.h"

#include <gtest/gtest.h>

#include <string>

#include "settings/settings_keys.h"

TEST(SettingsPath, FileLiesBesideTheExeNamedByTheUser) {
  char path[kSettingsPathCapacity];
  EXPECT_EQ(ComposeSettingsPath(path, "D:\\Tools\\editor.exe", "taro", "Hkz.ini"), 1);
  EXPECT_STREQ(path, "D:\\Tools\\taroHkz.ini");
  // An exe whose own name holds the byte 0x5C (表) still finds its folder.
  EXPECT_EQ(ComposeSettingsPath(path, "D:\\x\\\x95\x5c.exe", "taro", "Hkz.ini"), 1);
  EXPECT_STREQ(path, "D:\\x\\taroHkz.ini");
  // No user name: the file is still beside the exe.
  EXPECT_EQ(ComposeSettingsPath(path, "C:\\h\\hakuzo.exe", "", "Hkz.ini"), 1);
  EXPECT_STREQ(path, "C:\\h\\Hkz.ini");
}

TEST(SettingsPath, TooLongKeepsTheBareFolder) {
  char path[kSettingsPathCapacity];
  std::string folder = "C:\\" + std::string(240, 'f');  // 243 bytes
  std::string exe = folder + "\\e.exe";
  // 243 + 7 + 9 = 259 fits; one more byte of user name reaches 260.
  EXPECT_EQ(ComposeSettingsPath(path, exe.c_str(), "abcdefghi", "Hkz.ini"), 1);
  EXPECT_EQ(std::string(path), folder + "\\abcdefghiHkz.ini");
  EXPECT_EQ(ComposeSettingsPath(path, exe.c_str(), "abcdefghij", "Hkz.ini"), 0);
  EXPECT_EQ(std::string(path), folder);
}

TEST(SettingsKeys, RecentFileKeys) {
  char key[kRecentKeyCapacity];
  FormatRecentFileKey(key, 0);
  EXPECT_STREQ(key, "Recent File0");
  FormatRecentFileKey(key, 9);
  EXPECT_STREQ(key, "Recent File9");
}
