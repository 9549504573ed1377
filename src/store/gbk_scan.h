#pragma once

#include <cstddef>
#include <string_view>

namespace quorlin {

// Scanning of GBK text one character at a time: a byte of 0x80 or above and the byte after it are one
// double-byte character, every other byte is a character of its own. A one-byte search never matches the
// second byte of a double-byte character, since in GBK each of @ [ \ ] ^ _ { | } is also a second byte.

inline bool IsLeadByte(char c) { return static_cast<unsigned char>(c) >= 0x80; }

// Byte length of the character starting at `at`; a lead byte at the very end stands alone.
inline size_t CharLength(std::string_view text, size_t at) {
  return IsLeadByte(text[at]) && at + 1 < text.size() ? 2 : 1;
}

// Position of the first character equal to `c`, searching from `from` (a character start), or npos.
size_t FindChar(std::string_view text, char c, size_t from = 0);

// Position of the last character equal to `c`, or npos.
size_t FindLastChar(std::string_view text, char c);

// Position of the first occurrence of `needle` that begins at a character start, or npos.
size_t FindText(std::string_view text, std::string_view needle, size_t from = 0);

// True when the text ends on a character boundary: its last byte is not a lone lead byte that would
// swallow whatever byte is put after it.
bool EndsOnCharBoundary(std::string_view text);

}  // namespace quorlin
