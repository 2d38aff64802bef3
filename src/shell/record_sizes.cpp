// Compile-time checks of the Win32 records whose size the program writes into
// their length field. The release build targets 32-bit Windows, where these
// sizes are fixed; a header or packing change that moves them would make the
// system reject the record at run time, so the build stops here instead.
// The 64-bit test build has other sizes and is not checked.
#include <windows.h>
#include <commdlg.h>

#include <cstddef>

#include "recent/recent_files.h"

#if defined(_WIN32) && !defined(_WIN64)

// mingw-w64 always declares the Windows 2000 form of OPENFILENAMEA (88 bytes,
// whatever _WIN32_WINNT says). The dialogs are given the 76-byte NT 4 form,
// which is the same record cut after lpTemplateName. The header's own macro
// OPENFILENAME_SIZE_VERSION_400A is not a constant expression in C++, so the
// same length is computed with offsetof.
static_assert(sizeof(OPENFILENAME_NT4A) == 76, "OPENFILENAME_NT4A must be 76 bytes");
static_assert(offsetof(OPENFILENAMEA, lpTemplateName) + sizeof(LPCSTR) == 76,
              "OPENFILENAMEA up to lpTemplateName must be 76 bytes");
static_assert(offsetof(OPENFILENAMEA, lpTemplateName) ==
                  offsetof(OPENFILENAME_NT4A, lpTemplateName),
              "OPENFILENAMEA must start with the NT 4 record");

// Menu items are read and written with the Windows 95 / NT 4.0 record.
static_assert(kMenuItemInfoSize == 44, "kMenuItemInfoSize must be the 44-byte record");

static_assert(sizeof(STARTUPINFOA) == 68, "STARTUPINFOA must be 68 bytes");
static_assert(sizeof(WNDCLASSEXA) == 48, "WNDCLASSEXA must be 48 bytes");
static_assert(sizeof(WINDOWPLACEMENT) == 44, "WINDOWPLACEMENT must be 44 bytes");
static_assert(sizeof(CHOOSEFONTA) == 60, "CHOOSEFONTA must be 60 bytes");
static_assert(sizeof(CHOOSECOLORA) == 36, "CHOOSECOLORA must be 36 bytes");

#endif
