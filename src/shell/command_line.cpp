#include "shell/command_line.h"

#include "text/text.h"

const char* SkipProgramName(const char* commandLine) {
  const unsigned char* p = reinterpret_cast<const unsigned char*>(commandLine);
  if (*p == '"') {
    ++p;
    while (*p && *p != '"') ++p;
    if (*p == '"') ++p;
  } else {
    while (*p > ' ') ++p;
  }
  while (*p && *p <= ' ') ++p;
  return reinterpret_cast<const char*>(p);
}

int TrimDocumentArgument(char* argument) {
  if (argument[0] == '"') {
    // Drop the opening quote and the last character, taken to be the closing
    // one; a lone quote leaves an empty argument.
    int length = TextLength(argument);
    for (int i = 0; i < length; ++i) argument[i] = argument[i + 1];
    length -= 1;
    if (length > 0) argument[length - 1] = 0;
  }
  if (argument[0]) {
    for (int i = 1; argument[i]; ++i) {
      if (argument[i] != ' ' || !argument[i + 1]) continue;
      const char* next = argument + i + 1;
      bool drive = next[1] == ':' && next[2] == '\\';
      bool network = next[0] == '\\' && next[1] == '\\';
      if (drive || network) {
        argument[i] = 0;
        break;
      }
    }
  }
  return argument[0] && (argument[1] == ':' || argument[0] == '\\');
}
