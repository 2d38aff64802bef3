// The least a Win32 editor can do to show a file: read it, put it into an EDIT
// control, title the window. Its start-up time is the floor Wine imposes on
// any program that does the same; the start-up benchmark times it next to the
// editor. No C runtime, like the editor, so neither pays for one.
//   floor.exe PATH   (the title becomes "<name> - Floor")
// Built with -DFLOOR_WRAP the control wraps lines at its right edge, and with
// -DFLOOR_FONT it shows the editor's default font: variants that tell what the
// editor's default view costs over the plain control.
#include <windows.h>

namespace {

char fileText[64001];  // the editor's limit is below this
char title[300];
char path[MAX_PATH + 1];

// The first argument, quotes removed; the program name is skipped.
void TakeArgument(const char* line) {
  if (*line == '"') {
    for (++line; *line && *line != '"'; ++line) {
    }
    if (*line) ++line;
  } else {
    while (*line && *line != ' ' && *line != '\t') ++line;
  }
  while (*line == ' ' || *line == '\t') ++line;
  int n = 0;
  for (; *line && n < MAX_PATH; ++line)
    if (*line != '"') path[n++] = *line;
  path[n] = 0;
}

void ReadWholeFile() {
  HANDLE file =
      CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  DWORD got = 0;
  ReadFile(file, fileText, sizeof fileText - 1, &got, nullptr);
  fileText[got] = 0;
  CloseHandle(file);
}

// "<name> - Floor", the name being what follows the last separator.
void MakeTitle() {
  const char* name = path;
  for (const char* p = path; *p; p = CharNextA(p))
    if (*p == '\\' || *p == '/') name = p + 1;
  int n = 0;
  for (; *name && n < 280; ++name) title[n++] = *name;
  const char* tail = " - Floor";
  for (; *tail; ++tail) title[n++] = *tail;
  title[n] = 0;
}

HWND editControl;

#ifdef FLOOR_WRAP
constexpr DWORD kEditStyle =
    WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_NOHIDESEL;
#else
constexpr DWORD kEditStyle = WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE |
                             ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_NOHIDESEL;
#endif

void SetEditorFont() {
#ifdef FLOOR_FONT
  LOGFONTA font = {};
  font.lfHeight = -19;
  font.lfWeight = FW_NORMAL;
  font.lfCharSet = SHIFTJIS_CHARSET;
  const char face[] = "Terminal";
  for (int i = 0; i < static_cast<int>(sizeof face); ++i) font.lfFaceName[i] = face[i];
  SendMessageA(editControl, WM_SETFONT, reinterpret_cast<WPARAM>(CreateFontIndirectA(&font)), TRUE);
#endif
}

LRESULT CALLBACK FloorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE: {
      // Full size from the start, as in the editor: the text is laid out once,
      // before the window shows, not again when the first WM_SIZE arrives.
      RECT client;
      GetClientRect(window, &client);
      editControl = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "", kEditStyle, 0, 0, client.right,
                                    client.bottom, window, reinterpret_cast<HMENU>(1),
                                    reinterpret_cast<LPCREATESTRUCTA>(lParam)->hInstance, nullptr);
      SendMessageA(editControl, EM_LIMITTEXT, 0, 0);
      SetEditorFont();
      SetWindowTextA(editControl, fileText);
      SetWindowTextA(window, title);
      return 0;
    }
    case WM_SIZE:
      MoveWindow(editControl, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
      return 0;
    case WM_SETFOCUS:
      SetFocus(editControl);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

int Run() {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  TakeArgument(GetCommandLineA());
  ReadWholeFile();
  MakeTitle();
  WNDCLASSEXA windowClass = {};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = FloorProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.lpszClassName = "HakuzoBenchFloor";
  if (!RegisterClassExA(&windowClass)) return 1;
  HWND window = CreateWindowExA(0, "HakuzoBenchFloor", "Floor", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                                instance, nullptr);
  if (!window) return 1;
  ShowWindow(window, SW_SHOWDEFAULT);
  UpdateWindow(window);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace

extern "C" __attribute__((force_align_arg_pointer)) void FloorEntry() {
  ExitProcess(static_cast<UINT>(Run()));
}
