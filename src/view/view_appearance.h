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
HFONT CurrentFont();
void DeleteEditFont();
HBRUSH AnswerCtlColorEdit(HDC deviceContext);
