#include "progress/overall_progress.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "progress_fixture.h"

namespace quorlin {
namespace {

using testing::Lessons;
using testing::RecordingView;
using testing::TempFolder;

struct TaskCounts {
  int lessons;
  const char* completion;
};

TEST(ShowOverallProgress, WeighsEveryLessonOfEveryTaskAlike) {
  const struct {
    const char* what;
    std::vector<TaskCounts> tasks;
    double value;
  } cases[] = {
      {"no sections", {}, 0},
      {"0 of 0", {{0, ""}}, 0},
      {"2 of 3", {{3, "0,1"}}, 66.7},
      {"1 of 16", {{16, "0"}}, 6.3},
      {"1 of 2 and 0 of 8: not the mean of 50 and 0", {{2, "1"}, {8, ""}}, 10},
      {"1 of 3 twice", {{3, "0"}, {3, "2"}}, 33.3},
      {"0 of 0 and 3 of 4", {{0, ""}, {4, "0,1,2"}}, 75},
      {"all done", {{5, "0,1,2,3,4"}, {7, "-1"}, {1, "0"}}, 100},
      {"3 entries for 2 lessons", {{2, "0,1,2"}}, 100},
      {"counted as the checklist ticks", {{2, "1,1"}, {3, "-1"}}, 80},
      {"entries without lessons count nothing", {{0, "0,1"}, {4, "0"}}, 25},
      {"only entries without lessons", {{0, "0,1"}, {0, "3"}}, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TempFolder dir;
    TaskStore store(dir.Path());
    std::ofstream(store.StorePath());  // an existing store without sections
    for (std::size_t i = 0; i < c.tasks.size(); ++i) {
      const Text name = "task" + std::to_string(i);
      ASSERT_TRUE(store.WriteLessonList(name, Lessons(c.tasks[i].lessons)));
      ASSERT_TRUE(store.WriteCompletionList(name, c.tasks[i].completion));
    }
    RecordingView view;
    view.chart = -5;
    ShowOverallProgress(view, store);
    EXPECT_EQ(view.chart, c.value);
    EXPECT_EQ(view.chartSets, 1);
    EXPECT_TRUE(view.appends.empty());
  }
}

TEST(ShowOverallProgress, WithoutAStoreShowsAnEmptyBarAndCreatesNothing) {
  TempFolder dir;
  TaskStore store(dir.Path());
  RecordingView view;
  view.chart = 42;
  ShowOverallProgress(view, store);
  EXPECT_EQ(view.chart, 0);
  EXPECT_EQ(view.chartSets, 1);
  EXPECT_FALSE(TaskStore::Exists(store.StorePath()));
}

}  // namespace
}  // namespace quorlin
