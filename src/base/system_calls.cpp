#include "base/system_calls.h"

#include "text/text.h"

namespace {

constexpr const char* kMissingLibrary = "%s を読み込めないため、この操作はできません。";

// Zero until the first use: the editor has no C runtime start-up to run
// constructors, and null is what a failed lookup leaves.
SystemCalls calls;
bool callsFilled;
DialogCalls dialogCalls;
bool dialogsTried;
ShellCalls shellCalls;
bool shellTried;
ControlCalls controlCalls;
bool controlsTried;
ImeCalls imeCalls;
bool imeTried;
const char* missingLibrary;  // set by the load that failed

// The casts from FARPROC are the one way GetProcAddress answers.
template <typename Call>
void Find(HMODULE module, const char* name, Call* call) {
  *call = module ? reinterpret_cast<Call>(reinterpret_cast<void*>(GetProcAddress(module, name)))
                 : nullptr;
}

// Loaded once and kept for the rest of the run; a DLL that is missing stays
// missing, so a failed load is not retried either. Always by its full path:
// Windows 9x, NT 4.0 and 2000 look in the current folder, which the file
// dialogs and recent entries move to the document's, before the system
// folder, and a DLL of the same name lying there would run in the editor.
// A system folder that cannot be had, or too long for the name, is no
// reason to load it by name. The DLL's own imports are then looked for in
// its folder first (95 and NT 4.0 know the flag).
HMODULE LoadOnce(const char* name, bool* tried) {
  *tried = true;
  char path[MAX_PATH + 16];
  UINT folder = Calls().systemDirectory(path, MAX_PATH);
  if (folder == 0 || folder >= MAX_PATH) return nullptr;
  int wanted = static_cast<int>(folder) + 1 + TextLength(name);
  AppendText(path, sizeof path, "\\");
  if (AppendText(path, sizeof path, name) != wanted) return nullptr;
  return Calls().loadLibrary(path, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

}  // namespace

SystemCalls& Calls() {
  if (callsFilled) return calls;
  callsFilled = true;
  calls.getTempFileName = GetTempFileNameA;
  calls.loadLibrary = LoadLibraryExA;
  calls.systemDirectory = GetSystemDirectoryA;
  calls.isValidCodePage = IsValidCodePage;
  HMODULE kernel = GetModuleHandleA("kernel32.dll");
  Find(kernel, "ReplaceFileA", &calls.replaceFile);
  Find(kernel, "MoveFileExA", &calls.moveFileEx);
  HMODULE user = GetModuleHandleA("user32.dll");
  Find(user, "MonitorFromRect", &calls.monitorFromRect);
  Find(user, "GetMonitorInfoA", &calls.getMonitorInfo);
  return calls;
}

DialogCalls* DialogLibrary() {
  if (!dialogsTried) {
    HMODULE module = LoadOnce("comdlg32.dll", &dialogsTried);
    Find(module, "GetOpenFileNameA", &dialogCalls.getOpenFileName);
    Find(module, "GetSaveFileNameA", &dialogCalls.getSaveFileName);
    Find(module, "CommDlgExtendedError", &dialogCalls.commDlgExtendedError);
    Find(module, "ChooseFontA", &dialogCalls.chooseFont);
    Find(module, "ChooseColorA", &dialogCalls.chooseColor);
  }
  const DialogCalls& d = dialogCalls;
  if (d.getOpenFileName && d.getSaveFileName && d.commDlgExtendedError && d.chooseFont &&
      d.chooseColor) {
    return &dialogCalls;
  }
  missingLibrary = "comdlg32.dll";
  return nullptr;
}

ShellCalls* ShellLibrary() {
  if (!shellTried) {
    HMODULE module = LoadOnce("shell32.dll", &shellTried);
    Find(module, "ShellAboutA", &shellCalls.shellAbout);
    Find(module, "DragQueryFileA", &shellCalls.dragQueryFile);
    Find(module, "DragFinish", &shellCalls.dragFinish);
  }
  const ShellCalls& s = shellCalls;
  if (s.shellAbout && s.dragQueryFile && s.dragFinish) return &shellCalls;
  missingLibrary = "shell32.dll";
  return nullptr;
}

ControlCalls* ControlsLibrary() {
  if (!controlsTried) {
    Find(LoadOnce("comctl32.dll", &controlsTried), "InitCommonControls",
         &controlCalls.initCommonControls);
  }
  if (controlCalls.initCommonControls) return &controlCalls;
  missingLibrary = "comctl32.dll";
  return nullptr;
}

ImeCalls* ImeLibrary() {
  if (!imeTried) {
    HMODULE module = LoadOnce("imm32.dll", &imeTried);
    Find(module, "ImmGetContext", &imeCalls.immGetContext);
    Find(module, "ImmSetOpenStatus", &imeCalls.immSetOpenStatus);
    Find(module, "ImmReleaseContext", &imeCalls.immReleaseContext);
  }
  const ImeCalls& i = imeCalls;
  if (i.immGetContext && i.immSetOpenStatus && i.immReleaseContext) return &imeCalls;
  missingLibrary = "imm32.dll";
  return nullptr;
}

const char* MissingLibraryText() {
  // The longest name is 12 bytes: far from the buffer's end.
  static char text[128];
  wsprintfA(text, kMissingLibrary, missingLibrary);
  return text;
}

void ResetSystemCalls() {
  callsFilled = false;
  dialogsTried = false;
  shellTried = false;
  controlsTried = false;
  imeTried = false;
}
