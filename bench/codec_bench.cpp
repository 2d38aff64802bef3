// Throughput of the text codecs on a full-size Japanese document, next to
// glibc iconv and a plain memcpy of the same bytes.
#include <benchmark/benchmark.h>
#include <iconv.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "codec/codec.h"
#include "document/keep_check.h"

namespace {

constexpr int kFileSize = 55999;  // the largest file the editor reads
constexpr int kBufferSize = 64001;

// Written as UTF-8 (u8 keeps them out of the CP932 execution charset) and
// turned into EUC-JP once at start-up.
const char* const kSentences[] = {
    u8"吾輩は猫である。名前はまだ無い。どこで生れたかとんと見当がつかぬ。",
    u8"何でも薄暗いじめじめした所でニャーニャー泣いていた事だけは記憶している。",
    u8"Release notes: version 2.4.1 (2024-03-15), see README.txt for details.",
    u8"東京都千代田区丸の内一丁目、ＪＲ東京駅から徒歩５分。",
    u8"",
    u8"「今日は良い天気ですね」と彼女は言った。私は黙って頷いた。",
    u8"    int count = 0;  // カウンタを初期化する",
    u8"カタカナとひらがな、そして漢字が混ざった文章の変換速度を測る。",
    u8"※注意：この文書は試験用です。ご了承ください。",
};

char eucFile[kBufferSize];   // EUC-JP, LF line ends: the file as read
char eucCrLf[kBufferSize];   // EUC-JP, CR LF line ends
char sjisLf[kBufferSize];    // Shift_JIS, LF line ends
char sjisCrLf[kBufferSize];  // Shift_JIS, CR LF line ends: the editor form
char textBuffer[kBufferSize];
char scratchBuffer[kBufferSize];
int crLfLength;

void Fail(const char* what) {
  std::fprintf(stderr, "codec_bench: %s\n", what);
  std::exit(1);
}

size_t IconvAll(iconv_t cd, const char* in, size_t inLength, char* out, size_t outSize) {
  char* inPtr = const_cast<char*>(in);
  char* outPtr = out;
  size_t outLeft = outSize;
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  if (iconv(cd, &inPtr, &inLength, &outPtr, &outLeft) == static_cast<size_t>(-1)) return 0;
  return static_cast<size_t>(outPtr - out);
}

// Repeats the sentences, one per line, up to exactly kFileSize bytes; the
// tail is filled with ASCII so no character is cut in two.
void BuildTexts() {
  const iconv_t toEuc = iconv_open("EUC-JP", "UTF-8");
  if (toEuc == reinterpret_cast<iconv_t>(-1)) Fail("iconv_open UTF-8 -> EUC-JP");
  char lines[sizeof kSentences / sizeof kSentences[0]][512];
  size_t lengths[sizeof kSentences / sizeof kSentences[0]];
  const size_t count = sizeof kSentences / sizeof kSentences[0];
  for (size_t i = 0; i < count; ++i) {
    lengths[i] = IconvAll(toEuc, kSentences[i], std::strlen(kSentences[i]), lines[i], 511);
    if (lengths[i] == 0 && kSentences[i][0] != 0) Fail("sentence not convertible");
    lines[i][lengths[i]++] = '\n';
  }
  iconv_close(toEuc);

  size_t used = 0;
  for (size_t i = 0; used + lengths[i % count] <= kFileSize; ++i) {
    std::memcpy(eucFile + used, lines[i % count], lengths[i % count]);
    used += lengths[i % count];
  }
  while (used < kFileSize) eucFile[used++] = 'x';
  eucFile[used] = 0;

  if (ToCrLf(eucCrLf, eucFile, 64000) != 0) Fail("CR LF form too large");
  crLfLength = static_cast<int>(std::strlen(eucCrLf));
  EucToSjis(sjisLf, eucFile);
  EucToSjis(sjisCrLf, eucCrLf);

  // The arithmetic must match the table-driven peer on this text.
  const iconv_t toSjis = iconv_open("SHIFT_JIS", "EUC-JP");
  static char peer[kBufferSize];
  if (IconvAll(toSjis, eucFile, kFileSize, peer, kBufferSize) != kFileSize ||
      std::memcmp(peer, sjisLf, kFileSize) != 0) {
    Fail("EucToSjis differs from iconv");
  }
  iconv_close(toSjis);
}

struct TextsReady {
  TextsReady() { BuildTexts(); }
} textsReady;

void Finish(benchmark::State& state, int bytesPerOp) {
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * bytesPerOp);
}

