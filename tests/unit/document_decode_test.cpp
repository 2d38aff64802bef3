// The load's decoding and the save's encoding of the document text, on the
// buffers alone (no file involved).
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "document/document_state.h"

namespace {

// About 128 KB: never on the stack.
DocumentState doc;

// Puts bytes into TextBuffer as the file read leaves them, guesses their form
// from the defaults and decodes them, as LoadDocument does for the byte forms.
LoadOutcome Decode(const std::string& bytes, int defaultLf = 0, int defaultEuc = 0) {
  std::memset(doc.TextBuffer, 0, sizeof doc.TextBuffer);
  std::memcpy(doc.TextBuffer, bytes.data(), bytes.size());
  const int count = static_cast<int>(bytes.size());
  const FileForm defaults = {static_cast<TextEncoding>(defaultEuc), 0, defaultLf, 0};
  doc.form = GuessFileForm(doc.TextBuffer, count, defaults);
  return DecodeLoadedText(doc, count);
}

std::string Text() {
  return doc.TextBuffer;
}

// Runs the save's conversion over text with the given flags.
int Encode(const std::string& text, int lfMode, int eucMode) {
  std::memset(doc.TextBuffer, 0, sizeof doc.TextBuffer);
  std::memcpy(doc.TextBuffer, text.data(), text.size());
  doc.form.lfMode = lfMode;
  doc.form.encoding = static_cast<TextEncoding>(eucMode);
  return EncodeTextForSave(doc);
}

// 日本 LF 語 in both encodings.
const std::string kEucFile = "\xC6\xFC\xCB\xDC\n\xB8\xEC";
const std::string kSjisEditor = "\x93\xFA\x96\x7B\r\n\x8C\xEA";

}  // namespace

TEST(DocumentDecode, LineEndsFollowTheFirstLf) {
  LoadOutcome out = Decode("x\ny\r\nz");
  EXPECT_EQ(out.result, LoadResult::Loaded);
  EXPECT_EQ(doc.form.lfMode, 1);
  EXPECT_EQ(Text(), "x\r\ny\r\nz");
  ASSERT_EQ(EncodeTextForSave(doc), 1);
  EXPECT_EQ(Text(), "x\ny\nz");

  // A CR LF first decides for CR LF, whatever the default says.
  Decode("x\r\ny\nz", 1, 0);
  EXPECT_EQ(doc.form.lfMode, 0);
  EXPECT_EQ(Text(), "x\r\ny\r\nz");
  ASSERT_EQ(EncodeTextForSave(doc), 1);
  EXPECT_EQ(Text(), "x\r\ny\r\nz");

  // No LF at all: CR LF mode; the lone CR becomes CR LF.
  Decode("x\ry", 1, 0);
  EXPECT_EQ(doc.form.lfMode, 0);
  EXPECT_EQ(Text(), "x\r\ny");

  // A LF as the very first byte is bare.
  Decode("\nab", 0, 0);
  EXPECT_EQ(doc.form.lfMode, 1);
  EXPECT_EQ(Text(), "\r\nab");
}

TEST(DocumentDecode, TextWithoutQuestionsKeepsTheDefaults) {
  for (int d = 0; d <= 1; ++d) {
    EXPECT_EQ(Decode("abc", d, d).result, LoadResult::Loaded);
    EXPECT_EQ(doc.form.lfMode, d);
    EXPECT_EQ(static_cast<int>(doc.form.encoding), d);
    EXPECT_EQ(Text(), "abc");
  }
  // Pure ASCII with breaks: LF mode is recognised, EUC mode stays default,
  // and an EUC save leaves the ASCII bytes alone.
  Decode("a\tb\nc", 0, 1);
  EXPECT_EQ(doc.form.lfMode, 1);
  EXPECT_EQ(static_cast<int>(doc.form.encoding), 1);
  ASSERT_EQ(EncodeTextForSave(doc), 1);
  EXPECT_EQ(Text(), "a\tb\nc");
  // A zero byte ends the text: the break after it is never seen.
  Decode(std::string("ab\0c\nd", 6), 0, 0);
  EXPECT_EQ(Text(), "ab");
  EXPECT_EQ(doc.form.lfMode, 0);
}

