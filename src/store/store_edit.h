#pragma once

#include <filesystem>
#include <functional>
#include <optional>

#include "store/profile_cache.h"
#include "store/profile_document.h"

namespace quorlin {

enum class EditResult {
  Written,    // the change was made and the file replaced
  Unchanged,  // the edit asked for no change: the file was not touched
  Failed,     // the store could not be locked, read or replaced: the old file stays whole
};

// One read-modify-write of a store file under its lock. `edit` sees the file as it is once the lock is
// held (an empty document when there is no file) and returns the change to make, or nothing.
EditResult EditStoreFile(const std::filesystem::path& path,
                         const std::function<std::optional<Splice>(const LoadedProfile&)>& edit);

}  // namespace quorlin
