// The recent-files list in the real File menu: adding, moving, pushing out,
// the separator, switching the history off and on, and the [Recent] keys.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/shell_options.h"
#include "document/document_state.h"
#include "harness.h"
#include "recent/recent_files.h"
#include "resource.h"
#include "settings/settings_store.h"
#include "shell/document_commands.h"
#include "text/text.h"

namespace {

struct Item {
  std::string text;  // "-" for a separator
  UINT id;
};

// Every item of the File menu, read with room for any entry text.
std::vector<Item> FileItems(HWND window) {
  HMENU menu = GetSubMenu(GetMenu(window), 0);
  std::vector<Item> items;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    char text[512] = {};
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID | MIIM_TYPE;
    info.dwTypeData = text;
    info.cch = sizeof text;
    GetMenuItemInfoA(menu, i, TRUE, &info);
    items.push_back({(info.fType & MFT_SEPARATOR) ? "-" : text, info.wID});
  }
  return items;
}

std::vector<std::string> Texts(const std::vector<Item>& items) {
  std::vector<std::string> texts;
  for (const Item& item : items) texts.push_back(item.text);
  return texts;
}

// The File menu's items from "履歴を残す(&H)" down, as the resource has them.
const std::vector<std::string> kTail = {"履歴を残す(&H)", "-", "終了(&X)\tAlt+F4"};
const std::vector<std::string> kHead = {
    "新規作成(&N)\tCtrl+N",   "開く(&O)...\tCtrl+O",     "開き直す(&R)",
    "上書き保存(&S)\tCtrl+S", "名前を付けて保存(&A)...", "-"};

std::vector<std::string> Menu(std::vector<std::string> middle) {
  std::vector<std::string> all = kHead;
  all.insert(all.end(), middle.begin(), middle.end());
  all.insert(all.end(), kTail.begin(), kTail.end());
  return all;
}

std::string DocPath(int n) {
  return "Z:\\docs\\file" + std::to_string(n) + ".txt";
}

void Add(HWND window, const std::string& path) {
  CopyText(Document.path, kPathCapacity, path.c_str());
  AddRecentFile(window);
}

class RecentFiles : public testing::Test {
 protected:
  void SetUp() override {
    DeleteSettingsFile();
    Document.path[0] = 0;
    window = CreateTestMainWindow();
  }
  void TearDown() override {
    Shell.useHistory = 0;
    Document.path[0] = 0;
    if (window) CloseTestMainWindow(window);
    DeleteSettingsFile();
  }
  HWND window = nullptr;
};

}  // namespace

TEST_F(RecentFiles, NothingIsRecordedWithHistoryOffOrWithoutAPath) {
  ASSERT_EQ(Shell.useHistory, 0);
  Add(window, DocPath(1));
  Add(window, DocPath(2));
  EXPECT_EQ(Shell.recentCount, 0);
  EXPECT_EQ(Texts(FileItems(window)), Menu({}));
  SaveRecentFiles(window);
  EXPECT_FALSE(IniHasKey("Recent", "Recent File0"));

  // An untitled document has no path to list: not even the separator comes.
  Shell.useHistory = 1;
  Add(window, "");
  EXPECT_EQ(Shell.recentCount, 0);
  EXPECT_EQ(Texts(FileItems(window)), Menu({}));
}

