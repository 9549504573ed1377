#pragma once

#include "import/dialogs.h"

namespace quorlin {

// The message box, the open-file dialog and ending the program, shown with Qt.
class QtDialogs final : public Dialogs {
 public:
  void ShowMessage(std::string_view text) override;
  bool OpenFile(std::filesystem::path& fileName) override;
  // Ends the process at once: no handler, event loop or destructor runs after it.
  [[noreturn]] void EndProgram(int exitCode) override;
};

}  // namespace quorlin
