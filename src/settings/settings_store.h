// The per-user INI file. No cache: every read and write goes to the file.
#pragma once

#include "settings/settings_keys.h"
#include "settings/settings_path.h"

struct SettingsStore {
  char path[kSettingsPathCapacity];  // filled once at start-up
};

extern SettingsStore Settings;

// Fills Settings.path from the executable's folder, the user name and suffix;
// returns the path, or null when it would be too long.
char* SettingsPath(const char* suffix);

void WriteSettingInt(const char* section, const char* key, int value, const char* path);

// Reads and writes of one key of the table, against Settings.path.
int ReadSettingInt(const SettingKey& key);
int ReadSettingInt(const SettingKey& key, int defaultValue);
void WriteSetting(const SettingKey& key, int value);
// Copies the value (cut to capacity - 1 bytes) or the default; returns the
// count copied, 0 for a missing or empty value.
int ReadSettingText(const SettingKey& key, char* buffer, int capacity);
int ReadSettingText(const char* section, const char* name, char* buffer, int capacity);
void WriteSettingText(const char* section, const char* name, const char* text);
void WriteSettingText(const SettingKey& key, const char* text);
void DeleteSettingSection(const char* section);
