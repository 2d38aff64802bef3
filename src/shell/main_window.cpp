#include "shell/main_window.h"

#include <shellapi.h>

#include "base/shell_options.h"
#include "document/document_state.h"
#include "recent/recent_files.h"
#include "relay/relay.h"
#include "shell/commands.h"
#include "shell/document_commands.h"
#include "shell/options.h"
#include "shell/window_placement.h"
#include "statusbar/status_bar.h"
#include "view/edit_view.h"
#include "view/view_appearance.h"

namespace {

void CreateContents(HWND window) {
  LoadRelaySettings();
  LoadShellOptions(window);
  CreateStatusBar(window);
  EditView.scratch = Document.ScratchBuffer;
  SetUpEditView(window);
  // A new window has nothing to lose: the document it replaces is none.
  SetModified(0);
  if (Document.path[0]) {
    OpenDocument(window);
  } else {
    NewDocument(window);
  }
}

// What every normal end of the program writes to the settings file.
void SaveSessionSettings(HWND window) {
  SaveWindowPlacement(window);
  if (Shell.useHistory) SaveRecentFiles(window);
}

void ShutDown(HWND window) {
  DestroyEditView();
  DestroyStatusBar();
  SaveSessionSettings(window);
  PostQuitMessage(0);
}

}  // namespace

LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      CreateContents(window);
      return 0;
    case WM_DESTROY:
      ShutDown(window);
      return 0;
    case WM_SIZE:
      // The view takes the client area but for a status bar shown.
      ResizeEditView(0, 0, LOWORD(lParam), HIWORD(lParam) - StatusBarHeight());
      ResizeStatusBar(0, 0, LOWORD(lParam), HIWORD(lParam));
      return 0;
    case WM_ACTIVATE:
      FocusEditView();
      return 0;
    case WM_CLOSE:
      // The window is never destroyed: the posted message runs the shutdown.
      if (ConfirmDiscard(window)) PostMessageA(window, WM_DESTROY, 0, 0);
      return 0;
    case WM_QUERYENDSESSION:
      // Log-off and shut-down ask like a close does; a cancel, or a save
      // that did not happen, keeps the session and the text.
      return ConfirmDiscard(window) ? TRUE : FALSE;
    case WM_ENDSESSION:
      // The process ends without a WM_DESTROY: write what a close writes.
      if (wParam) SaveSessionSettings(window);
      return 0;
    case WM_COMMAND:
      RunCommand(window, LOWORD(wParam));
      return 0;
    case WM_CTLCOLOREDIT:
      return reinterpret_cast<LRESULT>(AnswerCtlColorEdit(reinterpret_cast<HDC>(wParam)));
    case WM_DROPFILES:
      OpenDroppedFile(window, reinterpret_cast<HDROP>(wParam));
      return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}
