#include "store/task_store.h"

#include <sys/stat.h>

#include <utility>

#include "store/gbk_scan.h"
#include "store/profile_cache.h"
#include "store/store_edit.h"

namespace quorlin {
namespace {

bool HoldsLineBreak(std::string_view text) { return text.find_first_of("\r\n") != std::string_view::npos; }

// A trimmed name that reads back as itself once written between "[" and "]".
bool IsWritableTaskName(std::string_view name) {
  return !name.empty() && !HoldsLineBreak(name) && EndsOnCharBoundary(name);
}

// A trimmed key that reads back as itself once written before "=": no "=" of its own, and not read as
// a header or a comment.
bool IsWritableKey(std::string_view key) {
  return !key.empty() && !HoldsLineBreak(key) && EndsOnCharBoundary(key) && key.front() != '[' &&
         key.front() != ';' && FindChar(key, '=') == std::string_view::npos;
}

// Sets keys of one section in one locked, atomic change of the file; refuses what would not read back.
bool WriteValues(const std::filesystem::path& path, std::string_view task,
                 std::vector<std::pair<std::string_view, std::string_view>> values) {
  task = TrimBlanks(task);
  if (path.empty() || !IsWritableTaskName(task)) return false;
  for (auto& [key, value] : values) {
    key = TrimBlanks(key);
    if (!IsWritableKey(key) || HoldsLineBreak(value)) return false;
  }
  const EditResult result = EditStoreFile(
      path, [&](const LoadedProfile& current) { return current.document->SetValues(task, values); });
  return result != EditResult::Failed;
}

}  // namespace

std::vector<Text> SplitList(std::string_view value, char separator) {
  std::vector<Text> elements;
  size_t start = 0;
  for (size_t at = FindChar(value, separator); at != std::string_view::npos;
       at = FindChar(value, separator, start)) {
    elements.emplace_back(value.substr(start, at - start));
    start = at + 1;
  }
  if (start < value.size()) elements.emplace_back(value.substr(start));
  return elements;
}

TaskStore::TaskStore(std::filesystem::path runDirectory)
    : runDirectory_(std::move(runDirectory)), storePath_(runDirectory_ / u8"Quorlin配置文件.ini") {}

std::filesystem::path TaskStore::StorePath() const { return storePath_; }

bool TaskStore::Exists(const std::filesystem::path& path) {
  struct stat status {};
  return !path.empty() && lstat(path.c_str(), &status) == 0;
}

std::vector<Text> TaskStore::ListTaskNames(const std::filesystem::path& path) {
  return LoadProfile(path).document->SectionNames();
}

Text TaskStore::ReadValue(const std::filesystem::path& path, std::string_view task, std::string_view key) {
  task = TrimBlanks(task);
  key = TrimBlanks(key);
  if (path.empty() || task.empty() || key.empty()) return {};
  const LoadedProfile profile = LoadProfile(path);
  return Text(profile.document->FindValue(task, key).value_or(std::string_view()));
}

bool TaskStore::WriteValue(const std::filesystem::path& path, std::string_view task, std::string_view key,
                           std::string_view value) {
  return WriteValues(path, task, {{key, value}});
}

std::vector<Text> TaskStore::ReadLessonList(std::string_view task) const {
  return SplitList(ReadValue(storePath_, task, kLessonListKey), '|');
}

std::vector<Text> TaskStore::ReadCompletionList(std::string_view task) const {
  return SplitList(ReadValue(storePath_, task, kCompletionListKey), ',');
}

bool TaskStore::WriteLessonList(std::string_view task, std::string_view lessons) const {
  return WriteValue(storePath_, task, kLessonListKey, lessons);
}

bool TaskStore::WriteCompletionList(std::string_view task, std::string_view completion) const {
  return WriteValue(storePath_, task, kCompletionListKey, completion);
}

bool TaskStore::WriteTask(std::string_view task, std::string_view lessons,
                          std::string_view completion) const {
  return WriteValues(storePath_, task, {{kLessonListKey, lessons}, {kCompletionListKey, completion}});
}

}  // namespace quorlin
