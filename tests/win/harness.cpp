#include "harness.h"

#include <commctrl.h>
#include <dlgs.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <deque>

#include "base/app_instance.h"
#include "document/document_state.h"
#include "resource.h"
#include "settings/settings_store.h"
#include "shell/main_window.h"
#include "shell/startup.h"
#include "statusbar/status_bar.h"
#include "view/edit_view.h"

namespace {
HWND currentMain;
HACCEL accelerators;
bool quitSeen;

HHOOK hook;
UINT_PTR pollTimer;
std::deque<Step> steps;
int restAnswer;
int scriptedItem;
std::vector<std::function<void(HWND)>> scripts;
size_t nextScript;
std::vector<BoxSeen> boxesSeen;
std::vector<std::string> textsSeen;

// A box answered and not yet seen to close, and what it was told.
struct Answered {
  HWND box;
  std::string text;
  Step step;
  DWORD at;
  bool repeated;
};
std::vector<Answered> answered;

// How long an answered box may stay open, its own loop idle, before it is
// answered once more, and then before it is closed as a failure.
constexpr DWORD kRepeatAfterMs = 2000;
constexpr DWORD kGiveUpAfterMs = 10000;
constexpr UINT kPollMs = 10;

bool Shown(HWND child) {
  return (GetWindowLongA(child, GWL_STYLE) & WS_VISIBLE) != 0;
}

bool Present(HWND box, int id) {
  HWND item = GetDlgItem(box, id);
  return item && Shown(item);
}

UINT IconType(HICON icon) {
  if (icon == LoadIconA(nullptr, IDI_EXCLAMATION)) return MB_ICONWARNING;
  if (icon == LoadIconA(nullptr, IDI_ASTERISK)) return MB_ICONINFORMATION;
  if (icon == LoadIconA(nullptr, IDI_HAND)) return MB_ICONERROR;
  if (icon == LoadIconA(nullptr, IDI_QUESTION)) return MB_ICONQUESTION;
  return MB_ICONMASK;
}

// The buttons of each message box type the editor shows, in the order the
// default button counts them; any other set reads as MB_TYPEMASK.
struct Buttons {
  UINT type;
  int ids[3];
};
constexpr Buttons kButtonSets[] = {
    {MB_OK, {IDOK}}, {MB_YESNO, {IDYES, IDNO}}, {MB_YESNOCANCEL, {IDYES, IDNO, IDCANCEL}}};
constexpr int kAnswerIds[] = {IDOK,  IDCANCEL, IDABORT,    IDRETRY,   IDIGNORE,
                              IDYES, IDNO,     IDTRYAGAIN, IDCONTINUE};

// The default button shows in its style, or else in the box's DM_GETDEFID.
UINT ButtonType(HWND box) {
  LRESULT found = SendMessageA(box, DM_GETDEFID, 0, 0);
  int shown = 0, defaultId = HIWORD(found) == DC_HASDEFID ? LOWORD(found) : 0;
  for (int id : kAnswerIds) {
    if (!Present(box, id)) continue;
    ++shown;
    if ((GetWindowLongA(GetDlgItem(box, id), GWL_STYLE) & 0x0F) == BS_DEFPUSHBUTTON) defaultId = id;
  }
  for (const Buttons& set : kButtonSets) {
    UINT type = set.type | MB_DEFMASK;
    int count = 0;
    for (; count < 3 && set.ids[count] && Present(box, set.ids[count]); ++count)
      if (set.ids[count] == defaultId) type = set.type | (MB_DEFBUTTON1 + count * 0x100);
    if (count == shown && (count == 3 || !set.ids[count])) return type;
  }
  return MB_TYPEMASK;
}

BOOL CALLBACK ReadBoxChild(HWND child, LPARAM lParam) {
  BoxSeen* box = reinterpret_cast<BoxSeen*>(lParam);
  char className[32];
  GetClassNameA(child, className, sizeof className);
  if (lstrcmpiA(className, "Static") != 0) return TRUE;
  if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
    HICON icon = reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0));
    if (icon && Shown(child)) box->type |= IconType(icon);
    return TRUE;
  }
  char text[1024];
  if (GetWindowTextA(child, text, sizeof text) > 0) {
    if (!box->text.empty()) box->text += "|";
    box->text += text;
  }
  return TRUE;
}

