// The whole road of the user's work through the real main window: choose a task, tick, save, read back.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QListView>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <fstream>

#include "support/fake_dialogs.h"
#include "support/gbk.h"
#include "ui/bar_chart.h"
#include "ui/main_window.h"
#include "ui_test_support.h"

namespace quorlin {
namespace {

using testing::FakeDialogs;
using testing::Gbk;
using testing::StoreFolder;
using testing::Utf8;

class ChooseTickSaveTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_.Write(
        Gbk(u8"[英语]\r\n目录=第1课|第2课|第3课\r\n已完成=\r\n[数学]\r\n目录=极限|导数\r\n已完成=1\r\n"));
    window_ = std::make_unique<MainWindow>(folder_.Store(), dialogs_);
    window_->show();
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    selector_ = window_->findChild<QComboBox*>(QStringLiteral("组合框1"));
    list_ = window_->findChild<QListView*>(QStringLiteral("超级列表框1"));
  }

  // Opens the selector's list and clicks the item, as the user does, also when it is already selected.
  void Choose(int index) {
    selector_->showPopup();
    QAbstractItemView* popup = selector_->view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(popup->window()));
    const QPoint centre = popup->visualRect(popup->model()->index(index, 0)).center();
    QTest::mouseClick(popup->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !popup->isVisible(); }));
  }

  void ClickCheckBox(int row) {
    list_->doItemsLayout();
    QStyleOptionViewItem option;
    option.initFrom(list_->viewport());
    option.rect = list_->visualRect(list_->model()->index(row, 0));
    option.features = QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay;
    const QRect box = list_->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, list_);
    QTest::mouseClick(list_->viewport(), Qt::LeftButton, Qt::NoModifier, box.center());
  }

  QString Label() const { return window_->findChild<QLabel*>(QStringLiteral("标签1"))->text(); }
  int Bar() const { return window_->findChild<QProgressBar*>(QStringLiteral("进度条1"))->value(); }
  QString Chart() const { return window_->findChild<BarChart*>(QStringLiteral("柱状图控件1"))->ValueText(); }

  StoreFolder folder_;
  FakeDialogs dialogs_;
  std::unique_ptr<MainWindow> window_;
  QComboBox* selector_ = nullptr;
  QListView* list_ = nullptr;
};

TEST_F(ChooseTickSaveTest, TicksSavedThroughTheWindowAreStoredAndShown) {
  EXPECT_EQ(Chart(), "20.00");
  Choose(1);
  ASSERT_EQ(window_->RowCount(), 3);
  EXPECT_EQ(list_->model()->index(2, 0).data().toString(), QStringLiteral("第3课"));
  EXPECT_EQ(Label(), "0%");

  ClickCheckBox(0);
  ClickCheckBox(2);
  QTest::mouseClick(window_->findChild<QPushButton*>(QStringLiteral("按钮5")), Qt::LeftButton);

  EXPECT_EQ(
      folder_.Read(),
      Gbk(u8"[英语]\r\n目录=第1课|第2课|第3课\r\n已完成=0,2\r\n[数学]\r\n目录=极限|导数\r\n已完成=1\r\n"));
  EXPECT_EQ(Label(), "66.7%");
  EXPECT_EQ(Bar(), 66);
  EXPECT_EQ(Chart(), "60.00");
  const Text saved = Gbk(u8"\r\n保存成功");
  EXPECT_EQ(window_->LogText().substr(window_->LogText().size() - saved.size()), saved);
}

TEST_F(ChooseTickSaveTest, ChoosingTheSelectedTaskAgainReloadsItAndDropsUnsavedTicks) {
  Choose(2);
  ASSERT_EQ(window_->RowCount(), 2);
  EXPECT_TRUE(window_->IsTicked(1));
  ClickCheckBox(0);
  ASSERT_TRUE(window_->IsTicked(0));
  const Text reading = Gbk(u8"正在读取：《数学》");
  const size_t readsBefore = window_->LogText().rfind(reading);

  Choose(2);
  EXPECT_GT(window_->LogText().rfind(reading), readsBefore);
  EXPECT_FALSE(window_->IsTicked(0));
  EXPECT_TRUE(window_->IsTicked(1));
  EXPECT_EQ(Label(), "50%");
}

TEST_F(ChooseTickSaveTest, ImportListsTheNewTaskInTheSelector) {
  const std::filesystem::path plan = folder_.StorePath().parent_path() / u8"物理.txt";
  std::ofstream(plan, std::ios::binary) << "力学\r\n热学\r\n";
  dialogs_.setNextFileName(plan);
  QTest::mouseClick(window_->findChild<QPushButton*>(QStringLiteral("按钮_导入任务")), Qt::LeftButton);

  ASSERT_EQ(selector_->count(), 4);
  EXPECT_EQ(selector_->itemText(3), QStringLiteral("物理"));
  EXPECT_EQ(selector_->currentIndex(), 0);
  EXPECT_EQ(dialogs_.messages.size(), 1u);
  Choose(3);
  EXPECT_EQ(window_->RowCount(), 2);
}

}  // namespace
}  // namespace quorlin
