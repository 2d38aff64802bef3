// Window placement memory on the real main window: what is written at exit
// and by the three Window options, and where stored values put the window.
#include <gtest/gtest.h>

#include <string>

#include "base/shell_options.h"
#include "base/system_calls.h"
#include "harness.h"
#include "shell/startup.h"
#include "shell/options.h"
#include "shell/window_placement.h"
#include "window_fixture.h"

namespace {

RECT NormalRect(HWND window) {
  WINDOWPLACEMENT placement = {};
  placement.length = sizeof placement;
  GetWindowPlacement(window, &placement);
  return placement.rcNormalPosition;
}

RECT ScreenOf(HWND window) {
  MONITORINFO info = {};
  info.cbSize = sizeof info;
  GetMonitorInfoA(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &info);
  return info.rcMonitor;
}

std::string Int(long value) {
  return std::to_string(value);
}

class PlacementTest : public MainWindowTest {};

TEST_F(PlacementTest, ExitWritesOnlyWhatTheOptionsAsk) {
  Start();
  MoveWindow(main_, 120, 80, 500, 350, TRUE);
  SaveWindowPlacement(main_);  // both off, start mode 40011
  for (const char* key : {"Left", "Top", "Width", "Height", "Last Open Mode"}) {
    EXPECT_FALSE(IniHasKey("Window", key)) << key;
  }
  Shell.savePosition = 1;
  Shell.saveSize = 1;
  Shell.openMode = 40012;
  // A maximized window keeps the rectangle it returns to.
  ShowWindow(main_, SW_MAXIMIZE);
  PumpMessages();
  SaveWindowPlacement(main_);
  EXPECT_EQ(IniValue("Window", "Left"), "120");
  EXPECT_EQ(IniValue("Window", "Top"), "80");
  EXPECT_EQ(IniValue("Window", "Width"), "500");
  EXPECT_EQ(IniValue("Window", "Height"), "350");
  EXPECT_EQ(IniValue("Window", "Last Open Mode"), "3");
  std::string file = ReadBytes(IniPathForTests());
  size_t at = 0;
  for (const char* key : {"Left=", "Top=", "Width=", "Height=", "Last Open Mode="}) {
    size_t next = file.find(key, at);
    ASSERT_NE(next, std::string::npos) << key << " in\n" << file;
    at = next;
  }
  // Minimized at exit: the next start shows it minimized.
  ShowWindow(main_, SW_MINIMIZE);
  PumpMessages();
  SaveWindowPlacement(main_);
  EXPECT_EQ(IniValue("Window", "Last Open Mode"), "2");
  EXPECT_EQ(ChooseShowMode(SW_SHOWNORMAL), SW_SHOWMINIMIZED);
  ShowWindow(main_, SW_RESTORE);
  PumpMessages();
}

TEST_F(PlacementTest, OptionCommandsWriteAtOnceAndMarkTheirItems) {
  Start();
  MoveWindow(main_, 30, 40, 410, 310, TRUE);
  SavePositionCommand(main_);
  SaveSizeCommand(main_);
  EXPECT_TRUE(IsChecked(main_, 40019));
  EXPECT_TRUE(IsChecked(main_, 40010));
  EXPECT_EQ(IniValue("Window", "Save Position"), "1");
  EXPECT_EQ(IniValue("Window", "Save Size"), "1");
  EXPECT_EQ(IniValue("Window", "Left"), "30");
  EXPECT_EQ(IniValue("Window", "Top"), "40");
  EXPECT_EQ(IniValue("Window", "Width"), "410");
  EXPECT_EQ(IniValue("Window", "Height"), "310");
  // Switching off writes the flag alone and leaves the stored values.
  MoveWindow(main_, 60, 70, 450, 330, TRUE);
  SavePositionCommand(main_);
  SaveSizeCommand(main_);
  EXPECT_FALSE(IsChecked(main_, 40019));
  EXPECT_FALSE(IsChecked(main_, 40010));
  EXPECT_EQ(IniValue("Window", "Save Position"), "0");
  EXPECT_EQ(IniValue("Window", "Save Size"), "0");
  EXPECT_EQ(IniValue("Window", "Left"), "30");
  EXPECT_EQ(IniValue("Window", "Width"), "410");

  EXPECT_TRUE(IsChecked(main_, 40011));  // the default start mode
  for (int id : {40013, 40012, 40011, 40012}) {
    OpenModeCommand(main_, id);
    EXPECT_EQ(Shell.openMode, id);
    EXPECT_EQ(IniValue("Window", "Open Mode"), Int(id));
    for (int item : {40011, 40012, 40013}) EXPECT_EQ(IsChecked(main_, item), item == id) << item;
  }
}

TEST_F(PlacementTest, RestoreAppliesStoredValuesAndKeepsTheWindowReachable) {
  Start();
  MoveWindow(main_, 10, 10, 500, 350, TRUE);
  WriteIni("Window", "Left", "100");
  WriteIni("Window", "Top", "50");
  RestoreWindowPosition(main_);
  RECT r = NormalRect(main_);
  EXPECT_EQ(r.left, 100);
  EXPECT_EQ(r.top, 50);
  EXPECT_EQ(r.right - r.left, 500);  // the size stays
  WriteIni("Window", "Width", "400");
  WriteIni("Window", "Height", "300");
  RestoreWindowSize(main_);
  r = NormalRect(main_);
  EXPECT_EQ(r.left, 100);  // it fits: not wrapped
  EXPECT_EQ(r.top, 50);
  EXPECT_EQ(r.right - r.left, 400);
  EXPECT_EQ(r.bottom - r.top, 300);

  // Partly visible: exactly where stored.
  WriteIni("Window", "Left", "-300");
  RestoreWindowPosition(main_);
  EXPECT_EQ(NormalRect(main_).left, -300);

  // A monitor that is gone: back onto the one there is.
  RECT screen = ScreenOf(main_);
  WriteIni("Window", "Left", "-5000");
  WriteIni("Window", "Top", "-5000");
  RestoreWindowPosition(main_);
  r = NormalRect(main_);
  EXPECT_GE(r.left, screen.left);
  EXPECT_GE(r.top, screen.top);
  EXPECT_LE(r.right, screen.right);
  EXPECT_EQ(r.right - r.left, 400);
  // The wrap of a size keeps the sign of a far-left edge: chosen for this
  // screen so that the 300-pixel window wraps to 400 pixels left of it.
  int span = GetSystemMetrics(SM_CXFULLSCREEN) - 300;
  MoveWindow(main_, -(span + 400), 50, 400, 300, TRUE);
  WriteIni("Window", "Width", "300");
  RestoreWindowSize(main_);
  r = NormalRect(main_);
  EXPECT_GE(r.left, screen.left);
  EXPECT_EQ(r.top, 50);
  EXPECT_EQ(r.right - r.left, 300);

  // Windows 95 and NT 4.0 have neither MonitorFromRect nor GetMonitorInfoA:
  // the work area takes the window.
  Calls().monitorFromRect = nullptr;
  RECT work = {};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  WriteIni("Window", "Left", "-200");
  WriteIni("Window", "Top", "50");
  RestoreWindowPosition(main_);
  EXPECT_EQ(NormalRect(main_).left, -200);
  WriteIni("Window", "Left", "-5000");
  WriteIni("Window", "Top", "-5000");
  RestoreWindowPosition(main_);
  r = NormalRect(main_);
  EXPECT_EQ(r.left, work.left);
  EXPECT_EQ(r.top, work.top);
  EXPECT_EQ(r.right - r.left, 300);
  ResetSystemCalls();
}

}  // namespace
