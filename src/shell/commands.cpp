#include "shell/commands.h"

#include "base/menu_marks.h"
#include "base/shell_options.h"
#include "document/document_commands.h"
#include "document/document_state.h"
#include "document/document_title.h"
#include "document/file_form.h"
#include "recent/recent_files.h"
#include "relay/relay.h"
#include "resource.h"
#include "search/find_replace.h"
#include "settings/flip_option.h"
#include "shell/startup.h"
#include "shell/window_placement.h"
#include "statusbar/status_bar.h"
#include "view/edit_view.h"
#include "view/font_dialogs.h"

namespace {

// The document now differs from its file in encoding or line ends; the next
// save writes the new form. Nothing goes to the settings file.
void ToggleDocumentMode(HWND window, void (*switchForm)(FileForm& form)) {
  switchForm(Document.form);
  ShowDocumentForm(window);
  SetModified(1);
  MarkTitleModified(window);
}

void ExitCommand(HWND window) {
  PostMessageA(window, WM_CLOSE, 0, 0);
}
void AboutCommand(HWND window) {
  ShowAboutBox(window);
}
void SaveAsFileCommand(HWND window) {
  SaveAsCommand(window);
}
void SaveFileCommand(HWND window) {
  SaveCommand(window);
}
void OpenDefaultCommand(HWND window) {
  OpenModeCommand(window, ID_OPEN_DEFAULT);
}
void OpenLastCommand(HWND window) {
  OpenModeCommand(window, ID_OPEN_LAST);
}
void OpenMaximizedCommand(HWND window) {
  OpenModeCommand(window, ID_OPEN_MAXIMIZED);
}
// The dialog is forced for Ctrl+F and Ctrl+R only; the other keys ask only
// while a string they need is still empty.
void FindCommand(HWND window) {
  FindNext(window, 1);
}
void FindNextCommand(HWND window) {
  FindNext(window, 0);
}
void FindPreviousCommand(HWND window) {
  FindPrevious(window, 0);
}
void ReplaceCommand(HWND window) {
  ReplaceNext(window, 1);
}
void ReplaceNextCommand(HWND window) {
  ReplaceNext(window, 0);
}
void ReplacePreviousCommand(HWND window) {
  ReplacePrevious(window, 0);
}
void RelaySettingsCommand(HWND window) {
  ShowRelaySettings(window);
}
void EucModeCommand(HWND window) {
  ToggleDocumentMode(window, SwitchEucForm);
}
void LfModeCommand(HWND window) {
  ToggleDocumentMode(window, SwitchLfForm);
}
void WordWrapCommand(HWND window) {
  ToggleWordWrap(window);
}
void DefaultEucCommand(HWND window) {
  FlipOption(window, &Document.defaultEuc, ID_DEFAULT_EUC, kDefaultEuc);
}
void DefaultLfCommand(HWND window) {
  FlipOption(window, &Document.defaultLf, ID_DEFAULT_LF, kDefaultLf);
}
void AutoIndentCommand(HWND window) {
  ToggleAutoIndent(window);
}
// Takes effect at the next start.
void ImeOnStartupCommand(HWND window) {
  FlipOption(window, &Shell.imeOnStartup, ID_IME_ON_STARTUP, kImeOnStartupWritten);
}
void SelectAllCommand(HWND) {
  SelectAllText();
}

// Hands the document to the external editor and ends without the shutdown:
// this run's placement and recent list are not saved on this way out.
void RelayNowCommand(HWND window) {
  if (!ConfirmDiscard(window)) return;
  if (HandOverDocument(window, Document.path)) PostQuitMessage(0);
}
void ReopenSjisCommand(HWND window) {
  ReopenDocument(window, TextEncoding::Sjis);
}
void ReopenEucCommand(HWND window) {
  ReopenDocument(window, TextEncoding::Euc);
}
void ReopenUtf8Command(HWND window) {
  ReopenDocument(window, TextEncoding::Utf8);
}
void ReopenUtf16LeCommand(HWND window) {
  ReopenDocument(window, TextEncoding::Utf16Le);
}
void ReopenUtf16BeCommand(HWND window) {
  ReopenDocument(window, TextEncoding::Utf16Be);
}
void StatusBarCommand(HWND window) {
  ToggleStatusBar(window);
}

// Every notification of the edit view arrives here too (its child id is
// ID_REFRESH): the first change marks the title, and the caret is shown.
void RefreshCommand(HWND window) {
  if (QueryFirstModification()) MarkTitleModified(window);
  ShowCaretPosition();
}

struct Command {
  int id;
  void (*run)(HWND window);
};

constexpr Command kCommands[] = {
    {ID_FILE_EXIT, ExitCommand},
    {ID_HELP_ABOUT, AboutCommand},
    {ID_FILE_OPEN, OpenCommand},
    {ID_FILE_SAVEAS, SaveAsFileCommand},
    {ID_FILE_SAVE, SaveFileCommand},
    {ID_FILE_NEW, NewDocument},
    {ID_FONT, FontCommand},
    {ID_SAVE_SIZE, SaveSizeCommand},
    {ID_OPEN_DEFAULT, OpenDefaultCommand},
    {ID_OPEN_LAST, OpenLastCommand},
    {ID_OPEN_MAXIMIZED, OpenMaximizedCommand},
    {ID_TEXT_COLOR, TextColorCommand},  // repaints the view itself
    {ID_BACK_COLOR, BackColorCommand},  // repaints the view itself
    {ID_RELAY_SETTINGS, RelaySettingsCommand},
    {ID_EUC_MODE, EucModeCommand},
    {ID_LF_MODE, LfModeCommand},
    {ID_SAVE_POSITION, SavePositionCommand},
    {ID_WORD_WRAP, WordWrapCommand},
    {ID_DEFAULT_EUC, DefaultEucCommand},
    {ID_DEFAULT_LF, DefaultLfCommand},
    {ID_AUTO_INDENT, AutoIndentCommand},
    {ID_FIND, FindCommand},
    {ID_FIND_NEXT, FindNextCommand},
    {ID_FIND_PREVIOUS, FindPreviousCommand},
    {ID_REPLACE, ReplaceCommand},
    {ID_REPLACE_NEXT, ReplaceNextCommand},
    {ID_REPLACE_PREVIOUS, ReplacePreviousCommand},
    {ID_IME_ON_STARTUP, ImeOnStartupCommand},
    {ID_USE_HISTORY, ToggleHistory},
    {ID_SELECT_ALL, SelectAllCommand},
    {ID_RELAY_NOW, RelayNowCommand},
    {ID_REFRESH, RefreshCommand},
    {ID_STATUS_BAR, StatusBarCommand},
    {ID_REOPEN_SJIS, ReopenSjisCommand},
    {ID_REOPEN_EUC, ReopenEucCommand},
    {ID_REOPEN_UTF8, ReopenUtf8Command},
    {ID_REOPEN_UTF16LE, ReopenUtf16LeCommand},
    {ID_REOPEN_UTF16BE, ReopenUtf16BeCommand},
};

}  // namespace

void RunCommand(HWND mainWindow, int id) {
  if (id >= ID_RECENT_FIRST && id <= ID_RECENT_LAST) {
    OpenRecentItem(mainWindow, id);
    return;
  }
  for (const Command& command : kCommands) {
    if (command.id == id) {
      command.run(mainWindow);
      return;
    }
  }
}
