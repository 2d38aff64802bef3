// Loading and saving real files: sizes, missing files and folders, the
// round trip of both forms, and that a failed save never costs the old file.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "base/system_calls.h"
#include "document/document_file.h"
#include "harness.h"
#include "text/text.h"

namespace {

// Loads path with the given defaults; the flags start at the opposite values
// and TextBuffer holds garbage, so that a load must set all three.
LoadOutcome Load(const std::string& path, int defaultLf = 0, int defaultEuc = 0) {
  CopyText(Document.path, kPathCapacity, path.c_str());
  Document.defaultLf = defaultLf;
  Document.defaultEuc = defaultEuc;
  Document.form.lfMode = !defaultLf;
  Document.form.encoding = static_cast<TextEncoding>(!defaultEuc);
  CopyText(Document.TextBuffer, BufferCapacity + 1, "stale text");
  return LoadDocument();
}

int Save(const std::string& path, const std::string& text, int lfMode = 0, int eucMode = 0) {
  CopyText(Document.path, kPathCapacity, path.c_str());
  CopyText(Document.TextBuffer, BufferCapacity + 1, text.c_str());
  Document.form.lfMode = lfMode;
  Document.form.encoding = static_cast<TextEncoding>(eucMode);
  return SaveDocument();
}

void ExpectEmptyWithDefaults(int defaultLf, int defaultEuc) {
  EXPECT_STREQ(Document.TextBuffer, "");
  EXPECT_EQ(Document.form.lfMode, defaultLf);
  EXPECT_EQ(static_cast<int>(Document.form.encoding), defaultEuc);
}

}  // namespace

TEST(DocumentFile, ReadsAtMost55999Bytes) {
  std::string folder = TestFolder();
  std::string path = folder + "\\size.txt";
  static char buffer[ReadCap + 1];

  WriteBytes(path, std::string(55999, 'a'));
  EXPECT_EQ(ReadDocumentFile(path.c_str(), buffer, ReadCap), 55999);
  EXPECT_EQ(buffer[55999], 0);
  EXPECT_EQ(Load(path, 1, 1).result, LoadResult::Loaded);
  EXPECT_EQ(TextLength(Document.TextBuffer), 55999);
  EXPECT_EQ(Document.form.lfMode, 1);
  EXPECT_EQ(static_cast<int>(Document.form.encoding), 1);

  WriteBytes(path, std::string(56000, 'a'));
  EXPECT_EQ(ReadDocumentFile(path.c_str(), buffer, ReadCap), -56000);
  LoadOutcome out = Load(path, 1, 0);
  EXPECT_EQ(out.result, LoadResult::TooLarge);
  EXPECT_EQ(out.size, 56000u);
  ExpectEmptyWithDefaults(1, 0);
}

TEST(DocumentFile, HugeFilesReportTheirWholeSize) {
  std::string folder = TestFolder();
  std::string path = folder + "\\huge.txt";
  static char buffer[ReadCap + 1];
  // 2 GiB is negative as a 32-bit size; 4 GiB is 0 in the low 32 bits and
  // must not load as an empty file; 4 GiB - 1 is INVALID_FILE_SIZE.
  const long long sizes[] = {2147483648LL, 4294967295LL, 4294967296LL, 5368709120LL};
  for (long long size : sizes) {
    ASSERT_TRUE(MakeSparseFile(path, size)) << size;
    EXPECT_EQ(ReadDocumentFile(path.c_str(), buffer, ReadCap), -size);
    LoadOutcome out = Load(path, 0, 1);
    EXPECT_EQ(out.result, LoadResult::TooLarge) << size;
    EXPECT_EQ(out.size, static_cast<unsigned long long>(size));
    ExpectEmptyWithDefaults(0, 1);
  }
  DeleteFileA(path.c_str());
}

