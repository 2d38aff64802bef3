// New, Open, Save, Save As, the unsaved-changes prompt, drops and recent
// entries, driven through the real main window on real files. Message boxes
// and the real file dialogs are answered from a CBT hook, step by step.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "base/shell_options.h"
#include "base/system_calls.h"
#include "document/document_file.h"
#include "document/document_state.h"
#include "expected_texts.h"
#include "harness.h"
#include "recent/recent_files.h"
#include "resource.h"
#include "shell/document_commands.h"
#include "text/text.h"
#include "view/edit_view.h"
#include "window_fixture.h"

namespace {

// Answers boxes and dialogs in the order given; anything more is cancelled.
using Script = BoxScript;

class DocumentCommands : public FileWindowTest {};

// MoveFileExA as Windows 95 has it, with the temporary file held open so
// that the rename after it fails for real.
HANDLE heldTemp = INVALID_HANDLE_VALUE;
BOOL WINAPI MoveOf95(LPCSTR from, LPCSTR, DWORD) {
  heldTemp =
      CreateFileA(from, GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
  return FALSE;
}

struct SeamsRestored {
  ~SeamsRestored() { CloseHandle(heldTemp), ResetSystemCalls(); }
};

}  // namespace

TEST_F(DocumentCommands, AFailedSaveNamesTheCopyItKept) {
  WriteBytes(File("kept.txt"), "old");
  Start(File("kept.txt").c_str());
  Type("new ");
  Calls().replaceFile = nullptr;
  Calls().moveFileEx = MoveOf95;
  {
    SeamsRestored restore;
    Script script({{IDOK, ""}});
    EXPECT_EQ(SaveCommand(window), 0);
    ASSERT_EQ(Script::texts().size(), 1u);
    EXPECT_EQ(Script::texts()[0],
              "ファイルの保存に失敗しました。\n保存した内容は次のファイルに残っています:\n" +
                  std::string(KeptCopyPath()));
    EXPECT_EQ(Script::boxes()[0].type, kSaveFailedType);
  }
  EXPECT_EQ(IsModified(), 1);
  // The old file went first: the copy is all the folder holds.
  const std::vector<std::string> left = FilesIn(folder);
  ASSERT_EQ(left.size(), 1u);
  EXPECT_EQ(File(left[0]), KeptCopyPath());
  EXPECT_EQ(ReadBytes(KeptCopyPath()), ViewText());
  DeleteFileA(KeptCopyPath());
}

TEST_F(DocumentCommands, OpensBothFormsAndSavesThemBackByteExact) {
  // 日本 in Shift_JIS with CR LF, and in EUC-JP with LF.
  const std::string sjis = "\x93\xfa\x96\x7b\r\nabc\r\n";
  const std::string euc = "\xc6\xfc\xcb\xdc\nabc\n";
  WriteBytes(File("sjis.txt"), sjis);
  WriteBytes(File("euc.txt"), euc);
  Start(File("sjis.txt").c_str());
  EXPECT_EQ(WindowTitle(window), "sjis.txt - Hakuzo");
  EXPECT_EQ(ViewText(), sjis);
  EXPECT_EQ(StatusPartText(0), File("sjis.txt"));
  EXPECT_FALSE(IsChecked(window, ID_EUC_MODE));
  Type("x");
  EXPECT_EQ(WindowTitle(window), "sjis.txt - Hakuzo *");
  Type("y");
  EXPECT_EQ(WindowTitle(window), "sjis.txt - Hakuzo *");
  Command(window, ID_FILE_SAVE);
  EXPECT_EQ(ReadBytes(File("sjis.txt")), "xy" + sjis);
  EXPECT_EQ(WindowTitle(window), "sjis.txt - Hakuzo");
  EXPECT_EQ(IsModified(), 0);
  // Rebuilding the view for word wrap moves the text, it does not change it.
  Command(window, ID_WORD_WRAP);
  EXPECT_EQ(WindowTitle(window), "sjis.txt - Hakuzo");
  EXPECT_EQ(IsModified(), 0);

  EXPECT_EQ(Open(File("euc.txt")), 1);
  EXPECT_EQ(ViewText(), "\x93\xfa\x96\x7b\r\nabc\r\n");
  EXPECT_TRUE(IsChecked(window, ID_EUC_MODE));
  EXPECT_TRUE(IsChecked(window, ID_LF_MODE));
  EXPECT_EQ(StatusPartText(1), "EUC");
  EXPECT_EQ(StatusPartText(2), "LF");
  Type("z");
  Command(window, ID_FILE_SAVE);
  EXPECT_EQ(ReadBytes(File("euc.txt")), "z" + euc);
  // The EUC switch makes the next save Shift_JIS.
  Command(window, ID_EUC_MODE);
  EXPECT_EQ(WindowTitle(window), "euc.txt - Hakuzo *");
  Command(window, ID_FILE_SAVE);
  EXPECT_EQ(ReadBytes(File("euc.txt")), "z\x93\xfa\x96\x7b\nabc\n");
  // Another program's change is not written over unasked: No keeps it. It
  // is seen by its size, and by its time when the size stays.
  const unsigned long long saved = Document.stamp.writeTime;
  const struct {
    const char* theirs;
    unsigned long long time;
  } changes[] = {{"theirs", saved}, {"theirs 10\n", saved - 20000000}};
  for (const auto& c : changes) {
    WriteBytes(File("euc.txt"), c.theirs);
    SetWriteTime(File("euc.txt"), c.time);
    Script script({{IDNO, ""}});
    EXPECT_EQ(SaveCommand(window), 0);
    ASSERT_EQ(Script::texts(), std::vector<std::string>{kChangedOnDisk});
    EXPECT_EQ(Script::boxes()[0].type, UINT{MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2});
    EXPECT_EQ(ReadBytes(File("euc.txt")), c.theirs);
  }
}

// Each file reopened in the encoding the user names: shown in it, named in
// the status bar, checked under 開き直す and saved back unchanged. ｶﾀｶﾅ in
// Shift_JIS and ｱｲ are read as EUC-JP kanji at first; the mark of UTF-8 is
// skipped; each UTF-16 item reads its own byte order; an empty file takes
// the encoding named.
TEST_F(DocumentCommands, ReopenReadsTheFileAgainInTheEncodingNamed) {
  const std::string nihon = "\x93\xFA\x96\x7B\r\n";  // 日本 CR LF
  const struct {
    const char* name;
    std::string bytes;
    int reopen;
    std::string shown;
    const char* form;
  } rows[] = {
      {"sjis.txt", "\xB6\xC0\xB6\xC5\r\n", ID_REOPEN_SJIS, "\xB6\xC0\xB6\xC5\r\n", ""},
      {"euc.txt", "\x8E\xA1\r\n", ID_REOPEN_EUC, "\xA1\r\n", "EUC"},
      {"ai.txt", "\xB1\xB2\r\n", ID_REOPEN_SJIS, "\xB1\xB2\r\n", ""},
      {"bom.txt", "\xEF\xBB\xBF\xE6\x97\xA5\xE6\x9C\xAC\r\n", ID_REOPEN_UTF8, nihon, "UTF-8"},
      {"le.txt", std::string("\xE5\x65\x2C\x67\r\0\n\0", 8), ID_REOPEN_UTF16LE, nihon, "UTF-16"},
      {"be.txt", std::string("\x65\xE5\x67\x2C\0\r\0\n", 8), ID_REOPEN_UTF16BE, nihon, "UTF-16"},
      {"empty.txt", "", ID_REOPEN_UTF8, "", "UTF-8"},
  };
  Start();
  EXPECT_TRUE(IsGreyed(window, ID_REOPEN_SJIS));
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    WriteBytes(File(r.name), r.bytes);
    {
      // Read first in another encoding, so that the row's own must be read.
      BoxAnswerer warnings(IDOK);
      EXPECT_EQ(Open(File(r.name)), 1);
      Command(window, r.reopen == ID_REOPEN_SJIS ? ID_REOPEN_UTF16BE : ID_REOPEN_SJIS);
      PumpMessages();
    }
    EXPECT_FALSE(IsGreyed(window, r.reopen));
    BoxAnswerer none(IDCANCEL);
    Command(window, r.reopen);
    PumpMessages();
    EXPECT_EQ(ViewText(), r.shown);
    EXPECT_EQ(StatusPartText(1), r.form);
    for (int id = ID_REOPEN_FIRST; id <= ID_REOPEN_LAST; ++id) {
      EXPECT_EQ(IsChecked(window, id), id == r.reopen) << id;
    }
    EXPECT_EQ(IsChecked(window, ID_EUC_MODE), r.reopen == ID_REOPEN_EUC);
    EXPECT_EQ(WindowTitle(window), std::string(r.name) + " - Hakuzo");
    Command(window, ID_FILE_SAVE);
    EXPECT_EQ(ReadBytes(File(r.name)), r.bytes);
    EXPECT_TRUE(BoxScript::boxes().empty());
  }
  // Each item of 文字コード, chosen and saved, writes あ in its form.
  SetEditText("\x82\xA0");
  const char* forms[] = {"\x82\xA0",         "\xA4\xA2",
                         "\xE3\x81\x82",     "\xEF\xBB\xBF\xE3\x81\x82",
                         "\xFF\xFE\x42\x30", "\xFE\xFF\x30\x42"};
  for (int id = ID_FORM_FIRST; id <= ID_FORM_LAST; ++id) {
    Command(window, id);
    EXPECT_TRUE(IsChecked(window, id) && IsModified());
    EXPECT_EQ(IsChecked(window, ID_EUC_MODE), id == ID_FORM_EUC);
    Command(window, ID_FILE_SAVE);
    EXPECT_EQ(ReadBytes(File("empty.txt")), forms[id - ID_FORM_FIRST]);
  }
  // With 起動時 UTF-8, an ASCII file is UTF-8.
  Command(window, ID_DEFAULT_UTF8);
  WriteBytes(File("ascii.txt"), "abc");
  Open(File("ascii.txt"));
  SetEditText("abc\x82\xA0");
  Command(window, ID_FILE_SAVE);
  EXPECT_EQ(ReadBytes(File("ascii.txt")), "abc\xE3\x81\x82");
  // ｱｲ in EUC mode take their single shift, and come back as ｱｲ.
  Open(File("ai.txt"));
  Command(window, ID_REOPEN_SJIS);
  Command(window, ID_EUC_MODE);
  Command(window, ID_FILE_SAVE);
  EXPECT_EQ(ReadBytes(File("ai.txt")), "\x8E\xB1\x8E\xB2\r\n");
  Command(window, ID_REOPEN_EUC);
  EXPECT_EQ(ViewText(), "\xB1\xB2\r\n");
  // A changed document asks first; Cancel keeps it as it is.
  Type("x");
  {
    BoxAnswerer cancel(IDCANCEL);
    Command(window, ID_REOPEN_UTF8);
    EXPECT_EQ(BoxScript::types(), std::vector<UINT>{kPromptType});
  }
  EXPECT_EQ(ViewText(), "x\xB1\xB2\r\n");
}

