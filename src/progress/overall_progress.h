#pragma once

#include "progress/main_view.h"
#include "store/task_store.h"

namespace quorlin {

// Sums every task's counts and shows the overall percentage in the bar chart.
void ShowOverallProgress(MainView& view, const TaskStore& store);

}  // namespace quorlin
