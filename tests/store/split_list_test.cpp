#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "store/task_store.h"
#include "support/gbk.h"

namespace quorlin {
namespace {

using testing::Gbk;

struct SplitCase {
  std::string value;
  char separator;
  std::vector<Text> elements;
};

void PrintTo(const SplitCase& split, std::ostream* out) {
  *out << ::testing::PrintToString(split.value) << " at '" << split.separator << "'";
}

class SplitListTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitListTest, SplitsAsTheRulesSay) {
  EXPECT_EQ(SplitList(GetParam().value, GetParam().separator), GetParam().elements);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SplitListTest,
    ::testing::Values(SplitCase{"", '|', {}}, SplitCase{"a|b", '|', {"a", "b"}},
                      SplitCase{"a||b", '|', {"a", "", "b"}}, SplitCase{"|a", '|', {"", "a"}},
                      SplitCase{"a|b|", '|', {"a", "b"}}, SplitCase{"|", '|', {""}},
                      SplitCase{"||", '|', {"", ""}}, SplitCase{"abc", '|', {"abc"}},
                      SplitCase{"0,2,5", ',', {"0", "2", "5"}}, SplitCase{"0|2,5", ',', {"0|2", "5"}},
                      // 亅 is 81 7C: its second byte is "|" and must not split.
                      SplitCase{Gbk(u8"亅|亅亅|"), '|', {Gbk(u8"亅"), Gbk(u8"亅亅")}},
                      SplitCase{
                          Gbk(u8"第1课 时态|第2课 从句"), '|', {Gbk(u8"第1课 时态"), Gbk(u8"第2课 从句")}},
                      // A lead byte at the very end is a character of its own.
                      SplitCase{"a|\x81", '|', {"a", "\x81"}}));

}  // namespace
}  // namespace quorlin
