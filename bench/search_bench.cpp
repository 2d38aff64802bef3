// The search's worst cases on the largest searched text (63,999 bytes), next
// to glibc memmem on the same bytes. Each pair differs only in the searcher.
#include <benchmark/benchmark.h>

#include <cstring>

#include "search/find_bytes.h"

namespace {

constexpr int kTextLength = 63999;   // the part of the view that is searched
constexpr int kPatternLength = 255;  // the longest search string

struct Inputs {
  char text[kTextLength + 1];
  char longTail[kPatternLength + 1];  // aaa...ab: every start matches 254 bytes, then fails
  char longHead[kPatternLength + 1];  // baa...aa: the same read backwards
  // ア (83 41) over and over, and its trail and lead swapped: an occurrence
  // at every other byte, every one of them inside characters.
  char kana[kTextLength + 1];
  char halves[kPatternLength];
  Inputs() {
    for (int i = 0; i < kTextLength; ++i) kana[i] = i % 2 ? '\x41' : '\x83';
    kana[kTextLength] = 0;
    for (int i = 0; i < kPatternLength - 1; ++i) halves[i] = i % 2 ? '\x83' : '\x41';
    halves[kPatternLength - 1] = 0;
    std::memset(text, 'a', kTextLength);
    text[kTextLength] = 0;
    std::memset(longTail, 'a', kPatternLength);
    longTail[kPatternLength - 1] = 'b';
    longTail[kPatternLength] = 0;
    std::memset(longHead, 'a', kPatternLength);
    longHead[0] = 'b';
    longHead[kPatternLength] = 0;
  }
};

const Inputs& In() {
  static const Inputs inputs;
  return inputs;
}

void Memmem(benchmark::State& state, const char* pattern, int length) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(memmem(In().text, kTextLength, pattern, length));
  }
}

// A full forward scan that finds nothing.
void BM_ForwardLongPattern_FindBytes(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(FindBytes(In().text, kTextLength, In().longTail, kPatternLength, 0));
  }
}
void BM_ForwardLongPattern_Memmem(benchmark::State& state) {
  Memmem(state, In().longTail, kPatternLength);
}

// The backward mirror: from the end, nothing before it, so also the wrap
// that searches the whole text again.
void BM_BackwardLongPattern_FindPrevious(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        FindPreviousWrapped(In().text, kTextLength, In().longHead, kPatternLength, kTextLength));
  }
}
void BM_BackwardLongPattern_Memmem(benchmark::State& state) {
  Memmem(state, In().longHead, kPatternLength);
}

// One letter over identical letters, from the end: 63,999 occurrences lie
// before the caret, and the last one is wanted.
void BM_BackwardOneLetter_FindPrevious(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(FindPreviousWrapped(In().text, kTextLength, "a", 1, kTextLength));
  }
}
void BM_ForwardOneLetter_FindNext(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(FindNextWrapped(In().text, kTextLength, "a", 1, 0));
  }
}
// The same walk done occurrence by occurrence from the start, for scale.
void BM_BackwardOneLetter_WalkFromStart(benchmark::State& state) {
  for (auto _ : state) {
    int last = -1;
    for (int at = FindBytes(In().text, kTextLength, "a", 1, 0); at >= 0 && at < kTextLength;
         at = FindBytes(In().text, kTextLength, "a", 1, at + 1)) {
      last = at;
    }
    benchmark::DoNotOptimize(last);
  }
}

// A letter that is not there: both directions read every byte.
void BM_BackwardAbsentLetter_FindPrevious(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(FindPreviousWrapped(In().text, kTextLength, "b", 1, kTextLength));
  }
}
void BM_ForwardAbsentLetter_FindNext(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(FindNextWrapped(In().text, kTextLength, "b", 1, 0));
  }
}
void BM_ForwardAbsentLetter_Memmem(benchmark::State& state) {
  Memmem(state, "b", 1);
}

// Only matches that start on trail bytes: each is turned down, both ways,
// and the wrap searches the whole text again.
void BM_ForwardRejectedMatches_FindNext(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        FindNextWrapped(In().kana, kTextLength, In().halves, kPatternLength - 1, 0));
  }
}
void BM_BackwardRejectedMatches_FindPrevious(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        FindPreviousWrapped(In().kana, kTextLength, In().halves, kPatternLength - 1, kTextLength));
  }
}

}  // namespace

BENCHMARK(BM_ForwardLongPattern_FindBytes);
BENCHMARK(BM_ForwardLongPattern_Memmem);
BENCHMARK(BM_BackwardLongPattern_FindPrevious);
BENCHMARK(BM_BackwardLongPattern_Memmem);
BENCHMARK(BM_BackwardOneLetter_FindPrevious);
BENCHMARK(BM_ForwardOneLetter_FindNext);
BENCHMARK(BM_BackwardOneLetter_WalkFromStart);
BENCHMARK(BM_BackwardAbsentLetter_FindPrevious);
BENCHMARK(BM_ForwardAbsentLetter_FindNext);
BENCHMARK(BM_ForwardAbsentLetter_Memmem);
BENCHMARK(BM_ForwardRejectedMatches_FindNext);
BENCHMARK(BM_BackwardRejectedMatches_FindPrevious);
