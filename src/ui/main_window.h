#pragma once

#include <QWidget>
#include <filesystem>

#include "import/dialogs.h"
#include "progress/main_view.h"
#include "store/task_store.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace quorlin {

class BarChart;
class LessonListView;
class LogPanel;
class TaskNameModel;

// The application's main window: its controls, the wiring of their events to the operations, start-up
// and the log panel. Controls carry their designed identifiers as object names.
class MainWindow final : public QWidget, public MainView {
  Q_OBJECT

 public:
  static constexpr QSize kClientSize{897, 450};

  // Builds every control, then fills the task selector from the store, as the created event does.
  MainWindow(TaskStore store, Dialogs& dialogs, QWidget* parent = nullptr);

  void AppendLog(std::string_view message) override;
  Text SelectedTaskText() const override;
  std::vector<Text> TaskItems() const override;
  void AddTaskItem(std::string_view name) override;
  void ShowRows(std::vector<Text> texts, std::vector<bool> ticked) override;
  int RowCount() const override;
  bool IsTicked(int row) const override;
  void SetPercentLabel(std::string_view text) override;
  void SetProgressPosition(int position) override;
  void SetChartValue(double value) override;
  std::filesystem::path DialogFileName() const override;
  void SetDialogFileName(const std::filesystem::path& path) override;

  // The exact GBK log text.
  const Text& LogText() const;

 private:
  void BuildControls();
  void ConnectEvents();
  void OnMainWindowCreated();
  void AddTaskItems(std::vector<Text> names);
  void OpenDeleteTaskWindow();
  void OpenUpdateWindow();

  TaskStore store_;
  Dialogs& dialogs_;
  std::filesystem::path dialogFileName_;

  QComboBox* taskSelector_ = nullptr;
  TaskNameModel* taskNames_ = nullptr;
  QProgressBar* progressBar_ = nullptr;
  QLabel* percentLabel_ = nullptr;
  LessonListView* checklist_ = nullptr;
  BarChart* chart_ = nullptr;
  QPushButton* updateButton_ = nullptr;
  QPushButton* importButton_ = nullptr;
  QPushButton* deleteButton_ = nullptr;
  LogPanel* log_ = nullptr;
  QLineEdit* motto_ = nullptr;
  QPushButton* saveButton_ = nullptr;
};

}  // namespace quorlin
