// The real main window: its menu, its option toggles, its commands and its
// shutdown, driven in-process through the window procedure.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/shell_options.h"
#include "base/system_calls.h"
#include "harness.h"
#include "resource.h"
#include "statusbar/status_bar.h"
#include "view/edit_view.h"

namespace {

BOOL WINAPI NoCodePage(UINT) {
  return FALSE;
}

class MainWindow : public testing::Test {
 protected:
  void SetUp() override {
    DeleteSettingsFile();
    window = CreateTestMainWindow();
  }
  void TearDown() override {
    if (window) CloseTestMainWindow(window);
  }
  HWND window = nullptr;
};

// One line per item: depth, label (or "-" / popup label) and id.
void DescribeMenu(HMENU menu, int depth, std::vector<std::string>* out) {
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    std::string line = std::string(depth * 2, ' ') + MenuItemLabel(menu, i);
    HMENU sub = GetSubMenu(menu, i);
    if (!sub && line.back() != '-') line += " =" + std::to_string(GetMenuItemID(menu, i));
    out->push_back(line);
    if (sub) DescribeMenu(sub, depth + 1, out);
  }
}

}  // namespace

TEST_F(MainWindow, MenuIsTheJapaneseCommandTable) {
  std::vector<std::string> items;
  DescribeMenu(GetMenu(window), 0, &items);
  const std::vector<std::string> expected = {
      "ファイル(&F)",
      "  新規作成(&N)\tCtrl+N =40008",
      "  開く(&O)...\tCtrl+O =40003",
      "  開き直す(&R)",
      "    Shift_JIS(&S) =40050",
      "    EUC-JP(&E) =40051",
      "    UTF-8(&U) =40052",
      "    UTF-16 LE(&L) =40053",
      "    UTF-16 BE(&B) =40054",
      "  上書き保存(&S)\tCtrl+S =40007",
      "  名前を付けて保存(&A)... =40004",
      "  -",
      "  履歴を残す(&H) =40044",
      "  -",
      "  終了(&X)\tAlt+F4 =40001",
      "編集(&E)",
      "  全て選択\tCtrl+A =40045",
      "  -",
      "  検索(&F)...\tCtrl+F =40036",
      "  次を検索(&N)\tF3 =40037",
      "  前を検索(&P)\tShift+F3 =40038",
      "  -",
      "  置換(&R)...\tCtrl+R =40039",
      "  次を置換(&S)\tF4 =40040",
      "  前を置換(&B)\tShift+F4 =40041",
      "オプション(&O)",
      "  文字(&C)",
      "    EUC(&E) =40017",
      "    LF(&L) =40018",
      "    文字コード(&K)",
      "      Shift_JIS(&S) =40060",
      "      EUC-JP(&E) =40061",
      "      UTF-8(&U) =40062",
      "      UTF-8 (BOM)(&M) =40063",
      "      UTF-16 LE(&L) =40064",
      "      UTF-16 BE(&B) =40065",
      "    起動時(&S)",
      "      EUC(&E) =40028",
      "      UTF-8(&U) =40030",
      "      LF(&L) =40029",
      "    -",
      "    フォント(&F) =40005",
      "    文字色(&T) =40014",
      "    背景色(&B) =40015",
      "  ウインドウ(&W)",
      "    位置を記憶する(&P) =40019",
      "    サイズを記憶する(&S) =40010",
      "    -",
      "    起動時の状態はデフォルト(&U) =40011",
      "    前回終了時の状態で起動(&M) =40012",
      "    常に最大化して起動(&A) =40013",
      "  -",
      "  右端で折り返す(&E) =40023",
      "  ステータスバー(&S) =41001",
      "  オートインデント(&A) =40033",
      "  起動時にIMEをオン(&I) =40042",
      "  -",
      "  他エディタ(&P) =40016",
      "  今すぐ渡す(&R) =40046",
      "ヘルプ(&H)",
      "  バージョン情報(&A)... =40002",
  };
  EXPECT_EQ(items, expected);
}

