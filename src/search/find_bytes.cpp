#include "search/find_bytes.h"

#include <cstring>

#include "text/char_offsets.h"

// Both directions run the Two-Way string matching algorithm (Crochemore and
// Perrin): linear time, constant space, and no table to build. A backward
// search is the same algorithm reading text and pattern from their ends, so
// it goes straight to the last occurrence instead of walking all of them.

namespace {

// Bytes in reading order: Step 1 reads forwards from first, Step -1 reads
// backwards from first (position k is first[-k]).
template <int Step>
struct Reader {
  const unsigned char* first;
  unsigned char operator[](int k) const { return first[k * Step]; }
};

// The first position among count positions from k on that holds byte, or -1.
template <int Step>
int Seek(Reader<Step> text, int k, unsigned char byte, int count) {
  if constexpr (Step > 0) {
    const void* hit = std::memchr(text.first + k, byte, static_cast<size_t>(count));
    return hit ? static_cast<int>(static_cast<const unsigned char*>(hit) - text.first) : -1;
  } else {
    // No memrchr everywhere: eight bytes at a time, looking for a zero byte
    // in their difference from the wanted one.
    const unsigned long long ones = 0x0101010101010101ull;
    const int end = k + count;
    for (; k + 8 <= end; k += 8) {
      unsigned long long word;
      std::memcpy(&word, text.first - (k + 7), sizeof word);
      word ^= ones * byte;
      if ((word - ones) & ~word & (ones << 7)) break;
    }
    for (; k < end; ++k) {
      if (text[k] == byte) return k;
    }
    return -1;
  }
}

// Start of the lexicographically largest suffix of the pattern, under the
// byte order or (inverted) its reverse, and that suffix's period.
template <int Step>
int MaximalSuffix(Reader<Step> pattern, int length, bool inverted, int* period) {
  int before = -1;  // the suffix starts at before + 1
  int j = 0, k = 1, p = 1;
  while (j + k < length) {
    unsigned char a = pattern[j + k];
    unsigned char b = pattern[before + k];
    if (a == b) {
      if (k == p) {
        j += p;
        k = 1;
      } else {
        ++k;
      }
    } else if ((a < b) != inverted) {
      j += k;
      k = 1;
      p = j - before;
    } else {
      before = j++;
      k = p = 1;
    }
  }
  *period = p;
  return before + 1;
}

// The critical factorization: the later of the two maximal suffixes splits
// the pattern so that no mismatch ever forces a shift smaller than allowed.
template <int Step>
int CriticalSplit(Reader<Step> pattern, int length, int* period) {
  int period1, period2;
  int split1 = MaximalSuffix(pattern, length, false, &period1);
  int split2 = MaximalSuffix(pattern, length, true, &period2);
  *period = split1 > split2 ? period1 : period2;
  return split1 > split2 ? split1 : split2;
}

// The first position of pattern (m >= 1 bytes) in text (n bytes) that
// accept takes, or -1. A match accept turns down is passed over like a
// mismatch in the left part, so the search stays linear.
template <int Step, typename Accept>
int TwoWay(Reader<Step> text, int n, Reader<Step> pattern, int m, Accept accept) {
  int period;
  const int split = CriticalSplit(pattern, m, &period);
  const int last = n - m;
  // A pattern whose left part repeats one period further on: after a full
  // match the next period's worth of bytes (memory) is already known.
  bool periodic = true;
  for (int i = 0; i < split && periodic; ++i) periodic = pattern[i] == pattern[i + period];
  if (!periodic) period = (split > m - split ? split : m - split) + 1;
  int memory = 0;
  for (int j = 0; j <= last;) {
    int i = split > memory ? split : memory;
    while (i < m && pattern[i] == text[i + j]) ++i;
    if (i == split) {
      // No start can match before the split byte comes round again.
      int next = Seek(text, j + split + 1, pattern[split], last - j);
      if (next < 0) return -1;
      j = next - split;
      memory = 0;
      continue;
    }
    if (i < m) {
      j += i - split + 1;
      memory = 0;
      continue;
    }
    int floor = periodic ? memory : 0;
    i = split - 1;
    while (i >= floor && pattern[i] == text[i + j]) --i;
    if (i < floor && accept(j)) return j;
    j += period;
    if (periodic) memory = m - period;
  }
  return -1;
}

const unsigned char* Bytes(const char* text) {
  return reinterpret_cast<const unsigned char*>(text);
}

// The first occurrence that starts in [from, until), or -1.
int FirstBetween(const char* text, int textLength, const char* pattern, int patternLength, int from,
                 int until) {
  const int m = patternLength;
  if (from < 0) from = 0;
  if (until > textLength - m + 1) until = textLength - m + 1;
  if (m <= 0 || from >= until) return -1;
  // Starts and ends are each asked in rising order.
  CharBoundaries starts = StartCharBoundaries(text, textLength);
  CharBoundaries ends = StartCharBoundaries(text, textLength);
  auto whole = [&](int j) {
    return IsCharBoundary(&starts, from + j) && IsCharBoundary(&ends, from + j + m);
  };
  int found = TwoWay(Reader<1>{Bytes(text) + from}, until - 1 + m - from, Reader<1>{Bytes(pattern)},
                     m, whole);
  return found < 0 ? -1 : from + found;
}

// The last occurrence that starts before `before`, or -1.
int LastBefore(const char* text, int textLength, const char* pattern, int patternLength,
               int before) {
  const int m = patternLength;
  if (before > textLength - m + 1) before = textLength - m + 1;
  if (m <= 0 || before <= 0) return -1;
  // Occurrences starting before `before` lie within the first `reach` bytes;
  // read from there backwards, starts and ends are asked in falling order.
  const int reach = before - 1 + m;
  CharBoundaries starts = StartCharBoundaries(text, textLength);
  CharBoundaries ends = StartCharBoundaries(text, textLength);
  auto whole = [&](int j) {
    return IsCharBoundary(&starts, reach - j - m) && IsCharBoundary(&ends, reach - j);
  };
  int found = TwoWay(Reader<-1>{Bytes(text) + reach - 1}, reach, Reader<-1>{Bytes(pattern) + m - 1},
                     m, whole);
  return found < 0 ? -1 : reach - found - m;
}

}  // namespace

int FindBytes(const char* text, int textLength, const char* pattern, int patternLength, int from) {
  return FirstBetween(text, textLength, pattern, patternLength, from, textLength);
}

int FindBytesBefore(const char* text, int textLength, const char* pattern, int patternLength,
                    int before) {
  return LastBefore(text, textLength, pattern, patternLength, before);
}

int FindNextWrapped(const char* text, int textLength, const char* pattern, int patternLength,
                    int from) {
  if (from > textLength) from = textLength;
  if (from < 0) from = 0;
  int found = FirstBetween(text, textLength, pattern, patternLength, from, textLength);
  if (found >= 0 || from == 0) return found;
  // Starts at or after from were searched already; only earlier ones remain.
  return FirstBetween(text, textLength, pattern, patternLength, 0, from);
}

int FindPreviousWrapped(const char* text, int textLength, const char* pattern, int patternLength,
                        int before) {
  if (before > textLength) before = textLength;
  int found = LastBefore(text, textLength, pattern, patternLength, before);
  // The first search covered the whole text when its occurrences may reach the end.
  if (found >= 0 || (before > 0 && patternLength - 1 >= textLength - before)) return found;
  return LastBefore(text, textLength, pattern, patternLength, textLength);
}
