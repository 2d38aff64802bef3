// The status bar's arithmetic: part edges and the caret read-out.
#pragma once

constexpr int kStatusParts = 4;
constexpr int kCaretTextCapacity = 256;

// Right edges of parts 0 to 3 for a bar width pixels wide and barHeight high.
void LayoutStatusParts(int width, int barHeight, int* partRight);

// "%04d:%04d" for an empty selection, else
// "%04d:%04d - %04d:%04d, %d" (columns and lines 1-based, length in bytes).
void FormatCaretText(char* text, int startColumn, int startLine, int endColumn, int endLine,
                     int length);
