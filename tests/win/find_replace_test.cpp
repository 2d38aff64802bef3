// Find and replace on the real main window and its edit view. The dialogs
// are driven from a timer inside their own modal loop; every message box is
// answered by the harness, which also notes its text, type and owner.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "dialog_template.h"
#include "expected_texts.h"
#include "harness.h"
#include "resource.h"
#include "search/find_replace.h"
#include "view/edit_view.h"

namespace {

const std::string kEnter = "検索文字列を入力してください";
constexpr UINT kEnterType = MB_OK | MB_ICONWARNING;

// While alive: boxes are answered with answer, dialogs run the scripts.
struct Driver : BoxScript {
  explicit Driver(int answer, std::vector<std::function<void(HWND)>> dialogScripts = {})
      : BoxScript(answer, IDC_SEARCH_TEXT, std::move(dialogScripts)) {}
};

const std::vector<BoxSeen>& Boxes() {
  return BoxScript::boxes();
}

std::string Selection() {
  DWORD start = 0, end = 0;
  SendMessageA(EditView.view, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  return std::to_string(start) + "-" + std::to_string(end);
}

void Select(int start, int end) {
  SendMessageA(EditView.view, EM_SETSEL, start, end);
}

std::string BoxSelection(HWND dialog, int id) {
  DWORD start = 0, end = 0;
  SendDlgItemMessageA(dialog, id, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                      reinterpret_cast<LPARAM>(&end));
  return std::to_string(start) + "-" + std::to_string(end);
}

void Type(HWND dialog, int id, const std::string& text) {
  for (char c : text) SendDlgItemMessageA(dialog, id, WM_CHAR, static_cast<unsigned char>(c), 0);
}

void SetStrings(const char* search, const char* replacement) {
  lstrcpynA(SearchString, search, sizeof SearchString);
  lstrcpynA(ReplaceString, replacement, sizeof ReplaceString);
}

}  // namespace

TEST(FindReplace, DialogsWarnOnEmptyBoxesHoldTheLimitAndCancelKeepsTheStrings) {
  DeleteSettingsFile();
  HWND mainWindow = CreateTestMainWindow();
  SetStrings("", "");
  const std::string longest(255, 'x');
  SetEditText(("ab" + longest + "cd").c_str());
  Select(0, 0);

  // F3 with no search string asks first. OK on the empty box warns over the
  // dialog and keeps it open; the box takes 255 bytes and no more.
  std::string seen;
  {
    Driver driver(IDOK, {[&](HWND dialog) {
                    seen += GetFocus() == GetDlgItem(dialog, IDC_SEARCH_TEXT) ? "focus " : "- ";
                    seen += std::to_string(
                        SendDlgItemMessageA(dialog, IDC_SEARCH_TEXT, EM_GETLIMITTEXT, 0, 0));
                    Click(dialog, IDOK);
                    seen += IsWindow(dialog) ? " open" : " closed";
                    EXPECT_EQ(Boxes().size(), 1u);
                    if (!Boxes().empty()) {
                      EXPECT_EQ(Boxes()[0].owner, dialog);
                    }
                    Type(dialog, IDC_SEARCH_TEXT, longest + "y");
                    Click(dialog, IDOK);
                  }});
    EXPECT_EQ(FindNext(mainWindow, 0), 1);
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].text, kEnter);
    EXPECT_EQ(Boxes()[0].type, kEnterType);
  }
  EXPECT_EQ(seen, "focus 255 open");
  EXPECT_EQ(std::string(SearchString), longest);
  EXPECT_EQ(Selection(), "2-257");

  // Forced, the dialog offers the string selected; Cancel keeps it and the
  // view's selection.
  seen.clear();
  {
    Driver driver(IDOK, {[&](HWND dialog) {
                    seen += GetFocus() == GetDlgItem(dialog, IDC_SEARCH_TEXT) ? "focus " : "- ";
                    seen += BoxSelection(dialog, IDC_SEARCH_TEXT) + " ";
                    seen += ItemText(dialog, IDC_SEARCH_TEXT) == longest ? "text" : "other";
                    SetDlgItemTextA(dialog, IDC_SEARCH_TEXT, "zzz");
                    Click(dialog, IDCANCEL);
                  }});
    EXPECT_EQ(FindNext(mainWindow, 1), 0);
    EXPECT_TRUE(Boxes().empty());
  }
  EXPECT_EQ(seen, "focus 0-255 text");
  EXPECT_EQ(std::string(SearchString), longest);
  EXPECT_EQ(Selection(), "2-257");

  // F4 with no replacement asks for both. Only the search box filled: the
  // same warning, nothing taken; both filled: both taken, then the find and
  // the question (answered No).
  seen.clear();
  {
    Driver driver(IDNO, {[&](HWND dialog) {
                    seen += BoxSelection(dialog, IDC_SEARCH_TEXT) + " [";
                    seen += ItemText(dialog, IDC_REPLACE_TEXT) + "] ";
                    seen += std::to_string(
                        SendDlgItemMessageA(dialog, IDC_REPLACE_TEXT, EM_GETLIMITTEXT, 0, 0));
                    SetDlgItemTextA(dialog, IDC_SEARCH_TEXT, "cd");
                    Click(dialog, IDOK);
                    seen += IsWindow(dialog) ? " open " : " closed ";
                    seen += std::string(SearchString) == longest ? "kept" : "changed";
                    SetDlgItemTextA(dialog, IDC_REPLACE_TEXT, "置換");
                    Click(dialog, IDOK);
                  }});
    EXPECT_EQ(ReplaceNext(mainWindow, 0), 0);
    ASSERT_EQ(Boxes().size(), 2u);
    EXPECT_EQ(Boxes()[0].text, kEnter);
    EXPECT_EQ(BoxScript::types(), (std::vector<UINT>{kEnterType, kQuestionType}));
    EXPECT_EQ(Boxes()[1].text, kQuestion);
  }
  EXPECT_EQ(seen, "0-255 [] 255 open kept");
  EXPECT_STREQ(SearchString, "cd");
  EXPECT_STREQ(ReplaceString, "置換");
  EXPECT_EQ(Selection(), "257-259");

  // The replace dialog shows both strings next time, the replacement unselected.
  seen.clear();
  {
    Driver driver(
        IDOK, {[&](HWND dialog) {
          seen +=
              ItemText(dialog, IDC_SEARCH_TEXT) + " " + BoxSelection(dialog, IDC_SEARCH_TEXT) + " ";
          seen += ItemText(dialog, IDC_REPLACE_TEXT) + " " + BoxSelection(dialog, IDC_REPLACE_TEXT);
          Click(dialog, IDCANCEL);
        }});
    EXPECT_EQ(ReplacePrevious(mainWindow, 1), 0);
  }
  EXPECT_EQ(seen, "cd 0-2 置換 0-0");

  // A box that holds more than 255 bytes of double-byte characters (a
  // control that counts characters takes 255 of them) gives whole
  // characters only.
  std::string kanji;
  for (int i = 0; i < 200; ++i) kanji += "漢";
  {
    Driver driver(IDOK, {[&](HWND dialog) {
                    SetDlgItemTextA(dialog, IDC_SEARCH_TEXT, kanji.c_str());
                    Click(dialog, IDOK);
                  }});
    EXPECT_EQ(FindNext(mainWindow, 1), 0);
  }
  EXPECT_EQ(std::string(SearchString), kanji.substr(0, 254));
  CloseTestMainWindow(mainWindow);
}

