#include "recent/recent_files.h"

#include "base/shell_options.h"
#include "recent/recent_entry.h"
#include "resource.h"
#include "settings/settings_store.h"
#include "text/text.h"

namespace {

// Entries start where "履歴を残す(&H)" stands in the File menu's resource and
// push it and everything below it down.
constexpr int kFirstEntryPosition = 6;

HMENU FileMenu(HWND mainWindow) {
  return GetSubMenu(GetMenu(mainWindow), 0);
}

void InsertEntry(HMENU menu, int position, UINT id, char* text) {
  MENUITEMINFOA info = {};
  info.cbSize = kMenuItemInfoSize;
  info.fMask = MIIM_ID | MIIM_TYPE;
  info.fType = MFT_STRING;
  info.wID = id;
  info.dwTypeData = text;
  InsertMenuItemA(menu, position, TRUE, &info);
}

void InsertSeparator(HMENU menu, int position) {
  MENUITEMINFOA info = {};
  info.cbSize = kMenuItemInfoSize;
  info.fMask = MIIM_TYPE;
  info.fType = MFT_SEPARATOR;
  InsertMenuItemA(menu, position, TRUE, &info);
}

// Reads the entry at position into text (kRecentTextCapacity bytes); returns
// its id, or 0 when there is no string item there.
UINT ReadEntry(HMENU menu, int position, char* text) {
  text[0] = 0;
  MENUITEMINFOA info = {};
  info.cbSize = kMenuItemInfoSize;
  info.fMask = MIIM_ID | MIIM_TYPE;
  info.dwTypeData = text;
  info.cch = kRecentTextCapacity;
  if (!GetMenuItemInfoA(menu, position, TRUE, &info) || (info.fType & MFT_SEPARATOR)) {
    text[0] = 0;
    return 0;
  }
  text[kRecentTextCapacity - 1] = 0;
  return info.wID;
}

void WriteEntryText(HMENU menu, int position, char* text) {
  MENUITEMINFOA info = {};
  info.cbSize = kMenuItemInfoSize;
  info.fMask = MIIM_TYPE;
  info.fType = MFT_STRING;
  info.dwTypeData = text;
  SetMenuItemInfoA(menu, position, TRUE, &info);
}

}  // namespace

void LoadRecentFiles(HWND mainWindow) {
  HMENU menu = FileMenu(mainWindow);
  Shell.recentCount = 0;
  for (int k = 0; k < kRecentEntryMax; ++k) {
    char key[kRecentKeyCapacity];
    FormatRecentFileKey(key, k);
    char path[kRecentTextCapacity];
    int length = ReadSettingText(kRecentSection, key, path, sizeof path);
    // A value too long for an entry arrives cut, and a cut path names another
    // file: it ends the loading like a missing key, so the entries stay the
    // keys 0 to count - 1 and the exit rewrites exactly those.
    char text[kRecentTextCapacity];
    if (length == 0 || !ComposeRecentEntry(text, sizeof text, k, path)) return;
    InsertEntry(menu, kFirstEntryPosition + k, ID_RECENT_FIRST + k, text);
    Shell.recentCount = k + 1;
  }
}

void AddRecentFile(HWND mainWindow, const char* path) {
  if (!Shell.useHistory) return;
  char text[kRecentTextCapacity];
  if (!ComposeRecentEntry(text, sizeof text, 0, path)) return;
  HMENU menu = FileMenu(mainWindow);
  if (Shell.recentCount == 0) InsertSeparator(menu, kFirstEntryPosition);

  UINT id = 0;
  for (int i = 0; i < Shell.recentCount && !id; ++i) {
    char listed[kRecentTextCapacity];
    UINT listedId = ReadEntry(menu, kFirstEntryPosition + i, listed);
    if (lstrcmpiA(RecentEntryPathPart(listed), path) == 0) {
      DeleteMenu(menu, kFirstEntryPosition + i, MF_BYPOSITION);
      id = listedId;
    }
  }
  if (!id) {
    if (Shell.recentCount < kRecentEntryMax) {
      id = ID_RECENT_FIRST + Shell.recentCount;
      ++Shell.recentCount;
    } else {
      char oldest[kRecentTextCapacity];
      int last = kFirstEntryPosition + kRecentEntryMax - 1;
      id = ReadEntry(menu, last, oldest);
      DeleteMenu(menu, last, MF_BYPOSITION);
    }
  }
  InsertEntry(menu, kFirstEntryPosition, id, text);

  for (int j = 0; j < Shell.recentCount; ++j) {
    char entry[kRecentTextCapacity];
    ReadEntry(menu, kFirstEntryPosition + j, entry);
    SetRecentEntryIndex(entry, j);
    WriteEntryText(menu, kFirstEntryPosition + j, entry);
  }
}

void SaveRecentFiles(HWND mainWindow) {
  HMENU menu = FileMenu(mainWindow);
  for (int n = Shell.recentCount - 1; n >= 0; --n) {
    char text[kRecentTextCapacity];
    ReadEntry(menu, kFirstEntryPosition + n, text);
    char key[kRecentKeyCapacity];
    FormatRecentFileKey(key, n);
    WriteSettingText(kRecentSection, key, RecentEntryPathPart(text));
  }
}

void ToggleHistory(HWND mainWindow) {
  if (!Shell.useHistory) {
    HMENU menu = FileMenu(mainWindow);
    // The separator that the first added entry brought stays where it is.
    for (int i = 0; i < Shell.recentCount; ++i)
      DeleteMenu(menu, kFirstEntryPosition, MF_BYPOSITION);
    DeleteSettingSection(kRecentSection);
  }
  Shell.recentCount = 0;
}

int RecentEntryPath(HWND mainWindow, int id, char* path, int capacity) {
  if (capacity <= 0) return 0;
  path[0] = 0;
  if (id < ID_RECENT_FIRST || id > ID_RECENT_LAST) return 0;
  HMENU menu = FileMenu(mainWindow);
  for (int i = 0; i < Shell.recentCount; ++i) {
    char text[kRecentTextCapacity];
    if (ReadEntry(menu, kFirstEntryPosition + i, text) != static_cast<UINT>(id)) continue;
    const char* found = RecentEntryPathPart(text);
    if (TextLength(found) >= capacity) return 0;
    CopyText(path, capacity, found);
    return found[0] ? 1 : 0;
  }
  return 0;
}
