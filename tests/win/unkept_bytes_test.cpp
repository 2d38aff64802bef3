// Files whose bytes a save would change although nobody edited them: the
// corpus of tests/win/make-corpus opened, saved with the default answers and
// with Yes, and the save over such a file from every command that saves.
#include <gtest/gtest.h>

#include <string>

#include "document/document_file.h"
#include "document/document_state.h"
#include "expected_texts.h"
#include "harness.h"
#include "resource.h"
#include "window_fixture.h"

namespace {

// The corpus beside the sources, as Wine names the Unix path.
std::string CorpusFolder() {
  std::string path = "Z:" HAKUZO_CORPUS_DIR;
  for (char& c : path) c = c == '/' ? '\\' : c;
  return path;
}

class UnkeptBytes : public FileWindowTest {};

// What the view shows of the corpus files that real Japanese text is made
// of, and the form the status bar names.
struct Shown {
  const char* name;
  const char* form;
  const char* text;  // null: as the system's code page 932 has it
};
const Shown kShown[] = {
    {"keep-utf16le-kanji.txt", "UTF-16", "最新のメモ\r\n一月の予定　会議は十時から\r\n"},
    {"keep-utf16be-kanji.txt", "UTF-16", "最新のメモ\r\n一月の予定　会議は十時から\r\n"},
    {"keep-euc-kanji-only.txt", "EUC", "立\r\n与\r\n優\r\n単文\r\n坊\r\n"},
    {"keep-euc-halfwidth.txt", "EUC", "本日のｶﾀﾛｸﾞ送付について\r\n明日の会議は十時からです。\r\n"},
    {"keep-sjis-halfwidth.txt", "", "ｳﾞ\r\nｶﾀｶﾅ\r\nﾃﾞｰﾀ\r\n"},
    // 〜‖−—¢£¬ as code page 932 has them.
    {"keep-utf8-jis-symbols.txt", "UTF-8",
     "会議は10時\x81\x60"
     "11時です。\x81\x61\x81\x7C\x81\x5C\x81\x91\x81\x92\x81\xCA\r\n"},
    {"keep-utf8-mixed-symbols.txt", "UTF-8", "\x81\x60\x81\xCA\r\n"},
    {"keep-utf8-no-line-end.txt", "UTF-8", "日本"},
    {"keep-utf8-mark-only.txt", "UTF-8", ""},
    {"warn-utf8-latin.txt", "UTF-8", nullptr},
    {"warn-sjis-stray-zero.txt", "", "日本"},
    {"warn-sjis-two-zeros-odd.txt", "", "日"},
    {"warn-utf16le-nul.txt", "UTF-16", "a"},
};

}  // namespace

TEST_F(UnkeptBytes, OnlyFilesItCannotKeepWarnAndNoneChangesUntilYes) {
  Start();
  std::vector<std::string> names = FilesIn(CorpusFolder());
  ASSERT_GE(names.size(), 36u);
  // 日本語のメモ CR LF abc CR LF, as the view shows every form of it.
  const std::string memo = "\x93\xfa\x96\x7b\x8c\xea\x82\xcc\x83\x81\x83\x82\r\nabc\r\n";
  for (const std::string& name : names) {
    SCOPED_TRACE(name);
    const std::string bytes = ReadBytes(CorpusFolder() + "\\" + name);
    const std::string path = File(name);
    WriteBytes(path, bytes);
    bool warned;
    {
      // The warning has OK alone; the save's question gets its default, No.
      BoxAnswerer defaults(IDNO);
      EXPECT_EQ(Open(path), 1);
      warned = !BoxScript::boxes().empty();
      const Shown* shown = nullptr;
      for (const Shown& row : kShown) shown = name == row.name ? &row : shown;
      if (shown) {
        if (shown->text) {
          EXPECT_EQ(ViewText(), shown->text);
        }
        EXPECT_EQ(StatusPartText(1), shown->form);
      } else if (Starts(name, "keep-utf") && name != "keep-utf8-kana.txt") {
        EXPECT_EQ(ViewText(), memo);
      }
      Command(window, ID_FILE_SAVE);
      PumpMessages();
      ASSERT_EQ(BoxScript::boxes().size(), warned ? 2u : 0u);
      if (warned) {
        EXPECT_EQ(BoxScript::boxes()[0].type, kUnkeptType);
        EXPECT_EQ(BoxScript::boxes()[0].owner, window);
        EXPECT_TRUE(Starts(BoxScript::texts()[1], kSaveAltersFile));
        EXPECT_EQ(BoxScript::boxes()[1].type, kSaveAltersFileType);
      }
    }
    EXPECT_EQ(ReadBytes(path), bytes);
    if (!Starts(name, "either-")) {
      EXPECT_EQ(warned, Starts(name, "warn-"));
    }
    if (!warned) continue;
    {
      BoxAnswerer yes(IDYES);
      Command(window, ID_FILE_SAVE);
      EXPECT_EQ(BoxScript::boxes().size(), 1u);
    }
    EXPECT_NE(ReadBytes(path), bytes);
    // The file now holds what the editor wrote: saving it again asks nothing.
    BoxAnswerer none(IDNO);
    Command(window, ID_FILE_SAVE);
    EXPECT_TRUE(BoxScript::boxes().empty());
  }
}

