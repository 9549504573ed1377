#pragma once

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

namespace quorlin::fuzzing {

// A folder of this process's own under /dev/shm (or the temporary folder) for store files.
inline const std::filesystem::path& ScratchFolder() {
  static const std::filesystem::path folder = [] {
    std::filesystem::path base = std::filesystem::exists("/dev/shm") ? std::filesystem::path("/dev/shm")
                                                                     : std::filesystem::temp_directory_path();
    std::filesystem::path dir = base / ("quorlin-fuzz-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    return dir;
  }();
  return folder;
}

inline void WriteFile(const std::filesystem::path& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// Splits fuzz input into parts at a separator byte sequence that rarely occurs by chance.
inline std::string_view NextPart(std::string_view& rest) {
  constexpr std::string_view kCut = "\xFF\x00\xFF";
  std::string_view part = rest;
  size_t at = rest.find(kCut);
  if (at == std::string_view::npos) {
    rest = {};
    return part;
  }
  part = rest.substr(0, at);
  rest.remove_prefix(at + kCut.size());
  return part;
}

[[noreturn]] inline void Fail(const char* what) {
  std::fprintf(stderr, "property broken: %s\n", what);
  std::abort();
}

}  // namespace quorlin::fuzzing
