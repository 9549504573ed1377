#pragma once

#include <filesystem>
#include <string_view>

namespace quorlin {

// The message box, the open-file dialog and ending the program, behind one seam so that tests can
// answer them without a person.
class Dialogs {
 public:
  virtual ~Dialogs() = default;

  // Shows a GBK text with the caption "信息：", one OK button and no icon, modal to the whole
  // application; returns when the box is closed.
  virtual void ShowMessage(std::string_view text) = 0;

  // Opens the open-file dialog (filter "*.txt") showing `fileName` as the initial file name. Returns
  // true and sets `fileName` to the chosen file's full path when the user confirmed a file.
  virtual bool OpenFile(std::filesystem::path& fileName) = 0;

  // Ends the program with the exit code; no further handler of the application runs.
  virtual void EndProgram(int exitCode) = 0;
};

}  // namespace quorlin
