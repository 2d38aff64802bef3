// In-process test harness: the real main window, a message pump like the
// editor's own loop, answers for modal boxes, and the files the editor keeps.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <string>
#include <vector>

// Creates the real main window (class "HAKUZO", MainWndProc, menu 101),
// shows it and pumps until idle. Settings.path names rootHkz.ini beside the
// test exe; delete it first for a start with defaults. documentPath plays the
// command line's document (none: a new document).
HWND CreateTestMainWindow(const char* documentPath = nullptr);
// Runs the shutdown through WM_CLOSE (dropping unsaved changes), then really destroys the window so
// the next test can create another. Returns whether the quit message came.
bool CloseTestMainWindow(HWND mainWindow);

// Handles queued messages as the editor's loop does (accelerators first)
// until the queue is empty, then waits a little and repeats for settle_ms.
void PumpMessages(int settle_ms = 30);
bool QuitSeen();

// Sends WM_COMMAND with this id (and optional high word) to the window.
void Command(HWND mainWindow, int id, int highWord = 0);

// What a message box or dialog showed as it came up.
struct BoxSeen {
  std::string text;  // Static texts joined by "|"; a file dialog's is "dialog:" + its title
  HWND owner;
  bool ownerVisible;  // the owner was on screen as the box came up
  // A message box's buttons | icon | default button, as read from the box;
  // buttons or an icon the editor never shows read as MB_TYPEMASK or MB_ICONMASK.
  UINT type;
  std::string fileName;  // a file dialog's name field as it came up
  std::string fileType;  // and its selected file type
};

// One answer to the next box or dialog: the button, and for a file dialog
// the name typed into it first.
struct Step {
  int answer;
  std::string fileName;
};

// While alive, boxes and dialogs are answered step by step and what they
// showed is recorded in order; past the steps, every one gets `rest`. A box
// without the wanted button is closed with OK. Answers come from a timer once
// the box's own loop is idle; a box back on top takes the next step; one that
// stays open is answered once more, then closed as a failure naming it.
// Dialogs holding item `scriptedItem` instead run the next of `dialogScripts`
// from a timer inside their own loop (the script ends the dialog; one left
// open is ended as a failure the same way).
class BoxScript {
 public:
  BoxScript(std::initializer_list<Step> steps, int rest = IDCANCEL);
  BoxScript(int answer, int scriptedItem, std::vector<std::function<void(HWND)>> dialogScripts);
  ~BoxScript();
  // What the boxes of the latest script showed, in order.
  static const std::vector<std::string>& texts();
  static const std::vector<BoxSeen>& boxes();
  static std::vector<UINT> types();
};

// Every message box or dialog answered with `answer` (IDOK, IDYES, IDNO, IDCANCEL).
class BoxAnswerer : public BoxScript {
 public:
  explicit BoxAnswerer(int answer) : BoxScript({}, answer) {}
};

// Dialog items: a button pressed, an item's text.
void Click(HWND dialog, int id);
std::string ItemText(HWND dialog, int id);

// Settings file.
void DeleteSettingsFile();
std::string IniPathForTests();
std::string IniValue(const char* section, const char* key);  // "" when missing
bool IniHasKey(const char* section, const char* key);
void WriteIni(const char* section, const char* key, const char* value);

// Menus.
std::string MenuItemLabel(HMENU menu, int position);
bool IsChecked(HWND mainWindow, int id);
bool IsGreyed(HWND mainWindow, int id);

// Window texts.
std::string WindowTitle(HWND window);
std::string StatusPartText(int part);
std::string ViewText();

// The folder of the test exe, and one beside it for the files a test makes
// (emptied on call).
std::string ExeFolder();
std::string TestFolder();
void WriteBytes(const std::string& path, const std::string& bytes);
std::string ReadBytes(const std::string& path);
void SetWriteTime(const std::string& path, unsigned long long time);  // in 100 ns since 1601
bool FileExists(const std::string& path);
// The names of the files and folders in folder, sorted.
std::vector<std::string> FilesIn(const std::string& folder);
// A sparse file of size bytes: it takes no room on the disk.
bool MakeSparseFile(const std::string& path, long long size);

// Text checks and input.
bool Starts(const std::string& text, const std::string& prefix);
// Types the text into the view as WM_CHAR messages, then pumps.
void Type(const char* text);
// A text of exactly size bytes in lines of width bytes: the control wraps a
// long single line far too slowly for a test.
std::string LinesOfSize(size_t size, char fill, size_t width = 78);

// A shell drop of the given files (DROPFILES and the names), as Explorer
// hands it over.
HDROP MakeDrop(const std::vector<std::string>& files);

// record_command_line.exe beside the test exe, which stands in for the
// external editor, and the lines a copy of it has written in folder, waiting
// up to five seconds for the expected count; never waits forever.
std::string Recorder();
std::vector<std::string> RecordedLines(const std::string& folder, size_t expected);
