#include "settings/settings_store.h"

#include <windows.h>

#include "text/text.h"

SettingsStore Settings;

static_assert(kShiftJisCharSet == SHIFTJIS_CHARSET && kNormalWeight == FW_NORMAL &&
                  kShowNormal == SW_SHOWNORMAL,
              "the defaults' names say what Windows calls them");

char* SettingsPath(const char* suffix) {
  char module[MAX_PATH + 1];
  DWORD n = GetModuleFileNameA(nullptr, module, MAX_PATH);
  module[n < MAX_PATH ? n : MAX_PATH] = 0;
  // An unknown user gets the bare suffix as file name, still beside the exe.
  char user[260];
  DWORD size = sizeof user;
  if (!GetUserNameA(user, &size)) user[0] = 0;
  user[sizeof user - 1] = 0;
  int ok = ComposeSettingsPath(Settings.path, module, user, suffix);
  // A name cut at the buffer's end is not the exe's: treat it as too long.
  if (n >= MAX_PATH) ok = 0;
  return ok ? Settings.path : nullptr;
}

void WriteSettingInt(const char* section, const char* key, int value, const char* path) {
  char text[256];
  FormatText(text, sizeof text, "%d", value);
  WritePrivateProfileStringA(section, key, text, path);
}

int ReadSettingInt(const SettingKey& key) {
  return ReadSettingInt(key, key.defaultValue);
}

int ReadSettingInt(const SettingKey& key, int defaultValue) {
  return static_cast<int>(
      GetPrivateProfileIntA(key.section, key.name, defaultValue, Settings.path));
}

void WriteSetting(const SettingKey& key, int value) {
  WriteSettingInt(key.section, key.name, value, Settings.path);
}

int ReadSettingText(const SettingKey& key, char* buffer, int capacity) {
  return static_cast<int>(GetPrivateProfileStringA(key.section, key.name,
                                                   key.defaultText ? key.defaultText : "", buffer,
                                                   capacity, Settings.path));
}

int ReadSettingText(const char* section, const char* name, char* buffer, int capacity) {
  return static_cast<int>(
      GetPrivateProfileStringA(section, name, "", buffer, capacity, Settings.path));
}

void WriteSettingText(const char* section, const char* name, const char* text) {
  WritePrivateProfileStringA(section, name, text, Settings.path);
}

void WriteSettingText(const SettingKey& key, const char* text) {
  WriteSettingText(key.section, key.name, text);
}

void DeleteSettingSection(const char* section) {
  WritePrivateProfileStringA(section, nullptr, nullptr, Settings.path);
}
