// Reading and writing the document's file.
#pragma once

#include "document/document_state.h"

// n >= 0: n bytes read into buffer and terminated (0 also for a missing
// file); -1: the file cannot be opened or was not read whole; -size: the file
// has more than cap - 1 bytes and nothing was read. 64-bit, so files of 2 GiB
// and more report their true size.
long long ReadDocumentFile(const char* path, char* buffer, int cap);

// Writes text (up to its terminator) as the whole new content of path and
// returns the count written, or -1 when the file cannot be created. The old
// content is replaced only after the new bytes are complete on disk in a
// temporary file beside it, so a failed write leaves it as it was; where no
// such file can be made the old file is written over in place. When the old
// file is gone and the new one cannot take its name, the temporary file is
// kept (the one complete copy), KeptCopyPath names it and the result is -1.
long long WriteDocumentFile(const char* path, const char* text);
// The same for byteCount bytes, which may hold zero bytes.
long long WriteDocumentBytes(const char* path, const char* text, int byteCount);

// The temporary file that the last save kept as the one complete copy of
// the text, or the empty string.
const char* KeptCopyPath();

// Whether two names lead to one file: the same name in other letters, an 8.3
// alias, a link. A name that leads to no file names another one.
int IsSameFile(const char* a, const char* b);

// The stamp of the file at path; 0 when there is no such file.
int ReadFileStamp(const char* path, FileStamp* stamp);

// Reads the file named by Document.path into TextBuffer in editor form, in
// the encoding named, or else in the one recognised.
LoadOutcome LoadDocument(const TextEncoding* named = nullptr);

// Writes the editor text in TextBuffer to Document.path in the file's form:
// 1 written, 0 failed, -1 refused because the form does not fit the buffers.
int SaveDocument();
