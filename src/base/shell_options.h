// The options of the shell, one process-wide record: read at the main
// window's creation, flipped by their commands, and also kept up to date by
// the recent-files menu (its entry count) and the window placement.
#pragma once

struct ShellOptions {
  int imeOnStartup;
  int openMode;  // ID_OPEN_DEFAULT, ID_OPEN_LAST or ID_OPEN_MAXIMIZED
  int savePosition;
  int saveSize;
  int useHistory;
  int recentCount;
};

extern ShellOptions Shell;
