// The profile parser and writer: load any file, make one write, and every value the write did not
// target reads back the same; the written one reads back exactly; a refused write changes no byte.
#include <algorithm>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "fuzz_support.h"
#include "store/task_store.h"

namespace {

using quorlin::TaskStore;
using Values = std::map<std::pair<std::string, std::string>, std::string>;

std::string Trimmed(std::string_view text) { return std::string(quorlin::TrimBlanks(text)); }

Values ReadAll(const std::filesystem::path& store, const std::vector<std::string>& keys) {
  Values values;
  for (const auto& name : TaskStore::ListTaskNames(store)) {
    for (const auto& key : keys) {
      values.emplace(std::make_pair(Trimmed(name), Trimmed(key)), TaskStore::ReadValue(store, name, key));
    }
  }
  return values;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view rest(reinterpret_cast<const char*>(data), size);
  const std::string task(quorlin::fuzzing::NextPart(rest));
  const std::string key(quorlin::fuzzing::NextPart(rest));
  const std::string value(quorlin::fuzzing::NextPart(rest));
  const std::string_view file = rest;

  const TaskStore taskStore(quorlin::fuzzing::ScratchFolder());
  const auto store = taskStore.StorePath();
  quorlin::fuzzing::WriteFile(store, file);
  const std::string lessonKey(quorlin::kLessonListKey);
  const std::string completionKey(quorlin::kCompletionListKey);
  const std::vector<std::string> keys = {lessonKey, completionKey, key};
  Values before = ReadAll(store, keys);
  const auto namesBefore = TaskStore::ListTaskNames(store);

  // A one-key write, or, when the key part is empty, both lists of a task at once as an import writes
  // them (the value as lessons, the file's first line as ticks).
  const bool bothLists = key.empty();
  const std::string ticks(file.substr(0, file.find_first_of("\r\n")));
  const bool written =
      bothLists ? taskStore.WriteTask(task, value, ticks) : TaskStore::WriteValue(store, task, key, value);
  if (!written) {
    if (quorlin::fuzzing::ReadFile(store) != file) quorlin::fuzzing::Fail("a refused write changes nothing");
    return 0;
  }
  std::vector<std::string> targets = {key};
  if (bothLists) {
    targets = {lessonKey, completionKey};
    if (TaskStore::ReadValue(store, task, completionKey) != ticks) quorlin::fuzzing::Fail("ticks read back");
  }
  if (TaskStore::ReadValue(store, task, targets.front()) != value)
    quorlin::fuzzing::Fail("the value reads back");

  Values after = ReadAll(store, keys);
  for (const auto& target : targets) {
    before.erase({Trimmed(task), Trimmed(target)});
    after.erase({Trimmed(task), Trimmed(target)});
  }
  for (const auto& [where, old] : before) {
    auto now = after.find(where);
    if (now == after.end() || now->second != old) quorlin::fuzzing::Fail("untouched values stay");
  }
  const auto namesAfter = TaskStore::ListTaskNames(store);
  if (namesAfter.size() < namesBefore.size() ||
      !std::equal(namesBefore.begin(), namesBefore.end(), namesAfter.begin())) {
    quorlin::fuzzing::Fail("sections keep their order and none is lost");
  }
  return 0;
}
