#include "relay/relay.h"

#include <commdlg.h>

#include "base/app_instance.h"
#include "base/system_calls.h"
#include "relay/relay_text.h"
#include "resource.h"
#include "settings/settings_store.h"
#include "text/path_helpers.h"
#include "text/text.h"

RelaySettings Relay;

namespace {

constexpr const char* kRelayFailed = "ファイルの受け渡しに失敗しました";
// After the too-large notice while no editor takes such files.
constexpr const char* kNoEditorHint =
    "\n「オプション」>「他エディタ」で、このようなファイルを開くエディタを指定できます。";

// The editor runs on its own: own console, own process group, default error mode.
constexpr DWORD kEditorCreationFlags =
    CREATE_DEFAULT_ERROR_MODE | CREATE_NEW_PROCESS_GROUP | CREATE_NEW_CONSOLE;
static_assert(kEditorCreationFlags == 0x04000210, "creation flags of the external editor");

// The controls that only matter while the hand-over is on, in the order
// they are switched.
constexpr int kDependentControls[] = {IDC_RELAY_EDITOR_LABEL, IDC_RELAY_PROCESS_NAME,
                                      IDC_RELAY_BROWSE, IDC_RELAY_NO_INQUIRE};

int IsChecked(HWND dialog, int id) {
  return IsDlgButtonChecked(dialog, id) == BST_CHECKED ? 1 : 0;
}

void ApplyEnableRule(HWND dialog) {
  BOOL enable = IsChecked(dialog, IDC_RELAY_PROCESS);
  for (int id : kDependentControls) EnableWindow(GetDlgItem(dialog, id), enable);
}

void BrowseForEditor(HWND dialog) {
  DialogCalls* dialogs = DialogLibrary();
  if (!dialogs) {
    ShowMessage(dialog, MissingLibraryText(), MB_ICONWARNING);
    return;
  }
  char name[256] = {};
  OPENFILENAMEA ofn = {};
  // The NT 4 form of the record, which every system takes.
  ofn.lStructSize = sizeof(OPENFILENAME_NT4A);
  ofn.hwndOwner = dialog;
  ofn.lpstrFilter = "実行ファイル(*.exe)\0*.exe\0";
  ofn.lpstrFile = name;
  ofn.nMaxFile = sizeof name;
  ofn.lpstrTitle = "エディタの指定";
  ofn.lpstrDefExt = "exe";
  ofn.Flags = OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
  if (dialogs->getOpenFileName(&ofn)) SetDlgItemTextA(dialog, IDC_RELAY_PROCESS_NAME, name);
}

void AcceptDialog(HWND dialog) {
  Relay.RelayProcess = IsChecked(dialog, IDC_RELAY_PROCESS);
  Relay.NoInquire = IsChecked(dialog, IDC_RELAY_NO_INQUIRE);
  GetDlgItemTextA(dialog, IDC_RELAY_PROCESS_NAME, Relay.ProcessName, sizeof Relay.ProcessName);
  WriteSetting(kRelayProcess, Relay.RelayProcess);
  WriteSetting(kNoInquire, Relay.NoInquire);
  WriteSettingText(kProcessName, Relay.ProcessName);
}

// An unquoted program path with blanks would be split by CreateProcessA and
// the pieces tried in turn (C:\Program.exe before C:\Program Files\...).
// Quoted only when the whole text names a program file: anything else may be
// a program followed by its own arguments and is passed as the user wrote it.
bool ShouldQuoteProgram(const char* processName) {
  if (!NeedsProgramQuotes(processName)) return false;
  DWORD attributes = GetFileAttributesA(processName);
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

void LoadRelaySettings() {
  ReadSettingText(kProcessName, Relay.ProcessName, sizeof Relay.ProcessName);
  Relay.RelayProcess = ReadSettingInt(kRelayProcess);
  Relay.NoInquire = ReadSettingInt(kNoInquire);
}

INT_PTR CALLBACK RelayDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_INITDIALOG) {
    SetFocus(dialog);
    SendDlgItemMessageA(dialog, IDC_RELAY_PROCESS_NAME, EM_LIMITTEXT, sizeof Relay.ProcessName - 1,
                        0);
    CheckDlgButton(dialog, IDC_RELAY_PROCESS, Relay.RelayProcess ? BST_CHECKED : BST_UNCHECKED);
    SetDlgItemTextA(dialog, IDC_RELAY_PROCESS_NAME, Relay.ProcessName);
    CheckDlgButton(dialog, IDC_RELAY_NO_INQUIRE, Relay.NoInquire ? BST_CHECKED : BST_UNCHECKED);
    ApplyEnableRule(dialog);
    return FALSE;
  }
  if (message != WM_COMMAND) return FALSE;
  switch (LOWORD(wParam)) {
    case IDC_RELAY_PROCESS:
      ApplyEnableRule(dialog);
      break;
    case IDC_RELAY_BROWSE:
      BrowseForEditor(dialog);
      break;
    case IDOK:
      AcceptDialog(dialog);
      EndDialog(dialog, 1);
      break;
    case IDCANCEL:
      EndDialog(dialog, 0);
      break;
    default:
      break;
  }
  return TRUE;
}

int OfferRelay(HWND mainWindow, const char* path, unsigned long long size) {
  char text[kRelayMessageCapacity];
  ComposeTooLargeNotice(text, sizeof text, path, size);
  if (!Relay.RelayProcess) {
    AppendText(text, sizeof text, kNoEditorHint);
    ShowMessage(mainWindow, text, MB_OK);
    return 0;
  }
  if (!Relay.NoInquire) {
    AppendRelayQuestion(text, sizeof text, Relay.ProcessName);
    if (ShowMessage(mainWindow, text, MB_YESNO | MB_ICONQUESTION) == IDNO) return 0;
  }
  return HandOverDocument(mainWindow, path);
}

int HandOverDocument(HWND mainWindow, const char* path) {
  if (LaunchExternalEditor(mainWindow, path)) return 1;
  ShowMessage(mainWindow, kRelayFailed, MB_ICONERROR);
  return 0;
}

void ShowRelaySettings(HWND owner) {
  DialogBoxParamA(AppInstance(), MAKEINTRESOURCEA(IDD_RELAY), owner, RelayDialogProc, 0);
}

int LaunchExternalEditor(HWND, const char* path) {
  if (!path[0]) return 0;
  char commandLine[kRelayCommandCapacity];
  if (!ComposeRelayCommandLine(commandLine, sizeof commandLine, Relay.ProcessName,
                               ShouldQuoteProgram(Relay.ProcessName), path)) {
    return 0;
  }
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessA(nullptr, commandLine, nullptr, nullptr, FALSE, kEditorCreationFlags, nullptr,
                      nullptr, &startup, &process)) {
    return 0;
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return 1;
}
