#pragma once

#include <QDialog>

namespace quorlin {

// Shows where newer versions are published: a note, the download link with its access code, a motto.
class UpdateWindow final : public QDialog {
  Q_OBJECT

 public:
  static constexpr QSize kClientSize{379, 180};

  explicit UpdateWindow(QWidget* parent = nullptr);

  // The link, a line break, then "密码:" and the access code.
  static QString LinkText();
};

}  // namespace quorlin
