// Where the per-user settings file lies: beside the executable, named by the
// Windows user name and a fixed suffix.
#pragma once

constexpr int kSettingsPathCapacity = 264;
constexpr int kSettingsPathLimit = 260;

// Builds <folder of modulePath>\<userName><suffix> into path (264 bytes).
// When the result would reach 260 bytes, path keeps the bare folder and the
// result is 0 (every read then yields its default, every write is lost).
int ComposeSettingsPath(char* path, const char* modulePath, const char* userName,
                        const char* suffix);
