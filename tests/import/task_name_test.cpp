#include <gtest/gtest.h>

#include <string>

#include "import/pattern_matcher.h"
#include "support/gbk.h"

namespace quorlin {
namespace {

using testing::Gbk;
using testing::Utf8;

TEST(TaskNameFromPath, IsTheFileNameWithoutItsLastExtension) {
  const struct {
    const char8_t* path;
    const char8_t* name;
  } cases[] = {
      {u8"C:\\a\\b\\plan.txt", u8"plan"},
      {u8"C:\\a\\plan.v2.txt", u8"plan.v2"},
      {u8"C:\\a\\plan.tar.gz", u8"plan.tar"},
      {u8"C:\\a\\plan..txt", u8"plan."},
      {u8"C:\\My Docs\\my plan.txt", u8"my plan"},
      {u8"C:\\a\\第一章.txt", u8"第一章"},
      {u8"C:\\a\\计划 (1).txt", u8"计划 (1)"},
      {u8"C:\\a\\Tom's plan.txt", u8"s plan"},
      {u8"\\\\server\\share\\x.txt", u8"x"},
      {u8"C:\\a\\plan.TXT", u8"plan"},
      {u8"C:\\a\\README", u8""},
      {u8"C:\\a\\plan.t-x", u8""},
      {u8"C:\\a\\plan.文本", u8""},
      {u8"C:\\a\\.txt", u8""},
      // POSIX paths.
      {u8"/home/u/计划.txt", u8"计划"},
      {u8"/home/u/my.plan.md", u8"my.plan"},
      {u8"plan.txt", u8"plan"},
      {u8"/home/u/plan", u8""},
      // Characters whose second GBK byte is "|" or "\", both excluded from the name.
      {u8"C:\\a\\億年.txt", u8"億年"},
      {u8"D:\\课程\\乗り.txt", u8"乗り"},
      {u8"/home/u/墊\\乗.txt", u8"乗"},
      // A double quote is a name character; ":" and "*" are not.
      {u8"C:\\a\\\"q\".txt", u8"\"q\""},
      {u8"C:\\a\\x:y.txt", u8"y"},
      {u8"C:\\a\\a*b.txt", u8"b"},
  };
  for (const auto& c : cases) {
    Text path = Gbk(c.path);
    SCOPED_TRACE(Utf8(path));
    EXPECT_EQ(TaskNameFromPath(path), Gbk(c.name));
  }
}

}  // namespace
}  // namespace quorlin
