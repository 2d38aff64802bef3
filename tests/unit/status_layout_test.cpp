#include "statusbar/status_layout.h"

#include <gtest/gtest.h>

TEST(StatusLayout, PartEdges) {
  int right[kStatusParts];
  LayoutStatusParts(800, 20, right);
  EXPECT_EQ(right[0], 544);
  EXPECT_EQ(right[1], 596);
  EXPECT_EQ(right[2], 618);
  EXPECT_EQ(right[3], 780);
  LayoutStatusParts(800, 21, right);  // 5*21/2 truncates to 52
  EXPECT_EQ(right[1] - right[0], 54);
  LayoutStatusParts(10, 20, right);  // not clamped
  EXPECT_LT(right[0], 0);
}

TEST(StatusLayout, CaretTexts) {
  char text[kCaretTextCapacity];
  FormatCaretText(text, 1, 1, 1, 1, 0);
  EXPECT_STREQ(text, "0001:0001");
  FormatCaretText(text, 4, 2, 4, 2, 0);
  EXPECT_STREQ(text, "0004:0002");
  FormatCaretText(text, 1, 1, 1, 2, 7);
  EXPECT_STREQ(text, "0001:0001 - 0001:0002, 7");
  FormatCaretText(text, 12345, 1, 1, 99999, 2147483647);
  EXPECT_STREQ(text, "12345:0001 - 0001:99999, 2147483647");
}
