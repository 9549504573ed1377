#include "progress/percent.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <string>

#include "support/gbk.h"

namespace quorlin {
namespace {

using testing::Gbk;

// For every share up to 100% the value is the round-half-up of 1000 * done / total to whole tenths, and its
// text is the whole part followed by ".d" only when the tenths digit is not 0.
TEST(PercentOf, RoundsEveryShareUpToWholeToNearestTenthWithHalvesUp) {
  for (int total = 1; total <= 2000; ++total) {
    for (int done = 0; done <= total; ++done) {
      const long long tenths = (2000LL * done + total) / (2LL * total);
      const double percent = PercentOf(done, total);
      ASSERT_EQ(percent, static_cast<double>(tenths) / 10) << done << " of " << total;
      std::string text = std::to_string(tenths / 10);
      if (tenths % 10 != 0) text += "." + std::to_string(tenths % 10);
      ASSERT_EQ(PercentText(percent), text) << done << " of " << total;
    }
  }
}

TEST(PercentOf, KeepsTheRoundingStepsBeyondTheWhole) {
  EXPECT_EQ(PercentOf(3, 2), 150);
  EXPECT_EQ(PercentOf(7, 3), 233.3);
  EXPECT_TRUE(std::isnan(PercentOf(0, 0)));
  EXPECT_TRUE(std::isinf(PercentOf(1, 0)));
}

TEST(PercentOfSums, HandlesSumsBeyondTheIntRange) {
  EXPECT_EQ(PercentOfSums(3'000'000'000LL, 6'000'000'000LL), 50);
  EXPECT_EQ(PercentOfSums(1, 8), PercentOf(1, 8));
}

TEST(PercentText, WritesTheShortestGeneralForm) {
  const struct {
    double value;
    const char* text;
  } cases[] = {
      {66.7, "66.7"},
      {100, "100"},
      {0, "0"},
      {6.3, "6.3"},
      {0.1, "0.1"},
      {150, "150"},
      {12345678.9, "12345678.9"},  // still within 13 significant digits
      {1234567890123.4, "1234567890123"},
      {1e15, "1e+15"},
  };
  for (const auto& c : cases) EXPECT_EQ(PercentText(c.value), c.text) << c.value;
}

TEST(TextToInt, ReadsTheLeadingInteger) {
  const struct {
    Text text;
    int value;
  } cases[] = {
      {"2", 2},
      {"33.3", 33},
      {"100", 100},
      {"", 0},
      {"x1", 0},
      {" 7", 7},
      {"\t\r\n 4", 4},
      {"-1", -1},
      {"+3", 3},
      {"-", 0},
      {"- 1", 0},
      {"12abc", 12},
      {"1 2", 1},
      {"007", 7},
      {Gbk(u8"１２"), 12},
      {Gbk(u8"　5"), 5},        // ideographic space
      {Gbk(u8"　　－１"), -1},  // full-width minus
      {Gbk(u8"＋３"), 3},
      {Gbk(u8"1２3"), 123},
      {Gbk(u8"中1"), 0},
      {"\x81\x37", 0},  // the 7 is the second byte of a double-byte character
      {"\xA3", 0},      // a lead byte with nothing after it
      {Text("4\0"
            "5",
            3),
       4},
      {"2147483647", INT_MAX},
      {"-2147483648", INT_MIN},
      {"99999999999", INT_MAX},
      {"-99999999999", INT_MIN},
  };
  for (const auto& c : cases) EXPECT_EQ(TextToInt(c.text), c.value) << testing::Utf8(c.text);
}

}  // namespace
}  // namespace quorlin
