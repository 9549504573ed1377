#include "ui/application_style.h"

#include <QApplication>
#include <QFont>
#include <QStyleFactory>

namespace quorlin {

void ApplyApplicationStyle(QApplication& app) {
  app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  QFont font = QApplication::font();
  font.setPointSize(9);
  QApplication::setFont(font);
}

}  // namespace quorlin
