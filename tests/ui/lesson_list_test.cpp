#include <gtest/gtest.h>

#include <QLineEdit>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <string>
#include <vector>

#include "support/gbk.h"
#include "ui/lesson_list_view.h"
#include "ui_test_support.h"

namespace quorlin {
namespace {

using testing::Gbk;

class LessonListTest : public ::testing::Test {
 protected:
  void Show(std::vector<Text> texts, std::vector<bool> ticked = {}) {
    view_.resize(560, 352);
    view_.ShowRows(std::move(texts), std::move(ticked));
    view_.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view_));
    view_.doItemsLayout();
  }

  QModelIndex Row(int row) const { return view_.model()->index(row, 0); }

  // The centre of a row's check box, in viewport coordinates.
  QPoint CheckBoxOf(int row) const {
    QStyleOptionViewItem option;
    option.initFrom(view_.viewport());
    option.rect = view_.visualRect(Row(row));
    option.features = QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay;
    return view_.style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, &view_).center();
  }

  LessonListView view_;
};

TEST_F(LessonListTest, RowsKeepTheirExactTextsAndTicks) {
  const Text odd = "\x81\x7F";
  Show({Gbk(u8"第1课"), "", odd, Gbk(u8"第4课")}, {true, false, true});
  const LessonListModel& rows = view_.lessons();
  ASSERT_EQ(rows.RowCount(), 4);
  EXPECT_EQ(rows.RowText(2), odd);
  EXPECT_EQ(Row(0).data().toString(), QStringLiteral("第1课"));
  EXPECT_EQ(Row(1).data().toString(), QString());
  for (int row : {-1, 0, 1, 2, 3, 4}) {
    SCOPED_TRACE(row);
    EXPECT_EQ(rows.IsTicked(row), row == 0 || row == 2);
  }
  EXPECT_EQ(Row(0).data(Qt::CheckStateRole).toInt(), Qt::Checked);
  EXPECT_FALSE(Row(0).flags() & Qt::ItemIsEditable);
}

TEST_F(LessonListTest, ClickOnTheCheckBoxAndSpaceToggleTheTick) {
  Show({Gbk(u8"甲"), Gbk(u8"乙"), Gbk(u8"丙")});
  QTest::mouseClick(view_.viewport(), Qt::LeftButton, Qt::NoModifier, CheckBoxOf(1));
  EXPECT_TRUE(view_.lessons().IsTicked(1));
  QTest::mouseClick(view_.viewport(), Qt::LeftButton, Qt::NoModifier, CheckBoxOf(1));
  EXPECT_FALSE(view_.lessons().IsTicked(1));

  view_.setFocus();
  view_.setCurrentIndex(Row(2));
  QTest::keyClick(&view_, Qt::Key_Space);
  EXPECT_TRUE(view_.lessons().IsTicked(2));
  QTest::keyClick(&view_, Qt::Key_Space);
  EXPECT_FALSE(view_.lessons().IsTicked(2));
  EXPECT_FALSE(view_.lessons().IsTicked(0));
}

TEST_F(LessonListTest, OneRowAtATimeIsSelectedAndNothingIsEdited) {
  Show({Gbk(u8"甲"), Gbk(u8"乙"), Gbk(u8"丙")});
  QTest::mouseClick(view_.viewport(), Qt::LeftButton, Qt::NoModifier, view_.visualRect(Row(0)).center());
  QTest::mouseClick(view_.viewport(), Qt::LeftButton, Qt::ControlModifier, view_.visualRect(Row(2)).center());
  QTest::mouseClick(view_.viewport(), Qt::LeftButton, Qt::ShiftModifier, view_.visualRect(Row(1)).center());
  EXPECT_EQ(view_.selectionModel()->selectedIndexes().size(), 1);

  QTest::mouseDClick(view_.viewport(), Qt::LeftButton, Qt::NoModifier, view_.visualRect(Row(1)).center());
  QTest::keyClick(&view_, Qt::Key_F2);
  EXPECT_EQ(view_.findChildren<QLineEdit*>().size(), 0);
  EXPECT_EQ(view_.lessons().RowText(1), Gbk(u8"乙"));
}

TEST_F(LessonListTest, RowsRunTopToBottomInColumnsWithAHorizontalScrollBar) {
  std::vector<Text> texts;
  for (int i = 0; i < 200; ++i) texts.push_back(Gbk(u8"第") + std::to_string(i) + Gbk(u8"课"));
  Show(texts);
  const QRect first = view_.visualRect(Row(0));
  const QRect second = view_.visualRect(Row(1));
  EXPECT_EQ(second.left(), first.left());
  EXPECT_GT(second.top(), first.top());
  const QRect last = view_.visualRect(Row(199));
  EXPECT_GT(last.left(), first.left());
  EXPECT_GT(view_.horizontalScrollBar()->maximum(), 0);
  EXPECT_FALSE(view_.verticalScrollBar()->isVisible());
}

TEST_F(LessonListTest, EveryCellFitsTheWidestTextWhereverItStands) {
  const char8_t longest[] = u8"第12章 很长的一节课的名称，带着 Latin words 和标点";
  Show({Gbk(u8"短"), Gbk(longest), Gbk(u8"也短")});
  const int needed = view_.fontMetrics().horizontalAdvance(QString::fromUtf8(longest));
  for (int row = 0; row < 3; ++row) EXPECT_GT(view_.visualRect(Row(row)).width(), needed) << row;

  // A Latin widest row must still leave Chinese rows their full height.
  Show({"Typography gjpqy", Gbk(u8"汉字课")});
  EXPECT_GE(view_.visualRect(Row(1)).height(),
            view_.fontMetrics().boundingRect(QStringLiteral("汉字课")).height());
}

}  // namespace
}  // namespace quorlin
