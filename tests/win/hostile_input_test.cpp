// Hostile inputs through the real main window: odd and huge files, paths at
// the edge of the path field from every way in, broken settings values, odd
// command lines and a view larger than the document buffers. Each must end
// in the decided result or a clear message, and no file the user did not
// save may change.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "base/shell_options.h"
#include "document/document_state.h"
#include "expected_texts.h"
#include "harness.h"
#include "recent/recent_files.h"
#include "resource.h"
#include "search/find_replace.h"
#include "settings/settings_keys.h"
#include "shell/document_commands.h"
#include "shell/startup.h"
#include "text/text.h"
#include "view/edit_view.h"
#include "view/view_appearance.h"
#include "window_fixture.h"

namespace {

std::wstring Wide(const std::string& path) {
  std::wstring wide(path.size() + 1, L'\0');
  int n = MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, &wide[0], static_cast<int>(wide.size()));
  wide.resize(n > 0 ? n - 1 : 0);
  return wide;
}

// Through the wide API: the ANSI one stops short of the longest names.
void WriteLong(const std::string& path, const std::string& bytes) {
  HANDLE file = CreateFileW(Wide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
}

std::string ReadLong(const std::string& path) {
  HANDLE file = CreateFileW(Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return "<missing>";
  char bytes[256];
  DWORD read = 0;
  ReadFile(file, bytes, sizeof bytes, &read, nullptr);
  CloseHandle(file);
  return std::string(bytes, read);
}

unsigned long long SizeOf(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return ~0ull;
  return (static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

// A key press reaching the view, as the message loop sees it: accelerators
// are translated from the thread's key state.
void PressKey(WORD key, bool control = false) {
  BYTE state[256];
  GetKeyboardState(state);
  BYTE saved = state[VK_CONTROL];
  state[VK_CONTROL] = control ? 0x80 : 0;
  SetKeyboardState(state);
  PostMessageA(EditView.view, WM_KEYDOWN, key, 1);
  PumpMessages();
  GetKeyboardState(state);
  state[VK_CONTROL] = saved;
  SetKeyboardState(state);
}

// Deletes a file the moment the Open dialog comes up, after the user has
// picked it and before the editor reads it.
std::string vanishing;
HHOOK vanishHook;
LRESULT CALLBACK VanishOnDialog(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_ACTIVATE && !vanishing.empty()) {
    if (WindowTitle(reinterpret_cast<HWND>(wParam)) == "文書を開く") {
      DeleteFileA(vanishing.c_str());
      vanishing.clear();
    }
  }
  return CallNextHookEx(vanishHook, code, wParam, lParam);
}

class Hostile : public FileWindowTest {
 protected:
  void TearDown() override {
    FileWindowTest::TearDown();
    // The ANSI clean-up of the test folder cannot reach names this long.
    for (const std::string& path : longFiles) DeleteFileW(Wide(path).c_str());
  }
  void ExpectUntitledEmpty(const std::string& what) {
    EXPECT_EQ(std::string(Document.path), "") << what;
    EXPECT_EQ(WindowTitle(window), "Hakuzo") << what;
    EXPECT_EQ(ViewText(), "") << what;
    EXPECT_EQ(IsModified(), 0) << what;
  }

  std::vector<std::string> longFiles;
};

}  // namespace

TEST_F(Hostile, OddFilesAreRefusedOrShownAndNeverChanged) {
  const std::string justTooLarge(56000, 'x');
  std::string zeros(4096, '\0');
  // Every byte value, the zero byte last, so all of them reach the decoding.
  std::string binary;
  for (int round = 0; round < 8; ++round)
    for (int b = 1; b < 256; ++b) binary += static_cast<char>((b * 37 + round * 11) % 255 + 1);
  binary += '\0';
  binary += "after the zero";
  WriteBytes(File("56000.txt"), justTooLarge);
  WriteBytes(File("zeros.bin"), zeros);
  WriteBytes(File("binary.bin"), binary);
  ASSERT_TRUE(MakeSparseFile(File("5gib.txt"), 5ull << 30));
  ASSERT_TRUE(MakeSparseFile(File("4gib.txt"), (4ull << 30) + 1000));
  CreateDirectoryA(File("folder.txt").c_str(), nullptr);

  // A folder named on the command line: the window still comes up, untitled.
  {
    BoxScript script({{IDOK, ""}});
    Start(File("folder.txt").c_str());
    ASSERT_EQ(BoxScript::texts().size(), 1u);
    EXPECT_TRUE(Starts(BoxScript::texts()[0], kOpenFailed)) << BoxScript::texts()[0];
    EXPECT_EQ(BoxScript::boxes()[0].type, kOpenFailedType);
  }
  ExpectUntitledEmpty("folder");

  // Too large, also where the low word of the size alone would pass.
  struct Large {
    const char* name;
    const char* shownSize;
  };
  for (Large c : {Large{"56000.txt", "54kB"}, Large{"5gib.txt", "5242880kB"},
                  Large{"4gib.txt", "4194304kB"}}) {
    BoxScript script({{IDOK, ""}});
    EXPECT_EQ(Open(File(c.name)), 0) << c.name;
    ASSERT_EQ(BoxScript::texts().size(), 1u) << c.name;
    EXPECT_EQ(BoxScript::texts()[0], kTooLarge + c.name + " : " + c.shownSize + kNoEditorHint);
    EXPECT_EQ(BoxScript::boxes()[0].type, kTooLargeType);
    ExpectUntitledEmpty(c.name);
  }

  // Zero bytes only: the text ends at the first, so the view is empty, and
  // the user is told that a save would change the file.
  auto openWarned = [&](const char* name) {
    BoxScript script({{IDOK, ""}});
    EXPECT_EQ(Open(File(name)), 1);
    ASSERT_EQ(BoxScript::texts().size(), 1u);
    EXPECT_TRUE(Starts(BoxScript::texts()[0], kUnkeptZero)) << BoxScript::texts()[0];
  };
  openWarned("zeros.bin");
  EXPECT_EQ(ViewText(), "");
  EXPECT_EQ(WindowTitle(window), "zeros.bin - Hakuzo");
  EXPECT_EQ(IsModified(), 0);
  // Every byte value: shown as far as the zero byte, in one piece.
  openWarned("binary.bin");
  EXPECT_EQ(WindowTitle(window), "binary.bin - Hakuzo");
  EXPECT_GT(ViewText().size(), 1000u);
  EXPECT_EQ(ViewText().find("after the zero"), std::string::npos);
  EXPECT_EQ(IsModified(), 0);

  // A file that vanishes after the Open dialog: an empty document under its
  // name, as for any name that does not exist; the file is not made again.
  WriteBytes(File("vanish.txt"), "here a moment ago");
  {
    BoxScript script({{IDOK, File("vanish.txt")}});
    vanishing = File("vanish.txt");
    vanishHook = SetWindowsHookExA(WH_CBT, VanishOnDialog, nullptr, GetCurrentThreadId());
    Command(window, ID_FILE_OPEN);
    UnhookWindowsHookEx(vanishHook);
    EXPECT_EQ(BoxScript::texts(), std::vector<std::string>{kOpenDialog});
  }
  EXPECT_TRUE(vanishing.empty()) << "the dialog never came";
  EXPECT_EQ(WindowTitle(window), "vanish.txt - Hakuzo");
  EXPECT_EQ(ViewText(), "");
  EXPECT_FALSE(FileExists(File("vanish.txt")));

  // Locked by another handle without sharing: the open fails with the message.
  WriteBytes(File("locked.txt"), "locked");
  HANDLE lock = CreateFileA(File("locked.txt").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(lock, INVALID_HANDLE_VALUE);
  {
    BoxScript script({{IDOK, ""}});
    EXPECT_EQ(Open(File("locked.txt")), 0);
    ASSERT_EQ(BoxScript::texts().size(), 1u);
    EXPECT_TRUE(Starts(BoxScript::texts()[0], kOpenFailed));
  }
  ExpectUntitledEmpty("locked");
  CloseHandle(lock);

  // Ctrl+S on a read-only file, and on one locked after it was opened: the
  // warning, the document stays modified, the bytes stay.
  WriteBytes(File("readonly.txt"), "read only");
  SetFileAttributesA(File("readonly.txt").c_str(), FILE_ATTRIBUTE_READONLY);
  WriteBytes(File("later.txt"), "locked later");
  for (const char* name : {"readonly.txt", "later.txt"}) {
    EXPECT_EQ(Open(File(name)), 1) << name;
    Type("z");
    HANDLE later = CreateFileA(File("later.txt").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
    {
      BoxScript script({{IDOK, ""}});
      PressKey('S', true);
      ASSERT_EQ(BoxScript::texts().size(), 1u) << name;
      EXPECT_TRUE(Starts(BoxScript::texts()[0], kSaveFailed)) << name;
      EXPECT_EQ(BoxScript::boxes()[0].type, kSaveFailedType) << name;
    }
    CloseHandle(later);
    EXPECT_EQ(IsModified(), 1) << name;
    EXPECT_EQ(WindowTitle(window), std::string(name) + " - Hakuzo *");
  }
  SetFileAttributesA(File("readonly.txt").c_str(), FILE_ATTRIBUTE_NORMAL);

  // No file the user did not save has changed.
  EXPECT_EQ(ReadBytes(File("56000.txt")), justTooLarge);
  EXPECT_EQ(SizeOf(File("5gib.txt")), 5ull << 30);
  EXPECT_EQ(SizeOf(File("4gib.txt")), (4ull << 30) + 1000);
  EXPECT_EQ(ReadBytes(File("zeros.bin")), zeros);
  EXPECT_EQ(ReadBytes(File("binary.bin")), binary);
  EXPECT_EQ(ReadBytes(File("locked.txt")), "locked");
  EXPECT_EQ(ReadBytes(File("readonly.txt")), "read only");
  EXPECT_EQ(ReadBytes(File("later.txt")), "locked later");
  EXPECT_TRUE(GetFileAttributesA(File("folder.txt").c_str()) & FILE_ATTRIBUTE_DIRECTORY);
}

// Paths of 259, 260 and 261 bytes from the command line, the Open dialog, a
// drop and a recent entry: the 259-byte one opens whole where the way in
// takes it, the longer ones are refused with a message, and no way in ever
// opens a path cut short.
TEST_F(Hostile, PathsAtTheEdgeOfThePathFieldAreOpenedWholeOrRefused) {
  std::vector<std::string> paths;
  for (int length : {259, 260, 261}) {
    std::string name(length - static_cast<int>(folder.size()) - 1 - 4, 'p');
    paths.push_back(File(name + ".txt"));
    ASSERT_EQ(paths.back().size(), static_cast<size_t>(length));
    WriteLong(paths.back(), "long " + std::to_string(length));
    longFiles.push_back(paths.back());
  }
  WriteBytes(File("short.txt"), "short");
  WriteIni("Set", "Use History", "1");
  Start(File("short.txt").c_str());

  // The command line.
  for (size_t i = 0; i < paths.size(); ++i) {
    char argument[1024];
    CopyText(argument, sizeof argument, ("\"" + paths[i] + "\"").c_str());
    int fits = PathFromCommandLine(argument);
    EXPECT_EQ(fits, i == 0 ? 1 : 0) << paths[i].size();
    EXPECT_EQ(std::string(Document.path), i == 0 ? paths[i] : "") << paths[i].size();
  }
  SetCurrentDirectoryA(startFolder.c_str());
  Open(File("short.txt"));

  // A drop.
  for (size_t i = 0; i < paths.size(); ++i) {
    BoxScript script({}, IDOK);
    SendMessageA(window, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({paths[i]})), 0);
    PumpMessages();
    if (i == 0) {
      EXPECT_EQ(BoxScript::texts().size(), 0u);
      EXPECT_EQ(std::string(Document.path), paths[0]);
      EXPECT_EQ(ViewText(), "long 259");
      Open(File("short.txt"));
    } else {
      EXPECT_EQ(BoxScript::texts(), std::vector<std::string>{kNameTooLong}) << paths[i].size();
      EXPECT_EQ(BoxScript::types(), std::vector<UINT>{kNameTooLongType});
      EXPECT_EQ(std::string(Document.path), File("short.txt"));
      EXPECT_EQ(ViewText(), "short");
    }
  }

  // A name typed into the Open dialog. The dialog itself takes at most 259
  // bytes; what it refuses ends in a message or a cancel, never in a cut name.
  for (size_t i = 0; i < paths.size(); ++i) {
    BoxScript script({{IDOK, paths[i]}}, IDCANCEL);
    Command(window, ID_FILE_OPEN);
    std::string shown = ViewText();
    std::string path = Document.path;
    if (i == 0) {
      EXPECT_EQ(path, paths[0]);
      EXPECT_EQ(shown, "long 259");
      Open(File("short.txt"));
    } else {
      EXPECT_EQ(path, File("short.txt")) << paths[i].size();
      EXPECT_EQ(shown, "short") << paths[i].size();
      // The dialog's own refusal comes as its failure code.
      ASSERT_EQ(BoxScript::texts().size(), 2u) << paths[i].size();
      EXPECT_TRUE(Starts(BoxScript::texts()[1], kDialogFailed + "12291)"));
      EXPECT_EQ(BoxScript::boxes()[1].type, kDialogFailedType);
    }
  }

  // A recent entry: the list takes paths of at most 256 bytes, so none of
  // these is listed, and the exit leaves the stored value alone.
  for (const std::string& path : paths) {
    CloseTestMainWindow(window);
    window = nullptr;
    WriteIni("Recent", "Recent File0", path.c_str());
    Start();
    EXPECT_EQ(Shell.recentCount, 0) << path.size();
    char listed[MAX_PATH];
    EXPECT_EQ(RecentEntryPath(window, ID_RECENT_FIRST, listed, sizeof listed), 0);
    Command(window, ID_RECENT_FIRST);
    EXPECT_EQ(WindowTitle(window), "Hakuzo");
    CloseTestMainWindow(window);
    window = nullptr;
    EXPECT_EQ(IniValue("Recent", "Recent File0"), path);
    Start(File("short.txt").c_str());
  }
  for (const std::string& path : paths)
    EXPECT_EQ(ReadLong(path), "long " + std::to_string(path.size()));
}

// Every integer key of the settings file holding a value the program never
// writes: the window still comes up, shows itself in a valid mode with one
// open-mode mark, and closes.
TEST_F(Hostile, BrokenSettingsValuesStillStartAndClose) {
  const SettingKey* keys[] = {
      &kWordWrap,    &kAutoIndent, &kDefaultEuc,  &kDefaultLf,    &kImeOnStartup, &kUseHistory,
      &kStatusBar,   &kTextColor,  &kBackColor,   &kFontHeight,   &kFontWidth,    &kFontWeight,
      &kFontCharSet, &kFontItalic, &kOpenMode,    &kLastOpenMode, &kSavePosition, &kSaveSize,
      &kWindowLeft,  &kWindowTop,  &kWindowWidth, &kWindowHeight, &kRelayProcess, &kNoInquire};
  const char* values[] = {
      "99999999999999999999", "-2147483648", "", "not a number", "-1", "0", "99999"};
  RECT screen = {GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
                 GetSystemMetrics(SM_XVIRTUALSCREEN) + GetSystemMetrics(SM_CXVIRTUALSCREEN),
                 GetSystemMetrics(SM_YVIRTUALSCREEN) + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
  // Per value two starts: every key broken at once, then every key broken
  // but the switches that make the program read the keys behind them.
  for (const char* value : values) {
    for (int gated = 0; gated < 2; ++gated) {
      std::string what = std::string(gated ? "gated " : "all ") + "= [" + value + "]";
      DeleteSettingsFile();
      for (const SettingKey* key : keys) WriteIni(key->section, key->name, value);
      if (gated) {
        WriteIni("Window", "Open Mode", "40012");
        WriteIni("Window", "Save Position", "1");
        WriteIni("Window", "Save Size", "1");
        WriteIni("Set", "Use History", "1");
        WriteIni("Set", "Status Bar", "1");
      }
      {
        BoxScript none({}, IDCANCEL);
        Start();
        EXPECT_EQ(BoxScript::texts().size(), 0u) << what;
      }
      ASSERT_TRUE(IsWindow(window)) << what;
      ASSERT_TRUE(IsWindow(EditView.view)) << what;
      int mode = ChooseShowMode(SW_SHOWNORMAL);
      EXPECT_TRUE(mode >= SW_SHOWNORMAL && mode <= SW_SHOWMAXIMIZED) << what << " gives " << mode;
      int marks = IsChecked(window, ID_OPEN_DEFAULT) + IsChecked(window, ID_OPEN_LAST) +
                  IsChecked(window, ID_OPEN_MAXIMIZED);
      EXPECT_EQ(marks, 1) << what;
      RECT rect, common;
      GetWindowRect(window, &rect);
      EXPECT_TRUE(IntersectRect(&common, &rect, &screen)) << what;
      EXPECT_EQ(WindowTitle(window), "Hakuzo") << what;
      SendMessageA(EditView.view, WM_CHAR, 'a', 0);
      UpdateWindow(window);
      EXPECT_TRUE(CloseTestMainWindow(window)) << what;
      window = nullptr;
    }
  }

  // Texts and colours out of range.
  DeleteSettingsFile();
  WriteIni("Font", "Face Name", std::string(300, 'F').c_str());
  WriteIni("Font", "Text Color", "-1");
  WriteIni("Font", "Back Color", "-1");
  WriteIni("Set", "Use History", "1");
  WriteIni("Recent", "Recent File0", ("C:\\" + std::string(997, 'r')).c_str());
  Start();
  EXPECT_EQ(std::string(Appearance.logFont.lfFaceName), std::string(31, 'F'));
  EXPECT_EQ(Appearance.textColor, 0xFFFFFFFFu);
  EXPECT_EQ(Shell.recentCount, 0);
  SendMessageA(EditView.view, WM_CHAR, 'a', 0);
  UpdateWindow(EditView.view);
  EXPECT_TRUE(CloseTestMainWindow(window));
  window = nullptr;
  EXPECT_EQ(IniValue("Recent", "Recent File0").size(), 1000u);
}

// The document argument on empty, quote-only and very long input (the split
// and the trimming alone are unit-tested natively).
TEST_F(Hostile, OddCommandLinesGiveNoDocumentOrARefusal) {
  const std::string longArgument = "C:\\" + std::string(1997, 'a');
  ASSERT_EQ(longArgument.size(), 2000u);

  struct Case {
    const char* argument;
    const char* trimmed;
  };
  for (Case c :
       {Case{"", ""}, Case{"\"", ""}, Case{"\"\"", ""}, Case{"\"\"\"", "\""}, Case{"\" \"", " "}}) {
    char argument[16];
    CopyText(argument, sizeof argument, c.argument);
    CopyText(Document.path, kPathCapacity, "stale");
    EXPECT_EQ(PathFromCommandLine(argument), 1) << "[" << c.argument << "]";
    if (c.trimmed[0] != '"') {
      EXPECT_STREQ(Document.path, "") << "[" << c.argument << "]";
    }
  }
  SetCurrentDirectoryA(startFolder.c_str());

  // 2,000 bytes, quoted or not: refused, the path field stays empty and the
  // text buffer behind it untouched.
  for (std::string argument : {longArgument, "\"" + longArgument + "\"", std::string(2000, 'b')}) {
    std::vector<char> buffer(argument.begin(), argument.end());
    buffer.push_back(0);
    Document.TextBuffer[0] = 'T';
    EXPECT_EQ(PathFromCommandLine(buffer.data()), 0);
    EXPECT_STREQ(Document.path, "");
    EXPECT_EQ(Document.TextBuffer[0], 'T');
  }
  Document.TextBuffer[0] = 0;
  SetCurrentDirectoryA(startFolder.c_str());

  // The window then starts with a new document.
  Start(Document.path);
  EXPECT_EQ(WindowTitle(window), "Hakuzo");
}

// A pasted text of 70,000 bytes, more than every document buffer: the wrap
// switch and the save refuse with their messages, the search sees the first
// 63,999 bytes only, and the close asks.
TEST_F(Hostile, AViewLargerThanTheBuffersKeepsItsTextAndItsFile) {
  WriteBytes(File("small.txt"), "small");
  Start(File("small.txt").c_str());
  std::string text = LinesOfSize(70000, 'q', 62);
  text.replace(100, 6, "NEEDLE");
  text.replace(65000, 7, "FARAWAY");
  SetEditText(text.c_str());
  SetModified(1);
  SendMessageA(EditView.view, EM_SETSEL, 0, 0);

  {
    BoxScript script({{IDOK, ""}});
    int wrap = EditView.wordWrap;
    Command(window, ID_WORD_WRAP);
    EXPECT_EQ(BoxScript::texts(), std::vector<std::string>{kWrapRefused});
    EXPECT_EQ(EditView.wordWrap, wrap);
    EXPECT_EQ(IsChecked(window, ID_WORD_WRAP), wrap != 0);
  }
  EXPECT_EQ(ViewText(), text);

  // F3: beyond 63,999 bytes nothing is found; before, the occurrence is selected.
  CopyText(SearchString, sizeof SearchString, "FARAWAY");
  {
    BoxScript script({{IDOK, ""}});
    PressKey(VK_F3);
    EXPECT_EQ(BoxScript::texts(), std::vector<std::string>{kNotFound});
  }
  CopyText(SearchString, sizeof SearchString, "NEEDLE");
  PressKey(VK_F3);
  DWORD from = 0, to = 0;
  SendMessageA(EditView.view, EM_GETSEL, reinterpret_cast<WPARAM>(&from),
               reinterpret_cast<LPARAM>(&to));
  EXPECT_EQ(from, 100u);
  EXPECT_EQ(to, 106u);

  // F4 replaces the one occurrence inside the searched part.
  CopyText(ReplaceString, sizeof ReplaceString, "pin");
  SendMessageA(EditView.view, EM_SETSEL, 0, 0);
  {
    BoxScript script({{IDYES, ""}});
    PressKey(VK_F4);
    EXPECT_EQ(BoxScript::texts(), std::vector<std::string>{kQuestion});
  }
  std::string replaced = text;
  replaced.replace(100, 6, "pin");
  EXPECT_EQ(ViewText(), replaced);

  // Ctrl+S refuses; the file keeps its bytes and the document its mark.
  {
    BoxScript script({{IDOK, ""}});
    PressKey('S', true);
    ASSERT_EQ(BoxScript::texts().size(), 1u);
    EXPECT_TRUE(Starts(BoxScript::texts()[0], kSaveRefused));
  }
  EXPECT_EQ(ReadBytes(File("small.txt")), "small");
  EXPECT_EQ(IsModified(), 1);

  // The close asks; Cancel keeps everything, Yes runs into the refusal and
  // keeps it too, No ends without writing.
  {
    BoxScript script({{IDCANCEL, ""}, {IDYES, ""}, {IDOK, ""}});
    SendMessageA(window, WM_CLOSE, 0, 0);
    PumpMessages();
    SendMessageA(window, WM_CLOSE, 0, 0);
    PumpMessages();
    ASSERT_EQ(BoxScript::texts().size(), 3u);
    EXPECT_EQ(BoxScript::texts()[0], kPrompt);
    EXPECT_EQ(BoxScript::texts()[1], kPrompt);
    EXPECT_TRUE(Starts(BoxScript::texts()[2], kSaveRefused));
    EXPECT_EQ(BoxScript::types(), (std::vector<UINT>{kPromptType, kPromptType, kSaveRefusedType}));
    EXPECT_FALSE(QuitSeen());
  }
  EXPECT_EQ(ViewText(), replaced);
  {
    BoxScript script({{IDNO, ""}});
    SendMessageA(window, WM_CLOSE, 0, 0);
    PumpMessages();
    EXPECT_EQ(BoxScript::texts(), std::vector<std::string>{kPrompt});
    EXPECT_TRUE(QuitSeen());
  }
  EXPECT_EQ(ReadBytes(File("small.txt")), "small");
}
