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

Text JoinLinesAndEncode(std::u16string units) {
  JoinLines(units);
  return EncodeFromUtf16(units, kGbk);
}

// Every line end becomes "|" in GBK text as ICU writes it, where CR and LF never are part of a
// double-byte character.
void JoinLineBytes(Text& text) {
  char* out = text.data();
  const char* in = text.data();
  const char* end = text.data() + text.size();
  while (in != end) {
    char c = *in++;
    if (c == '\r') {
      if (in != end && *in == '\n') ++in;
      c = '|';
    } else if (c == '\n') {
      c = '|';
    }
    *out++ = c;
  }
  text.resize(static_cast<size_t>(out - text.data()));
}

}  // namespace

// Besides UTF-8 as it should be, this accepts the forms editors commonly save: UTF-8 with a byte-order
// mark, UTF-16 with one, and GBK ("ANSI" on a Chinese Windows), which is never valid UTF-8 once it holds a
// Chinese character.
Text LessonListFromPlan(std::string_view fileBytes) {
  if (fileBytes.starts_with("\xFF\xFE"))
    return JoinLinesAndEncode(DecodeUtf16Bytes(fileBytes.substr(2), false));
  if (fileBytes.starts_with("\xFE\xFF"))
    return JoinLinesAndEncode(DecodeUtf16Bytes(fileBytes.substr(2), true));
  std::string_view text = fileBytes.substr(0, fileBytes.find('\0'));
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  if (std::optional<Text> lessons = ConvertValidUtf8ToGbk(text)) {
    // The text's last character is ASCII here exactly when its last byte is; ASCII keeps its byte in GBK.
    bool endsWithBar = !text.empty() && (text.back() == '|' || text.back() == '\r' || text.back() == '\n');
    JoinLineBytes(*lessons);
    if (endsWithBar) lessons->pop_back();
    return std::move(*lessons);
  }
  return JoinLinesAndEncode(DecodeToUtf16(text, kGbk));
}

}  // namespace quorlin
