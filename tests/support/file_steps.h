#pragma once

#include <ostream>

#include "store/atomic_file.h"

namespace quorlin {

// Names the step in test names and failure messages.
inline void PrintTo(FileStep step, std::ostream* out) {
  switch (step) {
    case FileStep::Open:
      *out << "Open";
      return;
    case FileStep::Write:
      *out << "Write";
      return;
    case FileStep::Flush:
      *out << "Flush";
      return;
    case FileStep::Rename:
      *out << "Rename";
      return;
  }
}

}  // namespace quorlin
