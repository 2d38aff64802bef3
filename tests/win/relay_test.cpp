// The hand-over to an external editor against real processes: a copy of
// record_command_line.exe stands in for the editor and writes down how it was
// started. Dialog 110 is driven in-process from a timer inside its own loop.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "dialog_template.h"
#include "expected_texts.h"
#include "harness.h"
#include "relay/relay.h"
#include "resource.h"
#include "settings/settings_store.h"

namespace {

// Answers every message box with answer and keeps what it showed.
using BoxLog = BoxAnswerer;

void SetRelay(int relayProcess, int noInquire, const std::string& processName) {
  Relay.RelayProcess = relayProcess;
  Relay.NoInquire = noInquire;
  lstrcpynA(Relay.ProcessName, processName.c_str(), sizeof Relay.ProcessName);
}

class RelayLaunch : public testing::Test {
 protected:
  void SetUp() override {
    if (!FileExists(Recorder())) GTEST_SKIP() << "record_command_line.exe is not built here";
    // A folder per test: an editor copy of the test before may still run.
    folder = TestFolder() + "\\" + testing::UnitTest::GetInstance()->current_test_info()->name();
    CreateDirectoryA(folder.c_str(), nullptr);
    editor = Copy(folder + "\\ed.exe");
    big = folder + "\\big.txt";
  }
  // Waits (at most five seconds) until the started copies have ended, so
  // that no test after this one finds them running.
  void TearDown() override {
    Relay = RelaySettings{};
    for (const std::string& copy : copies) {
      for (int waited = 0; !DeleteFileA(copy.c_str()) && FileExists(copy) && waited < 5000;
           waited += 50) {
        Sleep(50);
      }
    }
  }
  std::string Copy(const std::string& path) {
    EXPECT_TRUE(CopyFileA(Recorder().c_str(), path.c_str(), FALSE)) << path;
    copies.push_back(path);
    return path;
  }
  std::string folder, editor, big;
  std::vector<std::string> copies;
};

}  // namespace

TEST_F(RelayLaunch, NoticeQuestionAndHandOver) {
  // Hand-over off: the notice alone, OK only, no icon.
  SetRelay(0, 0, editor);
  {
    BoxLog log(IDYES);
    EXPECT_EQ(OfferRelay(nullptr, big.c_str(), 60000), 0);
    ASSERT_EQ(log.boxes().size(), 1u);
    EXPECT_EQ(log.boxes()[0].text, kTooLarge + "big.txt : 58kB" + kNoEditorHint);
    EXPECT_EQ(log.boxes()[0].type, kTooLargeType);
  }
  // Asked and declined: nothing starts.
  SetRelay(1, 0, editor);
  {
    BoxLog log(IDNO);
    EXPECT_EQ(OfferRelay(nullptr, big.c_str(), 100000), 0);
    ASSERT_EQ(log.boxes().size(), 1u);
    EXPECT_EQ(log.boxes()[0].text,
              kTooLarge + "big.txt : 97kB\nこの文書を ed.exe に受け渡しますか？");
    EXPECT_EQ(log.boxes()[0].type, kHandOverType);
  }
  // Accepted: the editor gets the quoted path. Its line is the only one, so
  // the declined offer started nothing.
  {
    BoxLog log(IDYES);
    EXPECT_EQ(OfferRelay(nullptr, big.c_str(), 100000), 1);
    EXPECT_EQ(log.boxes().size(), 1u);
    std::vector<std::string> lines = RecordedLines(folder, 1);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], editor + " \"" + big + "\"");
  }
  // Without asking: no box at all, from a file past 4 GiB.
  SetRelay(1, 1, editor);
  {
    BoxLog log(IDNO);
    EXPECT_EQ(OfferRelay(nullptr, big.c_str(), 5368709120ull), 1);
    EXPECT_TRUE(log.boxes().empty());
    EXPECT_EQ(RecordedLines(folder, 2).size(), 2u);
  }
}

TEST_F(RelayLaunch, FailedHandOverShowsTheErrorAndStartsNothing) {
  struct Case {
    const char* what;
    std::string processName;
    std::string path;
  };
  // The editor's own arguments take the command line to 255 bytes; with a
  // 260-byte path it no longer fits 512 bytes and is refused, not cut.
  std::string withArguments = editor + " -a";
  withArguments.resize(255, 'a');
  std::string longPath = folder + "\\";
  longPath.resize(260, 'p');
  const Case cases[] = {
      {"empty editor", "", big},
      {"missing editor", folder + "\\missing.exe", big},
      {"untitled document", editor, ""},
      {"command line too long", withArguments, longPath},
  };
  for (const Case& c : cases) {
    SetRelay(1, 1, c.processName);
    BoxLog log(IDOK);
    EXPECT_EQ(OfferRelay(nullptr, c.path.c_str(), 60000), 0) << c.what;
    ASSERT_EQ(log.boxes().size(), 1u) << c.what;
    EXPECT_EQ(log.boxes()[0].text, kRelayFailed) << c.what;
    EXPECT_EQ(log.boxes()[0].type, kRelayFailedType) << c.what;
    EXPECT_EQ(LaunchExternalEditor(nullptr, c.path.c_str()), 0) << c.what;
  }
  // Asked first, the question names no editor; Yes ends in the error.
  SetRelay(1, 0, "");
  {
    BoxLog log(IDYES);
    EXPECT_EQ(OfferRelay(nullptr, big.c_str(), 60000), 0);
    ASSERT_EQ(log.boxes().size(), 2u);
    EXPECT_EQ(log.boxes()[0].text, kTooLarge + "big.txt : 58kB\nこの文書を  に受け渡しますか？");
    EXPECT_EQ(log.boxes()[1].text, kRelayFailed);
  }
  // One byte shorter the same editor starts, with its arguments.
  longPath.resize(253);
  SetRelay(1, 1, withArguments);
  EXPECT_EQ(LaunchExternalEditor(nullptr, longPath.c_str()), 1);
  std::vector<std::string> lines = RecordedLines(folder, 1);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], withArguments + " \"" + longPath + "\"");
}

