#pragma once

#include <QColor>

class QWidget;

namespace quorlin {

// Text and background colours of a control, for every palette group.
void SetColours(QWidget& widget, QColor text, QColor background);

// The dark green the log and the motto are written in.
inline QColor DarkGreen() { return QColor(0, 128, 0); }

}  // namespace quorlin