TEST_F(UnkeptBytes, TheWarningNamesTheKindAndEverySaveOverTheFileAsks) {
  const std::string emoji = ReadBytes(CorpusFolder() + "\\warn-utf8-emoji.txt");
  const std::string zero = ReadBytes(CorpusFolder() + "\\warn-sjis-zero.txt");
  WriteBytes(File("zero.txt"), zero);
  WriteBytes(File("emoji.txt"), emoji);
  WriteBytes(File("nul16.txt"), ReadBytes(CorpusFolder() + "\\warn-utf16le-nul.txt"));
  {
    BoxAnswerer ok(IDOK);
    Start(File("zero.txt").c_str());
    EXPECT_EQ(Open(File("emoji.txt")), 1);
    EXPECT_EQ(Open(File("nul16.txt")), 1);
    Command(window, ID_REOPEN_UTF16LE);
    ASSERT_EQ(BoxScript::texts().size(), 4u);
    // At start-up too, the warning comes once the window is on screen.
    EXPECT_TRUE(BoxScript::boxes()[0].ownerVisible);
    // A zero ends the text in every form, and a save drops what follows.
    for (int i : {0, 2, 3}) {
      EXPECT_TRUE(Starts(BoxScript::texts()[i], kUnkeptZero)) << i;
      EXPECT_NE(BoxScript::texts()[i].find(kAfterNulLost), std::string::npos) << i;
    }
    EXPECT_TRUE(Starts(BoxScript::texts()[1], kUnkeptUnmappable));
    // A guess may be wrong; an encoding the user named is not.
    EXPECT_NE(BoxScript::texts()[2].find(kReopenHint), std::string::npos);
    EXPECT_EQ(BoxScript::texts()[3].find(kReopenHint), std::string::npos);
  }
  {
    BoxAnswerer ok(IDOK);
    EXPECT_EQ(Open(File("emoji.txt")), 1);
  }
  Type("x");
  {
    // Yes to the unsaved changes, No to the save over the file: New stops.
    BoxScript script({{IDYES, ""}, {IDNO, ""}});
    Command(window, ID_FILE_NEW);
    EXPECT_EQ(BoxScript::types(), (std::vector<UINT>{kPromptType, kSaveAltersFileType}));
  }
  EXPECT_EQ(WindowTitle(window), "emoji.txt - Hakuzo *");
  EXPECT_EQ(ReadBytes(File("emoji.txt")), emoji);
  {
    // Save As onto the same file asks too, after the dialog's own question.
    BoxScript script({{IDOK, File("emoji.txt")}, {IDYES, ""}}, IDNO);
    Command(window, ID_FILE_SAVEAS);
    ASSERT_FALSE(BoxScript::texts().empty());
    EXPECT_TRUE(Starts(BoxScript::texts().back(), kSaveAltersFile));
  }
  EXPECT_EQ(ReadBytes(File("emoji.txt")), emoji);
  // The same file by another name is the same file; a missing one is not.
  char shortName[MAX_PATH] = {};
  ASSERT_GT(GetShortPathNameA(File("emoji.txt").c_str(), shortName, MAX_PATH), 0u);
  EXPECT_TRUE(IsSameFile(File("emoji.txt").c_str(), shortName));
  EXPECT_TRUE(IsSameFile(File("emoji.txt").c_str(), (folder + "\\.\\EMOJI.TXT").c_str()));
  EXPECT_FALSE(IsSameFile(File("emoji.txt").c_str(), File("zero.txt").c_str()));
  EXPECT_FALSE(IsSameFile(File("emoji.txt").c_str(), File("none.txt").c_str()));
  // Another open ends the mark, and so does New.
  WriteBytes(File("clean.txt"), "clean\r\n");
  {
    BoxAnswerer none(IDNO);
    EXPECT_EQ(Open(File("clean.txt")), 1);
    Command(window, ID_FILE_SAVE);
    EXPECT_TRUE(BoxScript::boxes().empty());
  }
  {
    BoxAnswerer ok(IDOK);
    Open(File("emoji.txt"));
    Command(window, ID_FILE_NEW);
    EXPECT_EQ(Document.saveAltersFile, 0);
    Open(File("emoji.txt"));
  }
  {
    // Another file holds nothing to keep: written at once, and from then on
    // the document is that file.
    BoxScript script({{IDOK, File("copy.txt")}});
    Command(window, ID_FILE_SAVEAS);
    EXPECT_EQ(BoxScript::texts().size(), 1u);
    Command(window, ID_FILE_SAVE);
    EXPECT_EQ(BoxScript::texts().size(), 1u);
  }
  // In the file's own form, UTF-8, with what the view could not hold lost.
  EXPECT_EQ(ReadBytes(File("copy.txt")),
            "\xE6\x97\xA5\xE6\x9C\xAC"
            "??"
            "\r\n");
  EXPECT_EQ(WindowTitle(window), "copy.txt - Hakuzo");
  // 8,000 LF line ends and a last lone lead byte: shown, 64,000 bytes, too long to encode.
  WriteBytes(File("edge.txt"), std::string(8000, '\n') + std::string(47998, 'e') + "\x82");
  BoxAnswerer ok(IDOK);
  EXPECT_EQ(Open(File("edge.txt")), 1);
  EXPECT_EQ(BoxScript::types(), std::vector<UINT>{kUnkeptType});
  EXPECT_EQ(Document.saveAltersFile, 1);
}
