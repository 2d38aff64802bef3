#include "shell/document_commands.h"

#include "base/app_instance.h"
#include "base/menu_marks.h"
#include "base/system_calls.h"
#include "document/document_file.h"
#include "document/document_state.h"
#include "document/file_dialog.h"
#include "document/file_form.h"
#include "document/keep_check.h"
#include "document/title_text.h"
#include "recent/recent_files.h"
#include "relay/relay.h"
#include "resource.h"
#include "statusbar/status_bar.h"
#include "text/path_helpers.h"
#include "text/text.h"
#include "view/edit_view.h"

namespace {

constexpr const char* kUnsavedChanges = "この文書は変更されています\n保存しますか？";
constexpr const char* kOpenFailed =
    "ファイルのオープンに失敗しました。\n\nCheck!\n\t－ファイル名が正しいか\n\t－ファイルの"
    "アクセス権があるか";
constexpr const char* kSaveFailed =
    "ファイルの保存に失敗しました\n\nCheck！\t－ディスク容量が不足していないか\n\t－読み取り専用"
    "ファイルでないか\n\t－ファイル名は正しいか";
// The old file is gone and the new text stayed under a temporary name.
constexpr const char* kSaveKeptCopy =
    "ファイルの保存に失敗しました。\n保存した内容は次のファイルに残っています:\n%s";
// The save converts through buffers of 64,000 bytes; a longer text would be
// cut on disk, so it is not saved at all.
constexpr const char* kTooLargeToSave =
    "文書が大きすぎるため保存できません。\n63,999 バイト以下にしてから保存してください。";
// The file's form can take more bytes than the text (UTF-16 up to twice as
// many); the same 64,000-byte buffer holds it.
constexpr const char* kFormTooLargeToSave =
    "文書が大きすぎるため保存できません。\n%s で保存できるのは %d,%03d バイトまでです。";
constexpr const char* kPathTooLong = "ファイル名が長すぎるため開けません。";
// Said once when such a file is opened: the first line names what it holds.
constexpr const char* kUnkeptKinds[] = {
    "このファイルは UTF-16 で書かれています。",
    "このファイルは UTF-8 で書かれています。",
    "このファイルには NUL 文字 (00 のバイト) が含まれています。",
    "このファイルには、保存すると別のバイトになる文字が含まれています。",
    "このファイルには、Shift_JIS にない文字 (絵文字など) が含まれています。",
};
static_assert(sizeof kUnkeptKinds / sizeof kUnkeptKinds[0] ==
                  static_cast<int>(UnkeptKind::Unmappable) + 1,
              "one line for every kind");
constexpr const char* kUnkeptWarning =
    "%s\nHakuzo はこのファイルのバイトをそのまま保持できません。\n\n%s%s";
constexpr const char* kUnkeptEffect =
    "表示や編集はできますが、上書き保存するとファイルの内容が変わります。";
constexpr const char* kAfterNulEffect =
    "NUL 文字より後ろは表示されず、上書き保存するとその部分は失われます。";
// Said when the encoding was guessed, not named.
constexpr const char* kReopenHint =
    "\n\n文字コードの判定が違うときは、「ファイル」>「開き直す」で読み直せます。";
constexpr const char* kChangedOnDisk =
    "このファイルは他のプログラムで変更されています。上書きしますか？";
constexpr const char* kSaveAltersFile =
    "このファイルには Hakuzo がそのまま保持できないバイトがあります。\n"
    "上書き保存すると、編集していない部分も変わります。\n\n上書き保存しますか？";

// "<file name> - Hakuzo" in the title bar, the full path in the status bar.
void UpdateTitle(HWND mainWindow) {
  char title[kTitleCapacity];
  FormatDocumentTitle(title, FileNamePart(Document.path));
  SetWindowTextA(mainWindow, title);
  ShowDocumentPath(Document.path);
}

// File > 開き直す holds one item an encoding, in their order.
static_assert(ID_REOPEN_LAST - ID_REOPEN_FIRST + 1 == kEncodingCount, "one item an encoding");
static_assert(ID_FORM_LAST - ID_FORM_FIRST + 1 == kFormChoiceCount, "one item a form");

// An untitled document has no file to read again.
void EnableReopen(HWND mainWindow) {
  for (int id = ID_REOPEN_FIRST; id <= ID_REOPEN_LAST; ++id) {
    EnableMenuItem(GetMenu(mainWindow), id,
                   MF_BYCOMMAND | (Document.path[0] ? MF_ENABLED : MF_GRAYED));
  }
}

// The warning of the last open, shown once the main window is on screen:
// at start-up the document is opened before the window is shown. 0: none.
int pendingWarning;  // 1 + the UnkeptKind
bool pendingGuessed;

// An empty, untitled document with the default modes. Also what remains
// after a file that could not be shown: the path must never go on naming a
// file whose bytes the view does not hold, or a Save would write over it.
void StartUntitled(HWND mainWindow) {
  pendingWarning = 0;
  Document.TextBuffer[0] = 0;
  Document.path[0] = 0;
  Document.saveAltersFile = 0;
  Document.stampKnown = 0;
  SetEditText(Document.TextBuffer);
  SetWindowTextA(mainWindow, kAppName);
  SetModified(0);
  ResetFileForm(Document);
  ShowDocumentForm(mainWindow);
  ShowDocumentPath(Document.path);
  EnableReopen(mainWindow);
  PostRefresh(mainWindow);
}

// Compares what a save of the unedited view would write with the file
// itself. It asks the view, not the loaded text: a control that keeps
// Unicode gives back other bytes than it was given. A view too long to
// encode, or a file that cannot be read again, cannot be shown to come back:
// it counts as a file the save would change. Sets the document's mark and
// returns it, with what the file holds in kind.
int CheckSaveKeepsFile(UnkeptKind* kind) {
  GetEditText(Document.TextBuffer, BufferCapacity + 1);
  int encoded = EncodeFileForm(Document);
  // The scratch buffer takes the file again: the load's decoding has
  // replaced its bytes in TextBuffer.
  long long count = ReadDocumentFile(Document.path, Document.ScratchBuffer, ReadCap);
  int length = count < 0 ? 0 : static_cast<int>(count);
  Document.saveAltersFile =
      count < 0 || !encoded ||
      !SaveKeepsFile(Document.TextBuffer, Document.formLength, Document.ScratchBuffer, length);
  if (Document.saveAltersFile) {
    *kind =
        UnkeptKindOf(Document.ScratchBuffer, length, Document.form.encoding, Document.decodeLoss);
  }
  return Document.saveAltersFile;
}

// guessed: true when nobody named the encoding.
void PresentDocument(HWND mainWindow, bool guessed) {
  AddRecentFile(mainWindow);
  SetEditText("");
  SetEditText(Document.TextBuffer);
  SetModified(0);
  UpdateTitle(mainWindow);
  ShowDocumentForm(mainWindow);
  EnableReopen(mainWindow);
  PostRefresh(mainWindow);
  UnkeptKind kind;
  pendingWarning = CheckSaveKeepsFile(&kind) ? 1 + static_cast<int>(kind) : 0;
  pendingGuessed = guessed;
  if (pendingWarning) PostMessageA(mainWindow, WM_COMMAND, ID_OPEN_WARNING, 0);
}

// A save that could lose what is on disk asks first; No is the default.
int AskBeforeSave(HWND mainWindow, const char* question) {
  return ShowMessage(mainWindow, question, MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) == IDYES;
}

// A save over a file that another program changed since the open or the
// last save here asks first. A file gone is saved anew.
int AllowSaveOverChange(HWND mainWindow) {
  FileStamp now;
  if (!Document.stampKnown || !ReadFileStamp(Document.path, &now)) return 1;
  if (now.size == Document.stamp.size && now.writeTime == Document.stamp.writeTime) return 1;
  return AskBeforeSave(mainWindow, kChangedOnDisk);
}

// The save over a file that it would change asks first.
int AllowSaveOverFile(HWND mainWindow) {
  return !Document.saveAltersFile || AskBeforeSave(mainWindow, kSaveAltersFile);
}

int RefuseTextTooLargeToSave(HWND mainWindow) {
  if (GetEditText(nullptr, 0) < BufferCapacity) return 0;
  ShowMessage(mainWindow, kTooLargeToSave, MB_ICONWARNING);
  return 1;
}

}  // namespace

