// RemoveTask on any file: it removes at most the named section, and every other task reads back as
// before.
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <utility>

#include "fuzz_support.h"
#include "store/task_removal.h"
#include "store/task_store.h"

namespace {

using Values = std::map<std::pair<std::string, std::string>, std::string>;

constexpr const char* kKeys[] = {"\xC4\xBF\xC2\xBC", "\xD2\xD1\xCD\xEA\xB3\xC9", "k"};  // 目录, 已完成, k

std::string Trimmed(std::string_view text) { return std::string(quorlin::TrimBlanks(text)); }

Values ReadAll(const std::filesystem::path& store, const std::string& except) {
  Values values;
  for (const auto& name : quorlin::TaskStore::ListTaskNames(store)) {
    if (Trimmed(name) == except || values.count({Trimmed(name), kKeys[0]})) continue;
    for (const char* key : kKeys) {
      values[{Trimmed(name), key}] = quorlin::TaskStore::ReadValue(store, name, key);
    }
  }
  return values;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view rest(reinterpret_cast<const char*>(data), size);
  std::string_view task = quorlin::fuzzing::NextPart(rest);
  const auto store = quorlin::fuzzing::ScratchFolder() / "store.ini";
  quorlin::fuzzing::WriteFile(store, rest);

  const std::string name = Trimmed(task);
  const Values before = ReadAll(store, name);
  const quorlin::RemovalOutcome outcome = quorlin::RemoveTaskWithOutcome(store, task);
  const std::string after = quorlin::fuzzing::ReadFile(store);

  if (outcome != quorlin::RemovalOutcome::Removed) {
    if (after != rest) quorlin::fuzzing::Fail("an unremoved task leaves the file as it was");
    return 0;
  }
  if (after.size() >= rest.size()) quorlin::fuzzing::Fail("a removal makes the file shorter");
  // Exactly one stretch is cut: what remains is a prefix and a suffix of the old file.
  size_t prefix = 0;
  while (prefix < after.size() && after[prefix] == rest[prefix]) ++prefix;
  if (rest.substr(rest.size() - (after.size() - prefix)) != std::string_view(after).substr(prefix)) {
    quorlin::fuzzing::Fail("only one stretch is cut");
  }
  if (ReadAll(store, name) != before) quorlin::fuzzing::Fail("every other task reads as before");
  return 0;
}