TEST(DocumentFile, MissingEmptyAndUnreachableFiles) {
  std::string folder = TestFolder();
  static char buffer[ReadCap + 1];

  EXPECT_EQ(ReadDocumentFile((folder + "\\none.txt").c_str(), buffer, ReadCap), 0);
  EXPECT_EQ(Load(folder + "\\none.txt", 1, 1).result, LoadResult::Loaded);
  ExpectEmptyWithDefaults(1, 1);
  EXPECT_FALSE(FileExists(folder + "\\none.txt"));

  WriteBytes(folder + "\\empty.txt", "");
  EXPECT_EQ(Load(folder + "\\empty.txt", 0, 1).result, LoadResult::Loaded);
  ExpectEmptyWithDefaults(0, 1);

  // A missing folder is no missing file: the path cannot be saved either.
  EXPECT_EQ(ReadDocumentFile((folder + "\\no\\x.txt").c_str(), buffer, ReadCap), -1);
  EXPECT_EQ(Load(folder + "\\no\\x.txt", 1, 0).result, LoadResult::OpenFailed);
  ExpectEmptyWithDefaults(1, 0);

  // A file open for writing elsewhere cannot be shared for reading.
  std::string busy = folder + "\\busy.txt";
  WriteBytes(busy, "abc");
  HANDLE writer = CreateFileA(busy.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(writer, INVALID_HANDLE_VALUE);
  EXPECT_EQ(Load(busy).result, LoadResult::OpenFailed);
  ExpectEmptyWithDefaults(0, 0);
  CloseHandle(writer);
}

TEST(DocumentFile, ShortReadIsOpenFailed) {
  // A sysfs file reports 4096 bytes and delivers a few: the read comes up
  // short, and a part must never pass for the whole file.
  const char* path = "Z:\\sys\\devices\\system\\cpu\\online";
  HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) GTEST_SKIP() << "no " << path << " here";
  static char buffer[ReadCap + 1];
  DWORD size = GetFileSize(file, nullptr), read = 0;
  ReadFile(file, buffer, sizeof buffer, &read, nullptr);
  CloseHandle(file);
  if (size > ReadCap - 1 || read >= size) GTEST_SKIP() << path << " reads whole here";
  buffer[0] = 'x';
  EXPECT_EQ(ReadDocumentFile(path, buffer, ReadCap), -1);
  EXPECT_EQ(buffer[0], 0);
  EXPECT_EQ(Load(path, 1, 1).result, LoadResult::OpenFailed);
  ExpectEmptyWithDefaults(1, 1);
}

TEST(DocumentFile, ZeroByteEndsTheText) {
  std::string path = TestFolder() + "\\zero.txt";
  WriteBytes(path, std::string("abc\0def\nghi", 11));
  static char buffer[ReadCap + 1];
  EXPECT_EQ(ReadDocumentFile(path.c_str(), buffer, ReadCap), 11);
  EXPECT_EQ(Load(path).result, LoadResult::Loaded);
  EXPECT_STREQ(Document.TextBuffer, "abc");
  EXPECT_EQ(Document.form.lfMode, 0);
  // Everything from the zero byte on is gone with the next save.
  ASSERT_EQ(SaveDocument(), 1);
  EXPECT_EQ(ReadBytes(path), "abc");
}

TEST(DocumentFile, RoundTripsAreByteExact) {
  std::string folder = TestFolder();
  const std::string files[] = {
      "\xC6\xFC\xCB\xDC\n\xB8\xEC\n",      // EUC-JP, LF
      "\xC6\xFC\xCB\xDC\r\n\xB8\xEC",      // EUC-JP, CR LF
      "\x93\xFA\x96\x7B\n\x8C\xEA\n",      // Shift_JIS, LF
      "\x93\xFA\x96\x7B\r\n\x8C\xEA\r\n",  // Shift_JIS, CR LF
  };
  for (const std::string& bytes : files) {
    std::string path = folder + "\\round.txt";
    WriteBytes(path, bytes);
    ASSERT_EQ(Load(path).result, LoadResult::Loaded);
    EXPECT_EQ(std::string(Document.TextBuffer).substr(0, 6), "\x93\xFA\x96\x7B\r\n");
    ASSERT_EQ(SaveDocument(), 1);
    EXPECT_EQ(ReadBytes(path), bytes);
  }
  // Mixed line ends come back uniform, in the style of the first LF.
  std::string path = folder + "\\mixed.txt";
  WriteBytes(path, "x\ny\r\nz");
  ASSERT_EQ(Load(path).result, LoadResult::Loaded);
  ASSERT_EQ(SaveDocument(), 1);
  EXPECT_EQ(ReadBytes(path), "x\ny\nz");
  EXPECT_EQ(FilesIn(folder), (std::vector<std::string>{"mixed.txt", "round.txt"}));
}

