// The Win32 calls that not every Windows from 95 and NT 4.0 on exports, and
// the DLLs that only some commands need. An exe that imports a function
// the system lacks is refused whole by the loader, and every DLL it imports
// is loaded before the first window: so these are looked up here, once, at
// their first use, and nowhere else. A pointer is null where the system has
// no such function; tests set one to null, or to a failing stand-in, to take
// the way the program goes on such a system, and ResetSystemCalls looks
// everything up anew.
#pragma once

#include <windows.h>
#include <commdlg.h>
#include <shellapi.h>
#include <imm.h>

using TempFileNameCall = UINT(WINAPI*)(LPCSTR folder, LPCSTR prefix, UINT unique, LPSTR tempPath);
using ReplaceFileCall = BOOL(WINAPI*)(LPCSTR replaced, LPCSTR replacement, LPCSTR backup,
                                      DWORD flags, LPVOID exclude, LPVOID reserved);
using MoveFileExCall = BOOL(WINAPI*)(LPCSTR from, LPCSTR to, DWORD flags);
using MonitorFromRectCall = HMONITOR(WINAPI*)(LPCRECT rect, DWORD flags);
using MonitorInfoCall = BOOL(WINAPI*)(HMONITOR monitor, LPMONITORINFO info);
using LoadLibraryCall = HMODULE(WINAPI*)(LPCSTR path, HANDLE file, DWORD flags);
using SystemDirectoryCall = UINT(WINAPI*)(LPSTR folder, UINT capacity);
using CodePageCall = BOOL(WINAPI*)(UINT codePage);

// KERNEL32 and USER32: always loaded, so looked up with GetModuleHandleA.
struct SystemCalls {
  TempFileNameCall getTempFileName;     // GetTempFileNameA: everywhere; a seam for tests
  ReplaceFileCall replaceFile;          // ReplaceFileA: Windows 2000 on
  MoveFileExCall moveFileEx;            // MoveFileExA: NT only (95 has a stub that fails)
  MonitorFromRectCall monitorFromRect;  // MonitorFromRect: 98 and 2000 on
  MonitorInfoCall getMonitorInfo;       // GetMonitorInfoA: 98 and 2000 on
  LoadLibraryCall loadLibrary;          // LoadLibraryExA: everywhere; a seam for tests
  SystemDirectoryCall systemDirectory;  // GetSystemDirectoryA: everywhere; a seam for tests
  CodePageCall isValidCodePage;         // IsValidCodePage: everywhere; a seam for tests
};

// COMDLG32: the Open and Save, font and colour dialogs.
struct DialogCalls {
  BOOL(WINAPI* getOpenFileName)(LPOPENFILENAMEA dialog);
  BOOL(WINAPI* getSaveFileName)(LPOPENFILENAMEA dialog);
  DWORD(WINAPI* commDlgExtendedError)();
  BOOL(WINAPI* chooseFont)(LPCHOOSEFONTA dialog);
  BOOL(WINAPI* chooseColor)(LPCHOOSECOLORA dialog);
};

// SHELL32: the About box and dropped files.
struct ShellCalls {
  int(WINAPI* shellAbout)(HWND owner, LPCSTR app, LPCSTR otherText, HICON icon);
  UINT(WINAPI* dragQueryFile)(HDROP drop, UINT index, LPSTR name, UINT capacity);
  void(WINAPI* dragFinish)(HDROP drop);
};

// Filled at the first call.
SystemCalls& Calls();

// Load their DLL from the system folder at the first call; null when it, or
// one of the functions in the table, cannot be had. Tests may null a pointer
// in the table.
DialogCalls* DialogLibrary();
ShellCalls* ShellLibrary();

// COMCTL32: the status bar's class, registered by InitCommonControls.
struct ControlCalls {
  void(WINAPI* initCommonControls)();
};
ControlCalls* ControlsLibrary();

// IMM32: opening the input method at start. Windows without an input method
// (a Western Windows 95) have no imm32.dll.
struct ImeCalls {
  HIMC(WINAPI* immGetContext)(HWND window);
  BOOL(WINAPI* immSetOpenStatus)(HIMC context, BOOL open);
  BOOL(WINAPI* immReleaseContext)(HWND window, HIMC context);
};
ImeCalls* ImeLibrary();

// What a command says when a library above could not be had: names
// the DLL that failed last.
const char* MissingLibraryText();

// Forgets every lookup; the next use looks them up again.
void ResetSystemCalls();
