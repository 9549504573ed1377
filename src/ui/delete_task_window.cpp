#include "ui/delete_task_window.h"

#include <QComboBox>
#include <QPushButton>
#include <algorithm>

#include "store/task_removal.h"
#include "ui/control_style.h"
#include "ui/task_name_model.h"
#include "ui/window_frame.h"

namespace quorlin {
namespace {

// "-请选择要删除的任务-"
constexpr std::string_view kPlaceholder =
    "-\xC7\xEB\xD1\xA1\xD4\xF1\xD2\xAA\xC9\xBE\xB3\xFD\xB5\xC4\xC8\xCE\xCE\xF1-";
// "请先选择要删除的任务"
constexpr std::string_view kChooseFirst =
    "\xC7\xEB\xCF\xC8\xD1\xA1\xD4\xF1\xD2\xAA\xC9\xBE\xB3\xFD\xB5\xC4\xC8\xCE\xCE\xF1";
// "删除成功 请重启软件"
constexpr std::string_view kRemoved =
    "\xC9\xBE\xB3\xFD\xB3\xC9\xB9\xA6 \xC7\xEB\xD6\xD8\xC6\xF4\xC8\xED\xBC\xFE";
// "删除失败 未找到该任务"
constexpr std::string_view kNotFound =
    "\xC9\xBE\xB3\xFD\xCA\xA7\xB0\xDC \xCE\xB4\xD5\xD2\xB5\xBD\xB8\xC3\xC8\xCE\xCE\xF1";
// "删除失败 无法写入配置文件"
constexpr std::string_view kWriteFailed =
    "\xC9\xBE\xB3\xFD\xCA\xA7\xB0\xDC \xCE\xDE\xB7\xA8\xD0\xB4\xC8\xEB\xC5\xE4\xD6\xC3\xCE\xC4\xBC\xFE";

}  // namespace

DeleteTaskWindow::DeleteTaskWindow(TaskStore store, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), store_(std::move(store)), dialogs_(dialogs) {
  setWindowTitle(QStringLiteral("删除任务"));
  MakeFixedWindow(*this, kClientSize, /*dialog=*/true);

  taskSelector_ = new QComboBox(this);
  taskSelector_->setObjectName(QStringLiteral("组合框1"));
  taskSelector_->setGeometry(32, 40, 152, 20);
  taskSelector_->setEditable(false);
  taskSelector_->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
  SetColours(*taskSelector_, Qt::black, Qt::white);
  taskNames_ = new TaskNameModel(taskSelector_);
  taskSelector_->setModel(taskNames_);
  taskNames_->Append({Text(kPlaceholder)});

  confirmButton_ = new QPushButton(QStringLiteral("确定"), this);
  confirmButton_->setObjectName(QStringLiteral("按钮1"));
  confirmButton_->setGeometry(208, 40, 64, 24);
  // Enter presses no button.
  confirmButton_->setAutoDefault(false);
  confirmButton_->setDefault(false);

  // The created event: no existence test first, a missing store simply lists no names.
  taskNames_->Append(TaskStore::ListTaskNames(store_.StorePath()));
  taskSelector_->setCurrentIndex(0);

  connect(confirmButton_, &QPushButton::clicked, this, &DeleteTaskWindow::Confirm);
  CentreOnScreen(*this);
}

void DeleteTaskWindow::Confirm() {
  const int index = taskSelector_->currentIndex();
  if (index <= 0 || index >= taskNames_->Count()) {
    dialogs_.ShowMessage(kChooseFirst);
    return;
  }
  const Text task = taskNames_->Name(index);
  switch (RemoveTaskWithOutcome(store_.StorePath(), task)) {
    case RemovalOutcome::Removed:
      dialogs_.ShowMessage(kRemoved);
      dialogs_.EndProgram(0);
      return;
    case RemovalOutcome::NotFound:
      dialogs_.ShowMessage(kNotFound);
      return;
    case RemovalOutcome::WriteFailed:
      dialogs_.ShowMessage(kWriteFailed);
      return;
  }
}

}  // namespace quorlin