TEST(Resources, AcceleratorTable) {
  HACCEL table = LoadAcceleratorsA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_ACCELERATORS));
  ACCEL entries[32];
  int count = CopyAcceleratorTableA(table, entries, 32);
  std::vector<std::string> keys;
  for (int i = 0; i < count; ++i) {
    std::string key = (entries[i].fVirt & FCONTROL) ? "Ctrl+" : "";
    if (entries[i].fVirt & FSHIFT) key += "Shift+";
    if (entries[i].key == VK_F3)
      key += "F3";
    else if (entries[i].key == VK_F4)
      key += "F4";
    else
      key += static_cast<char>(entries[i].key);
    EXPECT_TRUE(entries[i].fVirt & FVIRTKEY) << key;
    EXPECT_TRUE(entries[i].fVirt & FNOINVERT) << key;
    keys.push_back(key + "=" + std::to_string(entries[i].cmd));
  }
  const std::vector<std::string> expected = {
      "Ctrl+A=40045", "Ctrl+F=40036", "Ctrl+N=40008",   "Ctrl+O=40003", "Ctrl+R=40039",
      "Ctrl+S=40007", "F3=40037",     "Shift+F3=40038", "F4=40040",     "Shift+F4=40041"};
  EXPECT_EQ(keys, expected);
}

TEST(Resources, IconsAre32By32With16Colours) {
  for (int id : {IDI_MAIN, IDI_SMALL}) {
    HRSRC group = FindResourceA(nullptr, MAKEINTRESOURCEA(id), RT_GROUP_ICON);
    ASSERT_NE(group, nullptr) << id;
    const BYTE* dir = static_cast<const BYTE*>(LockResource(LoadResource(nullptr, group)));
    EXPECT_EQ(dir[6], 32);  // width
    EXPECT_EQ(dir[7], 32);  // height
    EXPECT_EQ(dir[8], 16);  // colours
  }
}

TEST_F(MainWindow, StartsWithDefaultsWithoutASettingsFile) {
  EXPECT_EQ(WindowTitle(window), "Hakuzo");
  char className[32];
  GetClassNameA(window, className, sizeof className);
  EXPECT_STREQ(className, "HAKUZO");
  EXPECT_TRUE(IsChecked(window, ID_WORD_WRAP));
  EXPECT_TRUE(IsGreyed(window, ID_AUTO_INDENT));
  EXPECT_FALSE(IsChecked(window, ID_STATUS_BAR));
  EXPECT_FALSE(IsWindowVisible(StatusBar.statusWindow));
  EXPECT_TRUE(IsChecked(window, ID_OPEN_DEFAULT));
  for (int id : {ID_EUC_MODE, ID_LF_MODE, ID_DEFAULT_EUC, ID_DEFAULT_LF, ID_IME_ON_STARTUP,
                 ID_SAVE_POSITION, ID_SAVE_SIZE, ID_USE_HISTORY, ID_OPEN_LAST, ID_OPEN_MAXIMIZED})
    EXPECT_FALSE(IsChecked(window, id)) << id;
  EXPECT_EQ(StatusPartText(0), "");
  EXPECT_EQ(StatusPartText(1), "");
  EXPECT_EQ(StatusPartText(2), "");
  EXPECT_EQ(StatusPartText(3), "0001:0001");
  RECT client, view;
  GetClientRect(window, &client);
  GetWindowRect(EditView.view, &view);
  EXPECT_EQ(view.bottom - view.top, client.bottom);  // the view fills the client area
  EXPECT_EQ(GetFocus(), EditView.view);
}