TEST_F(DocumentCommands, UntitledSaveAsThroughTheRealDialogs) {
  Start();
  EXPECT_EQ(WindowTitle(window), "Hakuzo");
  Type("a");
  EXPECT_EQ(WindowTitle(window), "Hakuzo *");
  {
    Script script({{IDCANCEL, ""}});
    EXPECT_EQ(SaveCommand(window), 0);
    EXPECT_EQ(Script::texts(), std::vector<std::string>{kSaveDialog});
    EXPECT_EQ(Script::boxes()[0].fileType, "テキストファイル(*.txt)");
  }
  EXPECT_EQ(IsModified(), 1);
  EXPECT_EQ(WindowTitle(window), "Hakuzo *");
  {
    // A name typed without extension gets .txt.
    Script script({{IDOK, File("memo")}});
    EXPECT_EQ(SaveCommand(window), 1);
  }
  EXPECT_EQ(std::string(Document.path), File("memo.txt"));
  EXPECT_EQ(ReadBytes(File("memo.txt")), "a");
  EXPECT_EQ(WindowTitle(window), "memo.txt - Hakuzo");
  EXPECT_FALSE(IsGreyed(window, ID_REOPEN_UTF8));  // there is a file to read again now
  {
    // A final dot asks for no extension at all.
    Script script({{IDOK, File("plain.")}});
    EXPECT_EQ(SaveAsCommand(window), 1);
  }
  EXPECT_EQ(std::string(Document.path), File("plain"));
  EXPECT_EQ(ReadBytes(File("plain")), "a");
  // The Save dialog offers the name in the case of the file stored in the
  // current folder.
  SetCurrentDirectoryA(folder.c_str());
  CopyText(Document.path, kPathCapacity, File("MEMO.TXT").c_str());
  {
    Script script({{IDCANCEL, ""}});
    EXPECT_EQ(SaveAsCommand(window), 0);
    ASSERT_EQ(Script::boxes().size(), 1u);
    EXPECT_EQ(Script::boxes()[0].fileName, "memo.txt");
  }
  // Save As onto another file that exists: the dialog asks first, No keeps
  // the file and the dialog open, Yes writes over it.
  CopyText(Document.path, kPathCapacity, File("plain").c_str());
  Type("b");
  {
    Script script({{IDOK, File("memo.txt")}, {IDNO, ""}, {IDCANCEL, ""}});
    EXPECT_EQ(SaveAsCommand(window), 0);
    ASSERT_EQ(Script::boxes().size(), 3u);
    // The dialog's own question.
    EXPECT_EQ(Script::types()[1] & MB_TYPEMASK, static_cast<UINT>(MB_YESNO));
    EXPECT_EQ(Script::texts()[2], kSaveDialog);
  }
  EXPECT_EQ(ReadBytes(File("memo.txt")), "a");
  {
    Script script({{IDOK, File("memo.txt")}, {IDYES, ""}});
    EXPECT_EQ(SaveAsCommand(window), 1);
    EXPECT_EQ(Script::texts().size(), 2u);
  }
  EXPECT_EQ(ReadBytes(File("memo.txt")), ViewText());
  EXPECT_EQ(ViewText().size(), 2u);
  // The Open dialog: a typed name that does not exist yet opens empty under
  // that name, not modified; the first save creates it.
  {
    Script script({{IDOK, File("new.txt")}});
    Command(window, ID_FILE_OPEN);
    EXPECT_EQ(Script::texts(), std::vector<std::string>{kOpenDialog});
  }
  EXPECT_EQ(WindowTitle(window), "new.txt - Hakuzo");
  EXPECT_EQ(ViewText(), "");
  EXPECT_FALSE(FileExists(File("new.txt")));
  Command(window, ID_FILE_SAVE);
  EXPECT_EQ(ReadBytes(File("new.txt")), "");
}

