#include "shell/main_window.h"

#include <imm.h>
#include <shellapi.h>

#include "document/document_state.h"
#include "resource.h"
#include "settings/settings_store.h"
#include "shell/commands.h"
#include "shell/menu_marks.h"
#include "statusbar/status_bar.h"
#include "view/edit_view.h"
#include "view/view_appearance.h"

ShellOptions Shell;

void LoadShellOptions(HWND mainWindow) {
  Document.defaultEuc = ReadSettingInt(kDefaultEuc);
  Document.defaultLf = ReadSettingInt(kDefaultLf);
  Shell.openMode = ReadSettingInt(kOpenMode);
  Shell.savePosition = ReadSettingInt(kSavePosition);
  Shell.saveSize = ReadSettingInt(kSaveSize);
  Shell.imeOnStartup = ReadSettingInt(kImeOnStartup);
  if (Shell.imeOnStartup) {
    HIMC context = ImmGetContext(mainWindow);
    ImmSetOpenStatus(context, TRUE);
    ImmReleaseContext(mainWindow, context);
  }
  Shell.useHistory = ReadSettingInt(kUseHistory);
  Shell.recentCount = 0;

  MarkCommand(mainWindow, ID_DEFAULT_EUC, Document.defaultEuc);
  MarkCommand(mainWindow, ID_DEFAULT_LF, Document.defaultLf);
  MarkCommand(mainWindow, ID_IME_ON_STARTUP, Shell.imeOnStartup);
  MarkCommand(mainWindow, ID_SAVE_POSITION, Shell.savePosition);
  MarkCommand(mainWindow, ID_SAVE_SIZE, Shell.saveSize);
  MarkCommand(mainWindow, Shell.openMode, 1);
  MarkCommand(mainWindow, ID_USE_HISTORY, Shell.useHistory);
}

namespace {

void CreateContents(HWND window) {
  LoadShellOptions(window);
  DragAcceptFiles(window, TRUE);
  CreateStatusBar(window);
  SetUpEditView(window);
  // The open document starts out as a new, untitled one.
  SetModified(0);
  MarkCommand(window, ID_EUC_MODE, Document.eucMode = Document.defaultEuc);
  MarkCommand(window, ID_LF_MODE, Document.lfMode = Document.defaultLf);
  ShowModeIndicators(Document.eucMode, Document.lfMode);
  PostRefresh(window);
}

void ShutDown() {
  DestroyEditView();
  DestroyStatusBar();
  PostQuitMessage(0);
}

}  // namespace

LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      CreateContents(window);
      return 0;
    case WM_DESTROY:
      ShutDown();
      return 0;
    case WM_SIZE:
      ResizeEditView(0, 0, LOWORD(lParam), HIWORD(lParam));
      ResizeStatusBar(0, 0, LOWORD(lParam), HIWORD(lParam));
      return 0;
    case WM_ACTIVATE:
      FocusEditView();
      return 0;
    case WM_CLOSE:
      // The window is never destroyed: the posted message runs the shutdown.
      PostMessageA(window, WM_DESTROY, 0, 0);
      return 0;
    case WM_COMMAND:
      RunCommand(window, LOWORD(wParam));
      return 0;
    case WM_CTLCOLOREDIT:
      return reinterpret_cast<LRESULT>(AnswerCtlColorEdit(reinterpret_cast<HDC>(wParam)));
    case WM_DROPFILES:
      // Opening dropped files comes with the document commands.
      DragFinish(reinterpret_cast<HDROP>(wParam));
      return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}
