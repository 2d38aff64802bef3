// Reading the test exe's own DIALOG resources, to compare them with the
// layout the editor must keep.
#pragma once

#include <windows.h>

#include <string>

// The DIALOG resource `id` and its size in bytes; null when missing.
const BYTE* DialogResource(int id, DWORD* size);
// Reads a zero-terminated UTF-16 string (given back in Shift_JIS) or an
// ordinal (-1 for a string) and returns what follows.
const WORD* ReadTemplateText(const WORD* p, std::string* text, int* ordinal);
// Every item of a template starts on a DWORD boundary.
const WORD* AlignToItem(const WORD* p);
