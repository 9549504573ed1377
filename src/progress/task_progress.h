#pragma once

#include <string_view>

#include "progress/main_view.h"
#include "store/task_store.h"

namespace quorlin {

// Counts the task's lessons and ticked rows, logs them, shows the percentage in 标签1 and returns its text.
Text ShowTaskProgress(MainView& view, const TaskStore& store, std::string_view task);

}  // namespace quorlin