TEST_F(DocumentCommands, YesWithACancelledSaveAsStopsEveryCommand) {
  WriteBytes(File("other.txt"), "other");
  Start();
  Shell.useHistory = 1;
  CopyText(Document.path, kPathCapacity, File("other.txt").c_str());
  OpenDocument(window);
  NewDocument(window);
  Type("unsaved");
  auto expectStopped = [&](const char* what) {
    EXPECT_EQ(ViewText(), "unsaved") << what;
    EXPECT_EQ(WindowTitle(window), "Hakuzo *") << what;
    EXPECT_EQ(Script::texts(), (std::vector<std::string>{kPrompt, kSaveDialog})) << what;
    EXPECT_EQ(Script::types(), (std::vector<UINT>{kPromptType, 0})) << what;
  };
  {
    Script script({{IDYES, ""}, {IDCANCEL, ""}});
    Command(window, ID_FILE_NEW);
    expectStopped("new");
  }
  {
    Script script({{IDYES, ""}, {IDCANCEL, ""}});
    Command(window, ID_FILE_OPEN);
    expectStopped("open");
  }
  {
    Script script({{IDYES, ""}, {IDCANCEL, ""}});
    SendMessageA(window, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({File("other.txt")})), 0);
    PumpMessages();
    expectStopped("drop");
  }
  {
    Script script({{IDYES, ""}, {IDCANCEL, ""}});
    Command(window, ID_RECENT_FIRST);
    expectStopped("recent");
  }
  {
    Script script({{IDYES, ""}, {IDCANCEL, ""}});
    SendMessageA(window, WM_CLOSE, 0, 0);
    PumpMessages();
    expectStopped("close");
    EXPECT_FALSE(QuitSeen());
  }
  {
    // Cancel in the prompt gives the focus back to the view.
    Script script({{IDCANCEL, ""}});
    SetFocus(nullptr);
    Command(window, ID_FILE_NEW);
    EXPECT_EQ(GetFocus(), EditView.view);
  }
  {
    // Log-off asks too: Cancel keeps the session, No lets it end.
    Script cancel({{IDCANCEL, ""}});
    EXPECT_EQ(SendMessageA(window, WM_QUERYENDSESSION, 0, 0), FALSE);
  }
  {
    Script no({{IDNO, ""}});
    EXPECT_EQ(SendMessageA(window, WM_QUERYENDSESSION, 0, 0), TRUE);
  }
  // The session's end writes what a close writes.
  SendMessageA(window, WM_ENDSESSION, TRUE, 0);
  EXPECT_EQ(IniValue("Recent", "Recent File0"), File("other.txt"));
}

