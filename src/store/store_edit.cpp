#include "store/store_edit.h"

#include "store/atomic_file.h"
#include "store/store_lock.h"

namespace quorlin {

EditResult EditStoreFile(const std::filesystem::path& path,
                         const std::function<std::optional<Splice>(const LoadedProfile&)>& edit) {
  StoreLock lock(path);
  if (!lock.Held()) return EditResult::Failed;
  if (lock.Exclusive()) RemoveLeftoverTemporaries(path);
  const LoadedProfile current = LoadFromDisk(path);
  if (current.state == ProfileState::Unreadable) return EditResult::Failed;
  const std::optional<Splice> change = edit(current);
  if (!change) return EditResult::Unchanged;
  const std::string_view bytes = current.document->Bytes();
  const bool replaced = ReplaceFileAtomically(
      path, {bytes.substr(0, change->at), change->insert, bytes.substr(change->at + change->erase)},
      lock.FolderFd());
  // The kept parse describes the content before this edit.
  ForgetProfile(path);
  return replaced ? EditResult::Written : EditResult::Failed;
}

}  // namespace quorlin
