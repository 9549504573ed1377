#pragma once

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "progress/main_view.h"

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

// A fresh run directory, removed with its contents at the end.
class BenchDir {
 public:
  BenchDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "quorlin-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) std::abort();
    path_ = pattern;
  }
  ~BenchDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  BenchDir(const BenchDir&) = delete;
  BenchDir& operator=(const BenchDir&) = delete;

  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

}  // namespace quorlin
