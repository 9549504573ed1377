#include "progress/task_progress.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "progress/checklist.h"
#include "progress_fixture.h"

namespace quorlin {
namespace {

using testing::FirstRows;
using testing::Gbk;
using testing::Lessons;
using TaskProgressTest = testing::ProgressTest;

TEST_F(TaskProgressTest, ChoosingATaskShowsItsPercentageInTheLabelAndTheBar) {
  const struct {
    int lessons;
    int done;
    const char* label;
    int bar;
  } cases[] = {
      {5, 0, "0%", 0},      {3, 1, "33.3%", 33},     {3, 2, "66.7%", 66},      {6, 1, "16.7%", 16},
      {6, 5, "83.3%", 83},  {7, 1, "14.3%", 14},     {8, 1, "12.5%", 12},      {16, 1, "6.3%", 6},
      {16, 3, "18.8%", 18}, {80, 1, "1.3%", 1},      {400, 1, "0.3%", 0},      {2000, 1, "0.1%", 0},
      {3000, 1, "0%", 0},   {200, 199, "99.5%", 99}, {1000, 999, "99.9%", 99}, {7, 7, "100%", 100},
  };
  for (const auto& c : cases) {
    const Text name = std::to_string(c.done) + " of " + std::to_string(c.lessons);
    SCOPED_TRACE(name);
    AddTask(name, Lessons(c.lessons), FirstRows(c.done));
    Choose(name);
    view.progress = -7;  // so that a bar left alone shows
    ChooseTask(view, store);
    EXPECT_EQ(view.label, c.label);
    EXPECT_EQ(view.progress, c.bar);
  }
}

TEST_F(TaskProgressTest, LogsNameAndCountsInOneAppendAndReturnsTheLabelText) {
  AddTask(Gbk(u8"数学"), Lessons(12), "0,1,2");
  EXPECT_EQ(ShowTaskProgress(view, store, Gbk(u8"数学")), "25");
  ASSERT_EQ(view.appends.size(), 1u);
  EXPECT_EQ(view.appends[0], Gbk(u8"\r\n正在读取：《数学》 共:12 已完成3\r\n"));
  EXPECT_EQ(view.label, "25%");
}

// The count is the number of distinct rows the checklist ticks for the list, so label and checklist agree.
TEST_F(TaskProgressTest, CountsTheRowsTheCompletionListTicks) {
  const struct {
    const char* lessons;
    const char* completion;
    int done;
    const char* label;
  } cases[] = {
      {"a|b|c", "", 0, "0%"},
      {"a|b|c", "1", 1, "33.3%"},
      {"a|b|c", "1,1", 1, "33.3%"},
      {"a|b|c", "0,,2", 2, "66.7%"},  // the empty entry names row 0
      {"a|b|c", "0,2,", 2, "66.7%"},
      {"a|b|c", "2,0", 2, "66.7%"},
      {"a|b|c", "5", 0, "0%"},
      {"a|b|c", "3", 0, "0%"},
      {"a|b|c", "-2", 0, "0%"},
      {"a|b|c", "-1", 3, "100%"},
      {"a|b|c", "1,-1", 3, "100%"},
      {"a|b", "0,1,2", 2, "100%"},   // more entries than lessons never exceed
                                     // 100%
      {"a|b|c", "x,1", 2, "66.7%"},  // an entry that is no number reads as 0
      {"A|B|", "0,1", 2, "100%"},    // a separator at the end adds no lesson
      {"|A", "1", 1, "50%"},
      {"A||B", "0", 1, "33.3%"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.lessons) + " / " + c.completion);
    AddTask("t", c.lessons, c.completion);
    Choose("t");
    view.appends.clear();
    ChooseTask(view, store);
    const int ticked = static_cast<int>(std::count(view.ticks.begin(), view.ticks.end(), true));
    EXPECT_EQ(ticked, c.done);
    ASSERT_FALSE(view.appends.empty());
    EXPECT_EQ(view.appends[0], Gbk(u8"\r\n正在读取：《t》 共:") + std::to_string(view.RowCount()) +
                                   Gbk(u8" 已完成") + std::to_string(c.done) + "\r\n");
    EXPECT_EQ(view.label, c.label);
  }
}

TEST_F(TaskProgressTest, DoubleByteCharacterDoesNotSplitALesson) {
  // "\x81|" is one double-byte character whose second byte is the separator's.
  AddTask("t", "a\x81|b|c", "");
  EXPECT_EQ(ShowTaskProgress(view, store, "t"), "0");
  EXPECT_EQ(view.appends.at(0), Gbk(u8"\r\n正在读取：《t》 共:2 已完成0\r\n"));
}

TEST_F(TaskProgressTest, TaskWithoutLessonsShowsZero) {
  const struct {
    const char* name;
    const char* lessons;
    const char* completion;
  } cases[] = {
      {"empty", "", ""},
      {"emptied", "", "0,1"},  // lessons replaced by an empty plan, old ticks left
      {"missing", nullptr, nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.lessons) {
      AddTask(c.name, c.lessons, c.completion);
    } else {
      view.AddTaskItem(c.name);
    }
    view.appends.clear();
    view.progress = 50;
    Choose(c.name);
    ChooseTask(view, store);
    EXPECT_EQ(view.label, "0%");
    EXPECT_EQ(view.progress, 0);
    EXPECT_EQ(view.appends.at(0), Gbk(u8"\r\n正在读取：《") + c.name + Gbk(u8"》 共:0 已完成0\r\n"));
    EXPECT_EQ(view.chart, 0);
  }
}

}  // namespace
}  // namespace quorlin