TEST_F(MainWindow, OptionTogglesFlipMarkAndWriteAtOnce) {
  struct Toggle {
    int id;
    const char* key;
  };
  for (Toggle t :
       {Toggle{ID_DEFAULT_EUC, "Default EUC"}, Toggle{ID_DEFAULT_LF, "Default LF"},
        Toggle{ID_DEFAULT_UTF8, "Default UTF8"}, Toggle{ID_IME_ON_STARTUP, "Ime On Startup"}}) {
    Command(window, t.id);
    EXPECT_TRUE(IsChecked(window, t.id)) << t.key;
    EXPECT_EQ(IniValue("Set", t.key), "1") << t.key;
    Command(window, t.id);
    EXPECT_FALSE(IsChecked(window, t.id)) << t.key;
    EXPECT_EQ(IniValue("Set", t.key), "0") << t.key;
  }
  // EUC and UTF-8 at start exclude each other.
  Command(window, ID_DEFAULT_EUC);
  Command(window, ID_DEFAULT_UTF8);
  EXPECT_TRUE(!IsChecked(window, ID_DEFAULT_EUC) && IniValue("Set", "Default EUC") == "0");
  // The input-method key is written with the spelling the file has always had.
  Command(window, ID_IME_ON_STARTUP);
  std::string file = ReadBytes(IniPathForTests());
  EXPECT_NE(file.find("Ime On Startup=1"), std::string::npos) << file;
}

TEST_F(MainWindow, StoredOptionsAreReadAtCreation) {
  CloseTestMainWindow(window);
  WriteIni("Set", "Default EUC", "1");
  WriteIni("Set", "Default UTF8", "1");    // of the two, UTF-8 holds
  WriteIni("Set", "Ime On Startup", "1");  // read back as "IME on Startup"
  WriteIni("Set", "Status Bar", "1");
  WriteIni("Window", "Open Mode", "40013");
  window = CreateTestMainWindow();
  EXPECT_TRUE(IsChecked(window, ID_DEFAULT_UTF8) && !IsChecked(window, ID_DEFAULT_EUC));
  EXPECT_EQ(StatusPartText(1), "UTF-8");  // the new document takes the default
  EXPECT_TRUE(IsChecked(window, ID_IME_ON_STARTUP));
  EXPECT_EQ(Shell.imeOnStartup, 1);
  EXPECT_TRUE(IsChecked(window, ID_STATUS_BAR));
  EXPECT_TRUE(IsWindowVisible(StatusBar.statusWindow));
  EXPECT_TRUE(IsChecked(window, ID_OPEN_MAXIMIZED));
  EXPECT_FALSE(IsChecked(window, ID_OPEN_DEFAULT));
  // Without code page 932 no document is UTF-8, nor can be made so.
  Calls().isValidCodePage = NoCodePage;
  Command(window, ID_FILE_NEW);
  EXPECT_EQ(StatusPartText(1), "");
  EXPECT_TRUE(IsGreyed(window, ID_FORM_UTF8) && !IsGreyed(window, ID_FORM_EUC));
  ResetSystemCalls();
}

TEST_F(MainWindow, ACommandWithANonzeroHighWordRunsTheSameCommand) {
  Command(window, ID_DEFAULT_LF, 1);  // as from an accelerator
  EXPECT_TRUE(IsChecked(window, ID_DEFAULT_LF));
  Command(window, ID_DEFAULT_LF, EN_CHANGE);  // as from a control
  EXPECT_FALSE(IsChecked(window, ID_DEFAULT_LF));
  Command(window, 40999);  // unknown ids do nothing
  EXPECT_EQ(WindowTitle(window), "Hakuzo");
}

TEST_F(MainWindow, DocumentModeTogglesMarkTheDocumentModified) {
  Command(window, ID_EUC_MODE);
  EXPECT_TRUE(IsChecked(window, ID_EUC_MODE));
  EXPECT_EQ(StatusPartText(1), "EUC");
  EXPECT_EQ(IsModified(), 1);
  EXPECT_EQ(WindowTitle(window), "Hakuzo *");
  Command(window, ID_LF_MODE);
  EXPECT_EQ(StatusPartText(2), "LF");
  EXPECT_EQ(WindowTitle(window), "Hakuzo *");     // marked once only
  EXPECT_FALSE(IniHasKey("Set", "Default EUC"));  // nothing persisted
  Command(window, ID_EUC_MODE);
  EXPECT_EQ(StatusPartText(1), "");
}

