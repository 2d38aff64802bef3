// Whether a save of the unedited document would give the file back as it
// was, and if not, what kind of file it is: the user is told once on open
// and asked again before a save writes over it.
#pragma once

#include "document/document_state.h"

// 1 when writing `saved` (savedLength bytes) over `file` (fileLength bytes,
// zero bytes included) changes nothing but line ends: CR LF, a lone CR and a
// lone LF each count as one line end, as the load's conversion reads them.
int SaveKeepsFile(const char* saved, int savedLength, const char* file, int fileLength);

// What makes a file one whose bytes the editor cannot keep, for the warning.
// Unmappable: characters of a Unicode file that Shift_JIS has no code for,
// or bytes that are no characters in its encoding.
enum class UnkeptKind { Utf16, Utf8, ZeroBytes, Characters, Unmappable };

// Judged from the file's own bytes (file[length] is 0), as the guess of
// their form reads them: UTF-16, UTF-8 with a mark, zero bytes, UTF-8;
// anything else is characters that a save would write differently.
UnkeptKind UnkeptKindOf(const char* file, int length);

// The same for a file read in form, whose decoding lost what decodeLoss
// (kLost* bits) says: a Unicode form names what its decoding could not carry.
UnkeptKind UnkeptKindOf(const char* file, int length, TextEncoding form, int decodeLoss);
