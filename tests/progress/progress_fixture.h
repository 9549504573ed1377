#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "store/task_store.h"
#include "support/fake_main_view.h"
#include "support/gbk.h"
#include "support/temp_folder.h"

namespace quorlin::testing {

// The main window's fake, also remembering every single append and how often the rows were replaced.
class RecordingView : public FakeMainView {
 public:
  std::vector<Text> appends;
  int showRowsCalls = 0;

  void AppendLog(std::string_view message) override {
    appends.emplace_back(message);
    FakeMainView::AppendLog(message);
  }
  void ShowRows(std::vector<Text> texts, std::vector<bool> ticked) override {
    ++showRowsCalls;
    FakeMainView::ShowRows(std::move(texts), std::move(ticked));
  }
  std::vector<bool> Ticks() const {
    std::vector<bool> result;
    for (int row = 0; row < RowCount(); ++row) result.push_back(IsTicked(row));
    return result;
  }
};

// "L0|L1|...": a lesson list of `count` lessons.
inline Text Lessons(int count) {
  Text list;
  for (int i = 0; i < count; ++i) list += (i ? "|L" : "L") + std::to_string(i);
  return list;
}

// "0,1,...": a completion list ticking the first `count` rows, as the app writes it.
inline Text FirstRows(int count) {
  Text list;
  for (int i = 0; i < count; ++i) list += (i ? "," : "") + std::to_string(i);
  return list;
}

// A test with its own task store and a main window listing its tasks.
class ProgressTest : public ::testing::Test {
 protected:
  void AddTask(std::string_view name, std::string_view lessons, std::string_view completion) {
    ASSERT_TRUE(store.WriteLessonList(name, lessons));
    ASSERT_TRUE(store.WriteCompletionList(name, completion));
    view.AddTaskItem(name);
  }
  void Choose(std::string_view name) { ASSERT_TRUE(view.Select(name)) << Utf8(name); }
  Text StoredCompletion(std::string_view name) const {
    return TaskStore::ReadValue(store.StorePath(), name, Gbk(u8"已完成"));
  }

  TempFolder dir;
  TaskStore store{dir.Path()};
  RecordingView view;
};

}  // namespace quorlin::testing
