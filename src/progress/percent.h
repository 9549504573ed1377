#pragma once

#include <cstdint>
#include <string_view>

#include "store/task_store.h"

namespace quorlin {

// done / total * 100, rounded to one decimal with halves going up.
double PercentOf(int done, int total);

// PercentOf for sums over many tasks, which may not fit an int.
double PercentOfSums(std::int64_t done, std::int64_t total);

// The "%.13g" form of a percentage with '.' as decimal point whatever the locale: 66.7, 100, 0, 6.3.
Text PercentText(double percent);

// The integer at the start of a text: leading blanks, an optional sign, then decimal digits. Full-width
// ASCII forms (A3A1..A3FE) and the ideographic space (A1A1) count as their ASCII characters.
int TextToInt(std::string_view text);

}  // namespace quorlin
