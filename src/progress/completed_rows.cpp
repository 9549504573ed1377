#include "progress/completed_rows.h"

#include <algorithm>

#include "progress/percent.h"

namespace quorlin {

std::vector<bool> CompletedRows(const std::vector<Text>& completion, int rowCount) {
  std::vector<bool> ticked(std::max(rowCount, 0), false);
  for (const Text& entry : completion) {
    int row = TextToInt(entry);
    if (row == -1) {
      std::fill(ticked.begin(), ticked.end(), true);
    } else if (row >= 0 && row < rowCount) {
      ticked[row] = true;
    }
  }
  return ticked;
}

int CountCompletedRows(const std::vector<Text>& completion, int rowCount) {
  if (rowCount <= 0) return 0;
  // Lists the app writes are ascending, distinct and in range: their length is the count, no table needed.
  int previous = -1;
  bool plain = true;
  for (const Text& entry : completion) {
    int row = TextToInt(entry);
    if (row <= previous || row >= rowCount) {
      plain = false;
      break;
    }
    previous = row;
  }
  if (plain) return static_cast<int>(completion.size());

  std::vector<bool> ticked = CompletedRows(completion, rowCount);
  return static_cast<int>(std::count(ticked.begin(), ticked.end(), true));
}

}  // namespace quorlin
