#include "store/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <string>

namespace quorlin {
namespace {

constexpr int kNoFault = -1;
std::atomic<int> injectedFault{kNoFault};

bool Injected(FileStep step) { return injectedFault.load() == static_cast<int>(step); }

std::atomic<unsigned> temporaryCounter{0};

// A name that no other writer uses: the process id and a counter, hidden beside the store.
std::filesystem::path TemporaryPathFor(const std::filesystem::path& path) {
  std::string name = "." + path.filename().native() + "." + std::to_string(getpid()) + "." +
                     std::to_string(temporaryCounter.fetch_add(1)) + ".tmp";
  return path.parent_path() / name;
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<size_t>(written));
  }
  return true;
}

int OpenTemporary(const std::filesystem::path& path, std::filesystem::path& temporary) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    temporary = TemporaryPathFor(path);
    // 0666 so that a new store gets the permission bits the umask allows, as any created file would.
    const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

}  // namespace

bool ReplaceFileAtomically(const std::filesystem::path& path, std::string_view bytes, int folderFd) {
  return ReplaceFileAtomically(path, {bytes}, folderFd);
}

bool ReplaceFileAtomically(const std::filesystem::path& path, std::initializer_list<std::string_view> pieces,
                           int folderFd) {
  if (Injected(FileStep::Open)) return false;
  std::filesystem::path temporary;
  const int fd = OpenTemporary(path, temporary);
  if (fd < 0) return false;

  struct stat old {};
  bool ok = true;
  if (stat(path.c_str(), &old) == 0) {
    ok = S_ISREG(old.st_mode) && fchmod(fd, old.st_mode & 07777) == 0;
  } else {
    ok = errno == ENOENT;
  }
  ok = ok && !Injected(FileStep::Write);
  for (std::string_view piece : pieces) ok = ok && WriteAll(fd, piece);
  ok = ok && !Injected(FileStep::Flush) && fsync(fd) == 0;
  ok = close(fd) == 0 && ok;
  ok = ok && !Injected(FileStep::Rename) && rename(temporary.c_str(), path.c_str()) == 0;
  if (!ok) {
    unlink(temporary.c_str());
    return false;
  }
  // The content is in place; a failure to flush the folder only risks the rename after a power cut.
  if (folderFd >= 0) fsync(folderFd);
  return true;
}

ScopedFileFault::ScopedFileFault(FileStep step) { injectedFault.store(static_cast<int>(step)); }

ScopedFileFault::~ScopedFileFault() { injectedFault.store(kNoFault); }

}  // namespace quorlin
