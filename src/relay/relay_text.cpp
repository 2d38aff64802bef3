#include "relay/relay_text.h"

#include "text/path_helpers.h"
#include "text/text.h"

namespace {

// Copies name, cut at a character boundary and marked with "..." when it is
// longer than kRelayShownNameMax bytes.
void ShortenName(char* shown, int capacity, const char* name) {
  if (TextLength(name) <= kRelayShownNameMax) {
    CopyText(shown, capacity, name);
    return;
  }
  CopyText(shown, kRelayShownNameMax - 3 + 1, name);
  AppendText(shown, capacity, "...");
}

// The editor's program file name: a quoted program is shown without its
// quotation marks (0x22 is never a Shift_JIS trail byte, so a plain scan is safe).
void ProgramFileName(char* shown, int capacity, const char* processName) {
  char program[kRelayMessageCapacity];
  if (processName[0] == '"') {
    int n = 0;
    const char* p = processName + 1;
    while (*p && *p != '"' && n < static_cast<int>(sizeof program) - 1) program[n++] = *p++;
    program[n] = 0;
  } else {
    CopyText(program, sizeof program, processName);
  }
  ShortenName(shown, capacity, FileNamePart(program));
}

}  // namespace

int ComposeTooLargeNotice(char* notice, int capacity, const char* path, unsigned long long size) {
  char name[kRelayShownNameMax + 1];
  ShortenName(name, sizeof name, FileNamePart(path));
  return FormatText(notice, capacity,
                    "この文書は Hakuzo で開くには大きすぎます (55,999 バイト、改行を CR LF "
                    "にして 63,999 バイトまで)\n%s : %llukB",
                    name, size / 1024);
}

int AppendRelayQuestion(char* text, int capacity, const char* processName) {
  char name[kRelayShownNameMax + 1];
  ProgramFileName(name, sizeof name, processName);
  AppendText(text, capacity, "\nこの文書を ");
  AppendText(text, capacity, name);
  return AppendText(text, capacity, " に受け渡しますか？");
}

int ComposeRelayCommandLine(char* commandLine, int capacity, const char* processName,
                            bool quoteProgram, const char* path) {
  if (capacity > 0) commandLine[0] = 0;
  if (!processName[0] || !path[0]) return 0;
  int quotes = quoteProgram ? 2 : 0;
  long long needed =
      static_cast<long long>(TextLength(processName)) + quotes + 2 + TextLength(path) + 1;
  if (needed > capacity - 1) return 0;
  if (quoteProgram) AppendText(commandLine, capacity, "\"");
  AppendText(commandLine, capacity, processName);
  AppendText(commandLine, capacity, quoteProgram ? "\" \"" : " \"");
  AppendText(commandLine, capacity, path);
  return AppendText(commandLine, capacity, "\"");
}

bool NeedsProgramQuotes(const char* processName) {
  if (processName[0] == '"') return false;
  for (const char* p = processName; *p; ++p) {
    if (*p == ' ') return true;
  }
  return false;
}
