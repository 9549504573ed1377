#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace quorlin {

// Every text inside the core is a byte string in code page 936 (GBK).
using Text = std::string;

// The keys of a task's section: its lesson list ("目录") and its completion list ("已完成").
inline constexpr std::string_view kLessonListKey = "\xC4\xBF\xC2\xBC";
inline constexpr std::string_view kCompletionListKey = "\xD2\xD1\xCD\xEA\xB3\xC9";

// A task name or key as the store keeps and matches it: without blanks (space, tab) at either end.
std::string_view TrimBlanks(std::string_view text);

// Splits a list value at a one-byte separator. Double-byte characters are stepped over whole, an empty
// value has no elements and a separator at the very end adds no empty element.
std::vector<Text> SplitList(std::string_view value, char separator);

// The task store: one INI profile file beside the executable, one section per task with the keys
// 目录 (lesson list) and 已完成 (completion list).
class TaskStore {
 public:
  explicit TaskStore(std::filesystem::path runDirectory);

  std::filesystem::path StorePath() const;

  static bool Exists(const std::filesystem::path& path);
  static std::vector<Text> ListTaskNames(const std::filesystem::path& path);
  static Text ReadValue(const std::filesystem::path& path, std::string_view task, std::string_view key);
  static bool WriteValue(const std::filesystem::path& path, std::string_view task, std::string_view key,
                         std::string_view value);

  std::vector<Text> ReadLessonList(std::string_view task) const;
  std::vector<Text> ReadCompletionList(std::string_view task) const;
  bool WriteLessonList(std::string_view task, std::string_view lessons) const;
  bool WriteCompletionList(std::string_view task, std::string_view completion) const;

  // Writes both lists of a task in one change of the file, lesson list first: the task is never seen
  // with its new lessons and its old ticks.
  bool WriteTask(std::string_view task, std::string_view lessons, std::string_view completion) const;

 private:
  std::filesystem::path runDirectory_;
  std::filesystem::path storePath_;  // built once from runDirectory_, which never changes
};

}  // namespace quorlin
