// The one open document and its move between file form and editor form
// (Shift_JIS with CR LF line ends).
#pragma once

constexpr int ReadCap = 56000;         // files of at most ReadCap - 1 bytes are read
constexpr int BufferCapacity = 64000;  // the text buffers, without their terminator
constexpr int kPathCapacity = 264;     // document path field; paths are at most 260 bytes
constexpr int kMaxPathLength = 260;

struct DocumentState {
  char path[kPathCapacity];  // empty: an untitled new document
  char TextBuffer[BufferCapacity + 1];
  char ScratchBuffer[BufferCapacity + 1];
  int lfMode;   // 1: the file's line ends are bare LF
  int eucMode;  // 1: the file is EUC-JP
  int defaultLf;
  int defaultEuc;
  // 1 while the file at path holds bytes that a save of this document would
  // change although nobody edited them; a save over it asks first.
  int saveAltersFile;
};

extern DocumentState Document;

enum class LoadResult { Loaded, OpenFailed, TooLarge, ConvertedTooLarge };

struct LoadOutcome {
  LoadResult result;
  unsigned long long size;  // file size in bytes for the two too-large results
};

// The decoding of a load, over the count bytes that the file read left in
// TextBuffer (zero-terminated): line ends first, then the encoding. Sets
// lfMode and eucMode; both must hold their defaults on entry.
LoadOutcome DecodeLoadedText(DocumentState& document, long long count);

// The save's conversion of the editor text in TextBuffer into the file form
// that lfMode and eucMode describe, in place in TextBuffer. Returns 0 for a
// text or form too long for the buffers (64,000 bytes); TextBuffer then holds
// nothing of use.
int EncodeTextForSave(DocumentState& document);
