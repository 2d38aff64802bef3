#include <windows.h>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

// Everything the editor shows rests on these two facts of the test machine.
TEST(Environment, RunsWithTheJapaneseCodePage) { EXPECT_EQ(GetACP(), 932u); }

TEST(Environment, LiteralsAreShiftJis) {
  const unsigned char bytes[] = "保存しますか？表";
  const unsigned char expected[] = {0x95, 0xdb, 0x91, 0xb6, 0x82, 0xb5, 0x82, 0xdc,
                                    0x82, 0xb7, 0x82, 0xa9, 0x81, 0x48, 0x95, 0x5c, 0};
  ASSERT_EQ(sizeof bytes, sizeof expected);
  for (size_t i = 0; i < sizeof bytes; ++i) EXPECT_EQ(bytes[i], expected[i]) << i;
}
