// The edit view inside the real main window: creation from the settings,
// the word-wrap rebuild, auto-indent through the message loop, the modified
// latch, and the font and colours.
#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>
#include <string>
#include <utility>

#include "document/document_state.h"
#include "expected_texts.h"
#include "harness.h"
#include "window_fixture.h"
#include "statusbar/status_bar.h"
#include "view/edit_view.h"
#include "view/view_appearance.h"

namespace {

constexpr int kWordWrap = 40023;
constexpr int kAutoIndent = 40033;

struct Selection {
  DWORD start = 0;
  DWORD end = 0;
};

Selection ViewSelection() {
  Selection s;
  SendMessageA(EditView.view, EM_GETSEL, reinterpret_cast<WPARAM>(&s.start),
               reinterpret_cast<LPARAM>(&s.end));
  return s;
}

LONG_PTR ViewStyle() {
  return GetWindowLongPtrA(EditView.view, GWL_STYLE);
}

// Starts the editor on a settings file holding exactly the given [Set] and
// [Font] values.
class EditViewTest : public MainWindowTest {
 protected:
  void Start(std::initializer_list<std::pair<const char*, const char*>> set = {},
             std::initializer_list<std::pair<const char*, const char*>> font = {}) {
    DeleteSettingsFile();
    for (auto& [key, value] : set) WriteIni("Set", key, value);
    for (auto& [key, value] : font) WriteIni("Font", key, value);
    main_ = CreateTestMainWindow();
    SetModified(0);
  }
  // The view's text with the caret placed, then Return as the loop delivers
  // it: the key-down goes through TranslateMessage, whose character follows.
  std::string PressReturn(const char* text, int start, int end) {
    SetEditText(text);
    SendMessageA(EditView.view, EM_SETSEL, start, end);
    PostMessageA(EditView.view, WM_KEYDOWN, VK_RETURN, 0);
    PumpMessages();
    return ViewText();
  }
};

TEST_F(EditViewTest, StartsWithDefaultsWithoutSettingsFile) {
  Start();
  HWND view = EditView.view;
  EXPECT_EQ(ViewStyle(), 0x50201144);
  EXPECT_EQ(GetWindowLongPtrA(view, GWL_EXSTYLE) & WS_EX_CLIENTEDGE, WS_EX_CLIENTEDGE);
  EXPECT_EQ(GetDlgCtrlID(view), 40100);
  // The limit is a DWORD: a multiline control without one reports 0xFFFFFFFF,
  // which a 32-bit LRESULT would read as -1.
  EXPECT_GT(static_cast<DWORD>(SendMessageA(view, EM_GETLIMITTEXT, 0, 0)), DWORD{BufferCapacity});

  EXPECT_TRUE(IsChecked(main_, kWordWrap));
  EXPECT_TRUE(IsGreyed(main_, kAutoIndent));
  EXPECT_FALSE(IsChecked(main_, kAutoIndent));
  EXPECT_EQ(GetWindowLongPtrA(view, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(EditSubclassProc));

  const LOGFONTA& font = Appearance.logFont;
  EXPECT_STREQ(font.lfFaceName, "Terminal");
  EXPECT_EQ(font.lfHeight, -19);
  EXPECT_EQ(font.lfWidth, 0);
  EXPECT_EQ(font.lfWeight, 400);
  EXPECT_EQ(font.lfCharSet, 128);
  EXPECT_EQ(font.lfItalic, 0);
  EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(view, WM_GETFONT, 0, 0)), Appearance.font);

  // The colour request reaches the view's answer through the main window.
  HDC dc = CreateCompatibleDC(nullptr);
  LRESULT brush = SendMessageA(main_, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                               reinterpret_cast<LPARAM>(view));
  EXPECT_EQ(GetTextColor(dc), 0x000000u);
  EXPECT_EQ(GetBkColor(dc), 0xFFFFFFu);
  LOGBRUSH logBrush = {};
  ASSERT_EQ(brush, reinterpret_cast<LRESULT>(Appearance.backBrush));
  GetObjectA(Appearance.backBrush, sizeof logBrush, &logBrush);
  EXPECT_EQ(logBrush.lbColor, 0xFFFFFFu);
  DeleteDC(dc);
}

