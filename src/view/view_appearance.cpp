#include "view/view_appearance.h"

#include "settings/settings_store.h"
#include "text/text.h"

ViewAppearance Appearance;

void LoadViewColors() {
  Appearance.textColor = static_cast<COLORREF>(ReadSettingInt(kTextColor));
  SetBackColor(static_cast<COLORREF>(ReadSettingInt(kBackColor)));
}

void SetBackColor(COLORREF color) {
  Appearance.backColor = color;
  DeleteObject(Appearance.backBrush);
  Appearance.backBrush = CreateSolidBrush(color);
}

HFONT ApplyLogFont() {
  DeleteEditFont();
  Appearance.font = CreateFontIndirectA(&Appearance.logFont);
  return Appearance.font;
}

HFONT LoadEditFont() {
  LOGFONTA& font = Appearance.logFont;
  // A longer stored name is cut to fit the 32-byte field with its terminator,
  // before a double-byte character that would not fit whole: half of one
  // would name no font at all.
  char faceName[256];
  ReadSettingText(kFaceName, faceName, sizeof faceName);
  CopyText(font.lfFaceName, sizeof font.lfFaceName, faceName);
  font.lfHeight = ReadSettingInt(kFontHeight);
  font.lfWidth = ReadSettingInt(kFontWidth);
  font.lfWeight = ReadSettingInt(kFontWeight);
  // Byte-wide fields: a stored value above 255 keeps its low byte.
  font.lfCharSet = static_cast<BYTE>(ReadSettingInt(kFontCharSet) & 0xFF);
  font.lfItalic = static_cast<BYTE>(ReadSettingInt(kFontItalic) & 0xFF);
  return ApplyLogFont();
}

HFONT CurrentFont() {
  return Appearance.font;
}

void DeleteEditFont() {
  DeleteObject(Appearance.font);
  Appearance.font = nullptr;
}

HBRUSH AnswerCtlColorEdit(HDC deviceContext) {
  SetTextColor(deviceContext, Appearance.textColor);
  SetBkColor(deviceContext, Appearance.backColor);
  return Appearance.backBrush;
}