TEST_F(RelayLaunch, ProgramPathWithBlanksStartsThatProgramNotAPieceOfIt) {
  Copy(folder + "\\Program.exe");  // the decoy
  std::string edFolder = folder + "\\Program Files\\ed";
  CreateDirectoryA((folder + "\\Program Files").c_str(), nullptr);
  CreateDirectoryA(edFolder.c_str(), nullptr);
  std::string program = Copy(edFolder + "\\ed.exe");

  SetRelay(1, 1, program);
  EXPECT_EQ(LaunchExternalEditor(nullptr, big.c_str()), 1);
  std::vector<std::string> lines = RecordedLines(edFolder, 1);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], "\"" + program + "\" \"" + big + "\"");

  // Already quoted by the user: passed as written.
  SetRelay(1, 1, "\"" + program + "\" -n");
  EXPECT_EQ(LaunchExternalEditor(nullptr, big.c_str()), 1);
  lines = RecordedLines(edFolder, 2);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[1], "\"" + program + "\" -n \"" + big + "\"");
  Sleep(200);
  EXPECT_FALSE(FileExists(folder + "\\command-line.txt")) << "the decoy Program.exe ran";
}

namespace {

// Runs script on dialog 110 from a timer inside the dialog's own loop; the
// script ends the dialog.
INT_PTR RunRelayDialog(std::function<void(HWND)> script) {
  BoxScript driver(IDOK, IDC_RELAY_PROCESS, {script});
  return DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_RELAY), nullptr,
                         RelayDialogProc, 0);
}

// Enabled states of label, edit, browse button and second check box.
std::string DependentStates(HWND dialog) {
  std::string states;
  for (int id :
       {IDC_RELAY_EDITOR_LABEL, IDC_RELAY_PROCESS_NAME, IDC_RELAY_BROWSE, IDC_RELAY_NO_INQUIRE}) {
    states += IsWindowEnabled(GetDlgItem(dialog, id)) ? '1' : '0';
  }
  return states;
}

}  // namespace

TEST(RelayDialog, GreysWithTheCheckBoxAndOkStoresInMemoryAndFile) {
  DeleteSettingsFile();
  SetRelay(0, 0, "D:\\tools\\ed.exe");
  std::string seen;
  INT_PTR result = RunRelayDialog([&](HWND dialog) {
    seen += ItemText(dialog, IDC_RELAY_PROCESS_NAME) + "|";
    seen +=
        std::to_string(SendDlgItemMessageA(dialog, IDC_RELAY_PROCESS_NAME, EM_GETLIMITTEXT, 0, 0));
    seen += "|" + DependentStates(dialog);
    seen +=
        IsWindowEnabled(GetDlgItem(dialog, IDOK)) && IsWindowEnabled(GetDlgItem(dialog, IDCANCEL))
            ? "+"
            : "-";
    Click(dialog, IDC_RELAY_PROCESS);
    seen += "|" + DependentStates(dialog);
    Click(dialog, IDC_RELAY_NO_INQUIRE);
    SetDlgItemTextA(dialog, IDC_RELAY_PROCESS_NAME, "C:\\Program Files\\ed\\ed.exe");
    Click(dialog, IDOK);
  });
  EXPECT_EQ(result, 1);
  EXPECT_EQ(seen, "D:\\tools\\ed.exe|255|0000+|1111");
  EXPECT_EQ(Relay.RelayProcess, 1);
  EXPECT_EQ(Relay.NoInquire, 1);
  EXPECT_STREQ(Relay.ProcessName, "C:\\Program Files\\ed\\ed.exe");

  std::string file = ReadBytes(IniPathForTests());
  size_t relay = file.find("Relay Process=1");
  size_t noInquire = file.find("No Inquire=1");
  size_t name = file.find("Process Name=C:\\Program Files\\ed\\ed.exe");
  ASSERT_NE(name, std::string::npos) << file;
  EXPECT_TRUE(relay < noInquire && noInquire < name) << file;

  // The same values come back from the file.
  SetRelay(0, 0, "");
  LoadRelaySettings();
  EXPECT_EQ(Relay.RelayProcess, 1);
  EXPECT_EQ(Relay.NoInquire, 1);
  EXPECT_STREQ(Relay.ProcessName, "C:\\Program Files\\ed\\ed.exe");
  DeleteSettingsFile();
  Relay = RelaySettings{};
}

