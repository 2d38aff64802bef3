#include "relay/relay_text.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

const std::string kNoticeHead =
    "この文書は Hakuzo で開くには大きすぎます (55,999 バイト、改行を CR LF にして 63,999 "
    "バイトまで)\n";

std::string Notice(const char* path, unsigned long long size) {
  char text[kRelayMessageCapacity];
  ComposeTooLargeNotice(text, sizeof text, path, size);
  return text;
}

// Every byte pair of text is a whole Shift_JIS character: no lead byte left alone.
bool EndsOnCharacterBoundary(const std::string& text) {
  for (size_t i = 0; i < text.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(text[i]);
    if ((c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC)) {
      if (i + 1 >= text.size()) return false;
      ++i;
    }
  }
  return true;
}

}  // namespace

TEST(RelayText, NoticeShowsFileNameAndKilobytesRoundedDown) {
  EXPECT_EQ(Notice("D:\\logs\\big.txt", 60000), kNoticeHead + "big.txt : 58kB");
  EXPECT_EQ(Notice("D:\\logs\\big.txt", 56000), kNoticeHead + "big.txt : 54kB");
  EXPECT_EQ(Notice("big.txt", 100000), kNoticeHead + "big.txt : 97kB");
  EXPECT_EQ(Notice("a", 1023), kNoticeHead + "a : 0kB");
  // Past the ranges of int and of 32 bits.
  EXPECT_EQ(Notice("a", 2147483648ull + 1023), kNoticeHead + "a : 2097152kB");
  EXPECT_EQ(Notice("a", 4294967296ull + 2047), kNoticeHead + "a : 4194305kB");
  EXPECT_EQ(Notice("a", 18446744073709551615ull), kNoticeHead + "a : 18014398509481983kB");
  // A separator after a double-byte character whose trail is 0x5C: 表 is 95 5C.
  EXPECT_EQ(Notice("D:\\\x95\x5c\\x.txt", 2048), kNoticeHead + "x.txt : 2kB");
}

TEST(RelayText, LongNamesAreCutAtCharacterBoundariesAndTheQuestionStaysWhole) {
  // 255-byte names, the longest a folder entry can have: one of ASCII, one
  // of double-byte characters after an odd start so a cut could split one.
  std::string ascii = "D:\\" + std::string(251, 'n') + ".txt";
  std::string kanji = "D:\\tools\\e";
  for (int i = 0; i < 127; ++i) kanji += "\x95\x5c";
  char text[kRelayMessageCapacity];
  std::memset(text, 'X', sizeof text);
  ComposeTooLargeNotice(text, sizeof text, ascii.c_str(), 4294967296ull * 1024);
  AppendRelayQuestion(text, sizeof text, kanji.c_str());
  std::string all = text;
  ASSERT_LT(all.size(), sizeof text);
  EXPECT_EQ(all.substr(0, kNoticeHead.size() + 72), kNoticeHead + std::string(69, 'n') + "...");
  EXPECT_NE(all.find(" : 4294967296kB\nこの文書を e\x95\x5c"), std::string::npos);
  const std::string end = "... に受け渡しますか？";
  ASSERT_GE(all.size(), end.size());
  EXPECT_EQ(all.substr(all.size() - end.size()), end);
  EXPECT_TRUE(EndsOnCharacterBoundary(all.substr(0, all.size() - end.size())));
  // The cut editor name is at most 72 bytes, "..." included.
  size_t nameStart = all.find("この文書を ") + std::strlen("この文書を ");
  EXPECT_LE(all.size() - end.size() + 3 - nameStart, 72u);
  // A name of exactly 72 bytes is shown whole.
  EXPECT_EQ(Notice(std::string(72, 'm').c_str(), 0), kNoticeHead + std::string(72, 'm') + " : 0kB");
}

TEST(RelayText, QuestionNamesTheEditorsProgramFile) {
  char text[kRelayMessageCapacity] = "N";
  AppendRelayQuestion(text, sizeof text, "D:\\tools\\ed.exe");
  EXPECT_STREQ(text, "N\nこの文書を ed.exe に受け渡しますか？");
  text[1] = 0;
  AppendRelayQuestion(text, sizeof text, "");
  EXPECT_STREQ(text, "N\nこの文書を  に受け渡しますか？");
  text[1] = 0;
  AppendRelayQuestion(text, sizeof text, "\"C:\\Program Files\\ed\\ed.exe\" -n");
  EXPECT_STREQ(text, "N\nこの文書を ed.exe に受け渡しますか？");
}

TEST(RelayText, CommandLineQuotesThePathAndRefusesWhatDoesNotFit) {
  char line[kRelayCommandCapacity];
  EXPECT_EQ(
      ComposeRelayCommandLine(line, sizeof line, "D:\\tools\\ed.exe", false, "D:\\logs\\big.txt"),
      33);
  EXPECT_STREQ(line, "D:\\tools\\ed.exe \"D:\\logs\\big.txt\"");
  ComposeRelayCommandLine(line, sizeof line, "C:\\Program Files\\ed\\ed.exe", true, "D:\\a b.txt");
  EXPECT_STREQ(line, "\"C:\\Program Files\\ed\\ed.exe\" \"D:\\a b.txt\"");
  // A program with its own arguments goes through as written.
  ComposeRelayCommandLine(line, sizeof line, "ed.exe -n", false, "x");
  EXPECT_STREQ(line, "ed.exe -n \"x\"");

  EXPECT_EQ(ComposeRelayCommandLine(line, sizeof line, "", false, "x"), 0);
  EXPECT_STREQ(line, "");
  EXPECT_EQ(ComposeRelayCommandLine(line, sizeof line, "ed.exe", false, ""), 0);

  // 511 bytes fit exactly; one more is refused, never cut.
  std::string program(255, 'p');
  std::string path(253, 'f');
  EXPECT_EQ(ComposeRelayCommandLine(line, sizeof line, program.c_str(), false, path.c_str()), 511);
  EXPECT_EQ(std::string(line), program + " \"" + path + "\"");
  path += 'f';
  std::memset(line, 'X', sizeof line);
  EXPECT_EQ(ComposeRelayCommandLine(line, sizeof line, program.c_str(), false, path.c_str()), 0);
  EXPECT_STREQ(line, "");
  path.resize(251);
  EXPECT_EQ(ComposeRelayCommandLine(line, sizeof line, program.c_str(), true, path.c_str()), 511);
  EXPECT_EQ(ComposeRelayCommandLine(line, sizeof line, program.c_str(), true, (path + "f").c_str()),
            0);
}

TEST(RelayText, OnlyUnquotedNamesWithBlanksMayNeedQuotes) {
  EXPECT_TRUE(NeedsProgramQuotes("C:\\Program Files\\ed\\ed.exe"));
  EXPECT_FALSE(NeedsProgramQuotes("\"C:\\Program Files\\ed\\ed.exe\""));
  EXPECT_FALSE(NeedsProgramQuotes("D:\\tools\\ed.exe"));
  EXPECT_FALSE(NeedsProgramQuotes(""));
}
