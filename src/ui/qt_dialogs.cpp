#include "ui/qt_dialogs.h"

#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <cstdio>
#include <cstdlib>

#include "ui/gbk_qt.h"

namespace quorlin {

void QtDialogs::ShowMessage(std::string_view text) {
  QString shown = FromGbk(text);
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  QMessageBox box(QMessageBox::NoIcon, QStringLiteral("信息："), shown, QMessageBox::Ok);
  // Task names come from files: never read them as markup.
  box.setTextFormat(Qt::PlainText);
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
}

bool QtDialogs::OpenFile(std::filesystem::path& fileName) {
  const QString initial = QFile::decodeName(QByteArray::fromStdString(fileName.string()));
  const QString chosen =
      QFileDialog::getOpenFileName(nullptr, QString(), initial, QStringLiteral("*.txt"), nullptr);
  if (chosen.isEmpty()) return false;
  fileName = std::filesystem::path(QFile::encodeName(chosen).toStdString());
  return true;
}

void QtDialogs::EndProgram(int exitCode) {
  // The store's writes are complete and renamed into place before they return, so nothing is lost by
  // skipping Qt's shutdown; what matters is that no further handler runs.
  std::fflush(nullptr);
  std::_Exit(exitCode);
}

}  // namespace quorlin