TEST(DocumentDecode, EucJpBecomesShiftJisAndGoesBack) {
  EXPECT_EQ(Decode(kEucFile).result, LoadResult::Loaded);
  EXPECT_EQ(static_cast<int>(doc.form.encoding), 1);
  EXPECT_EQ(doc.form.lfMode, 1);
  EXPECT_EQ(Text(), kSjisEditor);
  ASSERT_EQ(EncodeTextForSave(doc), 1);
  EXPECT_EQ(Text(), kEucFile);

  // Shift_JIS text clears a defaultEuc of 1 and stays as it is.
  Decode("\x93\xFA\x96\x7B", 0, 1);
  EXPECT_EQ(static_cast<int>(doc.form.encoding), 0);
  EXPECT_EQ(Text(), "\x93\xFA\x96\x7B");

  // A text that no line decides counts as EUC-JP: two half-width katakana
  // are read as one kanji, and written back as the same two bytes.
  Decode("\xB1\xB2");
  EXPECT_EQ(static_cast<int>(doc.form.encoding), 1);
  EXPECT_EQ(Text(), "\x89\x51");
  ASSERT_EQ(EncodeTextForSave(doc), 1);
  EXPECT_EQ(Text(), "\xB1\xB2");
}

TEST(DocumentDecode, CrLfFormReachingTheBufferIsConvertedTooLarge) {
  LoadOutcome out = Decode(std::string(31999, '\n'));
  EXPECT_EQ(out.result, LoadResult::Loaded);
  EXPECT_EQ(Text().size(), 63998u);
  EXPECT_EQ(doc.form.lfMode, 1);

  out = Decode(std::string(32000, '\n'), 0, 1);
  EXPECT_EQ(out.result, LoadResult::ConvertedTooLarge);
  EXPECT_EQ(out.size, 32000u);
  EXPECT_EQ(Text(), std::string(32000, '\n'));  // the raw bytes
  EXPECT_EQ(doc.form.lfMode, 1);
  EXPECT_EQ(static_cast<int>(doc.form.encoding), 1);

  // The encoding step is not made: EUC bytes stay raw.
  std::string euc;
  for (int i = 0; i < 16000; ++i) euc += "\xA4\xA2\n";  // 64,000 bytes as CR LF
  out = Decode(euc);
  EXPECT_EQ(out.result, LoadResult::ConvertedTooLarge);
  EXPECT_EQ(out.size, 48000u);
  EXPECT_EQ(Text(), euc);
  // One line fewer fits.
  EXPECT_EQ(Decode(euc.substr(3)).result, LoadResult::Loaded);
  EXPECT_EQ(static_cast<int>(doc.form.encoding), 1);
  EXPECT_EQ(Text().size(), 63996u);
}

TEST(DocumentEncode, EucModeAloneKeepsCrLf) {
  ASSERT_EQ(Encode(kSjisEditor, 0, 1), 1);
  EXPECT_EQ(Text(), "\xC6\xFC\xCB\xDC\r\n\xB8\xEC");
  ASSERT_EQ(Encode("", 1, 1), 1);
  EXPECT_EQ(Text(), "");
}

TEST(DocumentEncode, RefusesAFullBufferInBothModes) {
  // 63,999 bytes convert in every mode.
  std::string fits = std::string(63997, 'a') + "\x93\xFA";
  ASSERT_EQ(Encode(fits, 1, 1), 1);
  EXPECT_EQ(Text(), std::string(63997, 'a') + "\xC6\xFC");
  ASSERT_EQ(Encode(fits, 0, 0), 1);
  EXPECT_EQ(Text(), fits);

  // 64,000 bytes fill the buffer and may be the cut head of a longer view
  // text: refused in every mode, TextBuffer untouched, even when LF line
  // ends would shrink it below the limit.
  std::string full = std::string(63998, 'a') + "\x93\xFA";
  std::string lines;
  for (int i = 0; i < 16000; ++i) lines += "ab\r\n";  // 64,000 bytes
  for (const std::string& text : {full, lines}) {
    for (int mode = 0; mode < 4; ++mode) {
      EXPECT_EQ(Encode(text, mode & 1, mode >> 1), 0) << mode;
      EXPECT_EQ(Text(), text);
    }
  }
}
