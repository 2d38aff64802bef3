// The settings file through the store's own reads and writes: defaults,
// number forms, the two spellings of one key, sections and cut texts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "harness.h"
#include "settings/settings_store.h"

namespace {

// The whole file as text, for what the INI functions would hide.
std::string FileText() {
  return ReadBytes(Settings.path);
}

class SettingsFile : public testing::Test {
 protected:
  void SetUp() override { DeleteSettingsFile(); }
  void TearDown() override { DeleteSettingsFile(); }
};

}  // namespace

TEST(SettingsStore, PathLiesBesideTheExeNamedByTheUser) {
  char user[260];
  DWORD size = sizeof user;
  ASSERT_TRUE(GetUserNameA(user, &size));
  char* path = SettingsPath("Hkz.ini");
  ASSERT_EQ(path, Settings.path);
  EXPECT_EQ(std::string(path), ExeFolder() + "\\" + user + "Hkz.ini");
}

TEST_F(SettingsFile, EveryKeyHasItsDefaultWithoutAFile) {
  ASSERT_FALSE(FileExists(Settings.path));
  struct Expected {
    const SettingKey& key;
    int value;
  };
  const Expected ints[] = {
      {kWordWrap, 1},         {kAutoIndent, 0},   {kDefaultEuc, 0},   {kDefaultLf, 0},
      {kImeOnStartup, 0},     {kUseHistory, 0},   {kStatusBar, 0},    {kTextColor, 0},
      {kBackColor, 16777215}, {kFontHeight, -19}, {kFontWidth, 0},    {kFontWeight, 400},
      {kFontCharSet, 128},    {kFontItalic, 0},   {kOpenMode, 40011}, {kSavePosition, 0},
      {kSaveSize, 0},         {kWindowLeft, 1},   {kWindowTop, 1},    {kWindowWidth, 320},
      {kWindowHeight, 320},   {kRelayProcess, 0}, {kNoInquire, 0},
  };
  for (const Expected& e : ints) EXPECT_EQ(ReadSettingInt(e.key), e.value) << e.key.name;
  // "Last Open Mode" falls back to the show mode that start-up was given.
  EXPECT_EQ(ReadSettingInt(kLastOpenMode, 3), 3);

  char text[260] = "x";
  EXPECT_EQ(ReadSettingText(kFaceName, text, 32), 8);
  EXPECT_STREQ(text, "Terminal");
  EXPECT_EQ(ReadSettingText(kProcessName, text, 256), 0);
  EXPECT_STREQ(text, "");
  EXPECT_EQ(ReadSettingText(kRecentSection, "Recent File0", text, sizeof text), 0);
  // Reads make no file.
  EXPECT_FALSE(FileExists(Settings.path));
}

TEST_F(SettingsFile, NumbersAreWrittenAsDecimalText) {
  WriteSetting(kFontHeight, -19);
  EXPECT_EQ(IniValue("Font", "Height"), "-19");
  EXPECT_EQ(ReadSettingInt(kFontHeight), -19);
  WriteSetting(kTextColor, 255);  // pure red: 0x00BBGGRR
  EXPECT_EQ(IniValue("Font", "Text Color"), "255");
  EXPECT_EQ(GetRValue(ReadSettingInt(kTextColor)), 255);
  EXPECT_EQ(GetBValue(ReadSettingInt(kTextColor)), 0);
  WriteSettingInt("Window", "Left", -2147483647 - 1, Settings.path);
  EXPECT_EQ(IniValue("Window", "Left"), "-2147483648");
  EXPECT_EQ(ReadSettingInt(kWindowLeft), -2147483647 - 1);
  // [Font] Width and [Window] Width are different keys.
  WriteSetting(kFontWidth, 7);
  EXPECT_EQ(ReadSettingInt(kWindowWidth), 320);
}

TEST_F(SettingsFile, ImeKeyIsWrittenInOneSpellingAndReadInTheOther) {
  WriteSetting(kImeOnStartupWritten, 1);
  EXPECT_NE(FileText().find("Ime On Startup=1"), std::string::npos) << FileText();
  EXPECT_EQ(ReadSettingInt(kImeOnStartup), 1);
  // One key, not two: a later write replaces the value.
  WriteSetting(kImeOnStartupWritten, 0);
  EXPECT_EQ(ReadSettingInt(kImeOnStartup), 0);
  EXPECT_EQ(FileText().find("IME"), std::string::npos);
}

TEST_F(SettingsFile, RecentSectionReadsAndRemoval) {
  WriteSettingText(kRecentSection, "Recent File0", "C:\\a.txt");
  WriteSettingText(kRecentSection, "Recent File2", "C:\\c.txt");
  WriteSetting(kUseHistory, 1);
  char text[260];
  EXPECT_EQ(ReadSettingText(kRecentSection, "Recent File0", text, sizeof text), 8);
  EXPECT_STREQ(text, "C:\\a.txt");
  EXPECT_EQ(ReadSettingText(kRecentSection, "Recent File1", text, sizeof text), 0);
  EXPECT_STREQ(text, "");
  EXPECT_EQ(ReadSettingText(kRecentSection, "recent file2", text, sizeof text), 8);

  DeleteSettingSection(kRecentSection);
  EXPECT_FALSE(IniHasKey(kRecentSection, "Recent File0"));
  EXPECT_FALSE(IniHasKey(kRecentSection, "Recent File2"));
  EXPECT_EQ(FileText().find("[Recent]"), std::string::npos) << FileText();
  EXPECT_EQ(ReadSettingInt(kUseHistory), 1);
}

TEST_F(SettingsFile, LongTextsAreCutToTheBuffer) {
  const std::string face(40, 'f');
  WriteSettingText(kFaceName.section, kFaceName.name, face.c_str());
  char text[32];
  EXPECT_EQ(ReadSettingText(kFaceName, text, sizeof text), 31);
  EXPECT_EQ(std::string(text), face.substr(0, 31));
}

TEST_F(SettingsFile, FolderAsPathGivesDefaultsAndKeepsNothing) {
  std::string saved = Settings.path;
  std::string folder = TestFolder();
  // What start-up leaves when the path would be too long: the bare folder.
  lstrcpyA(Settings.path, folder.c_str());
  WriteSetting(kWordWrap, 0);
  WriteSetting(kFontHeight, 12);
  WriteSettingText(kFaceName.section, kFaceName.name, "Gothic");
  WriteSettingText(kRecentSection, "Recent File0", "C:\\a.txt");
  EXPECT_EQ(ReadSettingInt(kWordWrap), 1);
  EXPECT_EQ(ReadSettingInt(kFontHeight), -19);
  char text[32];
  EXPECT_EQ(ReadSettingText(kFaceName, text, sizeof text), 8);
  EXPECT_STREQ(text, "Terminal");
  DeleteSettingSection(kRecentSection);
  lstrcpyA(Settings.path, saved.c_str());

  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
  std::vector<std::string> names;
  if (search != INVALID_HANDLE_VALUE) {
    do {
      std::string name = found.cFileName;
      if (name != "." && name != "..") names.push_back(name);
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }
  EXPECT_TRUE(names.empty());
  EXPECT_FALSE(FileExists(Settings.path));
  EXPECT_EQ(GetFileAttributesA(folder.c_str()) & FILE_ATTRIBUTE_DIRECTORY,
            static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
}