TEST_F(EditViewTest, ReadsFontAndColoursFromTheSettings) {
  Start({}, {{"Text Color", "255"},
             {"Back Color", "65280"},
             {"Face Name", "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmn"},
             {"Height", "-25"},
             {"Width", "7"},
             {"Weight", "700"},
             {"CharSet", "384"},
             {"Italic", "257"}});
  const LOGFONTA& font = Appearance.logFont;
  EXPECT_STREQ(font.lfFaceName, "ABCDEFGHIJKLMNOPQRSTUVWXYZabcde");  // 31 bytes
  EXPECT_EQ(font.lfHeight, -25);
  EXPECT_EQ(font.lfWidth, 7);
  EXPECT_EQ(font.lfWeight, 700);
  EXPECT_EQ(font.lfCharSet, 128);
  EXPECT_EQ(font.lfItalic, 1);
  HDC dc = CreateCompatibleDC(nullptr);
  AnswerCtlColorEdit(dc);
  EXPECT_EQ(GetTextColor(dc), RGB(255, 0, 0));
  EXPECT_EQ(GetBkColor(dc), RGB(0, 255, 0));
  DeleteDC(dc);
}

TEST_F(EditViewTest, WordWrapToggleRebuildsTheControl) {
  Start({{"Auto Indent", "1"}});
  EXPECT_TRUE(IsChecked(main_, kAutoIndent));  // greyed, but its mark stays
  EXPECT_TRUE(IsGreyed(main_, kAutoIndent));
  HWND old = EditView.view;
  SetEditText("first line\r\nsecond");
  SendMessageA(old, EM_SETSEL, 3, 14);
  SendMessageA(old, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("12345678901"));
  SendMessageA(old, EM_SETSEL, 3, 14);
  ASSERT_TRUE(IsModified());  // through the control's change notification

  Command(main_, kWordWrap);
  EXPECT_FALSE(IsWindow(old));
  EXPECT_EQ(ViewStyle(), 0x50301144);
  EXPECT_EQ(IniValue("Set", "Term Right"), "0");
  EXPECT_FALSE(IsChecked(main_, kWordWrap));
  EXPECT_FALSE(IsGreyed(main_, kAutoIndent));
  EXPECT_TRUE(IsChecked(main_, kAutoIndent));
  EXPECT_EQ(ViewText(), "fir12345678901cond");
  EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(EditView.view, WM_GETFONT, 0, 0)),
            Appearance.font);
  Selection s = ViewSelection();
  EXPECT_EQ(s.start, 3u);
  EXPECT_EQ(s.end, 3u);
  EXPECT_TRUE(IsModified());
  EXPECT_FALSE(SendMessageA(EditView.view, EM_GETMODIFY, 0, 0));
  EXPECT_EQ(GetWindowLongPtrA(EditView.view, GWLP_WNDPROC),
            reinterpret_cast<LONG_PTR>(EditSubclassProc));
  EXPECT_EQ(GetFocus(), EditView.view);

  Command(main_, kWordWrap);
  EXPECT_EQ(ViewStyle(), 0x50201144);
  EXPECT_EQ(IniValue("Set", "Term Right"), "1");
  EXPECT_TRUE(IsGreyed(main_, kAutoIndent));
}

TEST_F(EditViewTest, WordWrapToggleBringsTheCaretLineUpHalfway) {
  Start();
  std::string text;
  for (int i = 0; i < 300; ++i) text += "line\r\n";
  SetEditText(text.c_str());
  int start = 150 * 6;
  SendMessageA(EditView.view, EM_SETSEL, start, start);
  Command(main_, kWordWrap);
  RECT client;
  GetClientRect(EditView.view, &client);
  LRESULT position = SendMessageA(EditView.view, EM_POSFROMCHAR, start, 0);
  int y = static_cast<short>(HIWORD(position));
  EXPECT_GT(y, client.bottom * 3 / 10);
  EXPECT_LT(y, client.bottom * 7 / 10);
}

