#pragma once

#include <string_view>

#include "progress/main_view.h"
#include "store/task_store.h"

namespace quorlin {

// Handler of 组合框1's chosen-item event: fills the checklist and refreshes every display.
void ChooseTask(MainView& view, const TaskStore& store);

// Rebuilds the checklist's rows and ticks from the store.
void FillChecklist(MainView& view, const TaskStore& store, std::string_view task);

// Handler of 按钮5 "保存并更新": stores the ticked rows and refreshes every display.
void SaveChecklist(MainView& view, const TaskStore& store);

}  // namespace quorlin
