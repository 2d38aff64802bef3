// The whole load decoding and save encoding of a document: arbitrary file
// bytes decode into the editor form (or are refused as too large), and every
// file of ASCII and JIS X 0208 characters, in one encoding with one line-end
// style throughout, is saved back byte for byte.
#include <cstring>
#include <string>
#include <vector>

#include "codec/codec.h"
#include "document/document_state.h"
#include "document/keep_check.h"
#include "fuzz_support.h"
#include "references.h"

namespace {

// How long the text is to be: 0 takes the units once (63 inputs in 64, which
// keeps the runs fast: a text near the limits costs a hundred small ones);
// otherwise they repeat up to `length` bytes, counted after the line-end
// conversion when `converted`, often right at a limit.
struct Target {
  size_t length;
  bool converted;
};

Target PickTarget(FuzzBytes& in, size_t most) {
  if (in.Byte() % 64 != 63) return {0, false};
  switch (in.Byte() % 4) {
    case 0:
      return {most - in.Byte() % 8, false};
    case 1:
      return {static_cast<size_t>(BufferCapacity) + 4 - in.Byte() % 8, true};
    case 2:
      return {most / 2 + 8 - in.Byte() % 16, false};
    default:
      return {1 + static_cast<size_t>(in.Int(static_cast<int>(most))), false};
  }
}

// Units (characters or line ends) repeated until the text would pass the
// target, cut only between units, and never longer than `most` bytes.
std::string Repeat(const std::vector<std::string>& units, Target target, size_t most) {
  std::string round;
  std::vector<size_t> weights;
  size_t roundWeight = 0;
  for (const std::string& unit : units) {
    round += unit;
    weights.push_back(target.converted ? ToCrLfReference(unit).size() : unit.size());
    roundWeight += weights.back();
  }
  if (target.length == 0) return round.size() <= most ? round : std::string();
  std::string text;
  if (round.empty()) return text;
  size_t weight = 0;
  while (weight + roundWeight <= target.length && text.size() + round.size() <= most) {
    text += round;
    weight += roundWeight;
  }
  for (size_t i = 0; i < units.size(); ++i) {
    if (weight + weights[i] > target.length || text.size() + units[i].size() > most) break;
    text += units[i];
    weight += weights[i];
  }
  return text;
}

// The load of a byte form as LoadDocument makes it: the form guessed, then
// decoded. Returns false for a Unicode form, whose decoding is the system's.
bool Load(const std::string& file, int defaultLf, int defaultEuc, LoadOutcome* outcome) {
  FUZZ_CHECK(file.size() < static_cast<size_t>(ReadCap));
  std::memcpy(Document.TextBuffer, file.c_str(), file.size() + 1);
  const int count = static_cast<int>(file.size());
  const FileForm defaults = {static_cast<TextEncoding>(defaultEuc), 0, defaultLf, 0};
  Document.form = GuessFileForm(Document.TextBuffer, count, defaults);
  const TextEncoding encoding = Document.form.encoding;
  if (encoding != TextEncoding::Sjis && encoding != TextEncoding::Euc) return false;
  *outcome = DecodeLoadedText(Document, count);
  return true;
}

// Any bytes a file read can leave: the decoded text is CR LF throughout and
// as long as the line-end conversion makes it, or the load is refused
// exactly when that conversion does not fit the buffer.
void CheckArbitraryLoad(FuzzBytes& in) {
  const int defaultLf = in.Byte() & 1;
  const int defaultEuc = in.Byte() & 1;
  const Target target = PickTarget(in, ReadCap - 1);
  std::vector<std::string> units;
  for (std::string piece = in.Text(64); !piece.empty(); piece = in.Text(64)) units.push_back(piece);
  const std::string file = Repeat(units, target, ReadCap - 1);

  LoadOutcome outcome;
  if (!Load(file, defaultLf, defaultEuc, &outcome)) return;
  const bool hasBreak = file.find_first_of("\r\n") != std::string::npos;
  const std::string crlf = hasBreak ? ToCrLfReference(file) : file;
  if (crlf.size() >= static_cast<size_t>(BufferCapacity)) {
    FUZZ_CHECK(outcome.result == LoadResult::ConvertedTooLarge);
    FUZZ_CHECK(outcome.size == file.size());
    return;
  }
  FUZZ_CHECK(outcome.result == LoadResult::Loaded);
  const std::string text = Document.TextBuffer;
  FUZZ_CHECK(text.size() <= crlf.size());  // EUC-JP's half-width katakana lose their 8E
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r') FUZZ_CHECK(i + 1 < text.size() && text[i + 1] == '\n');
    if (text[i] == '\n') FUZZ_CHECK(i > 0 && text[i - 1] == '\r');
  }
  if (!hasBreak) FUZZ_CHECK(Document.form.lfMode == defaultLf);
  if (!NeedsEncodingCheck(crlf.c_str())) {
    FUZZ_CHECK(static_cast<int>(Document.form.encoding) == defaultEuc);
    FUZZ_CHECK(text == crlf);
  }
  if (Document.form.encoding == TextEncoding::Sjis) FUZZ_CHECK(text == crlf);
  // The check after an open: the unedited text's save gives the file back
  // exactly when the two read alike but for their line ends. Bytes A1-DF
  // that a file read as EUC-JP holds bare gain a single shift each, and a
  // form past the buffer is refused.
  const std::string lines = Document.form.lfMode ? FromCrLfReference(text) : text;
  const bool euc = Document.form.encoding == TextEncoding::Euc;
  const bool fits = lines.size() + (euc ? HalfWidthKanaReference(lines) : 0) < BufferCapacity;
  FUZZ_CHECK(EncodeTextForSave(Document) == (fits ? 1 : 0));
  if (!fits) return;
  const std::string saved = Document.TextBuffer;
  FUZZ_CHECK(SaveKeepsFile(saved.data(), static_cast<int>(saved.size()), file.data(),
                           static_cast<int>(file.size())) ==
             (ToCrLfReference(saved) == ToCrLfReference(file)));
}