TEST(FindReplace, FindNextAndPreviousSelectInTheViewText) {
  DeleteSettingsFile();
  HWND mainWindow = CreateTestMainWindow();
  Driver driver(IDOK);
  auto next = [&] { return FindNext(mainWindow, 0) ? Selection() : "none"; };
  auto previous = [&] { return FindPrevious(mainWindow, 0) ? Selection() : "none"; };

  SetEditText("abcabc");
  SetStrings("abc", "");
  Select(0, 0);
  EXPECT_EQ(next(), "0-3");
  EXPECT_EQ(next(), "3-6");
  EXPECT_EQ(StatusPartText(3), "0004:0001 - 0007:0001, 3");
  EXPECT_EQ(next(), "0-3");  // wrapped, without notice
  Select(3, 6);
  EXPECT_EQ(previous(), "0-3");
  EXPECT_EQ(previous(), "3-6");  // wrapped

  SetEditText("aaa");
  SetStrings("aa", "");
  Select(0, 0);
  EXPECT_EQ(next(), "0-2");
  EXPECT_EQ(next(), "0-2");
  Select(3, 3);
  EXPECT_EQ(previous(), "1-3");  // overlapping occurrences count backwards
  EXPECT_TRUE(Boxes().empty());

  // Not found: a trail byte and the letter after it (ャ is 83 83, ア 83 41),
  // case differs, or longer than the text. One notice each, over the main
  // window, and the selection stays.
  SetEditText("ャA");
  SetStrings("ア", "");
  Select(0, 0);
  EXPECT_EQ(next(), "none");
  SetEditText("abc");
  Select(1, 2);
  SetStrings("ABC", "");
  EXPECT_EQ(next(), "none");
  EXPECT_EQ(previous(), "none");
  SetStrings("abcd", "");
  EXPECT_EQ(next(), "none");
  EXPECT_EQ(Selection(), "1-2");
  ASSERT_EQ(Boxes().size(), 4u);
  for (const BoxSeen& box : Boxes()) {
    EXPECT_EQ(box.text, kNotFound);
    EXPECT_EQ(box.type, kNotFoundType);
    EXPECT_EQ(box.owner, mainWindow);
  }

  // Only the first 63,999 bytes are searched (in lines: a control with one
  // long wrapped line is slow to move about in).
  std::string big = LinesOfSize(63998, 'a');
  SetEditText((big + "bz").c_str());
  Select(0, 0);
  SetStrings("bz", "");
  EXPECT_EQ(next(), "none");
  EXPECT_EQ(previous(), "none");
  SetStrings("b", "");
  EXPECT_EQ(previous(), "63998-63999");
  EXPECT_EQ(Boxes().size(), 6u);
  CloseTestMainWindow(mainWindow);
}

