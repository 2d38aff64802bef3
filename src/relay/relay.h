// Hand-over of documents the edit view cannot take to an external editor,
// and dialog 110 that chooses that editor.
#pragma once

#include <windows.h>

struct RelaySettings {
  int RelayProcess;       // 1: too-large files are handed over
  int NoInquire;          // 1: handed over without asking
  char ProcessName[256];  // the editor's command, normally its program path
};

extern RelaySettings Relay;

// Fills Relay from section [Relay] of the settings file.
void LoadRelaySettings();

INT_PTR CALLBACK RelayDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Dialog 110: the hand-over switches and the editor's program.
void ShowRelaySettings(HWND owner);

// Tells the user that the document at path (size bytes) is too large and,
// when the hand-over is on, asks (unless NoInquire) and starts the editor.
// 1 when the document was handed over, 0 otherwise.
int OfferRelay(HWND mainWindow, const char* path, unsigned long long size);

// Starts the external editor on path; 1 when its process was created.
int LaunchExternalEditor(HWND mainWindow, const char* path);

// Starts the external editor on path, telling the user when it could not be
// started; 1 when it was.
int HandOverDocument(HWND mainWindow, const char* path);
