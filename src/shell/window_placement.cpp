#include "shell/window_placement.h"

#include <climits>

#include "base/menu_marks.h"
#include "base/shell_options.h"
#include "base/system_calls.h"
#include "resource.h"
#include "settings/settings_store.h"
#include "shell/placement_math.h"

namespace {

// The restored (normal) rectangle: what a maximized or minimized window
// would return to.
RECT NormalRect(HWND mainWindow) {
  WINDOWPLACEMENT placement = {};
  placement.length = sizeof placement;
  GetWindowPlacement(mainWindow, &placement);
  return placement.rcNormalPosition;
}

// Sizes come from the settings file: the probe must stay a valid rectangle
// that still holds the window's corner.
LONG FarEdge(int start, int size) {
  long long edge = static_cast<long long>(start) + (size > 0 ? size : 1);
  return edge > INT_MAX ? INT_MAX : static_cast<LONG>(edge);
}

// The monitor nearest to rect and its work area. Windows 95 and NT 4.0 know
// one monitor only: the screen, less the task bar.
void NearestMonitor(const RECT& rect, PlacementArea* monitor, PlacementArea* work) {
  SystemCalls& calls = Calls();
  MONITORINFO info = {};
  info.cbSize = sizeof info;
  RECT& m = info.rcMonitor;
  RECT& w = info.rcWork;
  if (!calls.monitorFromRect || !calls.getMonitorInfo ||
      !calls.getMonitorInfo(calls.monitorFromRect(&rect, MONITOR_DEFAULTTONEAREST), &info)) {
    m = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (!SystemParametersInfoA(SPI_GETWORKAREA, 0, &w, 0)) w = m;
  }
  *monitor = {m.left, m.top, m.right, m.bottom};
  *work = {w.left, w.top, w.right, w.bottom};
}

// A stored position from a monitor that is gone would put the window where
// no one can reach it to move it back; such a window comes onto the nearest
// monitor. One that shows even a corner stays exactly where it was.
void MoveReachable(HWND mainWindow, int x, int y, int width, int height) {
  RECT probe = {x, y, FarEdge(x, width), FarEdge(y, height)};
  PlacementArea monitor;
  PlacementArea work;
  NearestMonitor(probe, &monitor, &work);
  PlacementBox box = KeepReachable({x, y, width, height}, monitor, work);
  MoveWindow(mainWindow, box.x, box.y, box.width, box.height, TRUE);
}

void WritePosition(const RECT& rect) {
  WriteSetting(kWindowLeft, rect.left);
  WriteSetting(kWindowTop, rect.top);
}

void WriteSize(const RECT& rect) {
  WriteSetting(kWindowWidth, rect.right - rect.left);
  WriteSetting(kWindowHeight, rect.bottom - rect.top);
}

}  // namespace

void RestoreWindowPosition(HWND mainWindow) {
  RECT rect = NormalRect(mainWindow);
  int top = ReadSettingInt(kWindowTop);
  int left = ReadSettingInt(kWindowLeft);
  MoveReachable(mainWindow, left, top, rect.right - rect.left, rect.bottom - rect.top);
}

void RestoreWindowSize(HWND mainWindow) {
  RECT rect = NormalRect(mainWindow);
  RECT work = {};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  int width = ReadSettingInt(kWindowWidth);
  int height = ReadSettingInt(kWindowHeight);
  // A window that would stick out to the right or the bottom wraps back.
  int x = WrapEdge(rect.left, GetSystemMetrics(SM_CXFULLSCREEN), width, work.left);
  int y = WrapEdge(rect.top, GetSystemMetrics(SM_CYFULLSCREEN) + GetSystemMetrics(SM_CYCAPTION),
                   height, work.top);
  MoveReachable(mainWindow, x, y, width, height);
}

void SaveWindowPlacement(HWND mainWindow) {
  WINDOWPLACEMENT placement = {};
  placement.length = sizeof placement;
  GetWindowPlacement(mainWindow, &placement);
  if (Shell.savePosition) WritePosition(placement.rcNormalPosition);
  if (Shell.saveSize) WriteSize(placement.rcNormalPosition);
  if (Shell.openMode == ID_OPEN_LAST) {
    WriteSetting(kLastOpenMode, static_cast<int>(placement.showCmd));
  }
}

void KeepWindowPosition(HWND mainWindow) {
  // Switching off leaves the old position in the file, unread while off.
  if (Shell.savePosition) WritePosition(NormalRect(mainWindow));
}

void KeepWindowSize(HWND mainWindow) {
  if (Shell.saveSize) WriteSize(NormalRect(mainWindow));
}

void OpenModeCommand(HWND mainWindow, int id) {
  Shell.openMode = id;
  MarkCommand(mainWindow, ID_OPEN_DEFAULT, 0);
  MarkCommand(mainWindow, ID_OPEN_LAST, 0);
  MarkCommand(mainWindow, ID_OPEN_MAXIMIZED, 0);
  MarkCommand(mainWindow, id, 1);
  WriteSetting(kOpenMode, id);
}
