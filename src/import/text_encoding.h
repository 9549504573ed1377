#pragma once

#include <string>
#include <string_view>

#include "store/task_store.h"

namespace quorlin {

// Decodes a text, up to its first zero byte, from a code page (65001 UTF-8, 936 GBK) into UTF-16.
// Invalid input is not rejected: every invalid UTF-8 sequence becomes U+FFFD.
std::u16string DecodeToUtf16(std::string_view text, unsigned codePage = 65001);

// Encodes UTF-16 units, up to the first zero unit, into a code page; characters it lacks become '?'.
Text EncodeFromUtf16(std::u16string_view units, unsigned codePage = 936);

Text ConvertUtf8ToGbk(std::string_view utf8);

}  // namespace quorlin
