// The file dialogs' extension rules on arbitrary paths: the offered filter
// is whole or absent, and a chosen name becomes exactly the expected path or
// is refused without a byte written.
#include <cstring>
#include <string>
#include <vector>

#include "document/file_dialog_rules.h"
#include "fuzz_support.h"
#include "text/path_helpers.h"
#include "text/text.h"

namespace {

std::string Lowered(std::string text) {
  for (size_t i = 0; i < text.size(); ++i) {
    if (IsLeadByte(text[i]) && i + 1 < text.size()) {
      ++i;
    } else if (text[i] >= 'A' && text[i] <= 'Z') {
      text[i] = static_cast<char>(text[i] - 'A' + 'a');
    }
  }
  return text;
}

bool IsTxt(const std::string& extension) {
  if (extension.size() != 3) return false;
  const std::string lower = Lowered(extension);
  return lower == "txt";
}

void CheckPrepare(const std::string& path) {
  FileDialogSetup setup;
  std::memset(&setup, 0x55, sizeof setup);
  PrepareFileDialog(path.c_str(), &setup);

  std::string extension = "txt";
  int filterIndex = kFilterText;
  std::string filter;
  if (!path.empty()) {
    const char* found = FileExtension(path.c_str());
    if (found == path.c_str()) {
      filterIndex = kFilterAll;
    } else {
      char cut[kExtensionCapacity];
      CopyText(cut, sizeof cut, found);
      extension = Lowered(cut);
      if (!IsTxt(extension)) {
        const std::string description = extension + " ファイル(*." + extension + ")";
        const std::string pattern = "*." + extension;
        if (description.size() + pattern.size() + 3 <= static_cast<size_t>(kCustomFilterCapacity)) {
          filterIndex = kFilterCustom;
          filter = description + '\0' + pattern + '\0' + '\0';
        } else {
          filterIndex = kFilterAll;
        }
      }
    }
  }
  FUZZ_CHECK(std::memchr(setup.extension, 0, sizeof setup.extension) != nullptr);
  FUZZ_CHECK(std::string(setup.extension) == extension);
  FUZZ_CHECK(setup.filterIndex == filterIndex);
  filter.resize(kCustomFilterCapacity, '\0');
  FUZZ_CHECK(std::memcmp(setup.customFilter, filter.data(), kCustomFilterCapacity) == 0);
}

void CheckFinish(const std::string& chosen, const std::string& extension, int capacity,
                 int filterIndex) {
  std::string expected = chosen;
  bool fits = chosen.size() < static_cast<size_t>(kExtensionCapacity * 2 + 8);
  const bool typedExtension = FileExtension(chosen.c_str()) != chosen.c_str();
  if (!expected.empty() && expected.back() == '.') {
    expected.pop_back();
  } else if (!typedExtension && filterIndex != kFilterAll) {
    expected = chosen + "." + extension;
    fits = fits && expected.size() < static_cast<size_t>(kExtensionCapacity * 2 + 8);
  }
  fits = fits && static_cast<int>(expected.size()) <= capacity - 1;

  std::vector<char> path(capacity > 0 ? capacity : 1, '\x55');
  const std::vector<char> before = path;
  const int done =
      FinishChosenPath(path.data(), capacity, chosen.c_str(), filterIndex, extension.c_str());
  FUZZ_CHECK(done == (fits ? 1 : 0));
  if (fits) {
    FUZZ_CHECK(std::string(path.data()) == expected);
  } else {
    FUZZ_CHECK(path == before);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzBytes in{data, size};
  const int capacity = in.Int(kExtensionCapacity * 3) - 2;
  const int filterIndex = in.Byte() % 3;
  // Lengths up to twice a path, so that every limit is passed.
  const std::string extension = in.Text(in.Int(kExtensionCapacity + 8));
  const std::string path = in.Text(600);
  CheckPrepare(path);
  CheckFinish(path, extension, capacity, filterIndex);
  return 0;
}
