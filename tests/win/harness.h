// In-process test harness: the real main window, a message pump like the
// editor's own loop, answers for modal boxes, and the files the editor keeps.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Creates the real main window (class "HAKUZO", MainWndProc, menu 101),
// shows it and pumps until idle. Settings.path names rootHkz.ini beside the
// test exe; delete it first for a start with defaults. documentPath plays the
// command line's document (none: a new document).
HWND CreateTestMainWindow(const char* documentPath = nullptr);
// Runs the shutdown through WM_CLOSE (dropping unsaved changes), then really destroys the window so the
// next test can create another. Returns whether the quit message came.
bool CloseTestMainWindow(HWND mainWindow);

// Handles queued messages as the editor's loop does (accelerators first)
// until the queue is empty, then waits a little and repeats for settle_ms.
void PumpMessages(int settle_ms = 30);
bool QuitSeen();

// Sends WM_COMMAND with this id (and optional high word) to the window.
void Command(HWND mainWindow, int id, int highWord = 0);

// While alive, every message box or dialog is answered with `answer` (IDOK,
// IDYES, IDNO, IDCANCEL) and its text recorded.
class BoxAnswerer {
 public:
  explicit BoxAnswerer(int answer);
  ~BoxAnswerer();
  const std::vector<std::string>& texts() const;
};

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

// A folder beside the test exe for the files a test makes; emptied on call.
std::string TestFolder();
void WriteBytes(const std::string& path, const std::string& bytes);
std::string ReadBytes(const std::string& path);
bool FileExists(const std::string& path);
