#include "progress/overall_progress.h"

#include <cstdint>

#include "progress/completed_rows.h"
#include "progress/list_count.h"
#include "progress/percent.h"
#include "store/read_snapshot.h"

namespace quorlin {

void ShowOverallProgress(MainView& view, const TaskStore& store) {
  // Lessons are only counted here, so their texts are never split out into a list.
  const std::filesystem::path path = store.StorePath();
  StoreReadSnapshot snapshot;  // one look at the file for all its reads
  std::int64_t sumTotal = 0;
  std::int64_t sumDone = 0;
  for (const Text& task : TaskStore::ListTaskNames(path)) {
    const int total = CountListElements(TaskStore::ReadValue(path, task, kLessonListKey), '|');
    sumTotal += total;
    sumDone +=
        CountCompletedRows(SplitList(TaskStore::ReadValue(path, task, kCompletionListKey), ','), total);
  }
  // No lessons at all shows an empty bar rather than an undefined quotient.
  view.SetChartValue(sumTotal == 0 ? 0.0 : PercentOfSums(sumDone, sumTotal));
}

}  // namespace quorlin
