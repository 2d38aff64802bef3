// What the Open and Save dialogs offer and how a chosen name gets its
// extension: the decisions of the file dialogs, free of the dialogs themselves.
#pragma once

constexpr int kExtensionCapacity = 256;
constexpr int kCustomFilterCapacity = 256;

// Filter indexes of the dialog: the custom filter, text files, all files.
constexpr int kFilterCustom = 0;
constexpr int kFilterText = 1;
constexpr int kFilterAll = 2;

struct FileDialogSetup {
  char extension[kExtensionCapacity];  // appended to a name typed without one
  // "<ext> ファイル(*.<ext>)\0*.<ext>\0\0", or empty; holds zero bytes inside.
  char customFilter[kCustomFilterCapacity];
  int filterIndex;
};

// The extension and filter offered for the current document's path. An
// extension too long for the custom filter offers all files instead, so the
// filter is never cut into a pattern that matches something else.
void PrepareFileDialog(const char* documentPath, FileDialogSetup* setup);

// Makes the path the dialog chose into the document's path: drops a final
// dot, or appends "." and the remembered extension to a name without one
// (unless "all files" was the filter at the end). Both are told from the name
// itself, since dialogs differ in what they report for these two names.
// Returns 0, leaving path untouched, when the result would not fit in
// capacity - 1 bytes: a name is never cut into another file's name.
int FinishChosenPath(char* path, int capacity, const char* chosen, int filterIndex,
                     const char* extension);