void BM_Memcpy(benchmark::State& state) {
  for (auto _ : state) {
    std::memcpy(scratchBuffer, eucFile, kFileSize + 1);
    benchmark::DoNotOptimize(scratchBuffer);
    benchmark::ClobberMemory();
  }
  Finish(state, kFileSize);
}

void BM_EucToSjis(benchmark::State& state) {
  for (auto _ : state) {
    EucToSjis(scratchBuffer, eucFile);
    benchmark::ClobberMemory();
  }
  Finish(state, kFileSize);
}

void BM_IconvEucToSjis(benchmark::State& state) {
  const iconv_t cd = iconv_open("SHIFT_JIS", "EUC-JP");
  for (auto _ : state) {
    benchmark::DoNotOptimize(IconvAll(cd, eucFile, kFileSize, scratchBuffer, kBufferSize));
    benchmark::ClobberMemory();
  }
  iconv_close(cd);
  Finish(state, kFileSize);
}

void BM_SjisToEuc(benchmark::State& state) {
  for (auto _ : state) {
    SjisToEuc(scratchBuffer, sjisLf, 64000);
    benchmark::ClobberMemory();
  }
  Finish(state, kFileSize);
}

void BM_IconvSjisToEuc(benchmark::State& state) {
  const iconv_t cd = iconv_open("EUC-JP", "SHIFT_JIS");
  for (auto _ : state) {
    benchmark::DoNotOptimize(IconvAll(cd, sjisLf, kFileSize, scratchBuffer, kBufferSize));
    benchmark::ClobberMemory();
  }
  iconv_close(cd);
  Finish(state, kFileSize);
}

void BM_ToCrLf(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(ToCrLf(scratchBuffer, eucFile, 64000));
    benchmark::ClobberMemory();
  }
  Finish(state, kFileSize);
}

void BM_FromCrLf(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(FromCrLf(scratchBuffer, sjisCrLf, 64000));
    benchmark::ClobberMemory();
  }
  Finish(state, crLfLength);
}

void BM_DetectEncoding(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(DetectEncoding(eucCrLf, TextEncoding::Euc));
  }
  Finish(state, crLfLength);
}

// The load's conversions as the document pipeline runs them, copy-backs
// included; the file image stands in for the bytes just read.
void BM_DecodeStep(benchmark::State& state) {
  for (auto _ : state) {
    int lfMode = 0;
    int eucMode = 0;
    if (HasLineBreak(eucFile)) {
      lfMode = IsFirstBreakBareLf(eucFile);
      if (ToCrLf(scratchBuffer, eucFile, 64000) != 0) Fail("decode overflow");
      std::strcpy(textBuffer, scratchBuffer);
    }
    const FileForm form = GuessFileForm(eucFile, kFileSize, FileForm{});
    if (form.encoding == TextEncoding::Euc) {
      EucToSjis(scratchBuffer, textBuffer);
      std::strcpy(textBuffer, scratchBuffer);
      eucMode = 1;
    }
    benchmark::DoNotOptimize(lfMode);
    benchmark::DoNotOptimize(eucMode);
    benchmark::ClobberMemory();
  }
  if (std::strcmp(textBuffer, sjisCrLf) != 0) Fail("decode result wrong");
  Finish(state, kFileSize);
}