// The JIS X 0208 rows that hold characters: 1-8 and 16-84.
unsigned AssignedRow(uint8_t pick) {
  const unsigned index = pick % 77;
  return index < 8 ? index + 1 : index - 8 + 16;
}

void CheckRoundTrip(FuzzBytes& in) {
  const bool euc = in.Byte() & 1;
  const bool lf = in.Byte() & 1;
  const int defaultLf = in.Byte() & 1;
  const int defaultEuc = in.Byte() & 1;
  const Target target = PickTarget(in, ReadCap - 1);
  std::vector<std::string> units;
  while (in.size > 0 && units.size() < 256) {
    const uint8_t c = in.Byte();
    if (c == 0) continue;
    if (c == '\r' || c == '\n') {
      units.push_back(lf ? "\n" : "\r\n");
    } else if (c < 0x80) {
      units.push_back(std::string(1, static_cast<char>(c)));
    } else {
      const unsigned row = AssignedRow(c) + 0x20;
      const unsigned cell = 0x21 + in.Byte() % 94;
      unsigned code = ((row | 0x80) << 8) | (cell | 0x80);
      if (!euc) {
        code = JisToSjisReference(row, cell);
      }
      units.push_back(std::string{static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)});
    }
  }
  const std::string file = Repeat(units, target, ReadCap - 1);

  LoadOutcome outcome;
  if (!Load(file, defaultLf, defaultEuc, &outcome)) return;
  if (outcome.result != LoadResult::Loaded) {
    FUZZ_CHECK(ToCrLfReference(file).size() >= static_cast<size_t>(BufferCapacity));
    return;
  }
  FUZZ_CHECK(EncodeTextForSave(Document) == 1);
  FUZZ_CHECK(std::string(Document.TextBuffer) == file);
  FUZZ_CHECK(SaveKeepsFile(Document.TextBuffer, static_cast<int>(file.size()), file.data(),
                           static_cast<int>(file.size())) == 1);
}

// Whatever the editor holds: refused when it or its EUC form fills the
// buffer, otherwise the line-end rewrite and the single shifts decide the length.
void CheckArbitrarySave(FuzzBytes& in) {
  const int lfMode = in.Byte() & 1;
  const int eucMode = in.Byte() & 1;
  const Target target = PickTarget(in, BufferCapacity);
  std::vector<std::string> units;
  for (std::string piece = in.Text(64); !piece.empty(); piece = in.Text(64)) units.push_back(piece);
  const std::string text = Repeat(units, target, BufferCapacity);
  std::memcpy(Document.TextBuffer, text.c_str(), text.size() + 1);
  Document.form.lfMode = lfMode;
  Document.form.encoding = static_cast<TextEncoding>(eucMode);
  const int saved = EncodeTextForSave(Document);
  if (text.size() >= static_cast<size_t>(BufferCapacity)) {
    FUZZ_CHECK(saved == 0);
    FUZZ_CHECK(std::string(Document.TextBuffer) == text);
    return;
  }
  const std::string lines = lfMode ? FromCrLfReference(text) : text;
  const size_t length = lines.size() + (eucMode ? HalfWidthKanaReference(lines) : 0);
  FUZZ_CHECK(saved == (length < static_cast<size_t>(BufferCapacity) ? 1 : 0));
  if (!saved) return;  // an EUC form past the buffer is refused, never cut
  FUZZ_CHECK(std::strlen(Document.TextBuffer) == length);
  if (!eucMode && !lfMode) FUZZ_CHECK(std::string(Document.TextBuffer) == text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzBytes in{data, size};
  switch (in.Byte() % 3) {
    case 0:
      CheckArbitraryLoad(in);
      break;
    case 1:
      CheckRoundTrip(in);
      break;
    default:
      CheckArbitrarySave(in);
      break;
  }
  return 0;
}
