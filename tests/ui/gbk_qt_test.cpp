#include "ui/gbk_qt.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/gbk.h"

namespace quorlin {
namespace {

using testing::Gbk;

// Decoding many texts at once must give each text exactly what decoding it alone gives.
TEST(GbkQtTest, DecodingTextsTogetherMatchesDecodingEachAlone) {
  const std::vector<std::vector<Text>> cases{
      {},
      {Gbk(u8"英语语法"), Gbk(u8"高等数学"), "abc"},
      {"", Gbk(u8"课"), "", ""},
      {"\x81", "A", Gbk(u8"课")},             // a lone lead byte at the end must not swallow the next text
      {"\x81\x7F", Gbk(u8"数学")},            // an invalid pair
      {"\x80", "\xA1\xA1", "x\xFF"},          // the euro sign, the ideographic space, an invalid byte
      {std::string("a\0b", 3), Gbk(u8"乙")},  // a zero byte ends a text's decoding
      {Gbk(u8"第1课 时态"), Gbk(u8"复习[高等数学]"), "|", Gbk(u8"億")},
  };
  for (const std::vector<Text>& texts : cases) {
    QStringList alone;
    for (const Text& text : texts) alone.append(FromGbk(text));
    EXPECT_EQ(FromGbkEach(texts), alone) << alone.join('/').toStdString();
  }
}

TEST(GbkQtTest, ValidTextsSurviveTheRoundTrip) {
  for (const char8_t* text : {u8"", u8"日志：", u8"\r\n若删除任务 建议重启软件！", u8"abc 123"}) {
    EXPECT_EQ(ToGbk(FromGbk(Gbk(text))), Gbk(text));
  }
}

}  // namespace
}  // namespace quorlin
