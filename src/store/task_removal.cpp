#include "store/task_removal.h"

#include "store/profile_document.h"
#include "store/store_edit.h"
#include "store/task_store.h"

namespace quorlin {

RemovalOutcome RemoveTaskWithOutcome(const std::filesystem::path& path, std::string_view task) {
  task = TrimBlanks(task);
  if (task.empty() || !TaskStore::Exists(path)) return RemovalOutcome::NotFound;
  const EditResult result = EditStoreFile(
      path, [&](const LoadedProfile& current) { return current.document->RemoveSection(task); });
  switch (result) {
    case EditResult::Written:
      return RemovalOutcome::Removed;
    case EditResult::Unchanged:
      return RemovalOutcome::NotFound;
    case EditResult::Failed:
      break;
  }
  return RemovalOutcome::WriteFailed;
}

bool RemoveTask(const std::filesystem::path& path, std::string_view task) {
  return RemoveTaskWithOutcome(path, task) == RemovalOutcome::Removed;
}

}  // namespace quorlin
