// The editor's entry point. There is no C runtime start-up: the program
// needs none, and without it the exe depends on system DLLs only.
#include <windows.h>

#include "shell/command_line.h"
#include "shell/startup.h"
#include "text/text.h"

namespace {
// The argument is cut in place; the whole command line fits (32,767 bytes).
char argumentCopy[32768];
}  // namespace

// Windows enters with the stack aligned to 4 bytes on x86; realign for the
// compiler's 16-byte assumptions.
extern "C" __attribute__((force_align_arg_pointer)) void ProcessEntry() {
  CopyText(argumentCopy, sizeof argumentCopy, SkipProgramName(GetCommandLineA()));
  STARTUPINFOA startup;
  startup.dwFlags = 0;
  GetStartupInfoA(&startup);
  int showMode = (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : SW_SHOWDEFAULT;
  ExitProcess(
      static_cast<UINT>(WinMain(GetModuleHandleA(nullptr), nullptr, argumentCopy, showMode)));
}
