// What every fuzz target shares: a failed property aborts with its name (so
// libFuzzer keeps the input), and the fuzz bytes are taken apart in order.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#define FUZZ_CHECK(condition)                                                               \
  do {                                                                                      \
    if (!(condition)) {                                                                     \
      std::fprintf(stderr, "%s:%d: property failed: %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                                         \
    }                                                                                       \
  } while (0)

// Reads the fuzz input front to back; past its end every read gives zero.
struct FuzzBytes {
  const uint8_t* data;
  size_t size;

  uint8_t Byte() {
    if (size == 0) return 0;
    --size;
    return *data++;
  }
  int Int(int below) { return below <= 0 ? 0 : ((Byte() << 8) | Byte()) % below; }
  // Up to `most` bytes as a text without zero bytes (a zero ends it).
  std::string Text(size_t most) {
    std::string text;
    while (size > 0 && text.size() < most) {
      const uint8_t c = Byte();
      if (c == 0) break;
      text.push_back(static_cast<char>(c));
    }
    return text;
  }
  std::string Rest() { return Text(size); }
};

inline bool IsLeadByte(unsigned char c) {
  return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}