void ShowDocumentForm(HWND mainWindow) {
  MarkCommand(mainWindow, ID_LF_MODE, Document.form.lfMode);
  MarkCommand(mainWindow, ID_EUC_MODE, Document.form.encoding == TextEncoding::Euc);
  for (int id = ID_REOPEN_FIRST; id <= ID_REOPEN_LAST; ++id) {
    MarkCommand(mainWindow, id, static_cast<int>(Document.form.encoding) == id - ID_REOPEN_FIRST);
  }
  for (int i = 0; i < kFormChoiceCount; ++i) {
    GreyCommand(mainWindow, ID_FORM_FIRST + i,
                IsUnicode(kFormChoices[i].encoding) && !CanHoldUnicodeForms());
  }
  CheckMenuRadioItem(GetMenu(mainWindow), ID_FORM_FIRST, ID_FORM_LAST,
                     ID_FORM_FIRST + FileFormChoice(Document.form), MF_BYCOMMAND);
  ShowModeIndicators(kEncodingShortNames[static_cast<int>(Document.form.encoding)],
                     Document.form.lfMode);
}

void SetDocumentForm(HWND mainWindow, const FileForm& form) {
  Document.form = form;
  ShowDocumentForm(mainWindow);
  SetModified(1);
  MarkTitleModified(mainWindow);
}

