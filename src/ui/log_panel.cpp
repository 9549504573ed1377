#include "ui/log_panel.h"

#include <QScrollBar>
#include <QTextCursor>

#include "ui/gbk_qt.h"

namespace quorlin {

LogPanel::LogPanel(std::string_view initialText, QWidget* parent)
    : QPlainTextEdit(parent), log_(initialText) {
  setReadOnly(true);
  // An undo history would only grow with the log.
  setUndoRedoEnabled(false);
  setLineWrapMode(QPlainTextEdit::WidgetWidth);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setPlainText(FromGbk(log_));
}

void LogPanel::Append(std::string_view message) {
  log_.append(message);
  QTextCursor cursor(document());
  cursor.movePosition(QTextCursor::End);
  // insertText turns "\r\n" into one line break.
  cursor.insertText(FromGbk(message));
  ScrollToEnd();
}

void LogPanel::ScrollToEnd() {
  QScrollBar* bar = verticalScrollBar();
  bar->setValue(bar->maximum());
}

}  // namespace quorlin
