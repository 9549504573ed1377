#include "store/profile_cache.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <list>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "store/read_snapshot.h"

namespace quorlin {
namespace {

// Longer than the clock tick of any local Linux file system that keeps nanosecond times.
constexpr int64_t kSettledNanoseconds = 100'000'000;
constexpr size_t kKeptFiles = 8;

int64_t Nanoseconds(const timespec& time) { return int64_t{time.tv_sec} * 1'000'000'000 + time.tv_nsec; }

struct FileIdentity {
  dev_t device;
  ino_t inode;
  off_t size;
  int64_t modified;
  int64_t changed;

  bool operator==(const FileIdentity&) const = default;
};

FileIdentity IdentityOf(const struct stat& status) {
  return {status.st_dev, status.st_ino, status.st_size, Nanoseconds(status.st_mtim),
          Nanoseconds(status.st_ctim)};
}

// True when the file was last changed long enough ago that any further change gets other times.
bool Settled(const FileIdentity& identity) {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  const int64_t newest = identity.modified > identity.changed ? identity.modified : identity.changed;
  return Nanoseconds(now) - newest > kSettledNanoseconds;
}

struct Kept {
  std::string path;
  FileIdentity identity;
  std::shared_ptr<const ProfileDocument> document;
};

std::mutex keptMutex;
std::list<Kept> kept;  // most recently used first

const std::shared_ptr<const ProfileDocument>& EmptyDocument() {
  static const auto empty = std::make_shared<const ProfileDocument>(std::string());
  return empty;
}

bool ReadWholeFile(const std::filesystem::path& path, off_t sizeHint, std::string& bytes) {
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  bytes.clear();
  // One byte more than the expected size so that the final read that sees the end needs no growth.
  bytes.resize(static_cast<size_t>(sizeHint > 0 ? sizeHint : 0) + 1);
  size_t filled = 0;
  bool ok = true;
  for (;;) {
    if (filled == bytes.size()) bytes.resize(bytes.size() * 2);
    const ssize_t got = read(fd, bytes.data() + filled, bytes.size() - filled);
    if (got == 0) break;
    if (got < 0) {
      if (errno == EINTR) continue;
      ok = false;
      break;
    }
    filled += static_cast<size_t>(got);
  }
  close(fd);
  bytes.resize(filled);
  return ok;
}

std::shared_ptr<const ProfileDocument> FindKept(const std::string& path, const FileIdentity& identity) {
  std::lock_guard lock(keptMutex);
  for (auto it = kept.begin(); it != kept.end(); ++it) {
    if (it->path != path) continue;
    if (!(it->identity == identity)) return nullptr;
    kept.splice(kept.begin(), kept, it);
    return it->document;
  }
  return nullptr;
}

void Keep(std::string path, const FileIdentity& identity, std::shared_ptr<const ProfileDocument> document) {
  std::lock_guard lock(keptMutex);
  kept.remove_if([&](const Kept& entry) { return entry.path == path; });
  kept.push_front(Kept{std::move(path), identity, std::move(document)});
  if (kept.size() > kKeptFiles) kept.pop_back();
}

// The files pinned by the snapshots alive on this thread, each as it was at its first read.
struct Pinned {
  std::string path;
  LoadedProfile profile;
};
thread_local int snapshotDepth = 0;
thread_local std::vector<Pinned> pinned;

}  // namespace

StoreReadSnapshot::StoreReadSnapshot() { ++snapshotDepth; }

StoreReadSnapshot::~StoreReadSnapshot() {
  if (--snapshotDepth == 0) pinned.clear();
}

LoadedProfile LoadProfile(const std::filesystem::path& path) {
  if (snapshotDepth == 0) return LoadFromDisk(path);
  for (const Pinned& entry : pinned) {
    if (entry.path == path.native()) return entry.profile;
  }
  LoadedProfile profile = LoadFromDisk(path);
  pinned.push_back({path.native(), profile});
  return profile;
}

LoadedProfile LoadFromDisk(const std::filesystem::path& path) {
  struct stat status {};
  if (stat(path.c_str(), &status) != 0) {
    return {errno == ENOENT || errno == ENOTDIR ? ProfileState::Missing : ProfileState::Unreadable,
            EmptyDocument()};
  }
  if (!S_ISREG(status.st_mode)) return {ProfileState::Unreadable, EmptyDocument()};

  const FileIdentity identity = IdentityOf(status);
  if (auto document = FindKept(path.native(), identity)) return {ProfileState::Loaded, std::move(document)};

  // Judged before reading: a change after this moment gets times that differ from `identity`.
  const bool settled = Settled(identity);
  std::string bytes;
  if (!ReadWholeFile(path, status.st_size, bytes)) return {ProfileState::Unreadable, EmptyDocument()};
  auto document = std::make_shared<const ProfileDocument>(std::move(bytes));
  if (settled) Keep(path.native(), identity, document);
  return {ProfileState::Loaded, std::move(document)};
}

void ForgetProfile(const std::filesystem::path& path) {
  std::erase_if(pinned, [&](const Pinned& entry) { return entry.path == path.native(); });
  std::lock_guard lock(keptMutex);
  kept.remove_if([&](const Kept& entry) { return entry.path == path.native(); });
}

}  // namespace quorlin
