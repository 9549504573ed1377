#include "store/store_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

namespace quorlin {

StoreLock::StoreLock(const std::filesystem::path& storePath) {
  std::filesystem::path folder = storePath.parent_path();
  if (folder.empty()) folder = ".";
  const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  int result;
  do {
    result = flock(fd, LOCK_EX);
  } while (result != 0 && errno == EINTR);
  // Where the file system cannot lock (some network shares refuse it on a folder), writing unlocked
  // is still atomic; refusing every write would make the store unusable there.
  exclusive_ = result == 0;
  folderFd_ = fd;
}

StoreLock::~StoreLock() {
  // Closing the folder releases the lock.
  if (folderFd_ >= 0) close(folderFd_);
}

}  // namespace quorlin
