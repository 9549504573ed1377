#include <gtest/gtest.h>

#include <string>

#include "import/plan_import.h"
#include "support/gbk.h"

namespace quorlin {
namespace {

using namespace std::string_literals;
using testing::Gbk;
using testing::Utf8;

std::string Utf16Bytes(std::u16string_view units, bool bigEndian) {
  std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
  for (char16_t unit : units) {
    char high = static_cast<char>(unit >> 8);
    char low = static_cast<char>(unit & 0xFF);
    bytes += bigEndian ? high : low;
    bytes += bigEndian ? low : high;
  }
  return bytes;
}

std::string Utf8Bytes(const char8_t* text) { return reinterpret_cast<const char*>(text); }

TEST(LessonListFromPlan, JoinsThePlanLinesWithBars) {
  const struct {
    const char* what;
    std::string plan;
    const char8_t* lessons;
  } cases[] = {
      {"two lines, each ended", Utf8Bytes(u8"第1课 时态\r\n第2课 从句\r\n"), u8"第1课 时态|第2课 从句"},
      {"two lines, the last not ended", Utf8Bytes(u8"第1课 时态\r\n第2课 从句"), u8"第1课 时态|第2课 从句"},
      {"a trailing blank line keeps one bar", "a\r\nb\r\n\r\n", u8"a|b|"},
      {"a blank line in the middle is an empty lesson", "a\r\n\r\nb", u8"a||b"},
      {"a blank first line", "\r\na", u8"|a"},
      {"a bar inside a line stays", "a|b\r\nc", u8"a|b|c"},
      {"a lone bar", "|", u8""},
      {"億 at the very end stays whole", Utf8Bytes(u8"a\r\n億"), u8"a|億"},
      {"億 before the last line end stays whole", Utf8Bytes(u8"墊\r\n億\r\n"), u8"墊|億"},
      {"an empty file", "", u8""},
      {"only a line end", "\r\n", u8""},
      {"lone LF ends lines", "a\nb\n", u8"a|b"},
      {"lone CR ends lines", "a\rb", u8"a|b"},
      {"every kind of line end in one file", "a\r\nb\nc\rd\n\re", u8"a|b|c|d||e"},
      {"CR before CR LF is two line ends", "a\r\r\nb", u8"a||b"},
      {"bytes after a zero byte play no part", "a\r\nb\0c\r\nd"s, u8"a|b"},
      {"a UTF-8 byte-order mark is skipped", Utf8Bytes(u8"\uFEFF第1课\r\n第2课\r\n"), u8"第1课|第2课"},
      {"a second byte-order mark is a character", Utf8Bytes(u8"\uFEFF\uFEFFa"), u8"?a"},
      {"characters GBK lacks", Utf8Bytes(u8"a😀b\u200Bc"), u8"a?b?c"},
      {"UTF-16 LE", Utf16Bytes(u"第1课\r\n第2课\r\n", false), u8"第1课|第2课"},
      {"UTF-16 BE", Utf16Bytes(u"第1课\n億", true), u8"第1课|億"},
      {"UTF-16 up to its first zero unit", Utf16Bytes(u"a\nb\0c"s, false), u8"a|b"},
      {"UTF-16 cut off in a unit", Utf16Bytes(u"ab", false) + "c", u8"ab?"},
      {"UTF-16 with only its mark", "\xFF\xFE", u8""},
      {"a GBK file", Gbk(u8"第1课 时态\r\n第2课 从句\r\n"), u8"第1课 时态|第2课 从句"},
      {"a GBK file ending in 億", Gbk(u8"课\r\n億\r\n"), u8"课|億"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Text lessons = LessonListFromPlan(c.plan);
    EXPECT_EQ(lessons, Gbk(c.lessons)) << Utf8(lessons);
  }
}

TEST(LessonListFromPlan, NeverHandsALineBreakToTheStore) {
  for (std::string plan : {"\r"s, "\n"s, "\r\r\n\n"s, "x\xFF\r\n\ry"s, Utf16Bytes(u"\r\n\n\r", true)}) {
    Text lessons = LessonListFromPlan(plan);
    EXPECT_EQ(lessons.find_first_of("\r\n"), Text::npos) << Utf8(lessons);
  }
}

}  // namespace
}  // namespace quorlin
