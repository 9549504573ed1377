#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/task_store.h"

namespace quorlin {

// Decodes a text, up to its first zero byte, from a code page (65001 UTF-8, 936 GBK) into UTF-16.
// Invalid input is not rejected: every invalid UTF-8 sequence becomes U+FFFD.
std::u16string DecodeToUtf16(std::string_view text, unsigned codePage = 65001);

// As DecodeToUtf16, and also gives for every UTF-16 unit the offset in `text` of the bytes it came from.
std::u16string DecodeToUtf16WithOffsets(std::string_view text, unsigned codePage,
                                        std::vector<int32_t>& byteOffsets);

// Encodes UTF-16 units, up to the first zero unit, into a code page; characters it lacks become '?'
// (the invisible ones such as U+FEFF included), and so do lone surrogates.
Text EncodeFromUtf16(std::u16string_view units, unsigned codePage = 936);

Text ConvertUtf8ToGbk(std::string_view utf8);

// A text as far as its first zero byte: how every conversion and the pattern matcher read their input.
inline std::string_view UpToZero(std::string_view text) { return text.substr(0, text.find('\0')); }

// The whole of `bytes` (zero bytes included) as UTF-16 when it is well-formed UTF-8, else nothing.
std::optional<std::u16string> DecodeStrictUtf8(std::string_view bytes);

// The whole of `utf8` (zero bytes included) in GBK, '?' for what GBK lacks, when it is well-formed UTF-8,
// else nothing. Converts in one pass, without a UTF-16 copy of the text.
std::optional<Text> ConvertValidUtf8ToGbk(std::string_view utf8);

}  // namespace quorlin
