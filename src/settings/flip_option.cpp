#include "settings/flip_option.h"

#include "base/menu_marks.h"
#include "settings/settings_store.h"

int FlipOption(HWND mainWindow, int* flag, int commandId, const SettingKey& key) {
  *flag = *flag ? 0 : 1;
  MarkCommand(mainWindow, commandId, *flag);
  WriteSetting(key, *flag);
  return *flag;
}
