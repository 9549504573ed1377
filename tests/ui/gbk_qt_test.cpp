#include "ui/gbk_qt.h"

#include <gtest/gtest.h>

#include <string>

#include "support/gbk.h"

namespace quorlin {
namespace {

using testing::Gbk;

TEST(GbkQtTest, ValidTextsSurviveTheRoundTrip) {
  for (const char8_t* text : {u8"", u8"日志：", u8"\r\n若删除任务 建议重启软件！", u8"abc 123"}) {
    EXPECT_EQ(ToGbk(FromGbk(Gbk(text))), Gbk(text));
  }
}

}  // namespace
}  // namespace quorlin
