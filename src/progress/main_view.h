#pragma once

#include <filesystem>
#include <string_view>
#include <vector>

#include "store/task_store.h"

namespace quorlin {

// The main window's controls as the operations see them. The Qt window implements it; tests fake it.
// Every text crossing it is GBK.
class MainView {
 public:
  virtual ~MainView() = default;

  // 编辑框_日志: appends the message at the end of the log and scrolls to the last line.
  virtual void AppendLog(std::string_view message) = 0;

  // 组合框1: the text of the selected item (empty when none is selected) and the items after it.
  virtual Text SelectedTaskText() const = 0;
  virtual std::vector<Text> TaskItems() const = 0;  // every item, the placeholder first
  virtual void AddTaskItem(std::string_view name) = 0;

  // 超级列表框1: replaces every row at once (row i shows texts[i], ticked when ticked[i]).
  virtual void ShowRows(std::vector<Text> texts, std::vector<bool> ticked) = 0;
  virtual int RowCount() const = 0;
  virtual bool IsTicked(int row) const = 0;

  // 标签1, 进度条1 (clamps to 0..100) and the chart 柱状图控件1.
  virtual void SetPercentLabel(std::string_view text) = 0;
  virtual void SetProgressPosition(int position) = 0;
  virtual void SetChartValue(double value) = 0;

  // 通用对话框1's file name: the path confirmed last, offered again the next time the dialog opens.
  virtual std::filesystem::path DialogFileName() const = 0;
  virtual void SetDialogFileName(const std::filesystem::path& path) = 0;
};

}  // namespace quorlin