void CALLBACK ScriptTimer(HWND dialog, UINT, UINT_PTR id, DWORD) {
  KillTimer(dialog, id);
  if (nextScript < scripts.size()) {
    scripts[nextScript++](dialog);
  } else {
    ADD_FAILURE() << "the dialog \"" << WindowTitle(dialog) << "\" came, and no script expected it";
    EndDialog(dialog, -1);
  }
}

void CALLBACK GiveUpTimer(HWND dialog, UINT, UINT_PTR id, DWORD) {
  KillTimer(dialog, id);
  ADD_FAILURE() << "the dialog \"" << WindowTitle(dialog) << "\" was left open by its script";
  EndDialog(dialog, -1);
}

HWND FileNameField(HWND box) {
  HWND field = GetDlgItem(box, cmb13);
  return field ? field : GetDlgItem(box, edt1);
}

// Types the step's name into a file dialog and presses the step's button
// (OK where the box has no such button).
void Press(HWND box, const Step& step) {
  HWND field = FileNameField(box);
  if (field && !step.fileName.empty()) SetWindowTextA(field, step.fileName.c_str());
  int answer = Present(box, step.answer) ? step.answer : IDOK;
  PostMessageA(box, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED), 0);
}

void Answer(HWND box) {
  Step step = steps.empty() ? Step{restAnswer, ""} : steps.front();
  if (!steps.empty()) steps.pop_front();
  BoxSeen seen{};
  if (HWND field = FileNameField(box)) {
    seen.text = "dialog:" + WindowTitle(box);
    seen.fileName = WindowTitle(field);
    seen.fileType = ItemText(box, cmb1);
  } else {
    EnumChildWindows(box, ReadBoxChild, reinterpret_cast<LPARAM>(&seen));
    seen.type |= ButtonType(box);
  }
  seen.owner = GetWindow(box, GW_OWNER);
  seen.ownerVisible = seen.owner && IsWindowVisible(seen.owner);
  boxesSeen.push_back(seen);
  textsSeen.push_back(seen.text);
  Press(box, step);
  answered.push_back({box, seen.text, step, GetTickCount(), false});
}

bool IsBox(HWND window) {
  char className[32];
  GetClassNameA(window, className, sizeof className);
  return lstrcmpA(className, "#32770") == 0;
}

// Each enabled top-level box of this thread on screen: a box under another
// is disabled and forgotten, to be answered afresh once it is back on top.
BOOL CALLBACK VisitBox(HWND box, LPARAM) {
  if (!IsBox(box) || !IsWindowVisible(box) || !IsWindowEnabled(box) ||
      (scriptedItem && GetDlgItem(box, scriptedItem)))
    return TRUE;
  auto it = std::find_if(answered.begin(), answered.end(),
                         [box](const Answered& a) { return a.box == box; });
  if (it == answered.end()) {
    Answer(box);
  } else if (!it->repeated && GetTickCount() - it->at > kRepeatAfterMs) {
    it->repeated = true;
    Press(box, it->step);
  } else if (GetTickCount() - it->at > kGiveUpAfterMs) {
    ADD_FAILURE() << "the box \"" << it->text << "\" stayed open after answer " << it->step.answer
                  << (it->step.fileName.empty() ? "" : " with ") << it->step.fileName
                  << "; closed with IDCANCEL";
    answered.erase(it);
    EndDialog(box, IDCANCEL);
  }
  return TRUE;
}

