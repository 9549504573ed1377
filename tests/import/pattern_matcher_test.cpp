#include "import/pattern_matcher.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "support/gbk.h"

namespace quorlin {
namespace {

using testing::Gbk;
using testing::Utf8;

struct Found {
  Text text;
  int position;
  bool operator==(const Found&) const = default;
};

void PrintTo(const Found& found, std::ostream* out) {
  *out << '"' << Utf8(found.text) << "\"@" << found.position;
}

std::vector<Found> AllMatches(const PatternMatcher& matcher) {
  std::vector<Found> found;
  for (int i = 1; i <= matcher.GetMatchCount(); ++i) {
    int position = -7;
    Text text = matcher.GetMatchText(i, &position);
    found.push_back({text, position});
  }
  return found;
}

TEST(PatternMatcher, IsEmptyBeforeTheFirstSearch) {
  PatternMatcher matcher;
  int position = 5;
  EXPECT_EQ(matcher.GetPattern(), "");
  EXPECT_EQ(matcher.GetMatchCount(), 0);
  EXPECT_EQ(matcher.GetSubMatchCount(), 0);
  EXPECT_EQ(matcher.GetMatchText(1, &position), "");
  EXPECT_EQ(position, -1);
  EXPECT_EQ(matcher.ReplaceMatches("x"), "");
}

TEST(PatternMatcher, ASearchWithoutMatchesSucceedsAndReadsAsEmpty) {
  PatternMatcher matcher;
  ASSERT_TRUE(matcher.Search("(x)y", "abc"));
  int position = 5;
  EXPECT_EQ(matcher.GetMatchCount(), 0);
  EXPECT_EQ(matcher.GetSubMatchCount(), 0);
  EXPECT_EQ(matcher.GetMatchText(1, &position), "");
  EXPECT_EQ(position, -1);
  EXPECT_EQ(matcher.GetSubMatchText(1, 1, &position), "");
  EXPECT_EQ(position, -1);
  EXPECT_EQ(matcher.ReplaceMatches("z"), "abc");
}

TEST(PatternMatcher, IndexesOutsideTheMatchesGiveEmptyText) {
  PatternMatcher matcher;
  ASSERT_TRUE(matcher.Search("(a)(b)", "ab ab"));
  ASSERT_EQ(matcher.GetMatchCount(), 2);
  const std::pair<int, int> outside[] = {{0, 1}, {3, 1}, {-1, 1}, {1, 0}, {1, 3}, {1, -1}};
  for (auto [match, group] : outside) {
    SCOPED_TRACE(std::to_string(match) + "," + std::to_string(group));
    int position = 5;
    EXPECT_EQ(matcher.GetSubMatchText(match, group, &position), "");
    EXPECT_EQ(position, -1);
  }
  for (int match : {0, 3, -1, 1000}) {
    int position = 5;
    EXPECT_EQ(matcher.GetMatchText(match, &position), "");
    EXPECT_EQ(position, -1);
  }
}

TEST(PatternMatcher, ARejectedPatternFailsSilently) {
  PatternMatcher matcher;
  ASSERT_TRUE(matcher.Search("a", "a"));
  EXPECT_FALSE(matcher.Search("(a", "aaa"));
  EXPECT_EQ(matcher.GetPattern(), "(a");  // the pattern was set before the engine rejected it
  EXPECT_EQ(matcher.GetMatchCount(), 0);
  EXPECT_EQ(matcher.GetMatchText(1), "");
  EXPECT_EQ(matcher.ReplaceMatches("b"), "");
}

TEST(PatternMatcher, APatternThatBacktracksWithoutEndGivesUpSilently) {
  // Nested repetition over a subject it cannot match tries every way to split it: without a limit this
  // runs for minutes.
  PatternMatcher matcher;
  EXPECT_FALSE(matcher.Search("^(a+)+$", std::string(40, 'a') + "b"));
  EXPECT_EQ(matcher.GetMatchCount(), 0);
  EXPECT_EQ(matcher.GetMatchText(1), "");
  // The limit is far above what ordinary patterns need.
  EXPECT_TRUE(matcher.Search("^(a+)+$", std::string(40, 'a')));
  EXPECT_EQ(matcher.GetMatchCount(), 1);
}

TEST(PatternMatcher, QuoteEscapeTurnsTheQuoteMarkIntoADoubleQuote) {
  const Text pattern = Gbk(u8"say #引号hi#引号");
  const Text quoted = "say \"hi\"";
  PatternMatcher matcher;

  ASSERT_TRUE(matcher.Search(pattern, quoted, false, true, true, true));
  EXPECT_EQ(matcher.GetPattern(), quoted);
  EXPECT_EQ(matcher.GetMatchCount(), 1);

  ASSERT_TRUE(matcher.Search(pattern, quoted));
  EXPECT_EQ(matcher.GetPattern(), pattern);
  EXPECT_EQ(matcher.GetMatchCount(), 0);
  ASSERT_TRUE(matcher.Search(pattern, pattern));
  EXPECT_EQ(matcher.GetMatchCount(), 1);

  // Only the whole mark: "#引" alone stays.
  ASSERT_TRUE(matcher.Search(Gbk(u8"#引x"), "", false, true, true, true));
  EXPECT_EQ(matcher.GetPattern(), Gbk(u8"#引x"));
}

TEST(PatternMatcher, IgnoresCaseUnlessCaseSensitive) {
  const struct {
    const char* pattern;
    const char* subject;
    bool caseSensitive;
    int count;
  } cases[] = {
      {"abc", "xABCx", false, 1},  {"abc", "xABCx", true, 0},  {"ABC", "abc", false, 1},
      {"[a-c]+", "CAB", false, 1}, {"[a-c]+", "CAB", true, 0}, {"abc", "abc", true, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.pattern) + " in " + c.subject);
    PatternMatcher matcher;
    ASSERT_TRUE(matcher.Search(c.pattern, c.subject, c.caseSensitive));
    EXPECT_EQ(matcher.GetMatchCount(), c.count);
  }
}

// Matches as the JavaScript-like dialect finds them; positions are byte offsets in the GBK subject.
TEST(PatternMatcher, FindsWhatTheDialectFinds) {
  const struct {
    const char* what;
    const char8_t* pattern;
    const char8_t* subject;
    bool multiline;
    bool global;
    std::vector<std::pair<const char8_t*, int>> matches;
  } cases[] = {
      {"global counts every match", u8"a", u8"aa", true, true, {{u8"a", 0}, {u8"a", 1}}},
      {"without global only the first", u8"a", u8"aa", true, false, {{u8"a", 0}}},
      {"positions count bytes after Chinese text",
       u8"b",
       u8"中文ab中b",
       true,
       true,
       {{u8"b", 5}, {u8"b", 8}}},
      {"Chinese matches", u8"文.", u8"中文ab文本", true, true, {{u8"文a", 2}, {u8"文本", 6}}},
      {"\\w is ASCII only", u8"\\w+", u8"文本abc_9文", true, true, {{u8"abc_9", 4}}},
      {"\\W takes Chinese", u8"\\W+", u8"ab文本c", true, true, {{u8"文本", 2}}},
      {"\\b at ASCII words only", u8"\\bx", u8"文x ax x", true, true, {{u8"x", 2}, {u8"x", 7}}},
      {"$ with multiline before a line break",
       u8"\\w$",
       u8"ab\r\ncd\nef",
       true,
       true,
       {{u8"b", 1}, {u8"d", 5}, {u8"f", 8}}},
      {"$ without multiline only at the very end", u8"\\w$", u8"ab\ncd\n", false, true, {}},
      {"^ with multiline after every line break",
       u8"^\\w",
       u8"ab\r\ncd\ref",
       true,
       true,
       {{u8"a", 0}, {u8"c", 4}, {u8"e", 7}}},
      {"^ without multiline at the start only", u8"^\\w", u8"ab\ncd", false, true, {{u8"a", 0}}},
      {"leftmost alternative first", u8"a|ab", u8"xab", true, true, {{u8"a", 1}}},
      {"greedy with backtracking", u8"(.+)\\.", u8"a.b.c", true, true, {{u8"a.b.", 0}}},
      {"empty matches step one on", u8"x*", u8"ab", true, true, {{u8"", 0}, {u8"", 1}, {u8"", 2}}},
      {"a lazy empty match does not retry at its place",
       u8"a*?",
       u8"aa",
       true,
       true,
       {{u8"", 0}, {u8"", 1}, {u8"", 2}}},
      {"\\u escapes", u8"\\u4E2D", u8"a中", true, true, {{u8"中", 1}}},
      {"[^] is any character", u8"a[^]b", u8"a\nb", true, true, {{u8"a\nb", 0}}},
      {"[] matches nothing", u8"a[]", u8"a", true, true, {}},
      {"a back reference to a group that did not take part is empty",
       u8"(x)?b\\1",
       u8"ab",
       true,
       true,
       {{u8"b", 1}}},
      {"an empty subject", u8"^", u8"", true, true, {{u8"", 0}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    PatternMatcher matcher;
    ASSERT_TRUE(matcher.Search(Gbk(c.pattern), Gbk(c.subject), false, c.multiline, c.global));
    std::vector<Found> expected;
    for (auto [text, position] : c.matches) expected.push_back({Gbk(text), position});
    EXPECT_EQ(AllMatches(matcher), expected);
  }
}

TEST(PatternMatcher, SubMatchesCountFromOneWithTheirOwnPositions) {
  PatternMatcher matcher;
  ASSERT_TRUE(matcher.Search(Gbk(u8"(文)(x)?(\\w+)"), Gbk(u8"中文ab 文c")));
  ASSERT_EQ(matcher.GetMatchCount(), 2);
  EXPECT_EQ(matcher.GetSubMatchCount(), 3);
  int position = -7;
  EXPECT_EQ(matcher.GetSubMatchText(1, 1, &position), Gbk(u8"文"));
  EXPECT_EQ(position, 2);
  EXPECT_EQ(matcher.GetSubMatchText(1, 3, &position), "ab");
  EXPECT_EQ(position, 4);
  EXPECT_EQ(matcher.GetSubMatchText(2, 3, &position), "c");
  EXPECT_EQ(position, 9);
  // The group that took no part: empty text and no position.
  position = 5;
  EXPECT_EQ(matcher.GetSubMatchText(1, 2, &position), "");
  EXPECT_EQ(position, -1);
}

TEST(PatternMatcher, AGroupThatMatchedTheEmptyTextHasAPosition) {
  PatternMatcher matcher;
  ASSERT_TRUE(matcher.Search("a(x*)b", "zab"));
  int position = -7;
  EXPECT_EQ(matcher.GetSubMatchText(1, 1, &position), "");
  EXPECT_EQ(position, 2);
}

TEST(PatternMatcher, PositionsAreTrueEvenWhenTheSameTextComesEarlier) {
  // A search for the returned text from a character index would find the first "ab" instead.
  PatternMatcher matcher;
  ASSERT_TRUE(matcher.Search("ab$", Gbk(u8"中中ab中ab")));
  int position = -7;
  EXPECT_EQ(matcher.GetMatchText(1, &position), "ab");
  EXPECT_EQ(position, 8);
}

TEST(PatternMatcher, ReplacesWithTheJavaScriptReplacementSyntax) {
  const struct {
    const char* what;
    const char8_t* pattern;
    const char8_t* subject;
    bool global;
    const char8_t* replacement;
    const char8_t* result;
  } cases[] = {
      {"groups", u8"(\\w+)\\s(\\w+)", u8"John Smith", true, u8"$2 $1", u8"Smith John"},
      {"the whole match", u8"b+", u8"abbc", true, u8"[$&]", u8"a[bb]c"},
      {"before and after", u8"b", u8"abc", true, u8"<$`|$'>", u8"a<a|c>c"},
      {"a dollar", u8"b", u8"abc", true, u8"$$1", u8"a$1c"},
      {"$0 is no group", u8"(b)", u8"abc", true, u8"$0", u8"a$0c"},
      {"a group beyond the count stays as it is", u8"(b)", u8"abc", true, u8"$2", u8"a$2c"},
      {"two digits when they name no group: one digit", u8"(b)", u8"abc", true, u8"$10", u8"ab0c"},
      {"two digits that name a group", u8"(a)(b)(c)(d)(e)(f)(g)(h)(i)(j)(k)", u8"abcdefghijk", true,
       u8"$11$01", u8"ka"},
      {"a dollar at the end", u8"b", u8"abc", true, u8"x$", u8"ax$c"},
      {"a dollar before another character", u8"b", u8"abc", true, u8"$x", u8"a$xc"},
      {"a group that took no part is empty", u8"(x)?b", u8"abc", true, u8"[$1]", u8"a[]c"},
      {"every match when global", u8"a", u8"aXa", true, u8"b", u8"bXb"},
      {"the first match otherwise", u8"a", u8"aXa", false, u8"b", u8"bXa"},
      {"Chinese around the matches", u8"文", u8"中文本文", true, u8"[$`]", u8"中[中]本[中文本]"},
      {"empty matches", u8"x*", u8"ab", true, u8"-", u8"-a-b-"},
      {"億 in the replacement keeps its second byte", u8"b", u8"abc", true, u8"億$&", u8"a億bc"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    PatternMatcher matcher;
    ASSERT_TRUE(matcher.Search(Gbk(c.pattern), Gbk(c.subject), false, true, c.global));
    EXPECT_EQ(matcher.ReplaceMatches(Gbk(c.replacement)), Gbk(c.result));
  }
}

TEST(PatternMatcher, ACopySharesTheMatchesAndKeepsItsOwnSubject) {
  PatternMatcher original;
  ASSERT_TRUE(original.Search("(b)", "abcb"));
  PatternMatcher copy(original);
  EXPECT_EQ(copy.GetPattern(), "(b)");
  EXPECT_EQ(copy.GetMatchCount(), 2);
  int position = -7;
  EXPECT_EQ(copy.GetSubMatchText(2, 1, &position), "b");
  EXPECT_EQ(position, 3);

  // A later search of the original replaces its own state only.
  ASSERT_TRUE(original.Search("x", "xyz"));
  EXPECT_EQ(copy.GetMatchCount(), 2);
  EXPECT_EQ(copy.ReplaceMatches("[$1]"), "a[b]c[b]");
  EXPECT_EQ(original.ReplaceMatches("-"), "-yz");

  PatternMatcher assigned;
  assigned = copy;
  EXPECT_EQ(assigned.ReplaceMatches("$'"), "acbc");

  PatternMatcher empty;
  PatternMatcher copyOfEmpty(empty);
  EXPECT_EQ(copyOfEmpty.GetMatchCount(), 0);
  EXPECT_EQ(copyOfEmpty.GetPattern(), "");
}

TEST(PatternMatcher, ReadsPatternAndSubjectUpToTheirFirstZeroByte) {
  using namespace std::string_literals;
  PatternMatcher matcher;
  ASSERT_TRUE(matcher.Search("b\0c"s, "abc\0b"s));
  EXPECT_EQ(matcher.GetPattern(), "b");
  EXPECT_EQ(AllMatches(matcher), (std::vector<Found>{{"b", 1}}));
  EXPECT_EQ(matcher.ReplaceMatches("x"), "axc");
}

TEST(PatternMatcher, BytesThatAreNotGbkKeepTheirOffsets) {
  // A lone lead byte before the match becomes one character for the engine yet stays one byte here.
  PatternMatcher matcher;
  ASSERT_TRUE(matcher.Search("b", "a\x81 b"));
  EXPECT_EQ(AllMatches(matcher), (std::vector<Found>{{"b", 3}}));
  EXPECT_EQ(matcher.ReplaceMatches("x"), "a\x81 x");
}

}  // namespace
}  // namespace quorlin
