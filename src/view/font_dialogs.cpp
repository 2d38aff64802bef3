#include "view/font_dialogs.h"

#include "base/system_calls.h"
#include "settings/settings_store.h"
#include "base/app_instance.h"
#include "view/edit_view.h"
#include "view/view_appearance.h"

COLORREF customColors[16];

namespace {
// The view sits inside the main window's client area, which has no
// WS_CLIPCHILDREN: invalidating it repaints the view in its new colours.
void RepaintView(HWND mainWindow) {
  InvalidateRect(mainWindow, nullptr, FALSE);
}
}  // namespace

HFONT ChooseEditFont(HWND owner) {
  DialogCalls* dialogs = DialogLibrary();
  if (!dialogs) {
    ShowMessage(owner, MissingLibraryText(), MB_ICONWARNING);
    return nullptr;
  }
  CHOOSEFONTA dialog = {};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpLogFont = &Appearance.logFont;
  dialog.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT;
  if (!dialogs->chooseFont(&dialog)) return nullptr;

  ApplyLogFont();
  const LOGFONTA& font = Appearance.logFont;
  // Every key is written, changed or not, so the file always holds one font.
  WriteSetting(kFontHeight, font.lfHeight);
  WriteSetting(kFontWidth, font.lfWidth);
  WriteSetting(kFontWeight, font.lfWeight);
  WriteSetting(kFontItalic, font.lfItalic);
  WriteSetting(kFontCharSet, font.lfCharSet);
  WriteSettingText(kFaceName, font.lfFaceName);
  return Appearance.font;
}

void FontCommand(HWND mainWindow) {
  HFONT font = ChooseEditFont(mainWindow);
  if (font) SendMessageA(EditView.view, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

COLORREF PickColor(HWND owner, COLORREF initial) {
  DialogCalls* dialogs = DialogLibrary();
  if (!dialogs) {
    ShowMessage(owner, MissingLibraryText(), MB_ICONWARNING);
    return initial;
  }
  // White until the user defines one, filled at the first dialog: as
  // initialised data the sixteen would cost the release exe a file section.
  static bool customColorsSet;
  if (!customColorsSet) {
    for (COLORREF& colour : customColors) colour = 0xFFFFFF;
    customColorsSet = true;
  }
  CHOOSECOLORA dialog = {};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.rgbResult = initial;
  dialog.lpCustColors = customColors;
  dialog.Flags = CC_RGBINIT;
  return dialogs->chooseColor(&dialog) ? dialog.rgbResult : initial;
}

void TextColorCommand(HWND mainWindow) {
  Appearance.textColor = PickColor(mainWindow, Appearance.textColor);
  // Written on a cancel too: the key exists from the first visit on.
  WriteSetting(kTextColor, static_cast<int>(Appearance.textColor));
  RepaintView(mainWindow);
}

void BackColorCommand(HWND mainWindow) {
  SetBackColor(PickColor(mainWindow, Appearance.backColor));
  WriteSetting(kBackColor, static_cast<int>(Appearance.backColor));
  RepaintView(mainWindow);
}
