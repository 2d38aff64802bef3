// JIS X 0208 two-byte characters between EUC-JP and Shift_JIS, by arithmetic
// alone, and the half-width katakana, which EUC-JP writes after the single
// shift 8E. Every byte that is not part of a character is copied unchanged.
#include "codec/byte_classes.h"
#include "codec/codec.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ != __ORDER_LITTLE_ENDIAN__
#error "EucToSjis takes its blocks in little-endian lane order"
#endif

namespace {

// The row pair k = (row - 1) / 2 picks the lead byte; the row's parity picks
// the trail range (odd rows 0x40-0x9E without 0x7F, even rows 0x9F-0xFC).
// Written without branches: the parity of kanji rows is unpredictable.
inline unsigned JisToSjis(unsigned j1, unsigned j2) {
  const unsigned k = (j1 - 0x21u) >> 1;
  const unsigned lead = 0x81u + k + (k > 30u ? 0x40u : 0u);
  const unsigned oddMask = 0u - (j1 & 1u);
  const unsigned oddShift = 0x5Fu - (j2 >= 0x60u ? 1u : 0u);
  const unsigned trail = j2 + 0x7Eu - (oddShift & oddMask);
  return ((lead << 8) + trail) & 0xFFFFu;
}

// Kept in 16 bits on purpose: out-of-range input (trail 0x7F, trails below
// 0x40 or above 0xFC, leads 0xF0-0xFC) must wrap exactly as this formula does.
inline unsigned SjisToJisEuc(unsigned code) {
  const unsigned trail = code & 0xFFu;
  unsigned base;
  unsigned offset;
  if (trail - 0x40u < 0x40u) {  // 0x40-0x7F
    base = 0x8140u;
    offset = 0x2121u;
  } else if (trail - 0x80u < 0x1Fu) {  // 0x80-0x9E
    base = 0x8180u;
    offset = 0x2160u;
  } else {
    base = 0x819Fu;
    offset = 0x2221u;
  }
  if (code >= 0xE000u) {
    base += 0x5F00u;
    offset += 0x3E00u;
  }
  const unsigned d = (code - base) & 0xFFFFu;
  const unsigned r = ((d & 0xFFu) + offset + (d >> 8) * 0x200u) & 0xFFFFu;
  return r | 0x8080u;
}

// One character (pair or single byte) from s, whose first byte is non-zero:
// s[1] is then at worst the terminator.
inline void ConvertEucUnit(const unsigned char*& s, unsigned char*& d) {
  const unsigned c = s[0];
  if (IsEucByte(c) && IsEucByte(s[1])) {
    const unsigned code = JisToSjis(c & 0x7Fu, s[1] & 0x7Fu);
    d[0] = static_cast<unsigned char>(code >> 8);
    d[1] = static_cast<unsigned char>(code);
    d += 2;
    s += 2;
  } else if (c == kSingleShift2 && IsHalfWidthKatakana(s[1])) {
    *d++ = s[1];
    s += 2;
  } else {
    *d++ = static_cast<unsigned char>(c);
    ++s;
  }
}

// Sixteen-byte blocks where the processor has SSE2 (every x86-64); they are
// passed by reference only, since passing them by value has no stable ABI
// without SSE. The i686 release runs on processors before SSE2, where these
// generic vectors become lane-by-lane code: three times the bytes of the
// plain loop below and slower than it, so there the plain loop does it all.
#if defined(__SSE2__)
typedef unsigned char ByteLanes __attribute__((vector_size(16)));
typedef unsigned short PairLanes __attribute__((vector_size(16)));
typedef short SignedPairLanes __attribute__((vector_size(16)));
constexpr int kBlock = 16;

// Bytes scanned ahead for the terminator; small enough to stay in L1.
constexpr std::size_t kWindow = 4096;

// How many lanes from the first one are 0xFF in a mask of 0x00/0xFF lanes.
// In 32-bit words: a 64-bit count of trailing zeros is a libgcc call on i686.
inline int LeadingSetLanes(const ByteLanes& mask) {
  std::uint32_t words[4];
  std::memcpy(words, &mask, sizeof words);
  for (int i = 0; i < 4; ++i) {
    if (~words[i] != 0) return 4 * i + (__builtin_ctz(~words[i]) >> 3);
  }
  return kBlock;
}

inline bool AllLanesSet(const ByteLanes& mask) {
  return LeadingSetLanes(mask) == kBlock;
}

inline bool AllLanesClear(const ByteLanes& mask) {
  std::uint64_t halves[2];
  std::memcpy(halves, &mask, sizeof halves);
  return (halves[0] | halves[1]) == 0;
}

// JisToSjis on eight pairs at once, in place, one pair per 16-bit lane with
// the lead in the low byte (little-endian order); every intermediate fits
// 15 bits.
inline void EucBlockToSjis(ByteLanes& block) {
  const SignedPairLanes pair = reinterpret_cast<SignedPairLanes>(block);
  const SignedPairLanes lead = pair & 0xFF;
  const SignedPairLanes trail =
      reinterpret_cast<SignedPairLanes>(reinterpret_cast<PairLanes>(pair) >> 8);
  const SignedPairLanes sjisLead = ((lead + 0x61) >> 1) + ((lead >= 0xDF) & 0x40);
  const SignedPairLanes oddRows = -(lead & 1);
  // (trail >= 0xE0) is -1 in a true lane: 0x5F less one skips 0x7F.
  const SignedPairLanes sjisTrail = trail - 2 - ((0x5F + (trail >= 0xE0)) & oddRows);
  const PairLanes sjis =
      reinterpret_cast<PairLanes>(sjisLead) | (reinterpret_cast<PairLanes>(sjisTrail) << 8);
  block = reinterpret_cast<ByteLanes>(sjis);
}

#endif

}  // namespace