// The guess of the form on the same text in each encoding the editor reads,
// cut to the largest file it reads (not inside a character).
void BM_GuessFileForm(benchmark::State& state) {
  static const char* const kNames[] = {"SHIFT_JIS", "EUC-JP", "UTF-8", "UTF-16LE", "UTF-16BE"};
  static char text[kBufferSize * 2];
  const TextEncoding encoding = static_cast<TextEncoding>(state.range(0));
  const iconv_t to = iconv_open(kNames[state.range(0)], "EUC-JP");
  size_t length = IconvAll(to, eucFile, kFileSize, text, sizeof text);
  iconv_close(to);
  const bool utf16 = encoding == TextEncoding::Utf16Le || encoding == TextEncoding::Utf16Be;
  if (length > kFileSize) length = utf16 ? kFileSize - 1 : kFileSize;
  while (encoding == TextEncoding::Utf8 && (text[length] & 0xC0) == 0x80) --length;
  text[length] = 0;
  const int size = static_cast<int>(length);
  for (auto _ : state) {
    if (GuessFileForm(text, size, FileForm{}).encoding != encoding) Fail("guessed wrong");
  }
  Finish(state, size);
}

// The check made after every open: the save's conversions of the editor
// text, then the comparison with the file as read.
void BM_KeepCheck(benchmark::State& state) {
  const int fileLength = static_cast<int>(std::strlen(eucFile));
  int keeps = 0;
  for (auto _ : state) {
    std::strcpy(textBuffer, sjisCrLf);
    FromCrLf(scratchBuffer, textBuffer, 64000);
    std::strcpy(textBuffer, scratchBuffer);
    SjisToEuc(scratchBuffer, textBuffer, 64000);
    std::strcpy(textBuffer, scratchBuffer);
    keeps =
        SaveKeepsFile(textBuffer, static_cast<int>(std::strlen(textBuffer)), eucFile, fileLength);
    benchmark::DoNotOptimize(keeps);
  }
  if (!keeps) Fail("keep check says the file changes");
  Finish(state, kFileSize);
}

// The editor's own part of a UTF-8 open and its check: recognition, the
// bytes to code units and back (the code page 932 step is the system's; it
// is timed in-process under Wine). The UTF-8 form of the same text is about
// 1.5 times as long, so it is cut at the largest file the editor reads.
void BM_Utf8Units(benchmark::State& state) {
  static char utf8[kBufferSize * 2];
  static unsigned short units[kBufferSize];
  const iconv_t toUtf8 = iconv_open("UTF-8", "EUC-JP");
  size_t length = IconvAll(toUtf8, eucFile, kFileSize, utf8, sizeof utf8);
  iconv_close(toUtf8);
  while (length > kFileSize) --length;
  while ((utf8[length] & 0xC0) == 0x80) --length;  // not inside a character
  const int size = static_cast<int>(length);
  for (auto _ : state) {
    benchmark::DoNotOptimize(GuessFileForm(utf8, size, FileForm{}));
    int at = 0, malformed = 0, count = 0;
    while (at < size) {
      count += DecodeUnits(TextEncoding::Utf8, utf8, size, &at, units + count, 1024, &malformed);
    }
    benchmark::DoNotOptimize(EncodeUnits(TextEncoding::Utf8, units, count, scratchBuffer, 64000));
    benchmark::ClobberMemory();
  }
  Finish(state, size);
}

}  // namespace

BENCHMARK(BM_Utf8Units);
BENCHMARK(BM_Memcpy);
BENCHMARK(BM_EucToSjis);
BENCHMARK(BM_IconvEucToSjis);
BENCHMARK(BM_SjisToEuc);
BENCHMARK(BM_IconvSjisToEuc);
BENCHMARK(BM_ToCrLf);
BENCHMARK(BM_FromCrLf);
BENCHMARK(BM_DetectEncoding);
BENCHMARK(BM_GuessFileForm)->DenseRange(0, kEncodingCount - 1);
BENCHMARK(BM_DecodeStep);
BENCHMARK(BM_KeepCheck);
