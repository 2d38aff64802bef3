// Bounded byte-string helpers. Every writer takes the destination's capacity
// (terminator included), always terminates when the capacity is at least 1,
// and never splits a Shift_JIS double-byte character when it has to cut.
#pragma once

// Shift_JIS lead bytes: 0x81-0x9F and 0xE0-0xFC.
inline bool IsSjisLead(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// Bytes of the character that starts at p in a zero-terminated text: a lead
// byte takes the next byte as its trail, whatever that is, unless it is the
// terminator. So a walk by these steps never passes the terminator.
inline int SjisCharSize(const char* p) {
  return IsSjisLead(static_cast<unsigned char>(p[0])) && p[1] ? 2 : 1;
}

// The same in a text that ends before end, where a zero byte is just a byte.
inline int SjisCharSize(const char* p, const char* end) {
  return IsSjisLead(static_cast<unsigned char>(p[0])) && p + 1 < end ? 2 : 1;
}

// The editor's text buffers hold this many bytes and a terminator.
constexpr int BufferCapacity = 64000;

int TextLength(const char* text);

// Both return the length of the destination afterwards.
int CopyText(char* destination, int capacity, const char* source);
int AppendText(char* destination, int capacity, const char* source);

// A small printf: "%d", "%0Nd"/"%Nd" (int), "%u" (unsigned), "%llu"
// (unsigned long long), "%s" and "%%".
// Output longer than capacity - 1 bytes is cut. Returns the length written.
int FormatText(char* destination, int capacity, const char* format, ...);