// Defined for leads and trails 0xA1-0xFE; other input has its high bits
// cleared first (the code is then read as a JIS code).
unsigned short EucPairToSjis(unsigned short code) {
  const unsigned jis = code & 0x7F7Fu;
  return static_cast<unsigned short>(JisToSjis(jis >> 8, jis & 0xFFu));
}

unsigned short SjisPairToEuc(unsigned short code) {
  return static_cast<unsigned short>(SjisToJisEuc(code));
}

void EucToSjis(char* destination, const char* source) {
  const unsigned char* s = reinterpret_cast<const unsigned char*>(source);
  unsigned char* d = reinterpret_cast<unsigned char*>(destination);
#if defined(__SSE2__)
  for (;;) {
    // memchr stops at the first zero, so nothing past the terminator is
    // read; every byte before `safe` is then known to be part of the text
    // and may be taken a block at a time.
    const void* zero = std::memchr(s, 0, kWindow);
    const unsigned char* const safe =
        zero != nullptr ? static_cast<const unsigned char*>(zero) : s + kWindow;
    // Whole blocks are converted and stored; where a block mixes kinds only
    // its leading run counts, and the bytes stored beyond it are rewritten
    // by the next round. Output is never longer than the input (d lags s at
    // most), so a block stored at d stays inside the destination.
    while (safe - s >= kBlock) {
      ByteLanes block;
      std::memcpy(&block, s, sizeof block);
      // The two whole-block cases advance by a constant, which keeps the
      // next load independent of this block's arithmetic.
      int taken = kBlock;
      if (AllLanesClear(block & 0x80)) {
        // ASCII and control bytes pass unchanged.
      } else {
        // 0xFF in every lane whose byte lies in 0xA1-0xFE.
        const ByteLanes euc =
            reinterpret_cast<ByteLanes>(static_cast<ByteLanes>(block - 0xA1) < 0x5E);
        if (AllLanesSet(euc)) {
          EucBlockToSjis(block);  // s is at a character start: all pairs
        } else {
          // An EUC run that ends inside the block leaves its odd last byte
          // for the next round, which finds it without a trail.
          const int eucRun = LeadingSetLanes(euc);
          const int asciiRun = LeadingSetLanes(reinterpret_cast<ByteLanes>(block < 0x80));
          if (eucRun >= 2) {
            EucBlockToSjis(block);
            taken = eucRun & ~1;
          } else if (asciiRun > 0) {
            taken = asciiRun;
          } else {
            ConvertEucUnit(s, d);
            continue;
          }
        }
      }
      std::memcpy(d, &block, sizeof block);
      s += taken;
      d += taken;
    }
    if (zero != nullptr) break;
  }
#endif
  while (*s != 0) ConvertEucUnit(s, d);
  *d = 0;
}

int SjisToEuc(char* destination, const char* source, int limit) {
  const unsigned char* s = reinterpret_cast<const unsigned char*>(source);
  unsigned char* d = reinterpret_cast<unsigned char*>(destination);
  unsigned char* const start = d;
  for (;;) {
    const unsigned c = *s;
    if (c == 0) break;
    const unsigned next = s[1];
    const bool pair = IsSjisLead(c) && next != 0;
    // As ToCrLf: a successful result is at most limit - 1 bytes long.
    if (d - start + (pair || IsHalfWidthKatakana(c) ? 2 : 1) >= limit) return 1;
    if (pair) {
      const unsigned code = SjisToJisEuc((c << 8) | next);
      d[0] = static_cast<unsigned char>(code >> 8);
      d[1] = static_cast<unsigned char>(code);
      d += 2;
      s += 2;
      continue;
    }
    // A lead without its trail is the last byte and is copied as it is.
    if (IsHalfWidthKatakana(c)) *d++ = static_cast<unsigned char>(kSingleShift2);
    *d++ = static_cast<unsigned char>(c);
    ++s;
  }
  *d = 0;
  return 0;
}

int ByteFormToSjis(TextEncoding encoding, char* destination, const char* source) {
  if (encoding != TextEncoding::Euc) return 0;
  EucToSjis(destination, source);
  return 1;
}

int SjisToByteForm(TextEncoding encoding, char* destination, const char* source, int limit) {
  if (encoding != TextEncoding::Euc) return 0;
  return SjisToEuc(destination, source, limit) ? -1 : 1;
}
