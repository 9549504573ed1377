#include "progress/checklist.h"

#include <charconv>

#include "progress/completed_rows.h"
#include "progress/overall_progress.h"
#include "progress/percent.h"
#include "progress/task_progress.h"
#include "store/read_snapshot.h"

namespace quorlin {

namespace {

// "\r\n保存成功"
constexpr std::string_view kSaved = "\r\n\xB1\xA3\xB4\xE6\xB3\xC9\xB9\xA6";
// "\r\n保存失败 无法写入配置文件"
constexpr std::string_view kSaveFailed =
    "\r\n\xB1\xA3\xB4\xE6\xCA\xA7\xB0\xDC \xCE\xDE\xB7\xA8\xD0\xB4\xC8\xEB\xC5\xE4\xD6\xC3\xCE\xC4\xBC\xFE";

// Shows the task's percentage in the label and the bar, then the overall chart. Every figure comes from
// the same version of the store, even when another program changes it meanwhile.
void RefreshProgress(MainView& view, const TaskStore& store, std::string_view task) {
  StoreReadSnapshot snapshot;
  view.SetProgressPosition(TextToInt(ShowTaskProgress(view, store, task)));
  ShowOverallProgress(view, store);
}

// The ticked row numbers, ascending, joined by ",".
Text TickedRowList(const MainView& view, int rowCount) {
  Text list;
  for (int row = 0; row < rowCount; ++row) {
    if (!view.IsTicked(row)) continue;
    if (!list.empty()) list += ',';
    char digits[16];
    auto result = std::to_chars(digits, digits + sizeof digits, row);
    list.append(digits, result.ptr);
  }
  return list;
}

}  // namespace

void ChooseTask(MainView& view, const TaskStore& store) {
  const Text task = view.SelectedTaskText();
  StoreReadSnapshot snapshot;  // the rows and the figures agree
  FillChecklist(view, store, task);
  RefreshProgress(view, store, task);
}

void FillChecklist(MainView& view, const TaskStore& store, std::string_view task) {
  std::vector<Text> lessons = store.ReadLessonList(task);
  std::vector<bool> ticked = CompletedRows(store.ReadCompletionList(task), static_cast<int>(lessons.size()));
  view.ShowRows(std::move(lessons), std::move(ticked));
}

void SaveChecklist(MainView& view, const TaskStore& store) {
  const Text task = view.SelectedTaskText();
  const int rowCount = view.RowCount();
  // With rows shown, the ticks are stored even when none is left, so a task can return to 0%. Without
  // rows there is nothing to store.
  bool written = true;
  if (rowCount > 0) written = store.WriteCompletionList(task, TickedRowList(view, rowCount));
  RefreshProgress(view, store, task);
  view.AppendLog(written ? kSaved : kSaveFailed);
}

}  // namespace quorlin
