#include "document/file_dialog_rules.h"

#include <gtest/gtest.h>

#include <string>

namespace {

FileDialogSetup Prepare(const char* path) {
  FileDialogSetup setup;
  for (char& c : setup.customFilter) c = 'x';
  PrepareFileDialog(path, &setup);
  return setup;
}

// The custom filter's pieces, each up to its zero byte, until the empty one.
std::string Pieces(const FileDialogSetup& setup) {
  std::string all;
  for (const char* p = setup.customFilter; *p; p += std::string(p).size() + 1)
    all += std::string(p) + "|";
  return all;
}

std::string Finish(const char* chosen, int filterIndex, const char* extension, int capacity = 260) {
  char path[600] = "unchanged";
  if (!FinishChosenPath(path, capacity, chosen, filterIndex, extension)) return "<refused>";
  return path;
}

}  // namespace

TEST(FileDialogRules, FilterFollowsTheDocumentsExtension) {
  FileDialogSetup untitled = Prepare("");
  EXPECT_EQ(untitled.filterIndex, kFilterText);
  EXPECT_STREQ(untitled.extension, "txt");
  EXPECT_EQ(Pieces(untitled), "");

  FileDialogSetup upper = Prepare("D:\\docs\\memo.TXT");
  EXPECT_EQ(upper.filterIndex, kFilterText);
  EXPECT_STREQ(upper.extension, "txt");
  EXPECT_EQ(Pieces(upper), "");

  FileDialogSetup log = Prepare("D:\\docs\\data.LOG");
  EXPECT_EQ(log.filterIndex, kFilterCustom);
  EXPECT_STREQ(log.extension, "log");
  EXPECT_EQ(Pieces(log), "log ファイル(*.log)|*.log|");

  // A final dot: the empty extension gets a filter of its own.
  FileDialogSetup dot = Prepare("D:\\docs\\memo.");
  EXPECT_EQ(dot.filterIndex, kFilterCustom);
  EXPECT_EQ(Pieces(dot), " ファイル(*.)|*.|");

  // No extension, or a dot in a folder's name only: all files.
  EXPECT_EQ(Prepare("D:\\docs\\README").filterIndex, kFilterAll);
  EXPECT_EQ(Prepare("D:\\backup.old\\readme").filterIndex, kFilterAll);

  // A double-byte extension is lowered only in its ASCII letters: ＡＢ's
  // trail bytes 0x60 0x61 and 表's 0x5C stay as they are.
  FileDialogSetup wide = Prepare("D:\\a.\x82\x60\x95\x5cZ");
  EXPECT_STREQ(wide.extension, "\x82\x60\x95\x5cz");
}

TEST(FileDialogRules, AnExtensionTooLongForTheFilterOffersAllFiles) {
  std::string fits = "D:\\a." + std::string(79, 'e');
  EXPECT_EQ(Prepare(fits.c_str()).filterIndex, kFilterCustom);
  std::string tooLong = "D:\\a." + std::string(80, 'e');
  FileDialogSetup setup = Prepare(tooLong.c_str());
  EXPECT_EQ(setup.filterIndex, kFilterAll);
  EXPECT_EQ(Pieces(setup), "");
  EXPECT_EQ(std::string(setup.extension), std::string(80, 'e'));  // still appended when asked
  // 252 bytes of extension: held whole by the 256-byte extension buffer.
  std::string longest = "D:\\a." + std::string(252, 'e');
  EXPECT_EQ(std::string(Prepare(longest.c_str()).extension).size(), 252u);
}

TEST(FileDialogRules, ChosenNamesGetTheRememberedExtension) {
  EXPECT_EQ(Finish("C:\\d\\memo", kFilterText, "txt"), "C:\\d\\memo.txt");
  // The remembered extension, not the selected filter's.
  EXPECT_EQ(Finish("C:\\d\\new", kFilterText, "log"), "C:\\d\\new.log");
  EXPECT_EQ(Finish("C:\\d\\new", kFilterCustom, "log"), "C:\\d\\new.log");
  EXPECT_EQ(Finish("C:\\d\\README", kFilterAll, "txt"), "C:\\d\\README");
  // A final dot is dropped and nothing appended, whatever the filter.
  EXPECT_EQ(Finish("C:\\d\\memo.", kFilterText, "txt"), "C:\\d\\memo");
  EXPECT_EQ(Finish("C:\\d\\memo.", kFilterAll, "txt"), "C:\\d\\memo");
  EXPECT_EQ(Finish("C:\\d\\a.txt", kFilterText, "log"), "C:\\d\\a.txt");
  // A dot in a folder's name only: the name itself has no extension.
  EXPECT_EQ(Finish("C:\\d.old\\memo", kFilterText, "txt"), "C:\\d.old\\memo.txt");
}

TEST(FileDialogRules, APathThatOutgrowsTheDocumentPathIsRefused) {
  // Paths of 260 bytes and more cannot be opened; the document path holds 259.
  std::string folder = "C:\\" + std::string(250, 'd') + "\\";  // 254 bytes
  std::string name = folder + "a";
  EXPECT_EQ(Finish(name.c_str(), kFilterText, "txt"), name + ".txt");  // 259: fits
  std::string longer = folder + "ab";
  EXPECT_EQ(Finish(longer.c_str(), kFilterText, "txt"), "<refused>");  // 260
  EXPECT_EQ(Finish(longer.c_str(), kFilterAll, "txt"), longer);
  std::string hugeExtension(255, 'e');
  EXPECT_EQ(Finish("C:\\", kFilterText, hugeExtension.c_str()), "C:\\." + hugeExtension);
  EXPECT_EQ(Finish("C:\\a", kFilterText, hugeExtension.c_str()), "<refused>");
  EXPECT_EQ(Finish("C:\\a", kFilterText, hugeExtension.c_str(), 600), "C:\\a." + hugeExtension);
}
