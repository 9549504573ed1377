#pragma once

#include <vector>

#include "store/task_store.h"

namespace quorlin {

// The rows a completion list ticks in a checklist of `rowCount` rows: each entry is read by TextToInt;
// 0..rowCount-1 names a row, -1 every row and any other number nothing.
std::vector<bool> CompletedRows(const std::vector<Text>& completion, int rowCount);

// The number of distinct rows CompletedRows ticks, so that counts always agree with the checklist.
int CountCompletedRows(const std::vector<Text>& completion, int rowCount);

}  // namespace quorlin
