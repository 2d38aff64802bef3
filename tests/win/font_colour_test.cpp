// The font and colour dialogs on the real main window, answered from a CBT
// hook as a user would answer them, and what they leave in the settings file.
#include <colordlg.h>
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "base/system_calls.h"
#include "harness.h"
#include "resource.h"
#include "window_fixture.h"
#include "statusbar/status_bar.h"
#include "view/edit_view.h"
#include "view/font_dialogs.h"
#include "view/view_appearance.h"

namespace {

// The [Font] section of the settings file as text, to see the write order.
std::string FontSectionText() {
  std::string file = ReadBytes(IniPathForTests());
  size_t start = file.find("[Font]");
  if (start == std::string::npos) return "";
  size_t end = file.find("\n[", start);
  return file.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

// Each colour dialog in turn: the first takes its current colour into the
// first custom box; the second picks that box and confirms.
int colourDialogs;

void TakeColour(HWND dialog) {
  for (COLORREF colour : customColors) EXPECT_EQ(colour, 0xFFFFFFu);  // white at first
  colourDialogs++;
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(COLOR_ADD, BN_CLICKED), 0);
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}

void PickFirstCustom(HWND dialog) {
  colourDialogs++;
  RECT cell;
  GetWindowRect(GetDlgItem(dialog, COLOR_CUSTOM1), &cell);
  POINT corner{cell.left + 4, cell.top + 4};
  ScreenToClient(dialog, &corner);
  PostMessageA(dialog, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(corner.x, corner.y));
  PostMessageA(dialog, WM_LBUTTONUP, 0, MAKELPARAM(corner.x, corner.y));
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}

class FontColourTest : public MainWindowTest {};

TEST_F(FontColourTest, FontDialogWritesAllSixKeysOnlyWhenConfirmed) {
  Start();
  HFONT before = CurrentFont();
  {
    BoxAnswerer cancel(IDCANCEL);
    FontCommand(main_);
    ASSERT_EQ(cancel.texts().size(), 1u);
  }
  EXPECT_EQ(CurrentFont(), before);
  EXPECT_EQ(FontSectionText(), "");
  {
    BoxAnswerer ok(IDOK);
    FontCommand(main_);
    ASSERT_EQ(ok.texts().size(), 1u);  // no complaint about the font
  }
  HFONT chosen = CurrentFont();
  ASSERT_NE(chosen, before);
  EXPECT_EQ(GetObjectType(before), 0u);  // the old font is gone
  EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(EditView.view, WM_GETFONT, 0, 0)), chosen);
  const LOGFONTA& font = Appearance.logFont;
  EXPECT_EQ(IniValue("Font", "Height"), std::to_string(font.lfHeight));
  EXPECT_EQ(IniValue("Font", "Width"), std::to_string(font.lfWidth));
  EXPECT_EQ(IniValue("Font", "Weight"), std::to_string(font.lfWeight));
  EXPECT_EQ(IniValue("Font", "Italic"), std::to_string(font.lfItalic));
  EXPECT_EQ(IniValue("Font", "CharSet"), std::to_string(font.lfCharSet));
  EXPECT_EQ(IniValue("Font", "Face Name"), font.lfFaceName);
  std::string text = FontSectionText();
  size_t at = 0;
  for (const char* key : {"Height=", "Width=", "Weight=", "Italic=", "CharSet=", "Face Name="}) {
    size_t next = text.find(key, at);
    ASSERT_NE(next, std::string::npos) << key << " after byte " << at << " in\n" << text;
    at = next;
  }
  EXPECT_EQ(text.find("Color"), std::string::npos);
}

TEST_F(FontColourTest, ColourDialogsWriteEvenOnCancel) {
  Start();
  HBRUSH oldBrush = Appearance.backBrush;
  {
    BoxAnswerer cancel(IDCANCEL);
    TextColorCommand(main_);
    BackColorCommand(main_);
    EXPECT_EQ(cancel.texts().size(), 2u);
  }
  EXPECT_EQ(IniValue("Font", "Text Color"), "0");
  EXPECT_EQ(IniValue("Font", "Back Color"), "16777215");
  EXPECT_EQ(Appearance.textColor, 0u);
  EXPECT_EQ(Appearance.backColor, 0xFFFFFFu);
  // The brush is made anew even so, of the same colour.
  EXPECT_EQ(GetObjectType(oldBrush), 0u);
  LOGBRUSH brush = {};
  ASSERT_TRUE(GetObjectA(Appearance.backBrush, sizeof brush, &brush));
  EXPECT_EQ(brush.lbColor, 0xFFFFFFu);
  HDC dc = GetDC(EditView.view);
  EXPECT_EQ(AnswerCtlColorEdit(dc), Appearance.backBrush);
  ReleaseDC(EditView.view, dc);
}

