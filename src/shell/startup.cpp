#include "shell/startup.h"

#include <shellapi.h>

#include "base/app_instance.h"
#include "base/shell_options.h"
#include "base/system_calls.h"
#include "document/document_state.h"
#include "resource.h"
#include "settings/settings_store.h"
#include "shell/command_line.h"
#include "shell/main_window.h"
#include "text/path_helpers.h"
#include "text/text.h"
#include "version.h"

namespace {
constexpr const char* kWindowClass = "HAKUZO";
constexpr const char* kPathTooLong =
    "ファイル名が長すぎるため開けません。\n新しい文書で起動します。";
}  // namespace

int PathFromCommandLine(char* argument) {
  char* path = Document.path;
  path[0] = 0;
  TrimDocumentArgument(argument);
  // A lone quote, or quoted blanks: no document named. Blanks would
  // otherwise reach GetFullPathNameA and be refused as a name too long.
  const char* first = argument;
  while (*first == ' ') ++first;
  if (!*first) return 1;
  // Every argument is made full, drive paths too: Z:/docs/a.txt and C:a.txt
  // have no backslash before their name, and the cut below would leave the
  // bare name in whatever folder is current. A full path comes back as it
  // was, wildcards included; only . and .. are resolved and / is made a backslash.
  char* filePart = nullptr;
  DWORD n = GetFullPathNameA(argument, kMaxPathLength, path, &filePart);
  if (n == 0 || n >= static_cast<DWORD>(kMaxPathLength)) {
    path[0] = 0;
    return 0;
  }
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA(path, &found);
  if (search == INVALID_HANDLE_VALUE) return 1;
  FindClose(search);
  // The system's own cut of the name; ours where it gives none.
  char* name = filePart ? filePart : FileNamePart(path);
  if ((name - path) + TextLength(found.cFileName) >= kMaxPathLength) {
    path[0] = 0;
    return 0;
  }
  *name = 0;
  SetCurrentDirectoryA(path);
  AppendText(path, kPathCapacity, found.cFileName);
  return 1;
}

ATOM RegisterMainWindowClass(WNDPROC windowProcedure) {
  WNDCLASSEXA windowClass = {};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = windowProcedure;
  windowClass.hInstance = AppInstance();
  SetAppIcon(LoadIconA(AppInstance(), MAKEINTRESOURCEA(IDI_MAIN)));
  windowClass.hIcon = AppIcon();
  windowClass.hIconSm = LoadIconA(AppInstance(), MAKEINTRESOURCEA(IDI_SMALL));
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  windowClass.lpszMenuName = MAKEINTRESOURCEA(IDR_MAINMENU);
  windowClass.lpszClassName = kWindowClass;
  return RegisterClassExA(&windowClass);
}

HWND CreateMainWindow() {
  return CreateWindowExA(WS_EX_ACCEPTFILES, kWindowClass, kAppName, WS_OVERLAPPEDWINDOW,
                         CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr,
                         nullptr, AppInstance(), nullptr);
}

void ShowAboutBox(HWND owner) {
  ShellCalls* shell = ShellLibrary();
  if (!shell) {
    ShowMessage(owner, MissingLibraryText(), MB_ICONWARNING);
    return;
  }
  shell->shellAbout(owner, kAppName,
                    "Copyright (C) 2026 Hakuzo developers\r\nHakuzo " HAKUZO_VERSION_STRING,
                    AppIcon());
}

int ChooseShowMode(int requested) {
  if (Shell.openMode == ID_OPEN_LAST) {
    // Only normal, minimized and maximized are ever stored; anything else
    // (0 would hide the window for good) falls back to what was asked for.
    int last = ReadSettingInt(kLastOpenMode, requested);
    return last >= SW_SHOWNORMAL && last <= SW_SHOWMAXIMIZED ? last : requested;
  }
  if (Shell.openMode == ID_OPEN_MAXIMIZED) return SW_SHOWMAXIMIZED;
  return requested;
}

int RunMessageLoop(HWND mainWindow, HACCEL accelerators) {
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (TranslateAcceleratorA(mainWindow, accelerators, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return static_cast<int>(message.wParam);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR arguments, int showMode) {
  SetAppInstance(instance);
  SettingsPath("Hkz.ini");
  HACCEL accelerators = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(IDR_ACCELERATORS));
  int pathFits = 1;
  if (arguments[0]) pathFits = PathFromCommandLine(arguments);
  if (!RegisterMainWindowClass(MainWndProc)) return 0;
  HWND mainWindow = CreateMainWindow();
  if (!mainWindow) return 0;
  ShowWindow(mainWindow, ChooseShowMode(showMode));
  UpdateWindow(mainWindow);
  if (!pathFits) ShowMessage(mainWindow, kPathTooLong, MB_ICONWARNING);
  return RunMessageLoop(mainWindow, accelerators);
}
