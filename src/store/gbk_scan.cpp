#include "store/gbk_scan.h"

#include <cstring>

namespace quorlin {

size_t FindChar(std::string_view text, char c, size_t from) {
  for (size_t at = from; at < text.size();) {
    if (text[at] == c) return at;
    at += CharLength(text, at);
  }
  return std::string_view::npos;
}

size_t FindLastChar(std::string_view text, char c) {
  size_t found = std::string_view::npos;
  for (size_t at = 0; at < text.size();) {
    if (text[at] == c) found = at;
    at += CharLength(text, at);
  }
  return found;
}

size_t FindText(std::string_view text, std::string_view needle, size_t from) {
  if (needle.empty()) return from <= text.size() ? from : std::string_view::npos;
  for (size_t at = from; at < text.size() && text.size() - at >= needle.size();) {
    if (text[at] == needle[0] && std::memcmp(text.data() + at, needle.data(), needle.size()) == 0) return at;
    at += CharLength(text, at);
  }
  return std::string_view::npos;
}

bool EndsOnCharBoundary(std::string_view text) {
  size_t at = 0;
  while (at < text.size()) {
    if (IsLeadByte(text[at])) {
      if (at + 1 == text.size()) return false;
      at += 2;
    } else {
      ++at;
    }
  }
  return true;
}

}  // namespace quorlin
