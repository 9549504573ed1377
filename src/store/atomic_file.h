#pragma once

#include <filesystem>
#include <initializer_list>
#include <string_view>

namespace quorlin {

// Replaces a file's whole content so that readers see either the old bytes or the new ones: the new
// content goes to a temporary file in the same folder, is flushed to disk and renamed over the file.
// An existing file keeps its permission bits; a new one gets the usual ones of the process. On failure
// the temporary file is removed, the old file stays whole and the result is false.
// `folderFd`, when not -1, is the open folder, flushed after the rename so that the rename itself lasts.
bool ReplaceFileAtomically(const std::filesystem::path& path, std::string_view bytes, int folderFd = -1);

// The same with the new content given as pieces written one after the other, so that an edit in the
// middle of a large file needs no copy of the whole file first.
bool ReplaceFileAtomically(const std::filesystem::path& path, std::initializer_list<std::string_view> pieces,
                           int folderFd = -1);

// Removes the temporary files that replacements of `path` left behind when their process was killed
// mid-write. Only for a caller that holds the store's lock, so that no live write's file is taken; it
// looks once per process and store.
void RemoveLeftoverTemporaries(const std::filesystem::path& path);

// The steps of a replacement at which a test can make it fail.
enum class FileStep { Open, Write, Flush, Rename };

// While alive, every replacement fails at `step` as if the system had refused it. Lets tests show that
// a failed write leaves the store whole even when running as root, where permission bits refuse nothing.
class ScopedFileFault {
 public:
  explicit ScopedFileFault(FileStep step);
  ~ScopedFileFault();
  ScopedFileFault(const ScopedFileFault&) = delete;
  ScopedFileFault& operator=(const ScopedFileFault&) = delete;
};

}  // namespace quorlin
