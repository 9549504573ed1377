#pragma once

#include <QDialog>

#include "import/dialogs.h"
#include "store/task_store.h"

class QComboBox;
class QPushButton;

namespace quorlin {

class TaskNameModel;

// Lets the user pick a task and cut it out of the store. Built anew for each opening, filled from the
// store as it is at that moment, opened modally with exec().
class DeleteTaskWindow final : public QDialog {
  Q_OBJECT

 public:
  static constexpr QSize kClientSize{304, 118};

  DeleteTaskWindow(TaskStore store, Dialogs& dialogs, QWidget* parent = nullptr);

 private:
  // 按钮1 "确定": only a real removal ends the program; every other outcome is told and the window stays.
  void Confirm();

  TaskStore store_;
  Dialogs& dialogs_;
  QComboBox* taskSelector_ = nullptr;
  TaskNameModel* taskNames_ = nullptr;
  QPushButton* confirmButton_ = nullptr;
};

}  // namespace quorlin
