// The one open document and its move between file form and editor form
// (Shift_JIS with CR LF line ends).
#pragma once

#include "codec/codec.h"
#include "text/text.h"

constexpr int ReadCap = 56000;      // files of at most ReadCap - 1 bytes are read
constexpr int kPathCapacity = 264;  // document path field; paths are at most 260 bytes
constexpr int kMaxPathLength = 260;

// What the load's decoding of a Unicode form could not carry into the view.
constexpr int kLostMalformed = 1;   // bytes not well-formed in the encoding
constexpr int kLostUnmappable = 2;  // characters without a Shift_JIS code
constexpr int kLostAfterNul = 4;    // a U+0000, after which the text ends

// A file's size and last-write time, as the file system gives them.
struct FileStamp {
  unsigned long long size;
  unsigned long long writeTime;
};

struct DocumentState {
  char path[kPathCapacity];  // empty: an untitled new document
  char TextBuffer[BufferCapacity + 1];
  char ScratchBuffer[BufferCapacity + 1];
  // The form of the file, which a save writes: guessed at a load, named by
  // the user at a reopen, chosen under オプション > 文字.
  FileForm form;
  int defaultLf;
  int defaultEuc;
  int defaultUtf8;  // exclusive with defaultEuc: the options see to it
  // 1 while the file at path holds bytes that a save of this document would
  // change although nobody edited them; a save over it asks first.
  int saveAltersFile;
  // Bytes of the file form that the last encode left in TextBuffer: a
  // UTF-16 form holds zero bytes.
  int formLength;
  int decodeLoss;  // kLost* bits of the last load
  // The file as it was at the open or the last save here; a save over a file
  // that another program changed since then asks first.
  FileStamp stamp;
  int stampKnown;
};

extern DocumentState Document;

enum class LoadResult { Loaded, OpenFailed, TooLarge, ConvertedTooLarge };

struct LoadOutcome {
  LoadResult result;
  unsigned long long size;  // file size in bytes for the two too-large results
};

// The decoding of a load, over the count bytes that the file read left in
// TextBuffer (zero-terminated), in Shift_JIS or EUC-JP as form says: line
// ends first, then the encoding.
LoadOutcome DecodeLoadedText(DocumentState& document, long long count);

// The save's conversion of the editor text in TextBuffer into the file form
// that form describes (Shift_JIS or EUC-JP), in place in TextBuffer. Returns 0 for a
// text or form too long for the buffers (64,000 bytes); TextBuffer then holds
// nothing of use.
int EncodeTextForSave(DocumentState& document);
