#include "text/char_offsets.h"

#include <gtest/gtest.h>

TEST(CharOffsets, DoubleByteCharactersCountOnceBothWays) {
  // a, 日 (0x93 0xFA), b, a lone lead byte at the end.
  const char text[] =
      "a\x93\xFA"
      "b\x82";
  const int length = 5;
  const int bytes[] = {0, 1, 3, 4, 5, 5};
  for (int position = 0; position < 6; ++position) {
    EXPECT_EQ(CharToByteOffset(text, length, position), bytes[position]) << position;
  }
  EXPECT_EQ(ByteToCharOffset(text, length, 3, false), 2);
  EXPECT_EQ(ByteToCharOffset(text, length, 3, true), 2);
  // Inside 日: the start rounds down, the end up.
  EXPECT_EQ(ByteToCharOffset(text, length, 2, false), 1);
  EXPECT_EQ(ByteToCharOffset(text, length, 2, true), 2);
  EXPECT_EQ(ByteToCharOffset(text, length, 9, true), 4);
  EXPECT_EQ(CharacterCount(text, length), 4);
  // A trail byte in the lead range does not start a character of its own.
  EXPECT_EQ(CharToByteOffset("\x82\x83\x41", 3, 1), 2);
}
