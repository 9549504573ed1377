#pragma once

#include <filesystem>
#include <string_view>

namespace quorlin {

enum class RemovalOutcome {
  Removed,      // the section was cut out and the file rewritten
  NotFound,     // no store, or no section of that name: the file is untouched
  WriteFailed,  // the store could not be read or rewritten (or is a folder): the old file stays whole
};

// Cuts the section of `task` out of the store file, keeping every other byte as it was.
RemovalOutcome RemoveTaskWithOutcome(const std::filesystem::path& path, std::string_view task);

// True when the section was removed and the file written.
bool RemoveTask(const std::filesystem::path& path, std::string_view task);

}  // namespace quorlin