TEST(RelayDialog, CancelChangesNothing) {
  DeleteSettingsFile();
  SetRelay(1, 1, "D:\\tools\\ed.exe");
  std::string seen;
  INT_PTR result = RunRelayDialog([&](HWND dialog) {
    seen += IsDlgButtonChecked(dialog, IDC_RELAY_PROCESS) ? "on " : "off ";
    seen += IsDlgButtonChecked(dialog, IDC_RELAY_NO_INQUIRE) ? "on " : "off ";
    seen += DependentStates(dialog);
    Click(dialog, IDC_RELAY_PROCESS);
    seen += " " + DependentStates(dialog);
    Click(dialog, IDC_RELAY_NO_INQUIRE);  // greyed: stays checked
    SetDlgItemTextA(dialog, IDC_RELAY_PROCESS_NAME, "Z:\\other.exe");
    Click(dialog, IDCANCEL);
  });
  EXPECT_EQ(result, 0);
  EXPECT_EQ(seen, "on on 1111 0000");
  EXPECT_EQ(Relay.RelayProcess, 1);
  EXPECT_EQ(Relay.NoInquire, 1);
  EXPECT_STREQ(Relay.ProcessName, "D:\\tools\\ed.exe");
  EXPECT_FALSE(FileExists(IniPathForTests()));
  Relay = RelaySettings{};
}

TEST(RelayDialog, TemplateMatchesTheLayout) {
  DWORD size = 0;
  const BYTE* base = DialogResource(IDD_RELAY, &size);
  ASSERT_TRUE(base);
  const DLGTEMPLATE* dialog = reinterpret_cast<const DLGTEMPLATE*>(base);
  ASSERT_NE(HIWORD(*reinterpret_cast<const DWORD*>(base)), 0xFFFF) << "expected a DIALOG template";
  EXPECT_EQ(dialog->style, 0x80C800C0u);
  EXPECT_EQ(dialog->dwExtendedStyle, 0u);
  EXPECT_EQ(dialog->cx, 187);
  EXPECT_EQ(dialog->cy, 93);
  ASSERT_EQ(dialog->cdit, 7);
  const WORD* p = reinterpret_cast<const WORD*>(dialog + 1);
  std::string text;
  int ordinal;
  p = ReadTemplateText(p, &text, &ordinal);  // menu
  EXPECT_TRUE(text.empty() && ordinal == -1);
  p = ReadTemplateText(p, &text, &ordinal);  // class
  EXPECT_TRUE(text.empty() && ordinal == -1);
  p = ReadTemplateText(p, &text, &ordinal);
  EXPECT_EQ(text, "外部エディタの指定");
  EXPECT_EQ(*p++, 9);
  p = ReadTemplateText(p, &text, &ordinal);
  EXPECT_EQ(text, "ＭＳ Ｐゴシック");

  struct Item {
    int id, atom;
    DWORD style;
    short x, y, cx, cy;
    const char* text;
  };
  const Item expected[] = {
      {IDOK, 0x80, 0x50010001, 37, 72, 50, 14, "OK"},
      {1014, 0x80, 0x50010003, 31, 13, 129, 10, "64kBを超すファイルを他エディタに渡す"},
      {1017, 0x82, 0x50020000, 16, 35, 30, 8, "エディタ ："},
      {1015, 0x81, 0x50810080, 50, 32, 82, 14, ""},
      {1016, 0x80, 0x50010000, 137, 32, 34, 14, "参照..."},
      {1013, 0x80, 0x50010003, 31, 55, 105, 10, "確認せずにこのエディタを起動"},
      {IDCANCEL, 0x80, 0x50010000, 100, 72, 50, 14, "CANCEL"},
  };
  for (const Item& e : expected) {
    // Each item starts on a DWORD boundary.
    p = AlignToItem(p);
    const DLGITEMTEMPLATE* item = reinterpret_cast<const DLGITEMTEMPLATE*>(p);
    EXPECT_EQ(item->id, e.id);
    EXPECT_EQ(item->style, e.style) << e.id;
    EXPECT_EQ(item->dwExtendedStyle, 0u) << e.id;
    EXPECT_EQ(item->x, e.x) << e.id;
    EXPECT_EQ(item->y, e.y) << e.id;
    EXPECT_EQ(item->cx, e.cx) << e.id;
    EXPECT_EQ(item->cy, e.cy) << e.id;
    p = reinterpret_cast<const WORD*>(item + 1);
    p = ReadTemplateText(p, &text, &ordinal);
    EXPECT_EQ(ordinal, e.atom) << e.id;
    p = ReadTemplateText(p, &text, &ordinal);
    EXPECT_EQ(text, e.text) << e.id;
    WORD extra = *p++;
    p = reinterpret_cast<const WORD*>(reinterpret_cast<const BYTE*>(p) + extra);
  }
  EXPECT_LE(reinterpret_cast<const BYTE*>(p) - base, static_cast<long long>(size));
}
