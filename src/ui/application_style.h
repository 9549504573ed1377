#pragma once

class QApplication;

namespace quorlin {

// Fusion and a 9-point font: the windows' fixed sizes are designed for them.
void ApplyApplicationStyle(QApplication& app);

}  // namespace quorlin
