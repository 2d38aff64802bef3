// The text of one recent-files menu item: "&<digit> <path>". The digit is the
// entry's place from the top and its access key; the path follows from the
// fourth byte on and is read back from there, so it must never be cut.
#pragma once

constexpr int kRecentTextCapacity = 260;  // item texts are built and read in buffers this big
constexpr int kRecentPathMax = kRecentTextCapacity - 4;  // 256: what fits after "&9 "
constexpr int kRecentPathOffset = 3;

// Composes the item text for the entry at index (0 to 9). Returns 1, or 0
// with text empty when the path is empty or longer than kRecentPathMax bytes.
int ComposeRecentEntry(char* text, int capacity, int index, const char* path);

// The path part of an item text; empty for a text too short to hold one.
const char* RecentEntryPathPart(const char* text);

// Rewrites the digit after the ampersand for the entry's new index (0 to 9).
void SetRecentEntryIndex(char* text, int index);
