#include "store/gbk_scan.h"

#include <gtest/gtest.h>

#include "support/gbk.h"

namespace quorlin {
namespace {

using testing::Gbk;

constexpr size_t npos = std::string_view::npos;

TEST(GbkScanTest, LiteralsUsedBelowHaveASecondByteThatLooksLikeASeparator) {
  EXPECT_EQ(Gbk(u8"乚"), "\x81]");
  EXPECT_EQ(Gbk(u8"乕"), "\x81[");
  EXPECT_EQ(Gbk(u8"亅"), "\x81|");
}

TEST(GbkScanTest, FindCharNeverMatchesTheSecondByteOfACharacter) {
  EXPECT_EQ(FindChar(Gbk(u8"亅|"), '|'), 2u);
  EXPECT_EQ(FindChar(Gbk(u8"亅亅"), '|'), npos);
  EXPECT_EQ(FindChar("a|b|c", '|', 2), 3u);
}

TEST(GbkScanTest, FindLastCharSkipsClosingBracketsInsideCharacters) {
  EXPECT_EQ(FindLastChar(Gbk(u8"[a]乚"), ']'), 2u);
  EXPECT_EQ(FindLastChar(Gbk(u8"[乚"), ']'), npos);
  EXPECT_EQ(FindLastChar("[a]]", ']'), 3u);
}

TEST(GbkScanTest, FindTextMatchesOnlyAtCharacterStarts) {
  // "乕a]" holds the bytes "[a]" from its second byte on.
  EXPECT_EQ(FindText(Gbk(u8"乕a]"), "[a]"), npos);
  EXPECT_EQ(FindText(Gbk(u8"乕a][a]"), "[a]"), 4u);
  EXPECT_EQ(FindText("abc", ""), 0u);
}

TEST(GbkScanTest, ALeadByteAtTheEndStandsAlone) {
  EXPECT_EQ(FindChar("a\x81", '\x81'), 1u);
  EXPECT_FALSE(EndsOnCharBoundary("a\x81"));
  EXPECT_TRUE(EndsOnCharBoundary(Gbk(u8"a乚")));
  EXPECT_TRUE(EndsOnCharBoundary(""));
}

}  // namespace
}  // namespace quorlin
