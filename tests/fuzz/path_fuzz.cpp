// The path helpers and the command-line split on arbitrary bytes, against
// their definitions written out plainly.
#include <cstring>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "references.h"
#include "shell/command_line.h"
#include "text/path_helpers.h"

namespace {

// The last byte equal to `byte` that is a character of its own (never a
// byte of a double-byte character), as an index one past it; 0 when there
// is none.
size_t LastCharReference(const std::string& text, char byte) {
  const std::vector<bool> starts = CharStartsReference(text);
  size_t found = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (starts[i] && starts[i + 1] && text[i] == byte) found = i + 1;
  }
  return found;
}

void CheckPathHelpers(const std::string& path, char byte) {
  std::vector<char> copy(path.c_str(), path.c_str() + path.size() + 1);
  const char* text = copy.data();
  FUZZ_CHECK(FindLastChar(text, byte) - text == static_cast<long>(LastCharReference(path, byte)));
  const size_t name = LastCharReference(path, '\\');
  FUZZ_CHECK(FileNamePart(text) - text == static_cast<long>(name));
  const size_t dot = LastCharReference(path, '.');
  const char* extension = FileExtension(text);
  if (dot != 0 && dot > name) {
    FUZZ_CHECK(extension - text == static_cast<long>(dot));
  } else {
    FUZZ_CHECK(extension == text);
  }
  FUZZ_CHECK(std::string(text) == path);  // nothing written
}

void CheckCommandLine(const std::string& line) {
  std::vector<char> copy(line.c_str(), line.c_str() + line.size() + 1);
  const char* argument = SkipProgramName(copy.data());
  size_t at = 0;
  if (!line.empty() && line[0] == '"') {
    const size_t close = line.find('"', 1);
    at = close == std::string::npos ? line.size() : close + 1;
  } else {
    while (at < line.size() && static_cast<unsigned char>(line[at]) > ' ') ++at;
  }
  while (at < line.size() && static_cast<unsigned char>(line[at]) <= ' ') ++at;
  FUZZ_CHECK(argument - copy.data() == static_cast<long>(at));

  // The argument: unquoted, then cut before the first " X:\" or " \\".
  std::string expected = line.substr(at);
  if (!expected.empty() && expected[0] == '"') {
    expected.erase(0, 1);
    if (!expected.empty()) expected.pop_back();
  }
  for (size_t i = 1; i + 1 < expected.size(); ++i) {
    if (expected[i] != ' ') continue;
    const std::string next = expected.substr(i + 1, 3);
    const bool drive = next.size() == 3 && next[1] == ':' && next[2] == '\\';
    const bool network = next.size() >= 2 && next[0] == '\\' && next[1] == '\\';
    if (drive || network) {
      expected.resize(i);
      break;
    }
  }
  std::vector<char> trimmed(copy.begin() + static_cast<long>(at), copy.end());
  const int absolute = TrimDocumentArgument(trimmed.data());
  FUZZ_CHECK(std::string(trimmed.data()) == expected);
  const bool readsAbsolute =
      !expected.empty() && ((expected.size() > 1 && expected[1] == ':') || expected[0] == '\\');
  FUZZ_CHECK(absolute == (readsAbsolute ? 1 : 0));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzBytes in{data, size};
  const uint8_t pick = in.Byte();
  const char byte = pick == 0 ? '.' : static_cast<char>(pick);
  const std::string text = in.Rest();
  CheckPathHelpers(text, byte);
  CheckPathHelpers(text, '\\');
  CheckPathHelpers(text, '.');
  CheckCommandLine(text);
  return 0;
}