TEST_F(DocumentCommands, ADropOpensTheFirstFileOnly) {
  WriteBytes(File("a.txt"), "first");
  WriteBytes(File("b.txt"), "second");
  Start();
  SendMessageA(window, WM_DROPFILES,
               reinterpret_cast<WPARAM>(MakeDrop({File("a.txt"), File("b.txt"), File("c.txt")})),
               0);
  PumpMessages();
  EXPECT_EQ(ViewText(), "first");
  EXPECT_EQ(WindowTitle(window), "a.txt - Hakuzo");
  // A dropped name the document path cannot hold is refused, not cut.
  std::string deep = File(std::string(300, 'n').c_str());
  Script script({{IDOK, ""}});
  SendMessageA(window, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({deep})), 0);
  PumpMessages();
  EXPECT_EQ(Script::texts(), std::vector<std::string>{kNameTooLong});
  EXPECT_EQ(WindowTitle(window), "a.txt - Hakuzo");
}

// After a file that could not be read (too large, too large once converted,
// locked), the document is untitled: a save asks for a name and can never
// write the empty view over the file that was not read, and only the file
// that was shown enters the recent list.
TEST_F(DocumentCommands, FilesThatWereNotReadAreNeverSavedOver) {
  const std::string tooLarge(56000, 'x');
  const std::string convertsTooLarge(32000, '\n');
  WriteBytes(File("large.txt"), tooLarge);
  WriteBytes(File("lf.txt"), convertsTooLarge);
  WriteBytes(File("locked.txt"), "locked");
  HANDLE lock = CreateFileA(File("locked.txt").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(lock, INVALID_HANDLE_VALUE);
  Start();
  Shell.useHistory = 1;
  struct Case {
    const char* name;
    std::string message;
    UINT type;
  };
  for (const Case& c :
       {Case{"large.txt", kTooLarge + "large.txt : 54kB" + kNoEditorHint, kTooLargeType},
        Case{"lf.txt", kTooLarge + "lf.txt : 31kB" + kNoEditorHint, kTooLargeType},
        Case{"locked.txt", kOpenFailed, kOpenFailedType}}) {
    WriteBytes(File("shown.txt"), "shown");
    CopyText(Document.path, kPathCapacity, File("shown.txt").c_str());
    OpenDocument(window);
    {
      Script script({{IDOK, ""}});
      EXPECT_EQ(Open(File(c.name)), 0);
      ASSERT_EQ(Script::texts().size(), 1u) << c.name;
      EXPECT_TRUE(Starts(Script::texts()[0], c.message)) << Script::texts()[0];
      EXPECT_EQ(Script::boxes()[0].type, c.type) << c.name;
    }
    EXPECT_EQ(std::string(Document.path), "") << c.name;
    EXPECT_EQ(WindowTitle(window), "Hakuzo") << c.name;
    EXPECT_EQ(ViewText(), "") << c.name;
    EXPECT_EQ(StatusPartText(0), "") << c.name;
    Type("typed");
    Script script({{IDCANCEL, ""}});
    Command(window, ID_FILE_SAVE);
    EXPECT_EQ(Script::texts(), std::vector<std::string>{kSaveDialog}) << c.name;
  }
  CloseHandle(lock);
  EXPECT_EQ(ReadBytes(File("large.txt")), tooLarge);
  EXPECT_EQ(ReadBytes(File("lf.txt")), convertsTooLarge);
  EXPECT_EQ(ReadBytes(File("locked.txt")), "locked");
  // Only the file that was shown is in the list.
  char path[MAX_PATH];
  EXPECT_EQ(RecentEntryPath(window, ID_RECENT_FIRST, path, sizeof path), 1);
  EXPECT_EQ(std::string(path), File("shown.txt"));
  EXPECT_EQ(Shell.recentCount, 1);
}

TEST_F(DocumentCommands, ATextTheSaveCannotHoldIsRefused) {
  WriteBytes(File("big.txt"), "old bytes");
  Start(File("big.txt").c_str());
  std::string text = LinesOfSize(64000, 'q');
  SetEditText(text.c_str());
  SetModified(1);
  {
    Script script({{IDOK, ""}});
    EXPECT_EQ(SaveCommand(window), 0);
    ASSERT_EQ(Script::texts().size(), 1u);
    EXPECT_TRUE(Starts(Script::texts()[0], kSaveRefused));
  }
  EXPECT_EQ(ReadBytes(File("big.txt")), "old bytes");
  EXPECT_EQ(IsModified(), 1);
  // One byte less fits.
  text.resize(63999);
  SetEditText(text.c_str());
  EXPECT_EQ(SaveCommand(window), 1);
  EXPECT_EQ(ReadBytes(File("big.txt")).size(), 63999u);
  // Not in UTF-16, which takes twice the bytes, nor ｱ in EUC-JP, two bytes
  // there: the message names the form's limit.
  const struct {
    TextEncoding encoding;
    std::string text;
    const char* limit;
  } forms[] = {
      {TextEncoding::Utf16Le, text, "UTF-16 LE で保存できるのは 64,000"},
      {TextEncoding::Euc, std::string(32000, '\xB1'), "EUC-JP で保存できるのは 63,999"},
  };
  for (const auto& f : forms) {
    SetEditText(f.text.c_str());
    Document.form.encoding = f.encoding;
    Script script({{IDOK, ""}});
    EXPECT_EQ(SaveCommand(window), 0);
    EXPECT_EQ(Script::texts(),
              std::vector<std::string>{kSaveRefused + "\n" + f.limit + " バイトまでです。"});
  }
  EXPECT_EQ(ReadBytes(File("big.txt")).size(), 63999u);
}

TEST_F(DocumentCommands, RecentEntriesOpenAndMoveIntoTheirFolder) {
  CreateDirectoryA(File("sub").c_str(), nullptr);
  WriteBytes(File("sub\\r.txt"), "recent");
  WriteIni("Set", "Use History", "1");
  WriteIni("Recent", "Recent File0", File("gone\\x.txt").c_str());
  WriteIni("Recent", "Recent File1", File("sub\\missing.txt").c_str());
  WriteIni("Recent", "Recent File2", File("sub\\r.txt").c_str());
  Start();
  Command(window, ID_RECENT_FIRST + 2);
  EXPECT_EQ(ViewText(), "recent");
  EXPECT_EQ(WindowTitle(window), "r.txt - Hakuzo");
  char current[MAX_PATH];
  GetCurrentDirectoryA(MAX_PATH, current);
  EXPECT_EQ(std::string(current), File("sub"));
  char top[MAX_PATH];
  RecentEntryPath(window, ID_RECENT_FIRST + 2, top, sizeof top);
  EXPECT_EQ(std::string(top), File("sub\\r.txt"));
  // A missing file opens empty under its name; a missing folder fails.
  Command(window, ID_RECENT_FIRST + 1);
  EXPECT_EQ(WindowTitle(window), "missing.txt - Hakuzo");
  EXPECT_EQ(ViewText(), "");
  Script script({{IDOK, ""}});
  Command(window, ID_RECENT_FIRST);
  ASSERT_EQ(Script::texts().size(), 1u);
  EXPECT_TRUE(Starts(Script::texts()[0], kOpenFailed));
  EXPECT_EQ(WindowTitle(window), "Hakuzo");
}

TEST_F(DocumentCommands, ARecentEntryOpensItsOwnFileAfterASaveInThePrompt) {
  // Ten entries: the prompt's save of an untitled text adds an eleventh,
  // which takes the oldest entry's place in the menu.
  WriteIni("Set", "Use History", "1");
  for (int k = 0; k < 10; ++k) {
    std::string name = "r" + std::to_string(k) + ".txt";
    WriteBytes(File(name), name);
    WriteIni("Recent", ("Recent File" + std::to_string(k)).c_str(), File(name).c_str());
  }
  Start();
  Type("new");
  {
    Script script({{IDYES, ""}, {IDOK, File("saved.txt")}});
    Command(window, ID_RECENT_FIRST + 9);
  }
  EXPECT_EQ(ReadBytes(File("saved.txt")), "new");
  EXPECT_EQ(WindowTitle(window), "r9.txt - Hakuzo");
}

// The two ways out through the external editor: a too-large file while
// opening ends through the shutdown (settings written), hand-over-now ends
// at once (nothing written).
TEST_F(DocumentCommands, HandOversEndTheProgram) {
  std::string editor = folder + "\\editor.exe";
  if (!CopyFileA(Recorder().c_str(), editor.c_str(), FALSE))
    GTEST_SKIP() << "record_command_line.exe is not built here";
  WriteBytes(File("big.txt"), std::string(60000, 'b'));
  WriteBytes(File("small.txt"), "small");
  WriteIni("Set", "Use History", "1");
  WriteIni("Relay", "Relay Process", "1");
  WriteIni("Relay", "No Inquire", "1");
  WriteIni("Relay", "Process Name", editor.c_str());
  // Whether the stand-in editor was started on the quoted path, waiting for
  // it a little: it runs as a process of its own.
  auto started = [&](const char* name) {
    std::string quoted = "\"" + File(name) + "\"";
    for (const std::string& line : RecordedLines(folder, 1))
      if (line.find(quoted) != std::string::npos) return true;
    return false;
  };

  Start(File("small.txt").c_str());
  EXPECT_EQ(Open(File("big.txt")), 0);
  EXPECT_TRUE(QuitSeen());
  EXPECT_TRUE(started("big.txt"));
  EXPECT_EQ(IniValue("Recent", "Recent File0"), File("small.txt"));  // the shutdown ran
  CloseTestMainWindow(window);
  DeleteFileA(File("command-line.txt").c_str());
  WriteIni("Recent", "Recent File0", "");

  Start();
  {
    // An untitled document has nothing to hand over.
    Script script({{IDOK, ""}});
    Command(window, ID_RELAY_NOW);
    EXPECT_EQ(Script::texts(), std::vector<std::string>{kRelayFailed});
    EXPECT_FALSE(QuitSeen());
  }
  CopyText(Document.path, kPathCapacity, File("small.txt").c_str());
  OpenDocument(window);
  Type("changed");
  {
    // The prompt comes first; Yes saves, so the editor gets the saved file.
    Script script({{IDYES, ""}});
    Command(window, ID_RELAY_NOW);
  }
  EXPECT_TRUE(QuitSeen());
  EXPECT_EQ(ReadBytes(File("small.txt")), "changedsmall");
  EXPECT_TRUE(started("small.txt"));
  EXPECT_EQ(IniValue("Recent", "Recent File0"), "");  // nothing written on this way out
}
