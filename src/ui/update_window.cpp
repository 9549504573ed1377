#include "ui/update_window.h"

#include <QLabel>
#include <QPlainTextEdit>

#include "ui/control_style.h"
#include "ui/window_frame.h"

namespace quorlin {

UpdateWindow::UpdateWindow(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("软件更新"));
  MakeFixedWindow(*this, kClientSize, /*dialog=*/true);

  auto* note =
      new QLabel(QStringLiteral("写了一天了，不想写在线验证\\升级版本功能了，留个地址自己看吧"), this);
  note->setObjectName(QStringLiteral("标签1"));
  note->setGeometry(8, 0, 368, 40);
  note->setTextFormat(Qt::PlainText);
  note->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  note->setWordWrap(false);

  auto* link = new QPlainTextEdit(LinkText(), this);
  link->setObjectName(QStringLiteral("编辑框1"));
  link->setGeometry(8, 46, 360, 42);
  link->setReadOnly(true);
  link->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  link->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  link->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  link->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  SetColours(*link, Qt::black, Qt::white);

  auto* motto = new QLabel(QStringLiteral("写代码是热爱，写到世界充满爱"), this);
  motto->setObjectName(QStringLiteral("标签3"));
  motto->setGeometry(48, 128, 288, 44);
  motto->setTextFormat(Qt::PlainText);
  motto->setAlignment(Qt::AlignCenter);
  motto->setWordWrap(false);
  QPalette mottoPalette = motto->palette();
  mottoPalette.setColor(QPalette::WindowText, QColor(255, 0, 0));
  motto->setPalette(mottoPalette);
  QFont mottoFont = motto->font();
  mottoFont.setPixelSize(16);
  mottoFont.setBold(true);
  motto->setFont(mottoFont);

  CentreOnScreen(*this);
}

QString UpdateWindow::LinkText() {
  return QStringLiteral(QUORLIN_UPDATE_LINK) + QLatin1Char('\n') + QStringLiteral("密码:") +
         QStringLiteral(QUORLIN_UPDATE_CODE);
}

}  // namespace quorlin
