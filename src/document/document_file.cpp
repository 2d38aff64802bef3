#include "document/document_file.h"

#include <windows.h>

#include "base/system_calls.h"
#include "document/file_form.h"
#include "text/path_helpers.h"
#include "text/text.h"

namespace {

// The path of the temporary file that the last save kept as the one
// complete copy of the text; empty when it kept none.
char keptCopy[MAX_PATH + 1];

// WriteFile in pieces: one call may write less than asked on some devices.
bool WriteAll(HANDLE file, const char* bytes, DWORD length, DWORD* written) {
  *written = 0;
  while (*written < length) {
    DWORD n = 0;
    if (!WriteFile(file, bytes + *written, length - *written, &n, nullptr) || n == 0) return false;
    *written += n;
  }
  return true;
}

// Creates an empty, uniquely named file in the folder of path: 1 made, 0
// failed (GetLastError tells why), -1 when the folder's name leaves no room
// for the temporary name.
int MakeSiblingTempFile(const char* path, char* tempPath) {
  char folder[MAX_PATH + 1];
  CopyText(folder, sizeof folder, path);
  *FileNamePart(folder) = 0;
  if (!folder[0]) CopyText(folder, sizeof folder, ".\\");
  if (TextLength(folder) > MAX_PATH - 14) return -1;
  return Calls().getTempFileName(folder, "hkz", 0, tempPath) != 0;
}

// For when no file can be made beside the target: over the old bytes, but
// so that a full disk cannot cut them off. What needs new room on the disk
// comes first: the file grows to the new length and takes the bytes past its
// old end (written, since a file system that keeps files sparse reserves
// nothing for the mere growth); only then are the old bytes written over,
// which needs no room. A failure before that cuts the file back to its old
// length.
long long WriteInPlace(const char* path, const char* text, DWORD length) {
  HANDLE file =
      CreateFileA(path, GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return -1;
  DWORD high = 0;
  DWORD oldLength = GetFileSize(file, &high);
  bool ok = oldLength != INVALID_FILE_SIZE || GetLastError() == NO_ERROR;
  DWORD written = 0;
  if (ok && high == 0 && oldLength < length) {
    DWORD tail = 0;
    ok = SetFilePointer(file, static_cast<LONG>(length), nullptr, FILE_BEGIN) == length &&
         SetEndOfFile(file) &&
         SetFilePointer(file, static_cast<LONG>(oldLength), nullptr, FILE_BEGIN) == oldLength &&
         WriteAll(file, text + oldLength, length - oldLength, &tail);
    if (!ok) {
      SetFilePointer(file, static_cast<LONG>(oldLength), nullptr, FILE_BEGIN);
      SetEndOfFile(file);
    } else {
      ok = SetFilePointer(file, 0, nullptr, FILE_BEGIN) == 0 &&
           WriteAll(file, text, oldLength, &written);
      written += tail;
    }
  } else if (ok) {
    ok = WriteAll(file, text, length, &written) && SetEndOfFile(file);
  }
  CloseHandle(file);
  return ok ? written : -1;
}

// On a full disk the in-place write can only fail too; every other reason
// for having no temporary file leaves it room.
bool DiskIsFull(DWORD error) {
  return error == ERROR_DISK_FULL || error == ERROR_HANDLE_DISK_FULL;
}

// Whether path still is the old file: a file (no folder) of its old size.
// FindFirstFileA tells both on every Windows; GetFileAttributesExA is not
// there on 95.
bool StillHoldsOldFile(const char* path, unsigned long long oldSize) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA(path, &found);
  if (search == INVALID_HANDLE_VALUE) return false;
  FindClose(search);
  if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return false;
  unsigned long long size =
      (static_cast<unsigned long long>(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
  return size == oldSize;
}

// Gives the complete temporary file the document's name. ReplaceFileA keeps
// the old file's attributes and security. Where it is missing (before 2000),
// refused (some file systems) or stops after the old file has already gone
// (ERROR_UNABLE_TO_MOVE_REPLACEMENT), a replacing move does it. Windows 95,
// 98 and Me have neither: there the old file goes first and the new one
// takes its name after.
bool PutInPlace(const char* path, const char* tempPath) {
  SystemCalls& calls = Calls();
  if (calls.replaceFile && calls.replaceFile(path, tempPath, nullptr,
                                             REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)) {
    return true;
  }
  if (calls.moveFileEx) {
    if (calls.moveFileEx(tempPath, path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
      return true;
    }
    if (GetLastError() != ERROR_CALL_NOT_IMPLEMENTED) return false;
  }
  return DeleteFileA(path) && MoveFileA(tempPath, path);
}

}  // namespace

const char* KeptCopyPath() {
  return keptCopy;
}

long long ReadDocumentFile(const char* path, char* buffer, int cap) {
  HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return GetLastError() == ERROR_FILE_NOT_FOUND ? 0 : -1;
  DWORD high = 0;
  DWORD low = GetFileSize(file, &high);
  if (low == INVALID_FILE_SIZE && GetLastError() != NO_ERROR) {
    CloseHandle(file);
    return -1;
  }
  unsigned long long size = (static_cast<unsigned long long>(high) << 32) | low;
  if (size > static_cast<unsigned long long>(cap - 1)) {
    CloseHandle(file);
    return -static_cast<long long>(size);
  }
  DWORD read = 0;
  BOOL ok = ReadFile(file, buffer, static_cast<DWORD>(size), &read, nullptr);
  CloseHandle(file);
  // A part of the file shown as the whole would be saved over the rest.
  if (!ok || read != size) {
    buffer[0] = 0;
    return -1;
  }
  buffer[read] = 0;
  return read;
}

long long WriteDocumentFile(const char* path, const char* text) {
  return WriteDocumentBytes(path, text, TextLength(text));
}

long long WriteDocumentBytes(const char* path, const char* text, int byteCount) {
  keptCopy[0] = 0;
  DWORD length = static_cast<DWORD>(byteCount);
  // Wine run by root opens read-only files for writing, and the replacing
  // move below would not stop at one either: Windows refuses them, so do we.
  DWORD attributes = GetFileAttributesA(path);
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) return -1;
  // The exclusive open that the save has always made: it refuses read-only
  // and locked files, wrong names and missing folders, and truncates nothing.
  HANDLE target =
      CreateFileA(path, GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (target == INVALID_HANDLE_VALUE) return -1;
  bool existed = GetLastError() == ERROR_ALREADY_EXISTS;
  DWORD written = 0;

  if (!existed) {
    // A new file: nothing to keep, so write it directly.
    bool complete = WriteAll(target, text, length, &written);
    CloseHandle(target);
    if (!complete) DeleteFileA(path);
    return written;
  }
  DWORD oldHigh = 0;
  DWORD oldLow = GetFileSize(target, &oldHigh);
  unsigned long long oldSize = (static_cast<unsigned long long>(oldHigh) << 32) | oldLow;
  if (oldLow == INVALID_FILE_SIZE && GetLastError() != NO_ERROR) oldSize = ~0ull;
  CloseHandle(target);

  char tempPath[MAX_PATH + 1];
  int sibling = MakeSiblingTempFile(path, tempPath);
  // A folder too deep for a sibling's name, or one where no file may be
  // created: write in place, as a plain truncating save would, rather than
  // never save this file again.
  if (sibling < 0) return WriteInPlace(path, text, length);
  if (!sibling) return DiskIsFull(GetLastError()) ? -1 : WriteInPlace(path, text, length);
  HANDLE temp = CreateFileA(tempPath, GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (temp == INVALID_HANDLE_VALUE) {
    DWORD error = GetLastError();
    DeleteFileA(tempPath);
    return DiskIsFull(error) ? -1 : WriteInPlace(path, text, length);
  }
  bool complete = WriteAll(temp, text, length, &written) && FlushFileBuffers(temp);
  CloseHandle(temp);
  if (!complete) {
    DeleteFileA(tempPath);
    return written < length ? static_cast<long long>(written) : -1;
  }
  if (PutInPlace(path, tempPath)) return written;
  // The temporary file goes only while the old one is there in full; else it
  // is the one complete copy of the text and stays for the user to find.
  if (StillHoldsOldFile(path, oldSize)) {
    DeleteFileA(tempPath);
  } else {
    CopyText(keptCopy, sizeof keptCopy, tempPath);
  }
  return -1;
}

namespace {
HANDLE OpenToCompare(const char* path) {
  return CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                     FILE_ATTRIBUTE_NORMAL, nullptr);
}
}  // namespace

int IsSameFile(const char* a, const char* b) {
  if (lstrcmpiA(a, b) == 0) return 1;
  // Both stay open while they are compared: Windows 95 keeps a file's index
  // only while the file is open.
  HANDLE first = OpenToCompare(a);
  HANDLE second = OpenToCompare(b);
  BY_HANDLE_FILE_INFORMATION one, other;
  int same = first != INVALID_HANDLE_VALUE && second != INVALID_HANDLE_VALUE &&
             GetFileInformationByHandle(first, &one) &&
             GetFileInformationByHandle(second, &other) &&
             one.dwVolumeSerialNumber == other.dwVolumeSerialNumber &&
             one.nFileIndexHigh == other.nFileIndexHigh && one.nFileIndexLow == other.nFileIndexLow;
  if (first != INVALID_HANDLE_VALUE) CloseHandle(first);
  if (second != INVALID_HANDLE_VALUE) CloseHandle(second);
  return same;
}

int ReadFileStamp(const char* path, FileStamp* stamp) {
  // FindFirstFileA reads a file that another program holds open, on every
  // Windows; GetFileAttributesExA is not there on 95.
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA(path, &found);
  if (search == INVALID_HANDLE_VALUE) return 0;
  FindClose(search);
  stamp->size = (static_cast<unsigned long long>(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
  stamp->writeTime = (static_cast<unsigned long long>(found.ftLastWriteTime.dwHighDateTime) << 32) |
                     found.ftLastWriteTime.dwLowDateTime;
  return 1;
}

LoadOutcome LoadDocument(const TextEncoding* named) {
  DocumentState& d = Document;
  ResetFileForm(d);
  // Before the read: a change while it reads shows as a change.
  d.stampKnown = ReadFileStamp(d.path, &d.stamp);
  for (int i = 0; i <= BufferCapacity; ++i) d.TextBuffer[i] = 0;
  long long rc = ReadDocumentFile(d.path, d.TextBuffer, ReadCap);
  if (rc == -1) return {LoadResult::OpenFailed, 0};
  if (rc < -1) return {LoadResult::TooLarge, static_cast<unsigned long long>(-rc)};
  // An empty file too: it takes the encoding named.
  return DecodeFileForm(d, rc, named);
}

int SaveDocument() {
  DocumentState& d = Document;
  keptCopy[0] = 0;
  if (!EncodeFileForm(d)) return -1;
  long long n = WriteDocumentBytes(d.path, d.TextBuffer, d.formLength);
  return n >= 0 && n == d.formLength;
}
