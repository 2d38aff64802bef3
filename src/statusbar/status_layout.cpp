#include "statusbar/status_layout.h"

#include "text/text.h"

void LayoutStatusParts(int width, int barHeight, int* partRight) {
  int h = barHeight;
  partRight[3] = width - h;
  partRight[2] = partRight[3] - 8 * h - 2;
  partRight[1] = partRight[2] - h - 2;
  // Wide enough for the longest form's name, "UTF-16".
  partRight[0] = partRight[1] - (5 * h) / 2 - 2;
}

void FormatCaretText(char* text, int startColumn, int startLine, int endColumn, int endLine,
                     int length) {
  if (length) {
    FormatText(text, kCaretTextCapacity, "%04d:%04d - %04d:%04d, %d", startColumn, startLine,
               endColumn, endLine, length);
  } else {
    FormatText(text, kCaretTextCapacity, "%04d:%04d", startColumn, startLine);
  }
}
