#pragma once

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "progress/main_view.h"
#include "support/temp_folder.h"

namespace quorlin {

// A main window that shows nothing, so that only the core's work is measured.
class NoOpView : public MainView {
 public:
  Text selected;

  void AppendLog(std::string_view) override {}
  Text SelectedTaskText() const override { return selected; }
  std::vector<Text> TaskItems() const override { return {}; }
  void AddTaskItem(std::string_view) override {}
  void ShowRows(std::vector<Text> texts, std::vector<bool> ticked) override {
    benchmark::DoNotOptimize(texts.data());
    benchmark::DoNotOptimize(ticked.size());
  }
  int RowCount() const override { return 0; }
  bool IsTicked(int) const override { return false; }
  void SetPercentLabel(std::string_view) override {}
  void SetProgressPosition(int) override {}
  void SetChartValue(double value) override { benchmark::DoNotOptimize(value); }
  std::filesystem::path DialogFileName() const override { return {}; }
  void SetDialogFileName(const std::filesystem::path&) override {}
};

using BenchDir = testing::TempFolder;

}  // namespace quorlin