TEST_F(RecentFiles, ElevenDocumentsKeepTheLastTenMostRecentFirst) {
  Shell.useHistory = 1;
  for (int n = 0; n < 11; ++n) Add(window, DocPath(n));
  EXPECT_EQ(Shell.recentCount, 10);

  std::vector<std::string> entries;
  for (int j = 0; j < 10; ++j) entries.push_back("&" + std::to_string(j) + " " + DocPath(10 - j));
  entries.push_back("-");
  std::vector<Item> items = FileItems(window);
  EXPECT_EQ(Texts(items), Menu(entries));
  // file10 pushed file0 out and took its id; the others kept theirs.
  EXPECT_EQ(items[kHead.size()].id, 40200u);
  for (int j = 1; j < 10; ++j) EXPECT_EQ(items[kHead.size() + j].id, 40200u + (10 - j)) << j;

  char path[kPathCapacity];
  ASSERT_EQ(RecentEntryPath(window, 40200, path, sizeof path), 1);
  EXPECT_EQ(std::string(path), DocPath(10));
  ASSERT_EQ(RecentEntryPath(window, 40209, path, sizeof path), 1);
  EXPECT_EQ(std::string(path), DocPath(9));
  EXPECT_EQ(RecentEntryPath(window, 40044, path, sizeof path), 0);
  EXPECT_EQ(RecentEntryPath(window, 40210, path, sizeof path), 0);
  // "Z:\docs\file1.txt" is 17 bytes: 17 do not hold it with its terminator.
  EXPECT_EQ(RecentEntryPath(window, 40201, path, 17), 0);
  EXPECT_EQ(RecentEntryPath(window, 40201, path, 18), 1);
}

TEST_F(RecentFiles, AListedPathMovesToTheTopSpelledAsNow) {
  Shell.useHistory = 1;
  Add(window, "D:\\DOCS\\MEMO.TXT");
  Add(window, "D:\\a.txt");
  Add(window, "D:\\b.txt");
  ASSERT_EQ(Texts(FileItems(window)),
            Menu({"&0 D:\\b.txt", "&1 D:\\a.txt", "&2 D:\\DOCS\\MEMO.TXT", "-"}));

  Add(window, "D:\\Docs\\memo.txt");
  std::vector<Item> items = FileItems(window);
  EXPECT_EQ(Texts(items), Menu({"&0 D:\\Docs\\memo.txt", "&1 D:\\b.txt", "&2 D:\\a.txt", "-"}));
  EXPECT_EQ(Shell.recentCount, 3);
  EXPECT_EQ(items[kHead.size()].id, 40200u);  // a moved entry keeps its id
  EXPECT_EQ(items[kHead.size() + 1].id, 40202u);
  EXPECT_EQ(items[kHead.size() + 2].id, 40201u);
}

TEST_F(RecentFiles, LoadedEntriesStopAtAGapAndSaveLeavesHigherKeys) {
  // "Use History" stays 0 in the file: the window's own start loads nothing.
  WriteIni("Recent", "Recent File0", "Z:\\a.txt");
  WriteIni("Recent", "Recent File1", "Z:\\b.txt");
  WriteIni("Recent", "Recent File3", "Z:\\d.txt");
  Shell.useHistory = 1;
  LoadRecentFiles(window);
  EXPECT_EQ(Shell.recentCount, 2);
  std::vector<Item> items = FileItems(window);
  EXPECT_EQ(Texts(items), Menu({"&0 Z:\\a.txt", "&1 Z:\\b.txt"}));
  EXPECT_EQ(items[kHead.size()].id, 40200u);
  EXPECT_EQ(items[kHead.size() + 1].id, 40201u);

  Add(window, "Z:\\c.txt");
  EXPECT_EQ(Texts(FileItems(window)), Menu({"&0 Z:\\c.txt", "&1 Z:\\a.txt", "&2 Z:\\b.txt"}));
  SaveRecentFiles(window);
  EXPECT_EQ(IniValue("Recent", "Recent File0"), "Z:\\c.txt");
  EXPECT_EQ(IniValue("Recent", "Recent File1"), "Z:\\a.txt");
  EXPECT_EQ(IniValue("Recent", "Recent File2"), "Z:\\b.txt");
  EXPECT_EQ(IniValue("Recent", "Recent File3"), "Z:\\d.txt");
}

