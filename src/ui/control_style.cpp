#include "ui/control_style.h"

#include <QPalette>
#include <QWidget>

namespace quorlin {

void SetColours(QWidget& widget, QColor text, QColor background) {
  QPalette palette = widget.palette();
  for (QPalette::ColorRole role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText}) {
    palette.setColor(role, text);
  }
  for (QPalette::ColorRole role : {QPalette::Base, QPalette::Button}) palette.setColor(role, background);
  widget.setPalette(palette);
}

}  // namespace quorlin
