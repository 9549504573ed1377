#include "progress/task_progress.h"

#include <string>

#include "progress/completed_rows.h"
#include "progress/list_count.h"
#include "progress/percent.h"

namespace quorlin {

Text ShowTaskProgress(MainView& view, const TaskStore& store, std::string_view task) {
  // Lessons are only counted here, so their texts are never split out into a list.
  const int total = CountListElements(TaskStore::ReadValue(store.StorePath(), task, kLessonListKey), '|');
  const int done = CountCompletedRows(store.ReadCompletionList(task), total);
  // A task without lessons has nothing left to do: it shows 0 rather than an undefined quotient.
  const Text percent = total == 0 ? Text("0") : PercentText(PercentOf(done, total));

  Text line;
  // "\r\n正在读取：《"
  line += "\r\n\xD5\xFD\xD4\xDA\xB6\xC1\xC8\xA1\xA3\xBA\xA1\xB6";
  line += task;
  // "》 共:"
  line += "\xA1\xB7 \xB9\xB2:";
  line += std::to_string(total);
  // " 已完成"
  line += " \xD2\xD1\xCD\xEA\xB3\xC9";
  line += std::to_string(done);
  line += "\r\n";
  view.AppendLog(line);

  view.SetPercentLabel(percent + "%");
  return percent;
}

}  // namespace quorlin
