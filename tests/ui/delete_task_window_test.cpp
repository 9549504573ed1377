#include "ui/delete_task_window.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QPushButton>
#include <optional>
#include <string>
#include <vector>

#include "store/atomic_file.h"
#include "support/fake_dialogs.h"
#include "support/gbk.h"
#include "ui_test_support.h"

namespace quorlin {
namespace {

using testing::FakeDialogs;
using testing::Gbk;
using testing::StoreFolder;

enum class Trouble { None, RemovedMeanwhile, WriteFails };

struct Row {
  const char* name;
  int selected;
  Trouble trouble;
  const char8_t* message;
  std::optional<int> exitCode;
  const char8_t* storeAfter;  // nullptr: byte for byte as before
};

constexpr char8_t kStore[] =
    u8"[英语]\r\n目录=a|b\r\n已完成=0\r\n[数学]\r\n目录=x\r\n已完成=\r\n[物理]\r\n目录=y\r\n";

TEST(DeleteTaskWindowTest, OnlyARealRemovalIsReportedAsSuccessAndEndsTheProgram) {
  const std::vector<Row> rows{
      {"placeholder selected", 0, Trouble::None, u8"请先选择要删除的任务", std::nullopt, nullptr},
      {"task already gone", 2, Trouble::RemovedMeanwhile, u8"删除失败 未找到该任务", std::nullopt,
       u8"[英语]\r\n目录=a|b\r\n已完成=0\r\n[物理]\r\n目录=y\r\n"},
      {"store cannot be written", 2, Trouble::WriteFails, u8"删除失败 无法写入配置文件", std::nullopt,
       nullptr},
      {"second task removed", 2, Trouble::None, u8"删除成功 请重启软件", 0,
       u8"[英语]\r\n目录=a|b\r\n已完成=0\r\n[物理]\r\n目录=y\r\n"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    StoreFolder folder;
    folder.Write(Gbk(kStore));
    FakeDialogs dialogs;
    DeleteTaskWindow window(folder.Store(), dialogs);
    window.show();
    auto* selector = window.findChild<QComboBox*>(QStringLiteral("组合框1"));
    ASSERT_EQ(selector->count(), 4);
    selector->setCurrentIndex(row.selected);

    if (row.trouble == Trouble::RemovedMeanwhile) {
      folder.Write(Gbk(u8"[英语]\r\n目录=a|b\r\n已完成=0\r\n[物理]\r\n目录=y\r\n"));
    }
    {
      std::optional<ScopedFileFault> fault;
      if (row.trouble == Trouble::WriteFails) fault.emplace(FileStep::Write);
      QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("按钮1")), Qt::LeftButton);
    }

    EXPECT_EQ(dialogs.messages, std::vector<Text>{Gbk(row.message)});
    EXPECT_EQ(dialogs.exitCode, row.exitCode);
    EXPECT_EQ(folder.Read(), Gbk(row.storeAfter ? row.storeAfter : kStore));
    // Short of a removal the window stays for another try.
    if (!row.exitCode) {
      EXPECT_TRUE(window.isVisible());
    }
  }
}

TEST(DeleteTaskWindowTest, WithoutAStoreOnlyThePlaceholderIsListed) {
  StoreFolder folder;
  FakeDialogs dialogs;
  DeleteTaskWindow window(folder.Store(), dialogs);
  auto* selector = window.findChild<QComboBox*>(QStringLiteral("组合框1"));
  ASSERT_EQ(selector->count(), 1);
  EXPECT_EQ(selector->currentText(), QStringLiteral("-请选择要删除的任务-"));
}

}  // namespace
}  // namespace quorlin