TEST_F(MainWindow, TypingMarksTheTitleOnceAndShowsTheCaret) {
  Command(window, ID_STATUS_BAR);
  SendMessageA(EditView.view, WM_CHAR, 'a', 0);
  PumpMessages();
  EXPECT_EQ(WindowTitle(window), "Hakuzo *");
  SendMessageA(EditView.view, WM_CHAR, 'b', 0);
  PumpMessages();
  EXPECT_EQ(WindowTitle(window), "Hakuzo *");
  EXPECT_EQ(StatusPartText(3), "0003:0001");

  SetEditText("abcde\r\nabcdef");
  SendMessageA(EditView.view, EM_SETSEL, 10, 10);  // after the third byte of line 2
  Command(window, ID_REFRESH);
  EXPECT_EQ(StatusPartText(3), "0004:0002");
  SendMessageA(EditView.view, EM_SETSEL, 7, 0);  // made backwards
  Command(window, ID_REFRESH);
  EXPECT_EQ(StatusPartText(3), "0001:0001 - 0001:0002, 7");
  Command(window, ID_SELECT_ALL);
  Command(window, ID_REFRESH);
  EXPECT_EQ(StatusPartText(3), "0001:0001 - 0007:0002, 13");
  // Double-byte characters count two, also where the control counts them once.
  SetEditText("あいう\r\nx");
  SendMessageA(EditView.view, WM_KEYDOWN, VK_END, 0);
  Command(window, ID_REFRESH);
  EXPECT_EQ(StatusPartText(3), "0007:0001");
  Command(window, ID_SELECT_ALL);
  Command(window, ID_REFRESH);
  EXPECT_EQ(StatusPartText(3), "0001:0001 - 0002:0002, 9");
}

TEST_F(MainWindow, StatusBarToggleShrinksAndRestoresTheView) {
  RECT client, view;
  GetClientRect(window, &client);
  // A hidden bar is made when first shown, with what it was told meanwhile.
  EXPECT_EQ(StatusBar.statusWindow, nullptr);
  Command(window, ID_EUC_MODE);
  Command(window, ID_LF_MODE);
  Command(window, ID_STATUS_BAR);
  EXPECT_EQ(StatusPartText(1), "EUC");
  EXPECT_EQ(StatusPartText(2), "LF");
  EXPECT_TRUE(IsChecked(window, ID_STATUS_BAR));
  EXPECT_TRUE(IsWindowVisible(StatusBar.statusWindow));
  EXPECT_EQ(IniValue("Set", "Status Bar"), "1");
  EXPECT_GT(StatusBar.barHeight, 0);
  GetWindowRect(EditView.view, &view);
  EXPECT_EQ(view.bottom - view.top, client.bottom - StatusBar.barHeight);
  int parts[4];
  SendMessageA(StatusBar.statusWindow, SB_GETPARTS, 4, reinterpret_cast<LPARAM>(parts));
  EXPECT_EQ(parts[3], client.right - StatusBar.barHeight);
  EXPECT_EQ(StatusPartText(3), "0001:0001");

  Command(window, ID_STATUS_BAR);
  EXPECT_FALSE(IsWindowVisible(StatusBar.statusWindow));
  EXPECT_EQ(IniValue("Set", "Status Bar"), "0");
  GetWindowRect(EditView.view, &view);
  EXPECT_EQ(view.bottom - view.top, client.bottom);
}

TEST_F(MainWindow, ClosingRunsTheShutdownAndQuits) {
  EXPECT_TRUE(CloseTestMainWindow(window));
  window = nullptr;
  EXPECT_EQ(EditView.view, nullptr);
  EXPECT_EQ(StatusBar.statusWindow, nullptr);
}

TEST_F(MainWindow, ExitCommandClosesTheWindow) {
  Command(window, ID_FILE_EXIT);
  EXPECT_TRUE(QuitSeen());
}