TEST_F(EditViewTest, WordWrapToggleRefusesATextTheBufferCannotHold) {
  Start({{"Status Bar", "1"}});
  HWND view = EditView.view;
  std::string big = LinesOfSize(70000, 'a');
  SetEditText(big.c_str());
  ASSERT_EQ(GetWindowTextLengthA(view), 70000);
  {
    BoxAnswerer boxes(IDOK);
    Command(main_, kWordWrap);
    ASSERT_EQ(boxes.texts().size(), 1u);
    EXPECT_EQ(boxes.texts()[0], kWrapRefused);
  }
  EXPECT_EQ(EditView.view, view);
  EXPECT_EQ(ViewStyle(), 0x50201144);
  EXPECT_EQ(ViewText(), big);
  EXPECT_EQ(EditView.wordWrap, 1);
  EXPECT_TRUE(IsChecked(main_, kWordWrap));
  EXPECT_TRUE(IsGreyed(main_, kAutoIndent));
  EXPECT_FALSE(IniHasKey("Set", "Term Right"));

  // A text that fills the buffer exactly is carried whole, to its last
  // double-byte character, though the focused view refreshes the bar.
  std::string full = LinesOfSize(BufferCapacity - 2, 'b') + "\x8c\xea";
  SetEditText(full.c_str());
  SetFocus(EditView.view);
  BoxAnswerer none(IDOK);
  Command(main_, kWordWrap);
  EXPECT_TRUE(none.texts().empty());
  EXPECT_EQ(ViewStyle(), 0x50301144);
  EXPECT_EQ(ViewText(), full);
}

TEST_F(EditViewTest, GetEditTextReportsTheWholeLength) {
  Start();
  std::string big = LinesOfSize(70000, 'x');
  big[BufferCapacity - 3] = 'y';  // the last byte that fits is kept
  SetEditText(big.c_str());
  std::string buffer(BufferCapacity + 1 + 8, '#');
  EXPECT_EQ(GetEditText(&buffer[0], BufferCapacity + 1), 70000);
  EXPECT_EQ(buffer.substr(0, BufferCapacity), big.substr(0, BufferCapacity));
  EXPECT_EQ(buffer[BufferCapacity], '\0');
  EXPECT_EQ(buffer.substr(BufferCapacity + 1), "########");

  SetEditText("abcdefgh");
  char small[8] = "#######";
  EXPECT_EQ(GetEditText(small, 5), 8);
  EXPECT_STREQ(small, "abcd");
  EXPECT_EQ(small[5], '#');
  char exact[9];
  EXPECT_EQ(GetEditText(exact, sizeof exact), 8);
  EXPECT_STREQ(exact, "abcdefgh");
}

TEST_F(EditViewTest, AutoIndentToggleWritesAtOnce) {
  Start({{"Term Right", "0"}});
  EXPECT_FALSE(IsGreyed(main_, kAutoIndent));
  EXPECT_EQ(ViewStyle(), 0x50301144);
  Command(main_, kAutoIndent);
  EXPECT_TRUE(IsChecked(main_, kAutoIndent));
  EXPECT_EQ(IniValue("Set", "Auto Indent"), "1");
  Command(main_, kAutoIndent);
  EXPECT_FALSE(IsChecked(main_, kAutoIndent));
  EXPECT_EQ(IniValue("Set", "Auto Indent"), "0");
}

// Auto-indent rests on the loop turning posted key-downs (lParam 0) into
// characters; without auto-indent that alone must already type the blanks.
TEST_F(EditViewTest, PostedKeyDownsBecomeCharactersInTheLoop) {
  Start({{"Term Right", "0"}});
  SetEditText("x");
  SendMessageA(EditView.view, EM_SETSEL, 1, 1);
  for (WPARAM key : {VK_SPACE, VK_TAB, VK_RETURN}) PostMessageA(EditView.view, WM_KEYDOWN, key, 0);
  PumpMessages();
  EXPECT_EQ(ViewText(), "x \t\r\n");
}

TEST_F(EditViewTest, AutoIndentRepeatsTheLeadingBlanks) {
  Start({{"Term Right", "0"}, {"Auto Indent", "1"}});
  EXPECT_EQ(PressReturn("    text", 8, 8), "    text\r\n    ");
  EXPECT_EQ(ViewSelection().start, 14u);
  // Only the blanks left of the caret count; the rest move down with the text.
  EXPECT_EQ(PressReturn("    text", 2, 2), "  \r\n    text");
  EXPECT_EQ(ViewSelection().start, 6u);
  EXPECT_EQ(PressReturn("    text", 0, 0), "\r\n    text");
  EXPECT_EQ(PressReturn("text  ", 6, 6), "text  \r\n");
  EXPECT_EQ(PressReturn("\t \t x", 5, 5), "\t \t x\r\n\t \t ");
  EXPECT_EQ(PressReturn("a\r\n\t\tb\r\nc", 6, 6), "a\r\n\t\tb\r\n\t\t\r\nc");
  // A selection is replaced; its start, not the caret, decides the line and
  // the column.
  EXPECT_EQ(PressReturn("  ab\r\n    cd", 3, 11), "  a\r\n  d");
}

