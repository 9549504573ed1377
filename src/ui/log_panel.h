#pragma once

#include <QPlainTextEdit>
#include <string_view>

#include "store/task_store.h"

namespace quorlin {

// The read-only log panel. The exact GBK log text, CR LF and all, is kept here; the widget shows it with
// real line breaks. The log only grows: each message is appended, never the whole text rewritten.
class LogPanel : public QPlainTextEdit {
  Q_OBJECT

 public:
  explicit LogPanel(std::string_view initialText, QWidget* parent = nullptr);

  // Appends the message at the end and scrolls to the last line, also after the user scrolled up.
  void Append(std::string_view message);
  const Text& LogText() const { return log_; }

 private:
  void ScrollToEnd();

  Text log_;
};

}  // namespace quorlin
