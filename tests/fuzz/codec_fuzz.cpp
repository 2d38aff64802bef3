// Every codec operation on arbitrary text, against small byte-by-byte
// definitions, plus the round trips the editor relies on.
#include <cstring>
#include <string>
#include <vector>

#include "codec/codec.h"
#include "fuzz_support.h"
#include "references.h"

namespace {

bool IsEuc(unsigned char c) {
  return c >= 0xA1 && c <= 0xFE;
}

std::string EucToSjisReference(const std::string& euc) {
  std::string out;
  for (size_t i = 0; i < euc.size();) {
    const unsigned char a = euc[i];
    const unsigned char b = i + 1 < euc.size() ? euc[i + 1] : 0;
    if (a == 0x8E && b >= 0xA1 && b <= 0xDF) {  // half-width katakana
      out.push_back(static_cast<char>(b));
      i += 2;
    } else if (IsEuc(a) && IsEuc(b)) {
      const unsigned code = JisToSjisReference(a - 0x80, b - 0x80);
      out.push_back(static_cast<char>(code >> 8));
      out.push_back(static_cast<char>(code & 0xFF));
      i += 2;
    } else {
      out.push_back(static_cast<char>(a));
      i += 1;
    }
  }
  return out;
}

// Every lead byte takes the byte after it as a pair; half-width katakana gain
// the single shift 8E; every other byte stays.
std::string SjisToEucReference(const std::string& sjis) {
  std::string out;
  for (size_t i = 0; i < sjis.size(); ++i) {
    const unsigned char a = sjis[i];
    if (IsLeadByte(a) && i + 1 < sjis.size()) {
      const unsigned code = SjisPairToEuc(static_cast<unsigned short>(a << 8 | (sjis[++i] & 0xFF)));
      out.push_back(static_cast<char>(code >> 8));
      out.push_back(static_cast<char>(code & 0xFF));
      continue;
    }
    if (a >= 0xA1 && a <= 0xDF) out.push_back('\x8E');
    out.push_back(static_cast<char>(a));
  }
  return out;
}

// Runs a converter into a destination of exactly limit + 1 bytes, so that
// the address sanitizer sees any write beyond what the contract allows.
template <typename Converter>
int RunLimited(Converter convert, const std::string& source, int limit, std::string* result) {
  std::vector<char> destination(static_cast<size_t>(limit) + 1);
  const int overflow = convert(destination.data(), source.c_str(), limit);
  if (!overflow) {
    FUZZ_CHECK(std::memchr(destination.data(), 0, destination.size()) != nullptr);
    *result = destination.data();
  }
  return overflow;
}

void CheckLineEnds(const std::string& text, int limit) {
  const bool hasBreak = text.find_first_of("\r\n") != std::string::npos;
  FUZZ_CHECK(HasLineBreak(text.c_str()) == (hasBreak ? 1 : 0));
  const size_t lf = text.find('\n');
  const bool bareLf = lf != std::string::npos && (lf == 0 || text[lf - 1] != '\r');
  FUZZ_CHECK(IsFirstBreakBareLf(text.c_str()) == (bareLf ? 1 : 0));
  bool needsCheck = false;
  for (unsigned char c : text) {
    if (!(c >= 0x20 && c <= 0x7E) && c != '\r' && c != '\n' && c != '\t') needsCheck = true;
  }
  FUZZ_CHECK(NeedsEncodingCheck(text.c_str()) == (needsCheck ? 1 : 0));

  // A successful result is at most limit - 1 bytes long.
  const std::string crlf = ToCrLfReference(text);
  std::string converted;
  const int overflow = RunLimited(ToCrLf, text, limit, &converted);
  FUZZ_CHECK(overflow == (crlf.size() >= static_cast<size_t>(limit) ? 1 : 0));
  if (!overflow) FUZZ_CHECK(converted == crlf);

  const std::string lf1 = FromCrLfReference(text);
  std::string back;
  const int fromOverflow = RunLimited(FromCrLf, text, limit, &back);
  FUZZ_CHECK(fromOverflow == (lf1.size() >= static_cast<size_t>(limit) ? 1 : 0));
  if (!fromOverflow) FUZZ_CHECK(back == lf1);

  if (text.find('\r') == std::string::npos && !overflow) {
    std::string again;
    FUZZ_CHECK(RunLimited(FromCrLf, converted, limit, &again) == 0);
    FUZZ_CHECK(again == text);
  }
}

std::string Convert(void (*convert)(char*, const char*), const std::string& source) {
  std::vector<char> destination(source.size() + 1, '\x55');
  convert(destination.data(), source.c_str());
  return std::string(destination.data());
}

std::string Convert(int (*convert)(char*, const char*, int), const std::string& source) {
  std::string result;
  FUZZ_CHECK(RunLimited(convert, source, static_cast<int>(source.size() * 2 + 2), &result) == 0);
  return result;
}

// The UTF-8 decoding in pieces of every size (each piece holds at least one
// character), against the reference; then the units back to UTF-8 and
// UTF-16, into destinations of exactly their size.
void CheckUtf8(const std::string& bytes, int pieceExtra) {
  bool malformed = false;
  const std::vector<unsigned short> expected =
      Utf16UnitsReference(Utf8CodePointsReference(bytes, &malformed));
  std::vector<unsigned short> units;
  int at = 0;
  int flagged = 0;
  std::vector<unsigned short> piece(2 + pieceExtra);
  while (at < static_cast<int>(bytes.size())) {
    const int n = DecodeUnits(TextEncoding::Utf8, bytes.data(), static_cast<int>(bytes.size()), &at,
                              piece.data(), static_cast<int>(piece.size()), &flagged);
    FUZZ_CHECK(n > 0 && n <= static_cast<int>(piece.size()));
    units.insert(units.end(), piece.begin(), piece.begin() + n);
  }
  FUZZ_CHECK(units == expected);
  FUZZ_CHECK(flagged == (malformed ? 1 : 0));
  if (malformed) return;
  const int count = static_cast<int>(units.size());
  std::string out(bytes.size(), '\0'), wide(units.size() * 2, '\0');
  const int outSize = static_cast<int>(out.size()), wideSize = static_cast<int>(wide.size());
  FUZZ_CHECK(EncodeUnits(TextEncoding::Utf8, units.data(), count, &out[0], outSize) == outSize);
  FUZZ_CHECK(out == bytes);
  FUZZ_CHECK(EncodeUnits(TextEncoding::Utf16Be, units.data(), count, &wide[0], wideSize) ==
             wideSize);
  std::vector<unsigned short> back(units.size() + 2);
  int wideAt = 0;
  back.resize(DecodeUnits(TextEncoding::Utf16Be, wide.data(), wideSize, &wideAt, back.data(),
                          static_cast<int>(back.size()), &flagged));
  FUZZ_CHECK(back == units);
}

void CheckEncodings(const std::string& text, int limit, bool acrossWindows) {
  const std::string sjis = Convert(EucToSjis, text);
  FUZZ_CHECK(sjis == EucToSjisReference(text));
  const std::string euc = SjisToEucReference(text);
  std::string eucOut;
  const int eucOverflow = RunLimited(SjisToEuc, text, limit, &eucOut);
  FUZZ_CHECK(eucOverflow == (euc.size() >= static_cast<size_t>(limit) ? 1 : 0));
  if (!eucOverflow) FUZZ_CHECK(eucOut == euc);
  // The fast conversion looks ahead for the terminator in windows of 4 KB:
  // a text repeated past two of them puts their seams inside its content.
  if (acrossWindows && !text.empty()) {
    std::string longText;
    while (longText.size() < 9000) longText += text;
    FUZZ_CHECK(Convert(EucToSjis, longText) == EucToSjisReference(longText));
  }

  const TextEncoding detected = DetectEncoding(text.c_str(), TextEncoding::Euc);
  FUZZ_CHECK(detected == TextEncoding::Sjis || detected == TextEncoding::Euc);
  FUZZ_CHECK(DetectEncoding(text.c_str(), TextEncoding::Sjis) == TextEncoding::Sjis);
  for (unsigned char c : text) {
    if (c >= 0x7F && c <= 0x9F) FUZZ_CHECK(detected == TextEncoding::Sjis);
  }
  const char* end = text.c_str() + text.size();
  for (const char* line = text.c_str(); line <= end;) {
    const int s = ScoreSjisLine(line, end);
    const int e = ScoreEucLine(line, end);
    FUZZ_CHECK(s >= 0 && s <= 100 && e >= 0 && e <= 100);
    const char* lf = static_cast<const char*>(std::memchr(line, '\n', end - line));
    if (lf == nullptr) break;
    line = lf + 1;
  }
}

// Valid EUC-JP (ASCII and pairs of 0xA1-0xFE) and valid Shift_JIS (ASCII and
// JIS X 0208 pairs) made from the same bytes: both survive a trip through
// the other encoding unchanged.
void CheckRoundTrips(FuzzBytes& in) {
  std::string euc;
  std::string sjis;
  while (in.size > 0) {
    const uint8_t c = in.Byte();
    if (c == 0) continue;
    if (c < 0x80) {
      euc.push_back(static_cast<char>(c));
      sjis.push_back(static_cast<char>(c));
      continue;
    }
    const unsigned row = 0x21 + (c - 0x80) % 94;
    const unsigned cell = 0x21 + in.Byte() % 94;
    euc.push_back(static_cast<char>(row | 0x80));
    euc.push_back(static_cast<char>(cell | 0x80));
    const unsigned code = JisToSjisReference(row, cell);
    sjis.push_back(static_cast<char>(code >> 8));
    sjis.push_back(static_cast<char>(code & 0xFF));
    const unsigned short eucCode = static_cast<unsigned short>(((row | 0x80) << 8) | cell | 0x80);
    FUZZ_CHECK(EucPairToSjis(eucCode) == code);
    FUZZ_CHECK(SjisPairToEuc(static_cast<unsigned short>(code)) == eucCode);
  }
  FUZZ_CHECK(Convert(EucToSjis, euc) == sjis);
  FUZZ_CHECK(Convert(SjisToEuc, sjis) == euc);
  FUZZ_CHECK(Convert(SjisToEuc, Convert(EucToSjis, euc)) == euc);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzBytes in{data, size};
  const int limit = 1 + in.Int(size * 2 + 4);
  const bool acrossWindows = in.Byte() % 8 == 0;  // costly: one run in eight
  FuzzBytes rest = in;
  const std::string text = in.Rest();
  CheckLineEnds(text, limit);
  CheckEncodings(text, limit, acrossWindows);
  CheckUtf8(text, static_cast<int>(limit % 7));
  CheckRoundTrips(rest);
  return 0;
}