TEST_F(EditViewTest, AutoIndentReadsNoMoreThanTheCopiedLine) {
  Start({{"Term Right", "0"}, {"Auto Indent", "1"}});
  // A line longer than the scratch buffer: only the copied part may count,
  // even when the bytes after it happen to be blanks.
  std::string line(BufferCapacity + 10, ' ');
  SetEditText(line.c_str());
  SendMessageA(EditView.view, EM_SETSEL, line.size(), line.size());
  std::memset(Document.ScratchBuffer, ' ', sizeof Document.ScratchBuffer);
  SendMessageA(EditView.view, WM_KEYDOWN, VK_RETURN, 0);
  int blanks = 0;
  MSG message;
  while (PeekMessageA(&message, EditView.view, WM_KEYDOWN, WM_KEYDOWN, PM_REMOVE)) {
    if (message.wParam == VK_SPACE) ++blanks;
  }
  EXPECT_EQ(blanks, BufferCapacity);
  PumpMessages(0);
}

TEST_F(EditViewTest, WrappingNeverIndents) {
  Start({{"Auto Indent", "1"}});
  EXPECT_EQ(PressReturn("    text", 8, 8), "    text\r\n");
}

TEST_F(EditViewTest, ModifiedLatchReportsTheFirstChangeOnce) {
  Start();
  SendMessageA(EditView.view, EM_SETMODIFY, TRUE, 0);  // a change not yet seen
  EXPECT_NE(QueryFirstModification(), 0);
  EXPECT_EQ(QueryFirstModification(), 0);
  EXPECT_EQ(IsModified(), 1);
  SetModified(0);
  EXPECT_FALSE(SendMessageA(EditView.view, EM_GETMODIFY, 0, 0));
  EXPECT_EQ(QueryFirstModification(), 0);
  SendMessageA(EditView.view, EM_SETMODIFY, TRUE, 0);
  EXPECT_NE(QueryFirstModification(), 0);
  SetModified(1);
  EXPECT_TRUE(SendMessageA(EditView.view, EM_GETMODIFY, 0, 0));
}

TEST_F(EditViewTest, KeysAndClicksRefreshTheCaretReadOut) {
  Start({{"Status Bar", "1"}});
  SetEditText("abc\r\ndef");
  SendMessageA(EditView.view, EM_SETSEL, 8, 8);  // no notification of its own
  PostMessageA(EditView.view, WM_KEYDOWN, VK_LEFT, 0);
  PumpMessages();
  EXPECT_EQ(StatusPartText(3), "0003:0002");
  SendMessageA(EditView.view, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 1));
  SendMessageA(EditView.view, WM_LBUTTONUP, 0, MAKELPARAM(1, 1));
  PumpMessages();
  EXPECT_EQ(StatusPartText(3), "0001:0001");
  Command(main_, 40045);
  Selection all = ViewSelection();
  EXPECT_EQ(all.start, 0u);
  EXPECT_EQ(all.end, 8u);
}

TEST_F(EditViewTest, LeavesTheStatusBarItsHeight) {
  Start({{"Status Bar", "1"}});
  RECT client, rect;
  GetClientRect(main_, &client);
  GetWindowRect(EditView.view, &rect);
  ASSERT_GT(StatusBarHeight(), 0);
  EXPECT_EQ(rect.bottom - rect.top, client.bottom - StatusBarHeight());
  SetWindowPos(main_, nullptr, 0, 0, 500, 400, SWP_NOMOVE | SWP_NOZORDER);
  PumpMessages();
  GetClientRect(main_, &client);
  GetWindowRect(EditView.view, &rect);
  EXPECT_EQ(rect.bottom - rect.top, client.bottom - StatusBarHeight());
  EXPECT_EQ(rect.right - rect.left, client.right);
}

TEST_F(EditViewTest, ShutdownReleasesControlFontAndBrush) {
  Start();
  HWND view = EditView.view;
  HFONT font = Appearance.font;
  HBRUSH brush = Appearance.backBrush;
  EXPECT_TRUE(CloseTestMainWindow(main_));
  main_ = nullptr;
  EXPECT_FALSE(IsWindow(view));
  EXPECT_EQ(GetObjectType(font), 0u);
  EXPECT_EQ(GetObjectType(brush), 0u);
}

}  // namespace
