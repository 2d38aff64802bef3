#include "shell/options.h"

#include <imm.h>

#include "base/menu_marks.h"
#include "base/shell_options.h"
#include "base/system_calls.h"
#include "document/document_state.h"
#include "recent/recent_files.h"
#include "resource.h"
#include "settings/settings_store.h"
#include "shell/window_placement.h"
#include "statusbar/status_bar.h"
#include "view/edit_view.h"

namespace {

struct Option {
  int id;  // the menu item that shows it
  int* flag;
  const SettingKey* key;
  const SettingKey* writtenAs = nullptr;     // when written under another spelling
  void (*apply)(HWND mainWindow) = nullptr;  // acts on the new value
  int (*allow)(HWND mainWindow) = nullptr;   // may refuse the flip, and says why
  int excludes = 0;                          // the option that goes off as this one goes on
};

// In the order they are read. Flipping stays here, so the subsystems need
// nothing of the shell.
constexpr Option kOptions[] = {
    // A new document is EUC-JP or UTF-8 or else Shift_JIS; a file that was
    // given both reads as UTF-8.
    {ID_DEFAULT_EUC, &Document.defaultEuc, &kDefaultEuc, nullptr, nullptr, nullptr,
     ID_DEFAULT_UTF8},
    {ID_DEFAULT_UTF8, &Document.defaultUtf8, &kDefaultUtf8, nullptr, nullptr, nullptr,
     ID_DEFAULT_EUC},
    {ID_DEFAULT_LF, &Document.defaultLf, &kDefaultLf},
    {ID_SAVE_POSITION, &Shell.savePosition, &kSavePosition, nullptr, KeepWindowPosition},
    {ID_SAVE_SIZE, &Shell.saveSize, &kSaveSize, nullptr, KeepWindowSize},
    // Takes effect at the next start.
    {ID_IME_ON_STARTUP, &Shell.imeOnStartup, &kImeOnStartup, &kImeOnStartupWritten},
    {ID_USE_HISTORY, &Shell.useHistory, &kUseHistory, nullptr, ToggleHistory},
    {ID_STATUS_BAR, &StatusBar.visible, &kStatusBar, nullptr, ToggleStatusBar, CanToggleStatusBar},
    {ID_WORD_WRAP, &EditView.wordWrap, &kWordWrap, nullptr, ToggleWordWrap, CanToggleWordWrap},
    {ID_AUTO_INDENT, &EditView.autoIndent, &kAutoIndent},
};

void OpenInputMethod(HWND mainWindow) {
  // Without an input method there is nothing to open; the option stays.
  ImeCalls* ime = ImeLibrary();
  if (!ime) return;
  HIMC context = ime->immGetContext(mainWindow);
  ime->immSetOpenStatus(context, TRUE);
  ime->immReleaseContext(mainWindow, context);
}

// Turns off the option that option excludes, as the user would.
void TurnOffExcluded(HWND mainWindow, const Option& option, bool write) {
  for (const Option& other : kOptions) {
    if (other.id != option.excludes || !*other.flag) continue;
    *other.flag = 0;
    MarkCommand(mainWindow, other.id, 0);
    if (write) WriteSetting(*other.key, 0);
  }
}

}  // namespace

void LoadShellOptions(HWND mainWindow) {
  for (const Option& option : kOptions) {
    *option.flag = ReadSettingInt(*option.key);
    MarkCommand(mainWindow, option.id, *option.flag);
    if (*option.flag) TurnOffExcluded(mainWindow, option, false);
  }
  // Any other stored number would check an unrelated menu item and none of
  // the three; start-up treats it as the default mode, so the mark says so.
  Shell.openMode = ReadSettingInt(kOpenMode);
  if (Shell.openMode != ID_OPEN_LAST && Shell.openMode != ID_OPEN_MAXIMIZED)
    Shell.openMode = ID_OPEN_DEFAULT;
  MarkCommand(mainWindow, Shell.openMode, 1);

  if (Shell.savePosition) RestoreWindowPosition(mainWindow);
  if (Shell.saveSize) RestoreWindowSize(mainWindow);
  if (Shell.imeOnStartup) OpenInputMethod(mainWindow);
  Shell.recentCount = 0;
  if (Shell.useHistory) LoadRecentFiles(mainWindow);
}

int RunOption(HWND mainWindow, int id) {
  for (const Option& option : kOptions) {
    if (option.id != id) continue;
    if (option.allow && !option.allow(mainWindow)) return 1;
    *option.flag = *option.flag ? 0 : 1;
    MarkCommand(mainWindow, id, *option.flag);
    WriteSetting(option.writtenAs ? *option.writtenAs : *option.key, *option.flag);
    if (*option.flag) TurnOffExcluded(mainWindow, option, true);
    if (option.apply) option.apply(mainWindow);
    return 1;
  }
  return 0;
}
