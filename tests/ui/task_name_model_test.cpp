#include "ui/task_name_model.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QSignalSpy>
#include <functional>
#include <string>
#include <vector>

#include "support/gbk.h"
#include "ui/gbk_qt.h"

namespace quorlin {
namespace {

using testing::Gbk;

// A name whose bytes do not survive a trip through UTF-16.
const Text kOdd = "\x81\x7F" + Gbk(u8"课");

// A selector over the model, as the windows build it.
struct Selector {
  Selector() {
    combo.setModel(model);
    model->Append({Gbk(u8"-请选择-"), Gbk(u8"英语"), kOdd});
  }
  QComboBox combo;
  TaskNameModel* model = new TaskNameModel(&combo);
};

TEST(TaskNameModelTest, ShowsTheDecodedNamesAndKeepsTheExactBytes) {
  Selector selector;
  ASSERT_EQ(selector.combo.count(), 3);
  EXPECT_EQ(selector.combo.currentIndex(), 0);
  EXPECT_EQ(selector.combo.itemText(0), QStringLiteral("-请选择-"));
  EXPECT_EQ(selector.combo.itemText(1), QStringLiteral("英语"));
  EXPECT_EQ(selector.combo.itemText(2), FromGbk(kOdd));
  EXPECT_EQ(selector.combo.itemData(2, TaskNameModel::kGbkRole).toByteArray().toStdString(), kOdd);
  EXPECT_EQ(selector.model->Names(), (std::vector<Text>{Gbk(u8"-请选择-"), Gbk(u8"英语"), kOdd}));
}

// The selector's own item operations keep working over the model, so nothing that edits a selector
// through QComboBox needs to know about it.
TEST(TaskNameModelTest, TheSelectorsItemOperationsEditTheNames) {
  struct Case {
    const char* name;
    std::function<void(QComboBox&)> edit;
    std::vector<Text> names;
  };
  const std::vector<Case> cases{
      {"add with bytes",
       [](QComboBox& c) { c.addItem(QStringLiteral("?"), QByteArray::fromStdString(kOdd)); },
       {Gbk(u8"-请选择-"), Gbk(u8"英语"), kOdd, kOdd}},
      {"add text only",
       [](QComboBox& c) { c.addItem(QStringLiteral("数学")); },
       {Gbk(u8"-请选择-"), Gbk(u8"英语"), kOdd, Gbk(u8"数学")}},
      {"insert in the middle",
       [](QComboBox& c) { c.insertItem(1, QStringLiteral("物理")); },
       {Gbk(u8"-请选择-"), Gbk(u8"物理"), Gbk(u8"英语"), kOdd}},
      {"remove", [](QComboBox& c) { c.removeItem(1); }, {Gbk(u8"-请选择-"), kOdd}},
      {"rename",
       [](QComboBox& c) { c.setItemText(1, QStringLiteral("化学")); },
       {Gbk(u8"-请选择-"), Gbk(u8"化学"), kOdd}},
      // What GBK lacks is stored as '?', and the item then shows what is stored.
      {"rename beyond GBK",
       [](QComboBox& c) { c.setItemText(1, QStringLiteral("a\U0001F600")); },
       {Gbk(u8"-请选择-"), "a?", kOdd}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Selector selector;
    c.edit(selector.combo);
    EXPECT_EQ(selector.model->Names(), c.names);
    ASSERT_EQ(selector.combo.count(), static_cast<int>(c.names.size()));
    for (int i = 0; i < selector.combo.count(); ++i) {
      EXPECT_EQ(selector.combo.itemText(i), FromGbk(c.names[static_cast<size_t>(i)])) << i;
    }
  }
}

TEST(TaskNameModelTest, AppendingNamesAddsThemInOneInsertionWithoutChangingTheSelection) {
  Selector selector;
  QSignalSpy inserted(selector.model, &QAbstractItemModel::rowsInserted);
  QSignalSpy changed(&selector.combo, &QComboBox::currentIndexChanged);
  selector.model->Append({Gbk(u8"数学"), Gbk(u8"物理")});
  selector.model->Append({});
  ASSERT_EQ(inserted.count(), 1);
  EXPECT_EQ(inserted[0][1].toInt(), 3);
  EXPECT_EQ(inserted[0][2].toInt(), 4);
  EXPECT_EQ(changed.count(), 0);
  EXPECT_EQ(selector.combo.currentIndex(), 0);
  EXPECT_EQ(selector.combo.itemText(4), QStringLiteral("物理"));
}

}  // namespace
}  // namespace quorlin
