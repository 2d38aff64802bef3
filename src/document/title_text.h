// The main window's title: "<file name> - Hakuzo", with " *" once modified.
#pragma once

constexpr int kTitleCapacity = 260;
constexpr int kTitleReadCapacity = 256;
// Longest title UpdateTitle makes: the mark still fits when the title is
// read back into 256 bytes.
constexpr int kTitleLimit = kTitleReadCapacity - 1 - 2;

// Formats the title of a named document; a file name too long for
// kTitleLimit is cut at a character boundary and ends in "...".
void FormatDocumentTitle(char* title, const char* fileName);

// Appends " *" unless the title already ends in "*"; returns 1 when it did.
int AppendModifiedMark(char* title, int capacity);