TEST(DocumentFile, SavesCreateAndReplaceWithoutLeftovers) {
  std::string folder = TestFolder();
  std::string path = folder + "\\memo.txt";
  // New file, then a longer and a shorter text over it, then the empty view.
  EXPECT_EQ(WriteDocumentFile(path.c_str(), "first"), 5);
  EXPECT_EQ(ReadBytes(path), "first");
  EXPECT_EQ(Save(path, std::string(30000, 'b')), 1);
  EXPECT_EQ(ReadBytes(path), std::string(30000, 'b'));
  EXPECT_EQ(Save(path, "c\r\n", 1, 0), 1);
  EXPECT_EQ(ReadBytes(path), "c\n");
  EXPECT_EQ(Save(path, ""), 1);
  EXPECT_TRUE(FileExists(path));
  EXPECT_EQ(ReadBytes(path), "");
  EXPECT_EQ(Save(folder + "\\new-empty.txt", ""), 1);
  EXPECT_EQ(ReadBytes(folder + "\\new-empty.txt"), "");
  EXPECT_EQ(FilesIn(folder), (std::vector<std::string>{"memo.txt", "new-empty.txt"}));
}

TEST(DocumentFile, RefusedSavesLeaveTheOldBytes) {
  std::string folder = TestFolder();
  std::string path = folder + "\\keep.txt";
  const std::string old = "old bytes\r\n";

  WriteBytes(path, old);
  ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
  EXPECT_EQ(WriteDocumentFile(path.c_str(), "new"), -1);
  EXPECT_EQ(Save(path, "new"), 0);
  EXPECT_EQ(ReadBytes(path), old);
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);

  // Open elsewhere, not shared at all or shared for reading only.
  for (DWORD share : {DWORD{0}, DWORD{FILE_SHARE_READ}}) {
    HANDLE other = CreateFileA(path.c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(other, INVALID_HANDLE_VALUE);
    EXPECT_EQ(WriteDocumentFile(path.c_str(), "new"), -1) << share;
    EXPECT_EQ(Save(path, "new"), 0);
    CloseHandle(other);
    EXPECT_EQ(ReadBytes(path), old);
  }

  // A missing folder and a bad name are refused and create nothing.
  EXPECT_EQ(WriteDocumentFile((folder + "\\no\\x.txt").c_str(), "new"), -1);
  EXPECT_EQ(Save(folder + "\\bad?name.txt", "new"), 0);
  EXPECT_EQ(Save(folder + "\\", "new"), 0);
  EXPECT_EQ(FilesIn(folder), std::vector<std::string>{"keep.txt"});
}

TEST(DocumentFile, LongFolderStillSaves) {
  // A folder name too long to hold a temporary sibling file beside the
  // document: the file can still be saved over, not just created.
  std::string folder = TestFolder();
  int room = 248 - static_cast<int>(folder.size()) - 1;
  ASSERT_GT(room, 0);
  std::string deep = folder + "\\" + std::string(room, 'd');  // 248 bytes
  ASSERT_TRUE(CreateDirectoryA(deep.c_str(), nullptr));
  std::string path = deep + "\\memo.txt";
  ASSERT_LE(path.size(), 259u);
  // Written in place: longer, then shorter than the file.
  EXPECT_EQ(Save(path, "one"), 1);
  EXPECT_EQ(Save(path, "a longer text"), 1);
  EXPECT_EQ(ReadBytes(path), "a longer text");
  EXPECT_EQ(Save(path, "two"), 1);
  EXPECT_EQ(ReadBytes(path), "two");
  EXPECT_EQ(FilesIn(deep), std::vector<std::string>{"memo.txt"});
  DeleteFileA(path.c_str());
  RemoveDirectoryA(deep.c_str());
}

TEST(DocumentFile, FullBufferIsNotSaved) {
  // 64,000 bytes may be the cut head of a longer view text: neither mode
  // writes it, not even CR LF text that LF line ends would shrink: refused.
  std::string path = TestFolder() + "\\long.txt";
  WriteBytes(path, "old");
  std::string lines;
  for (int i = 0; i < 16000; ++i) lines += "ab\r\n";  // 64,000 bytes
  EXPECT_EQ(Save(path, lines, 0, 0), -1);
  EXPECT_EQ(Save(path, lines, 1, 0), -1);
  EXPECT_EQ(Save(path, std::string(64000, 'a'), 1, 0), -1);
  // Nor a form that outgrows the buffer: EUC-JP katakana, UTF-16.
  EXPECT_EQ(Save(path, std::string(32000, '\xB1'), 0, 1), -1);
  EXPECT_EQ(Save(path, std::string(32001, 'a'), 0, static_cast<int>(TextEncoding::Utf16Le)), -1);
  EXPECT_EQ(ReadBytes(path), "old");
  EXPECT_EQ(Save(path, std::string(63999, 'a'), 1, 0), 1);
  EXPECT_EQ(ReadBytes(path).size(), 63999u);
}

