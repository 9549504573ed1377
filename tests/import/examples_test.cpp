// The plans in examples/ are what a new user imports first: they must come through whole.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "import/pattern_matcher.h"
#include "import/plan_import.h"
#include "import/text_encoding.h"
#include "support/gbk.h"

namespace quorlin {
namespace {

TEST(Examples, AreUtf8PlansThatConvertWithoutLoss) {
  int plans = 0;
  for (const auto& entry : std::filesystem::directory_iterator(QUORLIN_EXAMPLES_DIR)) {
    if (entry.path().extension() != ".txt") continue;
    ++plans;
    SCOPED_TRACE(entry.path().filename().string());
    std::ifstream in(entry.path(), std::ios::binary);
    std::string bytes(std::istreambuf_iterator<char>(in), {});
    ASSERT_TRUE(DecodeStrictUtf8(bytes).has_value());
    EXPECT_FALSE(bytes.starts_with("\xEF\xBB\xBF"));
    Text lessons = LessonListFromPlan(bytes);
    EXPECT_EQ(lessons.find('?'), Text::npos) << testing::Utf8(lessons);
    EXPECT_GE(SplitList(lessons, '|').size(), 3u);
    EXPECT_FALSE(TaskNameFromPath(testing::Gbk(entry.path().string())).empty());
  }
  EXPECT_GE(plans, 2);
}

}  // namespace
}  // namespace quorlin
