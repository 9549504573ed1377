#pragma once

#include <filesystem>
#include <memory>

#include "store/profile_document.h"

namespace quorlin {

enum class ProfileState {
  Missing,     // nothing at the path: the document is empty
  Loaded,      // a regular file, read and parsed
  Unreadable,  // something is there that cannot be read as a file (a folder, no permission, a read error)
};

struct LoadedProfile {
  ProfileState state = ProfileState::Missing;
  std::shared_ptr<const ProfileDocument> document;  // never null; empty unless Loaded
};

// The store file as it is on disk now. An unchanged file is not read and parsed again: the last parse of
// each path is kept with the file's device, inode, size, modification and change times (to the
// nanosecond), checked by one stat. A parse made while the file was only moments old is not reused,
// because a second change within the same tick of the file system's clock could leave all of those equal.
// Inside a StoreReadSnapshot, the version pinned at the snapshot's first read of the path.
LoadedProfile LoadProfile(const std::filesystem::path& path);

// The file as it is on disk now, whatever snapshot is alive: what a read-modify-write must start from.
LoadedProfile LoadFromDisk(const std::filesystem::path& path);

// Drops the kept parse of a path, after this process rewrote the file.
void ForgetProfile(const std::filesystem::path& path);

}  // namespace quorlin
