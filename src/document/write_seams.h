// The two calls of the safe save that no test machine can make fail on
// purpose: a folder without the right to create files (root under Wine may
// create anywhere) and a replace that stops half-way. The program never
// changes them; tests swap in a failing one and restore the defaults.
#pragma once

#include <windows.h>

using TempFileNameCall = UINT(WINAPI*)(LPCSTR folder, LPCSTR prefix, UINT unique, LPSTR tempPath);
using ReplaceFileCall = BOOL(WINAPI*)(LPCSTR replaced, LPCSTR replacement, LPCSTR backup,
                                      DWORD flags, LPVOID exclude, LPVOID reserved);

struct WriteSeams {
  TempFileNameCall getTempFileName;  // GetTempFileNameA
  ReplaceFileCall replaceFile;       // ReplaceFileA
};

extern WriteSeams SaveSeams;

// The real GetTempFileNameA and ReplaceFileA.
void RestoreSaveSeams();
