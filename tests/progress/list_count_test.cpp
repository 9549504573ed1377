#include "progress/list_count.h"

#include <gtest/gtest.h>

#include "store/task_store.h"
#include "support/gbk.h"

namespace quorlin {
namespace {

// Overall progress counts lessons this way while the checklist shows SplitList's elements: both must agree.
TEST(CountListElements, AgreesWithTheSplitRule) {
  const struct {
    Text value;
    char separator;
    int count;
  } cases[] = {
      {"", '|', 0},        {"a", '|', 1},
      {"a|b", '|', 2},     {"a||b", '|', 3},
      {"|a", '|', 2},      {"a|b|", '|', 2},
      {"|", '|', 1},       {"||", '|', 2},
      {"a\x81|b", '|', 1},  // "\x81|" is one double-byte character
      {"a|\x81", '|', 2},   // a lead byte at the very end stands alone
      {"\x81", '|', 1},    {testing::Gbk(u8"第1课 时态|第2课 从句|"), '|', 2},
      {"0,,2,", ',', 3},   {"0,2", '|', 1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CountListElements(c.value, c.separator), c.count) << testing::Utf8(c.value);
    EXPECT_EQ(CountListElements(c.value, c.separator),
              static_cast<int>(SplitList(c.value, c.separator).size()))
        << testing::Utf8(c.value);
  }
}

}  // namespace
}  // namespace quorlin
