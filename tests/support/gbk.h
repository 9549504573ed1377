#pragma once

#include <string>
#include <string_view>

#include "import/text_encoding.h"

namespace quorlin::testing {

// GBK bytes of a UTF-8 literal, so that tests can be written in readable Chinese.
inline Text Gbk(std::string_view utf8) { return ConvertUtf8ToGbk(utf8); }
inline Text Gbk(std::u8string_view utf8) {
  return ConvertUtf8ToGbk(std::string_view(reinterpret_cast<const char*>(utf8.data()), utf8.size()));
}

// UTF-8 form of GBK bytes, for readable failure messages.
inline std::string Utf8(std::string_view gbk) { return EncodeFromUtf16(DecodeToUtf16(gbk, 936), 65001); }

}  // namespace quorlin::testing
