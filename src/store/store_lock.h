#pragma once

#include <filesystem>

namespace quorlin {

// An exclusive advisory lock (flock) on the folder that holds a store file, held for one
// read-modify-write so that two running instances never lose each other's update.
//
// The folder is locked rather than the file because every write replaces the file by a new one: a lock
// on the old file would no longer guard the path. The folder stays the same, and locking it needs no
// extra lock file beside the store.
class StoreLock {
 public:
  // Waits until the lock is held. Held() is false when the folder cannot be opened; on a file system
  // that cannot lock a folder at all, the folder is open but unlocked.
  explicit StoreLock(const std::filesystem::path& storePath);
  ~StoreLock();
  StoreLock(const StoreLock&) = delete;
  StoreLock& operator=(const StoreLock&) = delete;

  bool Held() const { return folderFd_ >= 0; }
  // True when no other writer can hold the lock now (the file system did lock the folder).
  bool Exclusive() const { return exclusive_; }
  int FolderFd() const { return folderFd_; }

 private:
  int folderFd_ = -1;
  bool exclusive_ = false;
};

}  // namespace quorlin
