#include "store/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <mutex>
#include <string>
#include <string_view>
#include <unordered_map>

namespace quorlin {
namespace {

constexpr int kNoFault = -1;
std::atomic<int> injectedFault{kNoFault};

bool Injected(FileStep step) { return injectedFault.load() == static_cast<int>(step); }

std::atomic<unsigned> temporaryCounter{0};

constexpr std::string_view kTemporarySuffix = ".tmp";

std::string TemporaryPrefixFor(const std::filesystem::path& path) {
  return "." + path.filename().native() + ".";
}

// A name that no other writer uses: the process id and a counter, hidden beside the store.
std::filesystem::path TemporaryPathFor(const std::filesystem::path& path) {
  std::string name = TemporaryPrefixFor(path) + std::to_string(getpid()) + "." +
                     std::to_string(temporaryCounter.fetch_add(1)) + std::string(kTemporarySuffix);
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

void RemoveLeftoverTemporaries(const std::filesystem::path& path) {
  static std::mutex sweptMutex;
  static std::unordered_map<std::string, pid_t> swept;  // store -> the process that looked (forks look again)
  {
    std::lock_guard lock(sweptMutex);
    pid_t& by = swept[path.native()];
    if (by == getpid()) return;
    by = getpid();
  }
  const std::string prefix = TemporaryPrefixFor(path);
  std::filesystem::path folder = path.parent_path();
  if (folder.empty()) folder = ".";
  std::error_code error;
  for (auto it = std::filesystem::directory_iterator(folder, error);
       !error && it != std::filesystem::directory_iterator(); it.increment(error)) {
    const std::string name = it->path().filename().native();
    if (name.starts_with(prefix) && name.ends_with(kTemporarySuffix)) {
      std::error_code ignored;
      std::filesystem::remove(it->path(), ignored);
    }
  }
}

ScopedFileFault::ScopedFileFault(FileStep step) { injectedFault.store(static_cast<int>(step)); }

ScopedFileFault::~ScopedFileFault() { injectedFault.store(kNoFault); }

}  // namespace quorlin
