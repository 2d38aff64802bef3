#include "settings/settings_path.h"

#include "settings/settings_keys.h"
#include "text/text.h"

int ComposeSettingsPath(char* path, const char* modulePath, const char* userName,
                        const char* suffix) {
  CopyText(path, kSettingsPathLimit + 1, modulePath);
  // The last backslash that is a separator: a forward walk by characters, so
  // the trail byte 0x5C of a double-byte character in the exe's own name is
  // never taken for one. The first character is never the separator.
  int cut = -1;
  for (int i = 0; path[i];) {
    if (path[i] == '\\' && i > 0) cut = i;
    i += SjisCharSize(path + i);
  }
  if (cut > 0) path[cut] = 0;
  if (TextLength(path) + TextLength(suffix) + TextLength(userName) >= kSettingsPathLimit) return 0;
  AppendText(path, kSettingsPathCapacity, "\\");
  AppendText(path, kSettingsPathCapacity, userName);
  AppendText(path, kSettingsPathCapacity, suffix);
  return 1;
}

void FormatRecentFileKey(char* key, int number) {
  FormatText(key, kRecentKeyCapacity, "Recent File%d", number);
}