TEST(FindReplace, ReplaceAsksOverTheViewAndMarksTheDocument) {
  DeleteSettingsFile();
  HWND mainWindow = CreateTestMainWindow();
  SetEditText("abc abc abc");
  SetModified(0);
  PumpMessages();
  SetStrings("abc", "XY");
  Select(0, 0);
  {
    // No: the occurrence stays selected and the text unchanged.
    Driver driver(IDNO);
    EXPECT_EQ(ReplaceNext(mainWindow, 0), 0);
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].text, kQuestion);
    EXPECT_EQ(Boxes()[0].type, kQuestionType);
  }
  EXPECT_EQ(Selection(), "0-3");
  EXPECT_EQ(ViewText(), "abc abc abc");
  EXPECT_EQ(SendMessageA(EditView.view, EM_GETMODIFY, 0, 0), 0);
  {
    // Yes: the next F4 moves on past it and replaces, undoably; Shift+F4
    // then replaces the one before the caret.
    Driver driver(IDYES);
    EXPECT_EQ(ReplaceNext(mainWindow, 0), 1);
    EXPECT_EQ(ViewText(), "abc XY abc");
    EXPECT_EQ(Selection(), "6-6");
    EXPECT_TRUE(SendMessageA(EditView.view, EM_CANUNDO, 0, 0));
    EXPECT_TRUE(SendMessageA(EditView.view, EM_GETMODIFY, 0, 0));
    PumpMessages();
    std::string title = WindowTitle(mainWindow);
    EXPECT_EQ(title.substr(title.size() - 2), " *") << title;
    EXPECT_EQ(ReplacePrevious(mainWindow, 0), 1);
    EXPECT_EQ(ViewText(), "XY XY abc");
    EXPECT_EQ(Selection(), "2-2");
    EXPECT_EQ(Boxes().size(), 2u);
    // Positions around double-byte characters: the replacement lands on
    // the occurrence's bytes both ways.
    SetEditText("日本語ABC日本語ABC");
    SetStrings("ABC", "xyz");
    Select(0, 0);
    EXPECT_EQ(ReplaceNext(mainWindow, 0), 1);
    EXPECT_EQ(ViewText(), "日本語xyz日本語ABC");
    EXPECT_EQ(ReplaceNext(mainWindow, 0), 1);
    EXPECT_EQ(ViewText(), "日本語xyz日本語xyz");
    SetStrings("日本", "二");
    EXPECT_EQ(ReplacePrevious(mainWindow, 0), 1);
    EXPECT_EQ(ViewText(), "日本語xyz二語xyz");
    EXPECT_EQ(Boxes().size(), 5u);
    // Nothing left to find: the notice only, no question.
    SetStrings("zzz", "XY");
    EXPECT_EQ(ReplaceNext(mainWindow, 0), 0);
    ASSERT_EQ(Boxes().size(), 6u);
    EXPECT_EQ(Boxes()[5].text, kNotFound);
  }
  // Whole characters only, both strings typed into the dialog: the trail
  // byte 5C of 表 is no backslash, ャ's trail 83 and an A are no ア.
  auto typed = [](const char* search, const char* replacement) {
    return [=](HWND dialog) {
      SetDlgItemTextA(dialog, IDC_SEARCH_TEXT, search);
      SetDlgItemTextA(dialog, IDC_REPLACE_TEXT, replacement);
      Click(dialog, IDOK);
    };
  };
  {
    Driver driver(IDYES, {typed("\\", "/"), typed("ア", "ウ")});
    SetEditText("a\\表\\b");
    EXPECT_EQ(ReplaceNext(mainWindow, 1), 1);
    EXPECT_EQ(ReplaceNext(mainWindow, 0), 1);
    EXPECT_EQ(ViewText(), "a/表/b");
    SetEditText("xャAyアz");
    EXPECT_EQ(ReplaceNext(mainWindow, 1), 1);
    EXPECT_EQ(ViewText(), "xャAyウz");
    EXPECT_EQ(Boxes().size(), 3u);
  }
  CloseTestMainWindow(mainWindow);
}

