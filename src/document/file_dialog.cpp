#include "document/file_dialog.h"

#include <commdlg.h>

#include "base/app_instance.h"
#include "base/system_calls.h"
#include "document/document_state.h"
#include "document/file_dialog_rules.h"
#include "text/path_helpers.h"
#include "text/text.h"

namespace {

// Two pairs of description and pattern, ended by an empty string.
constexpr char kFilters[] = "テキストファイル(*.txt)\0*.txt\0全てのファイル(*.*)\0*.*\0";
constexpr const char* kOpenTitle = "文書を開く";
constexpr const char* kSaveTitle = "文書の保存";
constexpr const char* kDialogFailed = "ダイアログの生成に失敗しました(%d)\n";
constexpr const char* kNameTooLong = "ファイル名が長すぎます。";
constexpr DWORD kOpenFlags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
constexpr int kFileNameCapacity = kMaxPathLength + 1;

// The name of the file to save as, with the case it has on disk.
void InitialSaveName(const char* path, char* fileName) {
  CopyText(fileName, kFileNameCapacity, FileNamePart(path));
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA(fileName, &found);
  if (search == INVALID_HANDLE_VALUE) return;
  FindClose(search);
  CopyText(fileName, kFileNameCapacity, found.cFileName);
}

}  // namespace

int RunFileDialog(HWND owner, char* path, int save) {
  DialogCalls* dialogs = DialogLibrary();
  if (!dialogs) {
    ShowMessage(owner, MissingLibraryText(), MB_ICONWARNING);
    return 0;
  }
  FileDialogSetup setup;
  PrepareFileDialog(path, &setup);
  char fileName[kFileNameCapacity] = {};
  if (save && path[0]) InitialSaveName(path, fileName);

  // The Windows NT 4 form of the record, which every version of the dialog takes.
  OPENFILENAMEA dialog = {};
  dialog.lStructSize = sizeof(OPENFILENAME_NT4A);
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = kFilters;
  // Only a filter pair goes in as the custom filter: the dialog wants a
  // description there, and Wine's drops its whole list of file types for an
  // empty one, showing every file. Without one, the pointer stays null.
  if (setup.customFilter[0]) {
    dialog.lpstrCustomFilter = setup.customFilter;
    dialog.nMaxCustFilter = kCustomFilterCapacity - 1;
  }
  dialog.nFilterIndex = setup.filterIndex;
  dialog.lpstrFile = fileName;
  dialog.nMaxFile = kMaxPathLength;
  dialog.lpstrTitle = save ? kSaveTitle : kOpenTitle;
  dialog.Flags = save ? kOpenFlags | OFN_OVERWRITEPROMPT : kOpenFlags;

  BOOL chosen = save ? dialogs->getSaveFileName(&dialog) : dialogs->getOpenFileName(&dialog);
  if (!chosen) {
    DWORD error = dialogs->commDlgExtendedError();
    if (error) {
      char text[256];
      FormatText(text, sizeof text, kDialogFailed, static_cast<int>(error));
      ShowMessage(owner, text, MB_OK);
    }
    return 0;
  }
  fileName[kMaxPathLength] = 0;
  if (!FinishChosenPath(path, kMaxPathLength, fileName, static_cast<int>(dialog.nFilterIndex),
                        setup.extension)) {
    ShowMessage(owner, kNameTooLong, MB_ICONWARNING);
    return 0;
  }
  return 1;
}
