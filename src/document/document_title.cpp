#include "document/document_title.h"

#include "document/document_state.h"
#include "document/path_helpers.h"
#include "document/title_text.h"
#include "statusbar/status_bar.h"

void UpdateTitle(HWND mainWindow) {
  char title[kTitleCapacity];
  FormatDocumentTitle(title, FileNamePart(Document.path));
  SetWindowTextA(mainWindow, title);
  ShowDocumentPath(Document.path);
}

void MarkTitleModified(HWND mainWindow) {
  char title[kTitleReadCapacity];
  GetWindowTextA(mainWindow, title, sizeof title);
  if (AppendModifiedMark(title, sizeof title)) SetWindowTextA(mainWindow, title);
}
