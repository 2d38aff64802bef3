// The bounded writers: whatever the capacity, the result is the longest run
// of whole characters of the full text that fits, terminated, and never a
// byte beyond the capacity is written.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "text/text.h"

namespace {

// A text cut into characters: a lead byte and the byte after it are one.
void AddCharacters(const std::string& text, std::vector<std::string>* characters) {
  for (size_t i = 0; i < text.size();) {
    const size_t size = IsLeadByte(text[i]) && i + 1 < text.size() ? 2 : 1;
    characters->push_back(text.substr(i, size));
    i += size;
  }
}

std::string Fitting(const std::vector<std::string>& characters, int capacity) {
  std::string out;
  for (const std::string& c : characters) {
    if (static_cast<int>(out.size() + c.size()) > capacity - 1) break;
    out += c;
  }
  return out;
}

// A destination of exactly `capacity` bytes (at least one, so that a
// capacity of zero has a byte to leave alone).
struct Destination {
  std::vector<char> bytes;
  explicit Destination(int capacity) : bytes(capacity > 0 ? capacity : 1, '\x55') {}
  char* data() { return bytes.data(); }
};

void CheckCopyAndAppend(const std::string& first, const std::string& second, int capacity) {
  Destination copy(capacity);
  const int copied = CopyText(copy.data(), capacity, first.c_str());
  std::vector<std::string> characters;
  if (capacity <= 0) {
    FUZZ_CHECK(copied == 0 && copy.bytes[0] == '\x55');
    FUZZ_CHECK(AppendText(copy.data(), capacity, second.c_str()) == 0);
    FUZZ_CHECK(copy.bytes[0] == '\x55');
    return;
  }
  AddCharacters(first, &characters);
  const std::string head = Fitting(characters, capacity);
  FUZZ_CHECK(std::string(copy.data()) == head && copied == static_cast<int>(head.size()));

  const int appended = AppendText(copy.data(), capacity, second.c_str());
  std::vector<std::string> tail;
  AddCharacters(second, &tail);
  // Appending starts from what is there, whole characters of the first text.
  std::vector<std::string> joined;
  AddCharacters(head, &joined);
  joined.insert(joined.end(), tail.begin(), tail.end());
  const std::string both = Fitting(joined, capacity);
  FUZZ_CHECK(std::string(copy.data()) == both && appended == static_cast<int>(both.size()));

  // An unterminated destination is read only within its capacity.
  Destination full(capacity);
  FUZZ_CHECK(AppendText(full.data(), capacity, second.c_str()) == capacity - 1);
}

// Literal format text: no '%', and never a lead byte right before a
// directive (a program's format is well-formed Shift_JIS).
std::string Literal(FuzzBytes& in) {
  std::string text = in.Text(in.Byte() % 24);
  for (char& c : text) {
    if (c == '%') c = '*';
  }
  if (!text.empty() && IsLeadByte(text.back())) text.back() = 'x';
  return text;
}

std::string Directive(FuzzBytes& in, char kind, std::string* printfForm) {
  const uint8_t shape = in.Byte();
  std::string width;
  if (shape & 1) width += '0';
  if (shape & 2) width += std::to_string(in.Byte() % 48);
  *printfForm = "%" + width + kind;
  return *printfForm;
}

// The printf rendering of one directive, with a width capped at 40.
template <typename Value>
std::string Rendered(const std::string& printfForm, Value value) {
  std::string form = printfForm;
  const size_t digits = form.find_first_of("123456789");
  if (digits != std::string::npos) {
    const int width = std::stoi(form.substr(digits));
    if (width > 40) form = form.substr(0, digits) + "40" + form.back();
  }
  char text[128];
  std::snprintf(text, sizeof text, form.c_str(), value);
  return text;
}

void CheckFormat(FuzzBytes& in, int capacity) {
  int number = 0;
  for (int i = 0; i < 4; ++i) number = (number << 8) | in.Byte();
  const unsigned unsignedNumber = static_cast<unsigned>(number) * 2654435761u;
  const std::string literal1 = Literal(in);
  const std::string literal2 = Literal(in);
  const std::string literal3 = Literal(in);
  const std::string argument = in.Text(in.Byte());
  std::string numberForm, unsignedForm;
  const std::string format = literal1 + Directive(in, 'd', &numberForm) + literal2 + "%s" +
                             literal3 + Directive(in, 'u', &unsignedForm) + "%%" +
                             (in.Byte() & 1 ? std::string("%") : "%q" + literal1);

  std::vector<std::string> expected;
  AddCharacters(literal1, &expected);
  AddCharacters(Rendered(numberForm, number), &expected);
  AddCharacters(literal2, &expected);
  AddCharacters(argument, &expected);
  AddCharacters(literal3, &expected);
  AddCharacters(Rendered(unsignedForm, unsignedNumber), &expected);
  expected.push_back("%");  // from "%%"; the directive after it ends the output

  Destination out(capacity);
  const int length =
      FormatText(out.data(), capacity, format.c_str(), number, argument.c_str(), unsignedNumber);
  if (capacity <= 0) {
    FUZZ_CHECK(length == 0 && out.bytes[0] == '\x55');
    return;
  }
  const std::string fitting = Fitting(expected, capacity);
  FUZZ_CHECK(std::string(out.data()) == fitting && length == static_cast<int>(fitting.size()));
  FUZZ_CHECK(TextLength(out.data()) == length);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzBytes in{data, size};
  const int capacity = static_cast<int>(in.Byte() % 200) - 2;
  const std::string first = in.Text(in.Byte());
  const std::string second = in.Text(in.Byte());
  CheckCopyAndAppend(first, second, capacity);
  CheckFormat(in, capacity);
  return 0;
}
