// Whether a save gives the file back: only line ends may differ, and what the
// warning says a file holds.
#include <gtest/gtest.h>

#include <string>

#include "document/keep_check.h"

namespace {

bool Keeps(const std::string& saved, const std::string& file) {
  return SaveKeepsFile(saved.data(), static_cast<int>(saved.size()), file.data(),
                       static_cast<int>(file.size()));
}

}  // namespace

TEST(KeepCheck, OnlyLineEndsMayDiffer) {
  struct Case {
    std::string saved, file;
    bool keeps;
  } cases[] = {
      // The document fuzz target checks arbitrary texts against a reference;
      // these are the edges it meets seldom.
      {"x\ny\nz", "x\ny\r\nz", true},              // mixed ends become one style
      {"x\r\ny", "x\ry", true},                    // a lone CR
      {"a\r\n\r\nb", "a\r\r\nb", true},            // CR, then CR LF: two ends
      {"a\r\nb", "a\r\n\nb", false},               // one end against two
      {"abc", std::string("abc\0def", 7), false},  // bytes past a zero byte
      {"ab", "abc", false},
  };
  for (const Case& c : cases) EXPECT_EQ(Keeps(c.saved, c.file), c.keeps) << c.file;
}

TEST(KeepCheck, NamesWhatTheFileHolds) {
  struct Case {
    std::string file;
    UnkeptKind kind;
  } cases[] = {
      {std::string("\xFF\xFEh\0i\0", 6), UnkeptKind::Utf16},
      {std::string("\xFE\xFF\0h", 4), UnkeptKind::Utf16},
      {std::string("B0D0\r\0\n\0", 8), UnkeptKind::Utf16},  // あい without a mark
      {std::string("0B0D\0\r\0\n", 8), UnkeptKind::Utf16},
      {std::string("\x82\xA0\0\x82\xA2", 5), UnkeptKind::ZeroBytes},
      {std::string("\x82\xA0\0\r\n\x82\xA2\0\r\n", 10), UnkeptKind::ZeroBytes},  // not UTF-16
      {"\xEF\xBB\xBFxyz", UnkeptKind::Utf8},
      {"\xE6\x97\xA5\xE6\x9C\xAC\r\n", UnkeptKind::Utf8},
      {"\xE0\x80\x80", UnkeptKind::Characters},  // overlong, not UTF-8
      {"\xED\x40\xFA\x54", UnkeptKind::Characters},
      {"\x82\x20", UnkeptKind::Characters},
      {"abc", UnkeptKind::Characters},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(UnkeptKindOf(c.file.data(), static_cast<int>(c.file.size())), c.kind) << c.file;
  }
}
