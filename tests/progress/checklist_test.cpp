#include "progress/checklist.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "progress_fixture.h"

namespace quorlin {
namespace {

using testing::Gbk;
using testing::Lessons;
using ChecklistTest = testing::ProgressTest;

Text FileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return Text(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST_F(ChecklistTest, ChoosingATaskShowsItsLessonsInOrderWithTheStoredTicks) {
  AddTask(Gbk(u8"英语语法"), Gbk(u8"第1课 时态|第2课 从句|第3课 虚拟语气"), "0,2");
  Choose(Gbk(u8"英语语法"));
  ChooseTask(view, store);
  EXPECT_EQ(view.rows,
            (std::vector<Text>{Gbk(u8"第1课 时态"), Gbk(u8"第2课 从句"), Gbk(u8"第3课 虚拟语气")}));
  EXPECT_EQ(view.Ticks(), (std::vector<bool>{true, false, true}));
  EXPECT_EQ(view.showRowsCalls, 1);
  EXPECT_EQ(view.label, "66.7%");
  EXPECT_EQ(view.progress, 66);
  EXPECT_EQ(view.chart, 66.7);
}

TEST_F(ChecklistTest, TicksTheRowsTheCompletionListNames) {
  const struct {
    const char* completion;
    std::vector<bool> ticks;
  } cases[] = {
      {"", {false, false, false}},    {"0,2,", {true, false, true}},          {"0,,2", {true, false, true}},
      {"2,0,2", {true, false, true}}, {"5", {false, false, false}},           {"3", {false, false, false}},
      {"-1", {true, true, true}},     {"-2", {false, false, false}},          {"1,-1", {true, true, true}},
      {" 1", {false, true, false}},   {"99999999999", {false, false, false}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.completion);
    AddTask("t", "a|b|c", c.completion);
    Choose("t");
    FillChecklist(view, store, "t");
    EXPECT_EQ(view.rows, (std::vector<Text>{"a", "b", "c"}));
    EXPECT_EQ(view.Ticks(), c.ticks);
  }
}

TEST_F(ChecklistTest, EmptyLessonsGiveRowsWithEmptyText) {
  AddTask("t", "a||b", "1");
  FillChecklist(view, store, "t");
  EXPECT_EQ(view.rows, (std::vector<Text>{"a", "", "b"}));
  EXPECT_EQ(view.Ticks(), (std::vector<bool>{false, true, false}));
}

TEST_F(ChecklistTest, ChoosingAgainDropsUnsavedTicks) {
  AddTask("t", "a|b|c", "0");
  Choose("t");
  ChooseTask(view, store);
  view.Tick(0, false);
  view.Tick(2, true);
  ChooseTask(view, store);
  EXPECT_EQ(view.Ticks(), (std::vector<bool>{true, false, false}));
  EXPECT_EQ(StoredCompletion("t"), "0");
}

TEST_F(ChecklistTest, PlaceholderReadsAsATaskWithoutLessons) {
  AddTask("t", "a|b|c", "0");
  Choose("t");
  ChooseTask(view, store);
  view.selected = 0;
  view.appends.clear();
  const int chartSets = view.chartSets;
  ChooseTask(view, store);
  EXPECT_TRUE(view.rows.empty());
  EXPECT_EQ(view.label, "0%");
  EXPECT_EQ(view.progress, 0);
  EXPECT_EQ(view.appends, (std::vector<Text>{Gbk(u8"\r\n正在读取：《-请选择-》 共:0 已完成0\r\n")}));
  EXPECT_EQ(view.chartSets, chartSets + 1);
  EXPECT_EQ(view.chart, 33.3);
}

TEST_F(ChecklistTest, PlaceholderNamedTaskIsShownLikeAnyOther) {
  AddTask(Gbk(u8"-请选择-"), "a|b", "1");
  view.selected = 0;
  ChooseTask(view, store);
  EXPECT_EQ(view.rows, (std::vector<Text>{"a", "b"}));
  EXPECT_EQ(view.label, "50%");
}

TEST_F(ChecklistTest, SaveStoresTheTickedRowsAndRefreshesEveryDisplay) {
  AddTask(Gbk(u8"英语语法"), "a|b|c", "");
  Choose(Gbk(u8"英语语法"));
  ChooseTask(view, store);
  view.Tick(0, true);
  view.Tick(2, true);
  view.appends.clear();
  SaveChecklist(view, store);
  EXPECT_EQ(StoredCompletion(Gbk(u8"英语语法")), "0,2");
  EXPECT_EQ(view.appends,
            (std::vector<Text>{Gbk(u8"\r\n正在读取：《英语语法》 共:3 已完成2\r\n"), Gbk(u8"\r\n保存成功")}));
  EXPECT_EQ(view.label, "66.7%");
  EXPECT_EQ(view.progress, 66);
  EXPECT_EQ(view.chart, 66.7);
  EXPECT_EQ(view.Ticks(), (std::vector<bool>{true, false, true}));
}

TEST_F(ChecklistTest, SavingWithEveryRowUntickedStoresTheEmptyList) {
  AddTask("t", "a|b|c", "0,2");
  Choose("t");
  ChooseTask(view, store);
  view.Tick(0, false);
  view.Tick(2, false);
  view.appends.clear();
  SaveChecklist(view, store);
  EXPECT_EQ(StoredCompletion("t"), "");
  EXPECT_EQ(view.label, "0%");
  EXPECT_EQ(view.progress, 0);
  EXPECT_EQ(view.chart, 0);
  EXPECT_EQ(view.appends.back(), Gbk(u8"\r\n保存成功"));
  ChooseTask(view, store);
  EXPECT_EQ(view.Ticks(), (std::vector<bool>{false, false, false}));
}

TEST_F(ChecklistTest, SavingWithoutRowsWritesNothing) {
  // Without a store, the placeholder chosen.
  SaveChecklist(view, store);
  EXPECT_FALSE(TaskStore::Exists(store.StorePath()));
  EXPECT_EQ(view.appends.back(), Gbk(u8"\r\n保存成功"));
  EXPECT_EQ(view.label, "0%");

  // With a store, a task without lessons chosen.
  AddTask("t", "a|b", "1");
  AddTask("empty", "", "");
  const Text before = FileBytes(store.StorePath());
  Choose("empty");
  ChooseTask(view, store);
  SaveChecklist(view, store);
  EXPECT_EQ(FileBytes(store.StorePath()), before);
  EXPECT_EQ(view.appends.back(), Gbk(u8"\r\n保存成功"));
}

TEST_F(ChecklistTest, FailedSaveIsLoggedAndTheDisplaysStillRefresh) {
  AddTask("t", "a|b|c", "0");
  Choose("t");
  ChooseTask(view, store);
  view.Tick(1, true);
  // A directory where the store file was makes every write fail.
  std::filesystem::remove(store.StorePath());
  std::filesystem::create_directory(store.StorePath());
  view.appends.clear();
  const int chartSets = view.chartSets;
  SaveChecklist(view, store);
  EXPECT_EQ(view.appends, (std::vector<Text>{Gbk(u8"\r\n正在读取：《t》 共:0 已完成0\r\n"),
                                             Gbk(u8"\r\n保存失败 无法写入配置文件")}));
  EXPECT_EQ(view.log.find(Gbk(u8"保存成功")), Text::npos);
  EXPECT_EQ(view.label, "0%");
  EXPECT_EQ(view.chartSets, chartSets + 1);
  EXPECT_EQ(view.Ticks(), (std::vector<bool>{true, true, false}));
}

TEST(SaveChecklist, FailsWhenTheRunDirectoryIsGone) {
  testing::TempFolder dir;
  TaskStore store(dir.Path() / "gone");
  testing::RecordingView view;
  view.ShowRows({"a", "b"}, {true, false});
  SaveChecklist(view, store);
  EXPECT_EQ(view.appends.back(), Gbk(u8"\r\n保存失败 无法写入配置文件"));
  EXPECT_FALSE(std::filesystem::exists(dir.Path() / "gone"));
}

}  // namespace
}  // namespace quorlin
