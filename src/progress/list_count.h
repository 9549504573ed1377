#pragma once

#include <string_view>

namespace quorlin {

// The number of elements SplitList gives for the value, counted without building them.
int CountListElements(std::string_view value, char separator);

}  // namespace quorlin
