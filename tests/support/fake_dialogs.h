#pragma once

#include <deque>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "import/dialogs.h"

namespace quorlin::testing {

// Answers the dialogs with preset answers and records what was asked.
class FakeDialogs : public Dialogs {
 public:
  std::vector<std::string> messages;
  std::vector<std::filesystem::path> offeredFileNames;
  std::optional<int> exitCode;

  // The next OpenFile confirms this path; without one it is cancelled.
  void setNextFileName(std::filesystem::path path) { nextFileNames_.push_back(std::move(path)); }

  void ShowMessage(std::string_view text) override { messages.emplace_back(text); }
  bool OpenFile(std::filesystem::path& fileName) override {
    offeredFileNames.push_back(fileName);
    if (nextFileNames_.empty()) return false;
    fileName = nextFileNames_.front();
    nextFileNames_.pop_front();
    return true;
  }
  void EndProgram(int code) override { exitCode = code; }

 private:
  std::deque<std::filesystem::path> nextFileNames_;
};

}  // namespace quorlin::testing
