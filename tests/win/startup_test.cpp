// Start-up: the document argument against real files and folders, and the
// show mode that "Open Mode" chooses.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "base/shell_options.h"
#include "document/document_state.h"
#include "harness.h"
#include "shell/startup.h"

namespace {
// Without a trailing backslash, as GetCurrentDirectoryA gives it.
std::string CurrentFolder() {
  char folder[MAX_PATH];
  GetCurrentDirectoryA(MAX_PATH, folder);
  return folder;
}

std::string FromArgument(std::string argument, int* fits = nullptr) {
  char buffer[1024];
  lstrcpynA(buffer, argument.c_str(), sizeof buffer);
  int ok = PathFromCommandLine(buffer);
  if (fits) *fits = ok;
  return Document.path;
}
}  // namespace

TEST(PathFromCommandLine, FindsTheFileAndMovesIntoItsFolder) {
  std::string folder = TestFolder();
  WriteBytes(folder + "\\Memo.txt", "x");
  CreateDirectoryA((folder + "\\sub dir").c_str(), nullptr);
  WriteBytes(folder + "\\sub dir\\a.txt", "a");
  SetCurrentDirectoryA("C:\\");

  // Folder as typed, file name as stored on disk.
  EXPECT_EQ(FromArgument(folder + "\\MEMO.TXT"), folder + "\\Memo.txt");
  EXPECT_EQ(CurrentFolder(), folder);
  // Quoted or not, with a blank in the folder.
  EXPECT_EQ(FromArgument("\"" + folder + "\\sub dir\\a.txt\""), folder + "\\sub dir\\a.txt");
  EXPECT_EQ(FromArgument(folder + "\\sub dir\\a.txt"), folder + "\\sub dir\\a.txt");
  EXPECT_EQ(CurrentFolder(), folder + "\\sub dir");
  // A relative name becomes a full path under the current folder.
  EXPECT_EQ(FromArgument("..\\memo.txt"), folder + "\\Memo.txt");
  // Wildcards name the first match.
  EXPECT_EQ(FromArgument(folder + "\\M*.txt"), folder + "\\Memo.txt");
  // Of two paths only the first.
  EXPECT_EQ(FromArgument(folder + "\\Memo.txt C:\\other.txt"), folder + "\\Memo.txt");
  SetCurrentDirectoryA("C:\\");
  RemoveDirectoryA((folder + "\\sub dir").c_str());
}

TEST(PathFromCommandLine, MissingFilesKeepThePathAndTheFolder) {
  std::string folder = TestFolder();
  SetCurrentDirectoryA("C:\\");
  EXPECT_EQ(FromArgument(folder + "\\new.txt"), folder + "\\new.txt");
  EXPECT_EQ(CurrentFolder(), "C:\\");
  EXPECT_EQ(FromArgument("new.txt"), "C:\\new.txt");
}

TEST(PathFromCommandLine, PathsWithoutBackslashesKeepTheirFolder) {
  std::string folder = TestFolder();
  CreateDirectoryA((folder + "\\sub").c_str(), nullptr);
  WriteBytes(folder + "\\sub\\A.txt", "wanted");
  WriteBytes(folder + "\\a.txt", "another file of the same name");
  std::string slashed = folder;
  for (char& c : slashed) c = c == '\\' ? '/' : c;

  // Forward slashes, whole or in part, from a folder other than the file's.
  SetCurrentDirectoryA(folder.c_str());
  EXPECT_EQ(FromArgument(slashed + "/sub/a.txt"), folder + "\\sub\\A.txt");
  EXPECT_EQ(CurrentFolder(), folder + "\\sub");
  SetCurrentDirectoryA("C:\\");
  EXPECT_EQ(FromArgument(folder + "\\sub/a.txt"), folder + "\\sub\\A.txt");
  EXPECT_EQ(CurrentFolder(), folder + "\\sub");
  // A drive with a relative name: against that drive's current folder.
  std::string drive = folder.substr(0, 2);
  EXPECT_EQ(FromArgument(drive + "a.txt"), folder + "\\sub\\A.txt");
  // A path from the root of the current drive gets its drive.
  EXPECT_EQ(FromArgument(folder.substr(2) + "\\a.txt"), folder + "\\a.txt");
  EXPECT_EQ(CurrentFolder(), folder);
  // A missing file keeps its folder as well, made full.
  EXPECT_EQ(FromArgument(slashed + "/sub/new.txt"), folder + "\\sub\\new.txt");
  SetCurrentDirectoryA("C:\\");
  DeleteFileA((folder + "\\sub\\A.txt").c_str());
  RemoveDirectoryA((folder + "\\sub").c_str());
}

TEST(PathFromCommandLine, JapaneseNamesAndTooLongPaths) {
  std::string folder = TestFolder();
  std::string name = folder + "\\表\\ソース.txt";  // 表 ends in 0x5C
  CreateDirectoryA((folder + "\\表").c_str(), nullptr);
  WriteBytes(name, "x");
  SetCurrentDirectoryA("C:\\");
  EXPECT_EQ(FromArgument(name), name);
  EXPECT_EQ(CurrentFolder(), folder + "\\表");
  SetCurrentDirectoryA("C:\\");
  DeleteFileA(name.c_str());
  RemoveDirectoryA((folder + "\\表").c_str());
  // メ (0x83 0x81) ends in a lead-byte value: the separator after it is still
  // one, and the folder is kept.
  std::string katakana = folder + "\\メ\\a.txt";
  CreateDirectoryA((folder + "\\メ").c_str(), nullptr);
  WriteBytes(katakana, "x");
  EXPECT_EQ(FromArgument(katakana), katakana);
  EXPECT_EQ(CurrentFolder(), folder + "\\メ");
  SetCurrentDirectoryA("C:\\");
  DeleteFileA(katakana.c_str());
  RemoveDirectoryA((folder + "\\メ").c_str());

  int fits = 1;
  std::string longName = "C:\\" + std::string(300, 'a') + ".txt";
  EXPECT_EQ(FromArgument(longName, &fits), "");
  EXPECT_EQ(fits, 0);
  EXPECT_EQ(FromArgument(std::string(300, 'b'), &fits), "");  // relative, made full
  EXPECT_EQ(fits, 0);
  EXPECT_EQ(FromArgument("\"", &fits), "");
  EXPECT_EQ(fits, 1);
}

TEST(ShowMode, OpenModeChoosesHowTheWindowIsShown) {
  DeleteSettingsFile();
  Shell.openMode = 40011;
  EXPECT_EQ(ChooseShowMode(SW_SHOWMINNOACTIVE), SW_SHOWMINNOACTIVE);
  Shell.openMode = 40013;
  EXPECT_EQ(ChooseShowMode(SW_SHOWMINNOACTIVE), SW_SHOWMAXIMIZED);
  Shell.openMode = 40012;
  EXPECT_EQ(ChooseShowMode(SW_SHOWNORMAL), SW_SHOWNORMAL);  // nothing stored yet
  WriteIni("Window", "Last Open Mode", "3");
  EXPECT_EQ(ChooseShowMode(SW_SHOWNORMAL), 3);
  Shell.openMode = 40011;
  DeleteSettingsFile();
}