void ShowOpenWarning(HWND mainWindow) {
  if (!pendingWarning) return;
  const UnkeptKind kind = static_cast<UnkeptKind>(pendingWarning - 1);
  pendingWarning = 0;
  char text[512];
  FormatText(text, sizeof text, kUnkeptWarning, kUnkeptKinds[static_cast<int>(kind)],
             kind == UnkeptKind::ZeroBytes ? kAfterNulEffect : kUnkeptEffect,
             pendingGuessed ? kReopenHint : "");
  ShowMessage(mainWindow, text, MB_ICONWARNING);
}

void AddRecentFile(HWND mainWindow) {
  AddRecentFile(mainWindow, Document.path);
}

void MarkTitleModified(HWND mainWindow) {
  char title[kTitleReadCapacity];
  GetWindowTextA(mainWindow, title, sizeof title);
  if (AppendModifiedMark(title, sizeof title)) SetWindowTextA(mainWindow, title);
}

int ConfirmDiscard(HWND mainWindow) {
  if (!IsModified()) return 1;
  switch (ShowMessage(mainWindow, kUnsavedChanges, MB_YESNOCANCEL | MB_ICONQUESTION)) {
    case IDYES:
      return SaveCommand(mainWindow);
    case IDNO:
      return 1;
  }
  FocusEditView();
  return 0;
}

void NewDocument(HWND mainWindow) {
  if (!ConfirmDiscard(mainWindow)) return;
  StartUntitled(mainWindow);
}

void OpenCommand(HWND mainWindow) {
  if (!ConfirmDiscard(mainWindow)) return;
  if (!RunFileDialog(mainWindow, Document.path, 0)) return;
  OpenDocument(mainWindow);
}

int OpenDocument(HWND mainWindow, const TextEncoding* named) {
  LoadOutcome outcome = LoadDocument(named);
  switch (outcome.result) {
    case LoadResult::Loaded:
      PresentDocument(mainWindow, named == nullptr);
      return 1;
    case LoadResult::OpenFailed:
      ShowMessage(mainWindow, kOpenFailed, MB_ICONWARNING);
      break;
    case LoadResult::TooLarge:
    case LoadResult::ConvertedTooLarge:
      if (OfferRelay(mainWindow, Document.path, outcome.size)) {
        // The shutdown saves the settings and ends the program.
        PostMessageA(mainWindow, WM_DESTROY, 0, 0);
        return 0;
      }
      break;
  }
  StartUntitled(mainWindow);
  return 0;
}

