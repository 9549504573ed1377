#include "ui/window_frame.h"

#include <QGuiApplication>
#include <QScreen>
#include <QShortcut>
#include <QWidget>

namespace quorlin {

void MakeFixedWindow(QWidget& window, QSize clientSize, bool dialog) {
  window.setWindowFlags((dialog ? Qt::Dialog : Qt::Window) | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                        Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  window.setFixedSize(clientSize);
}

void CentreOnScreen(QWidget& window) {
  QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect available = screen->availableGeometry();
  QRect frame = window.frameGeometry();
  // Before the first show the frame is not known yet; the client size is close enough.
  if (frame.size().isEmpty()) frame.setSize(window.size());
  frame.moveCenter(available.center());
  window.move(frame.topLeft());
}

void CloseOnEscape(QWidget& window) {
  auto* shortcut = new QShortcut(QKeySequence(Qt::Key_Escape), &window);
  QObject::connect(shortcut, &QShortcut::activated, &window, &QWidget::close);
}

}  // namespace quorlin
