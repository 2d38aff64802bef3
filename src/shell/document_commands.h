// The user's side of the one document: New, Open, Save, Save As, the
// unsaved-changes prompt, dropped files, the recent entries and the title.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include "codec/codec.h"

// Asks about unsaved changes; 1 go on, 0 stop.
int ConfirmDiscard(HWND mainWindow);
void NewDocument(HWND mainWindow);
void OpenCommand(HWND mainWindow);
// Opens the file Document.path names, in the encoding named or else in the
// one recognised; 1 when it was presented.
int OpenDocument(HWND mainWindow, const TextEncoding* named = nullptr);
// Reads the open file again in the encoding the user names.
void ReopenDocument(HWND mainWindow, TextEncoding encoding);
// The EUC and LF items, the encoding checked under 開き直す and the status
// bar's form parts, from the form.
void ShowDocumentForm(HWND mainWindow);
// The form the next save writes, as オプション > 文字 sets it: the document
// now differs from its file. Nothing goes to the settings file.
void SetDocumentForm(HWND mainWindow, const FileForm& form);
// The warning of the last open about bytes a save would change, once.
void ShowOpenWarning(HWND mainWindow);
int SaveCommand(HWND mainWindow);
int SaveAsCommand(HWND mainWindow);
void OpenDroppedFile(HWND mainWindow, HDROP drop);
void OpenRecentItem(HWND mainWindow, int id);
// The document's path to the top of the recent list.
void AddRecentFile(HWND mainWindow);
// Appends " *" to the title once, at the first change.
void MarkTitleModified(HWND mainWindow);