// Boxes are answered from a thread timer, never as they are activated: a
// file dialog activates itself from inside WM_INITDIALOG, still hidden and
// half built, and a name and OK given then could be lost, leaving the test
// waiting on the dialog for good. A timer message comes only when the box's
// own loop is idle, so the box is on screen and ready.
void CALLBACK PollBoxes(HWND, UINT, UINT_PTR, DWORD) {
  for (size_t i = answered.size(); i-- > 0;)
    if (!IsWindow(answered[i].box) || !IsWindowEnabled(answered[i].box))
      answered.erase(answered.begin() + i);
  EnumThreadWindows(GetCurrentThreadId(), VisitBox, 0);
}

// Scripted dialogs start their script as they come up.
LRESULT CALLBACK CbtProc(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_ACTIVATE && scriptedItem) {
    HWND window = reinterpret_cast<HWND>(wParam);
    // Activated again when a box over it closes: one script per dialog.
    if (IsBox(window) && GetDlgItem(window, scriptedItem) && !GetPropA(window, "scripted")) {
      SetPropA(window, "scripted", reinterpret_cast<HANDLE>(1));
      SetTimer(window, 1, 10, ScriptTimer);
      SetTimer(window, 2, kGiveUpAfterMs, GiveUpTimer);
    }
  }
  return CallNextHookEx(hook, code, wParam, lParam);
}
}  // namespace

HWND CreateTestMainWindow(const char* documentPath) {
  static bool registered = false;
  if (!registered) {
    SetAppInstance(GetModuleHandleA(nullptr));
    SettingsPath("Hkz.ini");
    accelerators = LoadAcceleratorsA(AppInstance(), MAKEINTRESOURCEA(IDR_ACCELERATORS));
    RegisterMainWindowClass(MainWndProc);
    registered = true;
  }
  quitSeen = false;
  lstrcpynA(Document.path, documentPath ? documentPath : "", kPathCapacity);
  currentMain = CreateMainWindow();
  ShowWindow(currentMain, SW_SHOWNORMAL);
  UpdateWindow(currentMain);
  PumpMessages();
  return currentMain;
}

bool CloseTestMainWindow(HWND mainWindow) {
  // Unsaved changes are dropped without the prompt; tests of the prompt
  // send WM_CLOSE themselves.
  SetModified(0);
  SendMessageA(mainWindow, WM_CLOSE, 0, 0);
  PumpMessages();
  bool quit = quitSeen;
  // The editor never destroys its window; the test must, without running
  // the shutdown a second time.
  SetWindowLongPtrA(mainWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(DefWindowProcA));
  DestroyWindow(mainWindow);
  PumpMessages(0);
  currentMain = nullptr;
  return quit;
}

void PumpMessages(int settle_ms) {
  DWORD until = GetTickCount() + settle_ms;
  for (;;) {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) {
        quitSeen = true;
        continue;
      }
      if (currentMain && TranslateAcceleratorA(currentMain, accelerators, &message)) continue;
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    if (GetTickCount() >= until) return;
    Sleep(5);
  }
}

bool QuitSeen() {
  return quitSeen;
}

void Command(HWND mainWindow, int id, int highWord) {
  SendMessageA(mainWindow, WM_COMMAND, MAKEWPARAM(id, highWord), 0);
  PumpMessages();
}

BoxScript::BoxScript(std::initializer_list<Step> given, int rest) : BoxScript(rest, 0, {}) {
  steps.assign(given.begin(), given.end());
}

BoxScript::BoxScript(int answer, int item, std::vector<std::function<void(HWND)>> dialogScripts) {
  steps.clear();
  restAnswer = answer;
  scriptedItem = item;
  scripts = std::move(dialogScripts);
  nextScript = 0;
  boxesSeen.clear();
  textsSeen.clear();
  answered.clear();
  hook = SetWindowsHookExA(WH_CBT, CbtProc, nullptr, GetCurrentThreadId());
  pollTimer = SetTimer(nullptr, 0, kPollMs, PollBoxes);
}