TEST_F(RecentFiles, SwitchingOffClearsTheListAndOnAgainAddsASecondSeparator) {
  Command(window, ID_USE_HISTORY);
  EXPECT_EQ(Shell.useHistory, 1);
  EXPECT_TRUE(IsChecked(window, ID_USE_HISTORY));
  EXPECT_EQ(IniValue("Set", "Use History"), "1");
  Add(window, DocPath(1));
  Add(window, DocPath(2));
  SaveRecentFiles(window);
  ASSERT_TRUE(IniHasKey("Recent", "Recent File1"));

  Command(window, ID_USE_HISTORY);
  EXPECT_EQ(Shell.useHistory, 0);
  EXPECT_EQ(Shell.recentCount, 0);
  EXPECT_FALSE(IsChecked(window, ID_USE_HISTORY));
  EXPECT_EQ(IniValue("Set", "Use History"), "0");
  EXPECT_EQ(Texts(FileItems(window)), Menu({"-"}));
  EXPECT_FALSE(IniHasKey("Recent", "Recent File0"));
  EXPECT_FALSE(IniHasKey("Recent", "Recent File1"));
  EXPECT_EQ(ReadBytes(IniPathForTests()).find("[Recent]"), std::string::npos);

  Command(window, ID_USE_HISTORY);
  Add(window, DocPath(3));
  EXPECT_EQ(Texts(FileItems(window)), Menu({"&0 " + DocPath(3), "-", "-"}));
  EXPECT_EQ(FileItems(window)[kHead.size()].id, 40200u);
}

TEST_F(RecentFiles, OverLongPathsAreNeverListedOrCut) {
  Shell.useHistory = 1;
  const std::string fits = "Z:\\" + std::string(249, 'f') + ".txt";     // 256 bytes
  const std::string tooLong = "Z:\\" + std::string(250, 'g') + ".txt";  // 257 bytes
  ASSERT_EQ(fits.size(), 256u);
  Add(window, tooLong);
  EXPECT_EQ(Shell.recentCount, 0);
  EXPECT_EQ(Texts(FileItems(window)), Menu({}));
  Add(window, fits);
  Add(window, tooLong);
  EXPECT_EQ(Texts(FileItems(window)), Menu({"&0 " + fits, "-"}));
  char path[kPathCapacity];
  ASSERT_EQ(RecentEntryPath(window, 40200, path, sizeof path), 1);
  EXPECT_EQ(std::string(path), fits);
  EXPECT_EQ(RecentEntryPath(window, 40200, path, 256), 0);
  EXPECT_EQ(path[0], 0);

  // A broken or hand-edited file: an over-long value ends the loading like a
  // missing key, and the exit leaves it and every key after it untouched.
  Command(window, ID_USE_HISTORY);
  Command(window, ID_USE_HISTORY);
  const std::string broken(1000, 'x');
  WriteIni("Recent", "Recent File0", fits.c_str());
  WriteIni("Recent", "Recent File1", broken.c_str());
  WriteIni("Recent", "Recent File2", "Z:\\b.txt");
  HMENU menu = GetSubMenu(GetMenu(window), 0);
  DeleteMenu(menu, 5, MF_BYPOSITION);  // the separator left from above
  LoadRecentFiles(window);
  EXPECT_EQ(Shell.recentCount, 1);
  EXPECT_EQ(Texts(FileItems(window)), Menu({"&0 " + fits}));
  SaveRecentFiles(window);
  EXPECT_EQ(IniValue("Recent", "Recent File0"), fits);
  EXPECT_EQ(IniValue("Recent", "Recent File1"), broken);
  EXPECT_EQ(IniValue("Recent", "Recent File2"), "Z:\\b.txt");

  // Just one byte over the limit is as unusable as a thousand.
  Command(window, ID_USE_HISTORY);
  Command(window, ID_USE_HISTORY);
  WriteIni("Recent", "Recent File0", tooLong.c_str());
  WriteIni("Recent", "Recent File1", "Z:\\b.txt");
  LoadRecentFiles(window);
  EXPECT_EQ(Shell.recentCount, 0);
  EXPECT_EQ(Texts(FileItems(window)), Menu({}));
}
