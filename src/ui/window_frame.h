#pragma once

#include <QSize>

class QWidget;

namespace quorlin {

// A fixed-size top-level window with a title bar, a close and a minimize button and no maximize button.
// `dialog` windows are QDialogs opened with exec(); the others are plain windows.
void MakeFixedWindow(QWidget& window, QSize clientSize, bool dialog);

// Places the window in the centre of its screen.
void CentreOnScreen(QWidget& window);

// Escape closes a plain window like its close button (QDialog does this by itself).
void CloseOnEscape(QWidget& window);

}  // namespace quorlin
