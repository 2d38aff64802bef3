// The common font and colour dialogs for the edit view. Every choice goes to
// the settings file as soon as its dialog closes.
#pragma once

#include <windows.h>

// The colour dialog's sixteen custom colours: white at every start, shared by
// the text and background dialogs, never saved.
extern COLORREF customColors[16];

// Returns the new font (the old one is deleted), or 0 when the dialog was
// cancelled and nothing changed.
HFONT ChooseEditFont(HWND owner);
void FontCommand(HWND mainWindow);
// Returns the chosen colour, or initial when the dialog was cancelled.
COLORREF PickColor(HWND owner, COLORREF initial);
void TextColorCommand(HWND mainWindow);
void BackColorCommand(HWND mainWindow);
