#include "shell/command_line.h"

#include <gtest/gtest.h>

#include <string>

namespace {
std::string Trim(const char* argument, int* absolute = nullptr) {
  char buffer[600];
  snprintf(buffer, sizeof buffer, "%s", argument);
  int a = TrimDocumentArgument(buffer);
  if (absolute) *absolute = a;
  return buffer;
}
}  // namespace

TEST(CommandLine, SkipsTheProgramNameAndBlanks) {
  EXPECT_STREQ(SkipProgramName("hakuzo.exe memo.txt"), "memo.txt");
  EXPECT_STREQ(SkipProgramName("\"C:\\Program Files\\h.exe\"   \t memo.txt"), "memo.txt");
  EXPECT_STREQ(SkipProgramName("\"C:\\unclosed"), "");
  EXPECT_STREQ(SkipProgramName("hakuzo.exe"), "");
  EXPECT_STREQ(SkipProgramName("hakuzo.exe   "), "");
  // Bytes from 0x80 up belong to names, in the program name and the argument.
  EXPECT_STREQ(SkipProgramName("\x95\x5c.exe \x95\x5c.txt"), "\x95\x5c.txt");
  EXPECT_STREQ(SkipProgramName("h.exe \x95\x5c.txt"), "\x95\x5c.txt");
  // Empty, quote-only and very long command lines.
  EXPECT_STREQ(SkipProgramName(""), "");
  EXPECT_STREQ(SkipProgramName("\""), "");
  EXPECT_STREQ(SkipProgramName("\"\""), "");
  EXPECT_STREQ(SkipProgramName("\"\"   \""), "\"");
  const std::string program = "\"C:\\Program Files\\hakuzo.exe\"  ";
  const std::string longArgument = "C:\\" + std::string(1997, 'a');
  ASSERT_EQ(longArgument.size(), 2000u);
  EXPECT_EQ(std::string(SkipProgramName((program + longArgument).c_str())), longArgument);
}

TEST(CommandLine, QuotedAndUnquotedPathsAgree) {
  int absolute = 0;
  EXPECT_EQ(Trim("\"D:\\My Documents\\memo.txt\"", &absolute), "D:\\My Documents\\memo.txt");
  EXPECT_EQ(absolute, 1);
  EXPECT_EQ(Trim("D:\\My Documents\\memo.txt"), "D:\\My Documents\\memo.txt");
}

TEST(CommandLine, OnlyTheFirstPathIsKept) {
  EXPECT_EQ(Trim("D:\\a.txt E:\\b.txt"), "D:\\a.txt");
  EXPECT_EQ(Trim("D:\\a.txt \\\\server\\share\\b.txt"), "D:\\a.txt");
  EXPECT_EQ(Trim("a b.txt"), "a b.txt");
}

TEST(CommandLine, OddArgumentsStayInsideTheirBuffer) {
  int absolute = 1;
  EXPECT_EQ(Trim("\"", &absolute), "");
  EXPECT_EQ(absolute, 0);
  EXPECT_EQ(Trim("\"\""), "");
  EXPECT_EQ(Trim("memo.txt", &absolute), "memo.txt");
  EXPECT_EQ(absolute, 0);
  EXPECT_EQ(Trim("\\\\server\\x.txt", &absolute), "\\\\server\\x.txt");
  EXPECT_EQ(absolute, 1);
  EXPECT_EQ(Trim("x "), "x ");
  EXPECT_EQ(Trim(""), "");
  EXPECT_EQ(Trim("\""), "");
  EXPECT_EQ(Trim("\"\"\""), "\"");
  EXPECT_EQ(Trim("\" \""), " ");
}
