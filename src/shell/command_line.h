// Splitting the command line and cutting the document argument.
#pragma once

// The argument text after the program name and the blanks behind it. Bytes
// 0x80-0xFF count as printable, so a Japanese path is never cut or skipped.
const char* SkipProgramName(const char* commandLine);

// Turns an argument in place into the one path it names: a surrounding pair
// of quotes is dropped, and a second path (" X:\" or " \\") ends the first.
// Returns 1 when the result reads as absolute (drive or backslash start).
int TrimDocumentArgument(char* argument);