namespace {

// The template as one line per part, for comparing whole.
std::string DescribeTemplate(int id) {
  DWORD size = 0;
  const BYTE* base = DialogResource(id, &size);
  if (!base) return "missing";
  if (HIWORD(*reinterpret_cast<const DWORD*>(base)) == 0xFFFF) return "extended template";
  const DLGTEMPLATE* dialog = reinterpret_cast<const DLGTEMPLATE*>(base);
  char line[256];
  std::snprintf(line, sizeof line, "%08X %X %d,%d %dx%d %d\n", static_cast<unsigned>(dialog->style),
                static_cast<unsigned>(dialog->dwExtendedStyle), dialog->x, dialog->y, dialog->cx,
                dialog->cy, dialog->cdit);
  std::string out = line;
  const WORD* p = reinterpret_cast<const WORD*>(dialog + 1);
  std::string text;
  int ordinal;
  p = ReadTemplateText(p, &text, &ordinal);
  out += "menu " + text + std::to_string(ordinal);
  p = ReadTemplateText(p, &text, &ordinal);
  out += " class " + text + std::to_string(ordinal);
  p = ReadTemplateText(p, &text, &ordinal);
  out += " " + text + " " + std::to_string(*p++);
  p = ReadTemplateText(p, &text, &ordinal);
  out += " " + text + "\n";
  for (int i = 0; i < dialog->cdit; ++i) {
    p = AlignToItem(p);
    const DLGITEMTEMPLATE* item = reinterpret_cast<const DLGITEMTEMPLATE*>(p);
    std::snprintf(line, sizeof line, "%d %08X %X %d,%d,%d,%d", item->id,
                  static_cast<unsigned>(item->style), static_cast<unsigned>(item->dwExtendedStyle),
                  item->x, item->y, item->cx, item->cy);
    out += line;
    p = ReadTemplateText(reinterpret_cast<const WORD*>(item + 1), &text, &ordinal);
    out += " " + std::to_string(ordinal);
    p = ReadTemplateText(p, &text, &ordinal);
    out += " \"" + text + "\"\n";
    p = reinterpret_cast<const WORD*>(reinterpret_cast<const BYTE*>(p) + sizeof(WORD) + *p);
  }
  return out;
}

}  // namespace

TEST(FindReplace, TemplatesMatchTheLayout) {
  EXPECT_EQ(DescribeTemplate(IDD_FIND),
            "80C808C0 0 0,0 167x51 3\n"
            "menu -1 class -1 文字列の検索 9 ＭＳ Ｐゴシック\n"
            "1 50010001 0 27,30,41,14 128 \"OK\"\n"
            "2 50010000 0 102,30,41,14 128 \"ｷｬﾝｾﾙ\"\n"
            "1018 50810080 0 7,7,154,14 129 \"\"\n");
  EXPECT_EQ(DescribeTemplate(IDD_REPLACE),
            "80C808C0 0 0,0 167x75 4\n"
            "menu -1 class -1 文字列の置換 9 ＭＳ Ｐゴシック\n"
            "1 50010001 0 27,54,41,14 128 \"OK\"\n"
            "2 50010000 0 102,54,41,14 128 \"ｷｬﾝｾﾙ\"\n"
            "1018 50810080 0 7,7,154,14 129 \"\"\n"
            "1019 50810080 0 7,30,154,14 129 \"\"\n");
}
