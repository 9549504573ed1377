#include <string>

#include "import/plan_import.h"
#include "import/text_encoding.h"

namespace quorlin {
namespace {

constexpr unsigned kGbk = 936;

// UTF-16 bytes after a byte-order mark; an odd last byte is a cut-off unit and becomes U+FFFD.
std::u16string DecodeUtf16Bytes(std::string_view bytes, bool bigEndian) {
  std::u16string units;
  units.reserve(bytes.size() / 2 + 1);
  for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
    auto first = static_cast<unsigned char>(bytes[i]);
    auto second = static_cast<unsigned char>(bytes[i + 1]);
    units += static_cast<char16_t>(bigEndian ? first << 8 | second : second << 8 | first);
  }
  if (bytes.size() % 2 != 0) units += u'\uFFFD';
  return units.substr(0, units.find(u'\0'));
}

// The plan's characters. Besides UTF-8 as it should be, this accepts the forms editors commonly save:
// UTF-8 with a byte-order mark, UTF-16 with one, and GBK ("ANSI" on a Chinese Windows), which is never
// valid UTF-8 once it holds a Chinese character.
std::u16string PlanCharacters(std::string_view bytes) {
  if (bytes.starts_with("\xFF\xFE")) return DecodeUtf16Bytes(bytes.substr(2), false);
  if (bytes.starts_with("\xFE\xFF")) return DecodeUtf16Bytes(bytes.substr(2), true);
  bytes = bytes.substr(0, bytes.find('\0'));
  if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
  if (std::optional<std::u16string> units = DecodeStrictUtf8(bytes)) return std::move(*units);
  return DecodeToUtf16(bytes, kGbk);
}

// Every line end (CR LF, LF or CR) becomes "|", then one "|" at the very end is dropped.
void JoinLines(std::u16string& units) {
  size_t written = 0;
  for (size_t read = 0; read < units.size(); ++read) {
    char16_t unit = units[read];
    if (unit == u'\r' || unit == u'\n') {
      if (unit == u'\r' && read + 1 < units.size() && units[read + 1] == u'\n') ++read;
      unit = u'|';
    }
    units[written++] = unit;
  }
  units.resize(written);
  if (!units.empty() && units.back() == u'|') units.pop_back();
}

}  // namespace

Text LessonListFromPlan(std::string_view fileBytes) {
  std::u16string units = PlanCharacters(fileBytes);
  JoinLines(units);
  return EncodeFromUtf16(units, kGbk);
}

}  // namespace quorlin