TEST_F(FontColourTest, CustomColoursCarryFromTextToBackDialog) {
  DeleteSettingsFile();
  WriteIni("Font", "Text Color", "1193046");  // 0x123456
  main_ = CreateTestMainWindow();
  colourDialogs = 0;
  {
    BoxScript colours(IDOK, COLOR_CUSTOM1, {TakeColour, PickFirstCustom});
    TextColorCommand(main_);
    EXPECT_EQ(customColors[0], 0x123456u);
    BackColorCommand(main_);
  }
  EXPECT_EQ(colourDialogs, 2);
  EXPECT_EQ(Appearance.textColor, 0x123456u);
  EXPECT_EQ(Appearance.backColor, 0x123456u);
  EXPECT_EQ(IniValue("Font", "Back Color"), "1193046");
  for (COLORREF& colour : customColors) colour = 0xFFFFFF;
}

TEST_F(FontColourTest, LongJapaneseFaceNameIsCutBetweenCharacters) {
  DeleteSettingsFile();
  std::string name;
  for (int i = 0; i < 150; ++i) name += "あ";  // 300 bytes, lead bytes at even offsets
  WriteIni("Font", "Face Name", name.c_str());
  main_ = CreateTestMainWindow();
  EXPECT_EQ(std::string(Appearance.logFont.lfFaceName), name.substr(0, 30));
}

// A DLL loaded at first use that the system lacks: the command says which,
// and nothing changes. It is asked for in the system folder alone, with its
// own imports looked for there too; without a system folder, not at all.
std::string loadAskedFor;
DWORD loadFlags;
HMODULE WINAPI RefuseLoad(LPCSTR path, HANDLE, DWORD flags) {
  loadAskedFor = path;
  loadFlags = flags;
  return nullptr;
}
UINT WINAPI NoSystemFolder(LPSTR, UINT) {
  return 0;
}

TEST_F(FontColourTest, WithoutItsDllACommandSaysSoAndChangesNothing) {
  Start();
  char system[MAX_PATH];
  GetSystemDirectoryA(system, MAX_PATH);
  struct Case {
    const char* dll;
    int command;  // 0: the input method, opened at start without a word
    bool noSystemFolder = false;
  } cases[] = {
      {"comdlg32.dll", ID_TEXT_COLOR},
      {"comdlg32.dll", ID_FILE_OPEN},
      {"shell32.dll", ID_HELP_ABOUT},
      {"comctl32.dll", ID_STATUS_BAR},
      {"imm32.dll", 0},
      {"shell32.dll", ID_HELP_ABOUT, true},
  };
  ResetSystemCalls();
  for (const Case& c : cases) {
    Calls().loadLibrary = RefuseLoad;
    if (c.noSystemFolder) Calls().systemDirectory = NoSystemFolder;
    BoxAnswerer ok(IDOK);
    c.command ? Command(main_, c.command) : void(ImeLibrary());
    const std::string asked = c.noSystemFolder ? "" : std::string(system) + "\\" + c.dll;
    EXPECT_EQ(std::exchange(loadAskedFor, ""), asked);
    if (!c.noSystemFolder) {
      EXPECT_EQ(std::exchange(loadFlags, 0), DWORD{LOAD_WITH_ALTERED_SEARCH_PATH});
    }
    std::string said = std::string(c.dll) + " を読み込めないため、この操作はできません。";
    EXPECT_EQ(ok.texts(), std::vector<std::string>(c.command ? 1 : 0, said));
    EXPECT_EQ(ok.types(), std::vector<UINT>(c.command ? 1 : 0, MB_OK | MB_ICONWARNING));
    ResetSystemCalls();
  }
  EXPECT_EQ(Appearance.textColor, 0u);
  EXPECT_FALSE(IsChecked(main_, ID_STATUS_BAR));
  EXPECT_EQ(StatusBar.statusWindow, nullptr);
}

}  // namespace