BoxScript::~BoxScript() {
  KillTimer(nullptr, pollTimer);
  UnhookWindowsHookEx(hook);
  EXPECT_EQ(nextScript, scripts.size()) << "a dialog did not come";
}

const std::vector<std::string>& BoxScript::texts() {
  return textsSeen;
}
const std::vector<BoxSeen>& BoxScript::boxes() {
  return boxesSeen;
}
std::vector<UINT> BoxScript::types() {
  std::vector<UINT> types;
  for (const BoxSeen& box : boxesSeen) types.push_back(box.type);
  return types;
}

void Click(HWND dialog, int id) {
  SendDlgItemMessageA(dialog, id, BM_CLICK, 0, 0);
}

std::string ItemText(HWND dialog, int id) {
  char text[1024];
  GetDlgItemTextA(dialog, id, text, sizeof text);
  return text;
}

void DeleteSettingsFile() {
  if (!Settings.path[0]) {
    SetAppInstance(GetModuleHandleA(nullptr));
    SettingsPath("Hkz.ini");
  }
  DeleteFileA(Settings.path);
}

std::string IniPathForTests() {
  return Settings.path;
}

std::string IniValue(const char* section, const char* key) {
  char value[1024];
  GetPrivateProfileStringA(section, key, "", value, sizeof value, Settings.path);
  return value;
}

bool IniHasKey(const char* section, const char* key) {
  char value[64];
  GetPrivateProfileStringA(section, key, "\x01missing", value, sizeof value, Settings.path);
  return std::string(value) != "\x01missing";
}

void WriteIni(const char* section, const char* key, const char* value) {
  WritePrivateProfileStringA(section, key, value, Settings.path);
}

std::string MenuItemLabel(HMENU menu, int position) {
  char text[256] = {};
  MENUITEMINFOA info = {};
  info.cbSize = sizeof info;
  info.fMask = MIIM_TYPE;
  info.dwTypeData = text;
  info.cch = sizeof text;
  if (!GetMenuItemInfoA(menu, position, TRUE, &info)) return "<none>";
  if (info.fType & MFT_SEPARATOR) return "-";
  return text;
}

bool IsChecked(HWND mainWindow, int id) {
  return (GetMenuState(GetMenu(mainWindow), id, MF_BYCOMMAND) & MF_CHECKED) != 0;
}

bool IsGreyed(HWND mainWindow, int id) {
  return (GetMenuState(GetMenu(mainWindow), id, MF_BYCOMMAND) & MF_GRAYED) != 0;
}

std::string WindowTitle(HWND window) {
  char text[1024];
  GetWindowTextA(window, text, sizeof text);
  return text;
}

std::string StatusPartText(int part) {
  // A hidden bar is made when first shown; read one made now, as the
  // toggle would make it, with the texts it was given meanwhile.
  if (!StatusBar.statusWindow) {
    EXPECT_EQ(MakeStatusWindow(), 1);
    ShowCaretPosition();
  }
  char text[1024] = {};
  LRESULT length = SendMessageA(StatusBar.statusWindow, SB_GETTEXTLENGTHA, part, 0);
  if (LOWORD(length) >= sizeof text) return "<too long>";
  SendMessageA(StatusBar.statusWindow, SB_GETTEXTA, part, reinterpret_cast<LPARAM>(text));
  return text;
}

std::string ViewText() {
  int length = GetWindowTextLengthA(EditView.view);
  std::string text(length + 1, '\0');
  GetWindowTextA(EditView.view, &text[0], length + 1);
  text.resize(lstrlenA(text.c_str()));
  return text;
}

