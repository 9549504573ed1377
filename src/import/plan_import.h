#pragma once

#include <string_view>

#include "import/dialogs.h"
#include "progress/main_view.h"
#include "store/task_store.h"

namespace quorlin {

// The lesson list that an import writes under 目录: the plan converted to GBK, one lesson per line.
Text LessonListFromPlan(std::string_view fileBytes);

// Handler of 按钮_导入任务 "导入任务".
void ImportPlan(MainView& view, Dialogs& dialogs, const TaskStore& store);

}  // namespace quorlin
