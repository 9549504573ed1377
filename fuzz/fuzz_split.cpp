// SplitList and TextToInt: splitting never loses a byte, and numbers parse like the C library's.
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_support.h"
#include "progress/percent.h"
#include "store/task_store.h"

using quorlin::fuzzing::Fail;

namespace {

// How many one-byte separators the value holds, and whether its last character is one; double-byte
// characters are stepped over whole.
struct SeparatorScan {
  int count = 0;
  bool last = false;
};

SeparatorScan ScanSeparators(std::string_view value, char separator) {
  SeparatorScan scan;
  for (size_t i = 0; i < value.size(); ++i) {
    scan.last = value[i] == separator;
    if (scan.last) ++scan.count;
    if (static_cast<unsigned char>(value[i]) >= 0x80) ++i;
  }
  return scan;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view value(reinterpret_cast<const char*>(data), size);
  for (char separator : {'|', ','}) {
    auto elements = quorlin::SplitList(value, separator);
    std::string joined;
    for (size_t i = 0; i < elements.size(); ++i) {
      if (i > 0) joined += separator;
      joined += elements[i];
    }
    if (ScanSeparators(value, separator).last) joined += separator;
    if (joined != value) Fail("joining the elements gives back the value");
    if (value.empty() != elements.empty()) Fail("only the empty value has no elements");
    for (const auto& element : elements) {
      if (ScanSeparators(element, separator).count != 0) Fail("no separator inside an element");
    }
  }

  int number = quorlin::TextToInt(value);
  bool plainDigits =
      !value.empty() && value.size() <= 9 && value.find_first_not_of("0123456789") == std::string_view::npos;
  if (plainDigits && number != std::stoi(std::string(value))) Fail("digits read as their number");
  return 0;
}
