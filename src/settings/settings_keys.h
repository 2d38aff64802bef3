// Every key of the settings file, with its section and its default, named
// once here so that no other file spells a key.
#pragma once

#include "resource.h"

// Defaults that mean something beyond their number.
constexpr int kWhite = 0xFFFFFF;       // a COLORREF, 0x00BBGGRR
constexpr int kShiftJisCharSet = 128;  // SHIFTJIS_CHARSET
constexpr int kNormalWeight = 400;     // FW_NORMAL
constexpr int kShowNormal = 1;         // SW_SHOWNORMAL

struct SettingKey {
  const char* section;
  const char* name;
  int defaultValue;         // for integer keys
  const char* defaultText;  // for text keys
};

// [Set]; "Term Right" is the word wrap.
inline constexpr SettingKey kWordWrap{"Set", "Term Right", 1, nullptr};
inline constexpr SettingKey kAutoIndent{"Set", "Auto Indent", 0, nullptr};
inline constexpr SettingKey kDefaultEuc{"Set", "Default EUC", 0, nullptr};
inline constexpr SettingKey kDefaultLf{"Set", "Default LF", 0, nullptr};
inline constexpr SettingKey kDefaultUtf8{"Set", "Default UTF8", 0, nullptr};
// Read under one spelling and written under another; the INI functions match
// key names without regard to case, so both name the same key.
inline constexpr SettingKey kImeOnStartup{"Set", "IME on Startup", 0, nullptr};
inline constexpr SettingKey kImeOnStartupWritten{"Set", "Ime On Startup", 0, nullptr};
inline constexpr SettingKey kUseHistory{"Set", "Use History", 0, nullptr};
inline constexpr SettingKey kStatusBar{"Set", "Status Bar", 0, nullptr};

// [Font]
inline constexpr SettingKey kTextColor{"Font", "Text Color", 0, nullptr};
inline constexpr SettingKey kBackColor{"Font", "Back Color", kWhite, nullptr};
inline constexpr SettingKey kFaceName{"Font", "Face Name", 0, "Terminal"};
inline constexpr SettingKey kFontHeight{"Font", "Height", -19, nullptr};
inline constexpr SettingKey kFontWidth{"Font", "Width", 0, nullptr};
inline constexpr SettingKey kFontWeight{"Font", "Weight", kNormalWeight, nullptr};
inline constexpr SettingKey kFontCharSet{"Font", "CharSet", kShiftJisCharSet, nullptr};
inline constexpr SettingKey kFontItalic{"Font", "Italic", 0, nullptr};

// [Window]
inline constexpr SettingKey kOpenMode{"Window", "Open Mode", ID_OPEN_DEFAULT, nullptr};
// Its default is the show mode that start-up was given.
inline constexpr SettingKey kLastOpenMode{"Window", "Last Open Mode", kShowNormal, nullptr};
inline constexpr SettingKey kSavePosition{"Window", "Save Position", 0, nullptr};
inline constexpr SettingKey kSaveSize{"Window", "Save Size", 0, nullptr};
inline constexpr SettingKey kWindowLeft{"Window", "Left", 1, nullptr};
inline constexpr SettingKey kWindowTop{"Window", "Top", 1, nullptr};
inline constexpr SettingKey kWindowWidth{"Window", "Width", 320, nullptr};
inline constexpr SettingKey kWindowHeight{"Window", "Height", 320, nullptr};

// [Recent]: "Recent File0" to "Recent File9", see FormatRecentFileKey.
inline constexpr const char* kRecentSection = "Recent";
constexpr int kRecentKeyCapacity = 16;
constexpr int kRecentEntryMax = 10;
// Writes "Recent File<number>" into key (kRecentKeyCapacity bytes).
void FormatRecentFileKey(char* key, int number);

// [Relay]
inline constexpr SettingKey kProcessName{"Relay", "Process Name", 0, ""};
inline constexpr SettingKey kRelayProcess{"Relay", "Relay Process", 0, nullptr};
inline constexpr SettingKey kNoInquire{"Relay", "No Inquire", 0, nullptr};
