#include "import/text_encoding.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorlin {
namespace {

using namespace std::string_literals;

// These cases spell GBK bytes out in hex: the readable test helper rests on the very conversion
// under test.
TEST(ConvertUtf8ToGbk, ConvertsTheTextUpToItsFirstZeroByte) {
  const struct {
    const char* what;
    std::string utf8;
    std::string gbk;
  } cases[] = {
      {"empty", "", ""},
      {"ASCII, CR LF and | unchanged", "a|b\r\nc d", "a|b\r\nc d"},
      {"中文", "\xE4\xB8\xAD\xE6\x96\x87", "\xD6\xD0\xCE\xC4"},
      {"億 keeps its second byte |", "\xE5\x84\x84", "\x83|"},
      {"a byte-order mark is a character GBK lacks",
       "\xEF\xBB\xBF"
       "a",
       "?a"},
      {"zero-width space, which ICU would drop",
       "a\xE2\x80\x8B"
       "b",
       "a?b"},
      {"a character outside the BMP",
       "a\xF0\x9F\x98\x80"
       "b",
       "a?b"},
      {"a stray continuation byte",
       "a\x80"
       "b",
       "a?b"},
      {"a byte that never starts UTF-8",
       "a\xFF"
       "b",
       "a?b"},
      {"cut off in the middle of a sequence", "a\xE4\xB8", "a?"},
      {"a sequence cut short before ASCII",
       "\xE4\xB8"
       "a",
       "?a"},
      {"bytes after a zero byte play no part", "ab\0\xE4\xB8\xAD"s, "ab"},
      {"a zero byte first", "\0ab"s, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(ConvertUtf8ToGbk(c.utf8), c.gbk);
  }
}

TEST(ConvertUtf8ToGbk, GbkFedInsteadOfUtf8ComesOutAsQuestionMarks) {
  // 中文 in GBK is not UTF-8: every byte is invalid.
  Text result = ConvertUtf8ToGbk("\xD6\xD0\xCE\xC4");
  EXPECT_EQ(result.find_first_not_of('?'), Text::npos);
  EXPECT_FALSE(result.empty());
}

TEST(DecodeToUtf16, DecodesTheChosenCodePage) {
  const struct {
    const char* what;
    std::string text;
    unsigned codePage;
    std::u16string units;
  } cases[] = {
      {"UTF-8 by default",
       "\xE4\xB8\xAD"
       "a",
       65001,
       u"\u4E2D"
       "a"},
      {"GBK",
       "\xD6\xD0"
       "a",
       936,
       u"\u4E2D"
       "a"},
      {"invalid UTF-8 becomes U+FFFD", "\xFF", 65001, u"\uFFFD"},
      {"a GBK lead byte without its second byte", "a\x81", 936, u"a\uFFFD"},
      {"up to the first zero byte", "a\0b"s, 65001, u"a"},
      {"an unknown code page gives nothing", "abc", 4242, u""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(DecodeToUtf16(c.text, c.codePage), c.units);
  }
  EXPECT_EQ(DecodeToUtf16("\xE4\xB8\xAD"), u"\u4E2D");
}

TEST(EncodeFromUtf16, EncodesUpToTheFirstZeroUnitWithQuestionMarksForWhatIsMissing) {
  const struct {
    const char* what;
    std::u16string units;
    unsigned codePage;
    std::string text;
  } cases[] = {
      {"GBK", u"\u4E2D\u6587", 936, "\xD6\xD0\xCE\xC4"},
      {"U+FEFF",
       u"\uFEFF"
       "a",
       936, "?a"},
      {"a lone high surrogate",
       u"a\xD83D"
       "b",
       936, "a?b"},
      {"a lone low surrogate", u"a\xDE00", 936, "a?"},
      {"up to the first zero unit", u"a\0b"s, 936, "a"},
      {"UTF-8", u"\u4E2D", 65001, "\xE4\xB8\xAD"},
      {"an unknown code page gives nothing", u"abc", 4242, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(EncodeFromUtf16(c.units, c.codePage), c.text);
  }
}

TEST(DecodeToUtf16WithOffsets, GivesTheByteOffsetOfEveryUnit) {
  std::vector<int32_t> offsets{99};
  // a 中 b, then a lead byte without a valid second byte
  EXPECT_EQ(DecodeToUtf16WithOffsets("a\xD6\xD0"
                                     "b\x81 c",
                                     936, offsets),
            u"a\u4E2D"
            "b\uFFFD c");
  EXPECT_EQ(offsets, (std::vector<int32_t>{0, 1, 3, 4, 5, 6}));

  EXPECT_EQ(DecodeToUtf16WithOffsets("", 936, offsets), u"");
  EXPECT_TRUE(offsets.empty());
}

TEST(DecodeStrictUtf8, AcceptsOnlyWellFormedUtf8) {
  const struct {
    const char* what;
    std::string bytes;
    bool valid;
  } cases[] = {
      {"empty", "", true},
      {"ASCII", "abc\r\n", true},
      {"Chinese", "\xE4\xB8\xAD\xE6\x96\x87", true},
      {"a zero byte is a character", "a\0b"s, true},
      {"GBK", "\xD6\xD0\xCE\xC4", false},
      {"cut off at the end", "a\xE4\xB8", false},
      {"overlong", "\xC0\xAF", false},
      {"an encoded surrogate", "\xED\xA0\x80", false},
      {"a stray continuation byte", "\x80", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::optional<std::u16string> units = DecodeStrictUtf8(c.bytes);
    EXPECT_EQ(units.has_value(), c.valid);
  }
  EXPECT_EQ(DecodeStrictUtf8("a\0\xE4\xB8\xAD"s), u"a\0\u4E2D"s);
}

TEST(ConvertValidUtf8ToGbk, ConvertsWellFormedUtf8AndRefusesTheRest) {
  const struct {
    const char* what;
    std::string utf8;
    std::optional<std::string> gbk;
  } cases[] = {
      {"empty", "", ""},
      {"Chinese and line ends", "\xE4\xB8\xAD\r\n\xE6\x96\x87", "\xD6\xD0\r\n\xCE\xC4"},
      {"a byte-order mark becomes ?",
       "\xEF\xBB\xBF"
       "a",
       "?a"},
      {"a character outside the BMP becomes one ?", "\xF0\x9F\x98\x80", "?"},
      {"a zero byte is kept", "a\0b"s, "a\0b"s},
      {"GBK", "\xD6\xD0\xCE\xC4", std::nullopt},
      {"cut off at the end", "a\xE4\xB8", std::nullopt},
      {"a stray continuation byte", "a\x80", std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(ConvertValidUtf8ToGbk(c.utf8), c.gbk);
  }
}

}  // namespace
}  // namespace quorlin
