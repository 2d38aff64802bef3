// Font and colours of the edit view.
#pragma once

#include <windows.h>

struct ViewAppearance {
  COLORREF textColor;
  COLORREF backColor;
  HBRUSH backBrush;
  LOGFONTA logFont;
  HFONT font;
};

extern ViewAppearance Appearance;

void LoadViewColors();
HFONT LoadEditFont();
// Replaces the view's font by one made from Appearance.logFont.
HFONT ApplyLogFont();
// The background colour and the brush painted with it.
void SetBackColor(COLORREF color);
HFONT CurrentFont();
void DeleteEditFont();
HBRUSH AnswerCtlColorEdit(HDC deviceContext);