int SaveCommand(HWND mainWindow) {
  if (RefuseTextTooLargeToSave(mainWindow)) return 0;
  if (!Document.path[0]) return SaveAsCommand(mainWindow);
  if (!AllowSaveOverChange(mainWindow) || !AllowSaveOverFile(mainWindow)) return 0;
  // The text fits: the refusal above has measured it.
  GetEditText(Document.TextBuffer, BufferCapacity + 1);
  int saved = SaveDocument();
  if (saved < 0) {
    char text[256];
    const int limit = FileFormLimit(Document.form);
    FormatText(text, sizeof text, kFormTooLargeToSave,
               kEncodingNames[static_cast<int>(Document.form.encoding)], limit / 1000,
               limit % 1000);
    ShowMessage(mainWindow, text, MB_ICONWARNING);
    return 0;
  }
  if (!saved) {
    char kept[512];
    FormatText(kept, sizeof kept, kSaveKeptCopy, KeptCopyPath());
    ShowMessage(mainWindow, KeptCopyPath()[0] ? kept : kSaveFailed, MB_ICONWARNING);
    return 0;
  }
  // The file now holds what the editor wrote, and gives it back.
  Document.saveAltersFile = 0;
  Document.stampKnown = ReadFileStamp(Document.path, &Document.stamp);
  AddRecentFile(mainWindow);
  SetModified(0);
  UpdateTitle(mainWindow);
  EnableReopen(mainWindow);
  return 1;
}

int SaveAsCommand(HWND mainWindow) {
  char before[kPathCapacity];
  CopyText(before, sizeof before, Document.path);
  if (!RunFileDialog(mainWindow, Document.path, 1)) return 0;
  // Another file holds nothing to keep; the same one, by any name, still does.
  if (!IsSameFile(before, Document.path)) Document.saveAltersFile = Document.stampKnown = 0;
  return SaveCommand(mainWindow);
}

void OpenDroppedFile(HWND mainWindow, HDROP drop) {
  SetForegroundWindow(mainWindow);
  ShellCalls* shell = ShellLibrary();
  if (!shell) {
    ShowMessage(mainWindow, MissingLibraryText(), MB_ICONWARNING);
    return;
  }
  if (!ConfirmDiscard(mainWindow)) {
    shell->dragFinish(drop);
    return;
  }
  // The first file only. A name the document path cannot hold is refused
  // rather than cut into the name of another file.
  char path[kPathCapacity];
  UINT length = shell->dragQueryFile(drop, 0, nullptr, 0);
  int fits = length > 0 && length < static_cast<UINT>(kMaxPathLength) &&
             shell->dragQueryFile(drop, 0, path, sizeof path) == length;
  shell->dragFinish(drop);
  if (!fits) {
    ShowMessage(mainWindow, kPathTooLong, MB_ICONWARNING);
    return;
  }
  CopyText(Document.path, kPathCapacity, path);
  OpenDocument(mainWindow);
}

void OpenRecentItem(HWND mainWindow, int id) {
  // The entry is read before the prompt: a save in it moves the entries, and
  // the id may then name the file just saved.
  char path[kPathCapacity];
  if (!RecentEntryPath(mainWindow, id, path, sizeof path)) return;
  if (!ConfirmDiscard(mainWindow)) return;
  CopyText(Document.path, kPathCapacity, path);
  OpenDocument(mainWindow);
  // The entry's folder becomes the current one, for the next file dialog.
  *FileNamePart(path) = 0;
  if (path[0]) SetCurrentDirectoryA(path);
}

void ReopenDocument(HWND mainWindow, TextEncoding encoding) {
  if (!Document.path[0] || !ConfirmDiscard(mainWindow)) return;
  OpenDocument(mainWindow, &encoding);
}
