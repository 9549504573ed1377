#include "progress/overall_progress.h"

#include <cstdint>

#include "progress/completed_rows.h"
#include "progress/percent.h"

namespace quorlin {

void ShowOverallProgress(MainView& view, const TaskStore& store) {
  std::int64_t sumTotal = 0;
  std::int64_t sumDone = 0;
  for (const Text& task : TaskStore::ListTaskNames(store.StorePath())) {
    const int total = static_cast<int>(store.ReadLessonList(task).size());
    sumTotal += total;
    sumDone += CountCompletedRows(store.ReadCompletionList(task), total);
  }
  // No lessons at all shows an empty bar rather than an undefined quotient.
  view.SetChartValue(sumTotal == 0 ? 0.0 : PercentOfSums(sumDone, sumTotal));
}

}  // namespace quorlin
