#pragma once

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "progress/main_view.h"

namespace quorlin::testing {

// Records what the operations show, as the main window would hold it.
class FakeMainView : public MainView {
 public:
  std::string log = "\xC8\xD5\xD6\xBE\xA3\xBA";           // 日志：
  std::vector<Text> items{"-\xC7\xEB\xD1\xA1\xD4\xF1-"};  // -请选择-
  int selected = 0;
  std::vector<Text> rows;
  std::vector<bool> ticks;
  Text label = "0%";
  int progress = 0;
  double chart = 0;
  int chartSets = 0;
  std::filesystem::path dialogFileName;

  void AppendLog(std::string_view message) override { log.append(message); }
  Text SelectedTaskText() const override {
    return selected >= 0 && selected < static_cast<int>(items.size()) ? items[selected] : Text();
  }
  std::vector<Text> TaskItems() const override { return items; }
  void AddTaskItem(std::string_view name) override { items.emplace_back(name); }
  void ShowRows(std::vector<Text> texts, std::vector<bool> ticked) override {
    rows = std::move(texts);
    ticks = std::move(ticked);
    ticks.resize(rows.size());
  }
  int RowCount() const override { return static_cast<int>(rows.size()); }
  bool IsTicked(int row) const override {
    return row >= 0 && row < static_cast<int>(ticks.size()) && ticks[row];
  }
  void SetPercentLabel(std::string_view text) override { label = text; }
  void SetProgressPosition(int position) override { progress = std::clamp(position, 0, 100); }
  void SetChartValue(double value) override {
    chart = value;
    ++chartSets;
  }
  std::filesystem::path DialogFileName() const override { return dialogFileName; }
  void SetDialogFileName(const std::filesystem::path& path) override { dialogFileName = path; }

  // Selects the item with this text, as a user choosing it from the list would.
  bool Select(std::string_view text) {
    auto it = std::find(items.begin(), items.end(), text);
    if (it == items.end()) return false;
    selected = static_cast<int>(it - items.begin());
    return true;
  }
  void Tick(int row, bool ticked) { ticks.at(row) = ticked; }
};

}  // namespace quorlin::testing