namespace {
// Empties a folder, its subfolders included.
void EmptyFolder(const std::string& folder) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    std::string name = found.cFileName;
    if (name == "." || name == "..") continue;
    std::string path = folder + "\\" + name;
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      EmptyFolder(path);
      RemoveDirectoryA(path.c_str());
    } else {
      DeleteFileA(path.c_str());
    }
  } while (FindNextFileA(search, &found));
  FindClose(search);
}
}  // namespace

std::string ExeFolder() {
  char module[MAX_PATH];
  GetModuleFileNameA(nullptr, module, MAX_PATH);
  std::string folder(module);
  return folder.substr(0, folder.rfind('\\'));
}

std::string TestFolder() {
  std::string folder = ExeFolder() + "\\test-files";
  CreateDirectoryA(folder.c_str(), nullptr);
  EmptyFolder(folder);
  return folder;
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD written = 0;
  if (!bytes.empty())
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
}

void SetWriteTime(const std::string& path, unsigned long long time) {
  const FILETIME at = {static_cast<DWORD>(time), static_cast<DWORD>(time >> 32)};
  HANDLE file = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  SetFileTime(file, nullptr, nullptr, &at);
  CloseHandle(file);
}

std::string ReadBytes(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return "<missing>";
  DWORD size = GetFileSize(file, nullptr);
  std::string bytes(size, '\0');
  DWORD read = 0;
  if (size) ReadFile(file, &bytes[0], size, &read, nullptr);
  CloseHandle(file);
  return bytes;
}

bool FileExists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool MakeSparseFile(const std::string& path, long long size) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  LARGE_INTEGER at;
  at.QuadPart = size;
  bool ok = SetFilePointerEx(file, at, nullptr, FILE_BEGIN) && SetEndOfFile(file);
  CloseHandle(file);
  return ok;
}

bool Starts(const std::string& text, const std::string& prefix) {
  return text.compare(0, prefix.size(), prefix) == 0;
}

void Type(const char* text) {
  for (const char* p = text; *p; ++p)
    SendMessageA(EditView.view, WM_CHAR, static_cast<unsigned char>(*p), 0);
  PumpMessages();
}

std::string LinesOfSize(size_t size, char fill, size_t width) {
  std::string text;
  while (text.size() < size) text += std::string(width, fill) + "\r\n";
  text.resize(size);
  return text;
}

namespace {
// The header of a shell drop (DROPFILES, which only shlobj.h declares).
struct DropHeader {
  DWORD pFiles;
  POINT pt;
  BOOL fNC;
  BOOL fWide;
};
}  // namespace

HDROP MakeDrop(const std::vector<std::string>& files) {
  size_t size = sizeof(DropHeader) + 1;
  for (const std::string& f : files) size += f.size() + 1;
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
  auto* drop = static_cast<DropHeader*>(GlobalLock(memory));
  drop->pFiles = sizeof(DropHeader);
  char* at = reinterpret_cast<char*>(drop) + sizeof(DropHeader);
  for (const std::string& f : files) {
    memcpy(at, f.c_str(), f.size() + 1);
    at += f.size() + 1;
  }
  GlobalUnlock(memory);
  return static_cast<HDROP>(memory);
}

std::string Recorder() {
  return ExeFolder() + "\\record_command_line.exe";
}

std::vector<std::string> RecordedLines(const std::string& folder, size_t expected) {
  std::vector<std::string> lines;
  for (int waited = 0; waited <= 5000; waited += 50) {
    std::string bytes = ReadBytes(folder + "\\command-line.txt");
    lines.clear();
    if (bytes != "<missing>") {
      size_t start = 0;
      for (size_t end; (end = bytes.find('\n', start)) != std::string::npos; start = end + 1) {
        lines.push_back(bytes.substr(start, end - start));
      }
    }
    if (lines.size() >= expected) break;
    Sleep(50);
  }
  return lines;
}

std::vector<std::string> FilesIn(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    std::string name = found.cFileName;
    if (name != "." && name != "..") names.push_back(name);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  std::sort(names.begin(), names.end());
  return names;
}
