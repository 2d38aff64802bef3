// Times programs from process start until their main window is visible with
// the document's title, and reads their working set once the open is done.
// Programs are alternated round by round (each round starts with the next
// one), so drift in the machine's load falls on all of them alike.
//   launch.exe RUNS FILE LABEL=COMMAND [LABEL=COMMAND ...]
// COMMAND is started as: COMMAND "FILE". The first program is the subject:
// the report gives its median against each of the others.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int kMaxPrograms = 6;
constexpr int kMaxRuns = 200;
constexpr DWORD kShowTimeoutMs = 20000;
constexpr DWORD kCloseTimeoutMs = 10000;

struct Program {
  const char* label;
  const char* command;
  double ms[kMaxRuns];
  double workingSetKb[kMaxRuns];
  double peakKb[kMaxRuns];
  int count;
  int failures;
};

Program programs[kMaxPrograms];
int programCount;
char titlePrefix[MAX_PATH + 8];
char filePath[MAX_PATH];
LARGE_INTEGER frequency;

struct Search {
  DWORD processId;
  HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM parameter) {
  Search* search = reinterpret_cast<Search*>(parameter);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search->processId || !IsWindowVisible(window)) return TRUE;
  char text[512];
  int n = GetWindowTextA(window, text, sizeof text);
  size_t prefix = std::strlen(titlePrefix);
  if (n >= static_cast<int>(prefix) && std::strncmp(text, titlePrefix, prefix) == 0) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

HWND TitledWindow(DWORD processId) {
  Search search = {processId, nullptr};
  EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

double Elapsed(const LARGE_INTEGER& from) {
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return static_cast<double>(now.QuadPart - from.QuadPart) * 1000.0 /
         static_cast<double>(frequency.QuadPart);
}

// One start, measured; record says whether it counts (the warm-up does not).
void RunOnce(Program& program, bool record) {
  char commandLine[2 * MAX_PATH + 16];
  std::snprintf(commandLine, sizeof commandLine, "%s \"%s\"", program.command, filePath);
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  LARGE_INTEGER start;
  QueryPerformanceCounter(&start);
  if (!CreateProcessA(nullptr, commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process)) {
    std::printf("%s: cannot start (%lu): %s\n", program.label, GetLastError(), commandLine);
    ++program.failures;
    return;
  }
  HWND window = nullptr;
  double ms = 0;
  while (!(window = TitledWindow(process.dwProcessId))) {
    if (Elapsed(start) > kShowTimeoutMs ||
        WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0)
      break;
    Sleep(1);
  }
  ms = Elapsed(start);
  if (!window) {
    std::printf("%s: no window titled \"%s...\" (%.0f ms)\n", program.label, titlePrefix, ms);
    ++program.failures;
    TerminateProcess(process.hProcess, 1);
  } else {
    // The open is over once the program waits for input; then its memory is read.
    WaitForInputIdle(process.hProcess, 5000);
    HANDLE query =
        OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, process.dwProcessId);
    PROCESS_MEMORY_COUNTERS memory = {};
    memory.cb = sizeof memory;
    BOOL haveMemory = query && GetProcessMemoryInfo(query, &memory, sizeof memory);
    if (query) CloseHandle(query);
    PostMessageA(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, kCloseTimeoutMs) != WAIT_OBJECT_0) {
      std::printf("%s: did not close on WM_CLOSE (a prompt?); ended\n", program.label);
      TerminateProcess(process.hProcess, 1);
      WaitForSingleObject(process.hProcess, kCloseTimeoutMs);
      ++program.failures;
    } else if (record && program.count < kMaxRuns) {
      int i = program.count++;
      program.ms[i] = ms;
      program.workingSetKb[i] = haveMemory ? memory.WorkingSetSize / 1024.0 : 0;
      program.peakKb[i] = haveMemory ? memory.PeakWorkingSetSize / 1024.0 : 0;
    }
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
}

double Median(const double* values, int count) {
  if (count == 0) return 0;
  double sorted[kMaxRuns];
  std::copy(values, values + count, sorted);
  std::sort(sorted, sorted + count);
  return count % 2 ? sorted[count / 2] : (sorted[count / 2 - 1] + sorted[count / 2]) / 2;
}

double Lowest(const double* values, int count) {
  return count ? *std::min_element(values, values + count) : 0;
}

double Highest(const double* values, int count) {
  return count ? *std::max_element(values, values + count) : 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::printf("usage: launch RUNS FILE LABEL=COMMAND [LABEL=COMMAND ...]\n");
    return 2;
  }
  int runs = std::atoi(argv[1]);
  if (runs < 1 || runs > kMaxRuns) runs = 10;
  char* filePart = nullptr;
  if (!GetFullPathNameA(argv[2], sizeof filePath, filePath, &filePart) || !filePart) return 2;
  std::snprintf(titlePrefix, sizeof titlePrefix, "%s - ", filePart);
  for (int i = 3; i < argc && programCount < kMaxPrograms; ++i) {
    char* equals = std::strchr(argv[i], '=');
    if (!equals) return 2;
    *equals = 0;
    programs[programCount].label = argv[i];
    programs[programCount].command = equals + 1;
    ++programCount;
  }
  QueryPerformanceFrequency(&frequency);

  // One uncounted round: the first start of each reads its DLLs from disk.
  for (int p = 0; p < programCount; ++p) RunOnce(programs[p], false);
  for (int round = 0; round < runs; ++round)
    for (int k = 0; k < programCount; ++k) RunOnce(programs[(round + k) % programCount], true);

  std::printf("file %s, title \"%s...\", %d rounds after one warm-up round\n", filePath,
              titlePrefix, runs);
  std::printf("%-10s %5s %9s %9s %9s %13s %13s %5s\n", "program", "runs", "median", "min", "max",
              "workingset", "peak", "fail");
  for (int p = 0; p < programCount; ++p) {
    const Program& g = programs[p];
    std::printf("%-10s %5d %7.1fms %7.1fms %7.1fms %10.0f KiB %10.0f KiB %5d\n", g.label, g.count,
                Median(g.ms, g.count), Lowest(g.ms, g.count), Highest(g.ms, g.count),
                Median(g.workingSetKb, g.count), Median(g.peakKb, g.count), g.failures);
  }
  int status = 0;
  double subject = Median(programs[0].ms, programs[0].count);
  for (int p = 1; p < programCount; ++p) {
    double other = Median(programs[p].ms, programs[p].count);
    std::printf("ratio %s/%s = %.2f\n", programs[0].label, programs[p].label,
                other > 0 ? subject / other : 0);
  }
  for (int p = 0; p < programCount; ++p)
    if (programs[p].failures || programs[p].count < runs) status = 1;
  return status;
}
