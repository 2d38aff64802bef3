// The texts of the hand-over to the external editor, composed into fixed
// buffers: the too-large notice, the question, and the editor's command line.
#pragma once

constexpr int kRelayMessageCapacity = 384;
constexpr int kRelayCommandCapacity = 512;
// A file or editor name longer than this is shown cut, ending in "...", so
// that notice and question (or the pointer to the setting) always fit
// kRelayMessageCapacity.
constexpr int kRelayShownNameMax = 72;

// "<notice with the limit>\n<file name> : <size / 1024>kB" for the document at
// path.
int ComposeTooLargeNotice(char* notice, int capacity, const char* path, unsigned long long size);

// Appends "\nこの文書を <editor's file name> に受け渡しますか？" to text.
int AppendRelayQuestion(char* text, int capacity, const char* processName);

// processName, a blank, and the path in quotation marks; the program part is
// quoted too when quoteProgram is set. Returns the length, or 0 (nothing
// usable written) when processName or path is empty or the whole would not
// fit: a cut command line would start the editor on another file.
int ComposeRelayCommandLine(char* commandLine, int capacity, const char* processName,
                            bool quoteProgram, const char* path);

// Whether processName would be split at a blank by the command-line parser
// and is not quoted already: the caller still has to check that it names an
// existing file.
bool NeedsProgramQuotes(const char* processName);