// The faults below cannot be made for real here (root under Wine may create
// files in any folder; ReplaceFileA does not stop half-way; every call is
// there), so the looked-up call stands in for exactly the failing one.
namespace {
DWORD seamError;
enum class ReplaceFault { DropTarget, DropTargetHoldTemp, LockTarget } replaceFault;
HANDLE heldFile = INVALID_HANDLE_VALUE;

UINT WINAPI NoTempName(LPCSTR, LPCSTR, UINT, LPSTR) {
  SetLastError(seamError);
  return 0;
}

// Fails the way ReplaceFileA does when it stops half-way; the move that
// follows fails for real on a file held open without sharing.
BOOL WINAPI BrokenReplace(LPCSTR replaced, LPCSTR replacement, LPCSTR, DWORD, LPVOID, LPVOID) {
  if (replaceFault != ReplaceFault::LockTarget) DeleteFileA(replaced);
  const char* held = replaceFault == ReplaceFault::DropTargetHoldTemp ? replacement
                     : replaceFault == ReplaceFault::LockTarget       ? replaced
                                                                      : nullptr;
  if (held) {
    heldFile =
        CreateFileA(held, GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  }
  SetLastError(replaceFault == ReplaceFault::LockTarget ? ERROR_UNABLE_TO_REMOVE_REPLACED
                                                        : ERROR_UNABLE_TO_MOVE_REPLACEMENT);
  return FALSE;
}

void ReleaseHeldFile() {
  if (heldFile != INVALID_HANDLE_VALUE) CloseHandle(heldFile);
  heldFile = INVALID_HANDLE_VALUE;
}

struct SeamsRestored {
  ~SeamsRestored() {
    ReleaseHeldFile();
    ResetSystemCalls();
  }
};
}  // namespace

TEST(DocumentFileSeams, NoTemporaryFileWritesInPlace) {
  SeamsRestored restore;
  std::string folder = TestFolder();
  std::string path = folder + "\\memo.txt";
  WriteBytes(path, "old bytes, longer than the new ones");
  Calls().getTempFileName = NoTempName;

  // No right to create files in the folder, or every temporary name taken.
  seamError = ERROR_ACCESS_DENIED;
  EXPECT_EQ(Save(path, "new\r\n", 1, 0), 1);
  EXPECT_EQ(ReadBytes(path), "new\n");
  seamError = ERROR_FILE_EXISTS;
  EXPECT_EQ(Save(path, "again"), 1);
  EXPECT_EQ(ReadBytes(path), "again");
  // On a full disk the in-place write would cut the old file short.
  seamError = ERROR_DISK_FULL;
  EXPECT_EQ(Save(path, "lost"), 0);
  EXPECT_EQ(ReadBytes(path), "again");
  EXPECT_EQ(FilesIn(folder), std::vector<std::string>{"memo.txt"});
}

TEST(DocumentFileSeams, HalfFinishedReplaceNeverLosesBothCopies) {
  SeamsRestored restore;
  std::string folder = TestFolder();
  std::string path = folder + "\\memo.txt";
  const std::string text = "the new text\r\n";
  Calls().replaceFile = BrokenReplace;

  // The old file is gone: the move gives the new one its name.
  WriteBytes(path, "old");
  replaceFault = ReplaceFault::DropTarget;
  EXPECT_EQ(Save(path, text), 1);
  EXPECT_EQ(ReadBytes(path), text);
  EXPECT_EQ(FilesIn(folder), std::vector<std::string>{"memo.txt"});

  // Gone, and the move fails too: the temporary file is the one copy left.
  replaceFault = ReplaceFault::DropTargetHoldTemp;
  EXPECT_EQ(Save(path, text), 0);
  ReleaseHeldFile();
  std::vector<std::string> left = FilesIn(folder);
  ASSERT_EQ(left.size(), 1u);
  EXPECT_EQ(left[0].substr(0, 3), "hkz");
  EXPECT_EQ(ReadBytes(folder + "\\" + left[0]), text);
  EXPECT_EQ(ReadBytes(KeptCopyPath()), text);
  DeleteFileA((folder + "\\" + left[0]).c_str());

  // The old file is still whole: the temporary file goes, the save fails.
  WriteBytes(path, "old");
  replaceFault = ReplaceFault::LockTarget;
  EXPECT_EQ(Save(path, text), 0);
  ReleaseHeldFile();
  EXPECT_EQ(ReadBytes(path), "old");
  EXPECT_STREQ(KeptCopyPath(), "");
  EXPECT_EQ(FilesIn(folder), std::vector<std::string>{"memo.txt"});
  // Whole at 5 GiB too: its size is compared with all 64 bits.
  ASSERT_TRUE(MakeSparseFile(path, 5ll << 30));
  EXPECT_EQ(Save(path, text), 0);
  ReleaseHeldFile();
  EXPECT_EQ(FilesIn(folder), std::vector<std::string>{"memo.txt"});

  // Windows 95: no ReplaceFileA, a MoveFileExA that does nothing.
  WriteBytes(path, "old");
  Calls().replaceFile = nullptr;
  Calls().moveFileEx = nullptr;
  EXPECT_EQ(Save(path, text), 1);
  EXPECT_EQ(ReadBytes(path), text);
  EXPECT_EQ(FilesIn(folder), std::vector<std::string>{"memo.txt"});
}

// A full disk for real: tests/e2e/full_disk.sh mounts a 64 KiB tmpfs and
// names it in HAKUZO_FULL_DISK_DIR; elsewhere there is none to be had.
TEST(DocumentFullDisk, ShortWritesKeepTheOldFileAndLeaveNothing) {
  char dir[MAX_PATH] = {};
  if (!GetEnvironmentVariableA("HAKUZO_FULL_DISK_DIR", dir, sizeof dir))
    GTEST_SKIP() << "no small file system mounted (tests/e2e/full_disk.sh mounts one)";
  std::string folder = dir;
  std::string old = folder + "\\old.txt";
  std::string filler = folder + "\\filler";
  WriteBytes(old, "old bytes");
  ASSERT_EQ(ReadBytes(old), "old bytes");

  // Fill the file system to the last byte.
  HANDLE fill = CreateFileA(filler.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(fill, INVALID_HANDLE_VALUE);
  static char block[4096];
  long long filled = 0;
  for (int i = 0; i < 1024; ++i) {
    DWORD n = 0;
    if (!WriteFile(fill, block, sizeof block, &n, nullptr) || n == 0) break;
    filled += n;
  }
  ASSERT_GT(filled, 0);
  ASSERT_LT(filled, 1 << 20) << "the file system is not small";
  // Leave 8 KiB free, so that the saves below write part of their text.
  LARGE_INTEGER at;
  at.QuadPart = filled > 8192 ? filled - 8192 : 0;
  ASSERT_TRUE(SetFilePointerEx(fill, at, nullptr, FILE_BEGIN) && SetEndOfFile(fill));
  CloseHandle(fill);

  std::string text(20000, 'n');
  EXPECT_EQ(Save(old, text), 0);
  EXPECT_TRUE(ReadBytes(old) == "old bytes") << ReadBytes(old).size() << " bytes";
  EXPECT_EQ(Save(folder + "\\new.txt", text), 0);
  EXPECT_FALSE(FileExists(folder + "\\new.txt"));
  // No temporary file to be had: in place, and still the old bytes stay.
  seamError = ERROR_ACCESS_DENIED;
  Calls().getTempFileName = NoTempName;
  EXPECT_EQ(Save(old, text), 0);
  ResetSystemCalls();
  EXPECT_TRUE(ReadBytes(old) == "old bytes") << ReadBytes(old).size() << " bytes";
  EXPECT_EQ(FilesIn(folder), (std::vector<std::string>{"filler", "old.txt"}));

  // With room again the same saves succeed.
  DeleteFileA(filler.c_str());
  EXPECT_EQ(Save(old, text), 1);
  EXPECT_EQ(ReadBytes(old), text);
  EXPECT_EQ(FilesIn(folder), std::vector<std::string>{"old.txt"});
  DeleteFileA(old.c_str());
}
