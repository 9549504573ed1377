#include "ui/main_window.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <algorithm>

#include "import/plan_import.h"
#include "progress/checklist.h"
#include "progress/overall_progress.h"
#include "store/read_snapshot.h"
#include "ui/bar_chart.h"
#include "ui/control_style.h"
#include "ui/delete_task_window.h"
#include "ui/gbk_qt.h"
#include "ui/lesson_list_view.h"
#include "ui/log_panel.h"
#include "ui/task_name_model.h"
#include "ui/update_window.h"
#include "ui/window_frame.h"

namespace quorlin {
namespace {

// "日志："
constexpr std::string_view kLogStart = "\xC8\xD5\xD6\xBE\xA3\xBA";
// "-请选择-"
constexpr std::string_view kPlaceholder = "-\xC7\xEB\xD1\xA1\xD4\xF1-";
// "\r\n若删除任务 建议重启软件！"
constexpr std::string_view kDeleteAdvice =
    "\r\n\xC8\xF4\xC9\xBE\xB3\xFD\xC8\xCE\xCE\xF1 \xBD\xA8\xD2\xE9\xD6\xD8\xC6\xF4\xC8\xED\xBC\xFE\xA3\xA1";
// "\r\n打开更新窗口"
constexpr std::string_view kOpeningUpdate = "\r\n\xB4\xF2\xBF\xAA\xB8\xFC\xD0\xC2\xB4\xB0\xBF\xDA";

// The selector's list drops down to 160 pixels together with the closed box.
constexpr int kDroppedListHeight = 140;

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text, QRect geometry) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(QString::fromUtf8(name));
  button->setGeometry(geometry);
  button->setAutoDefault(false);
  button->setDefault(false);
  return button;
}

BarChart::Config OverallChartConfig() {
  BarChart::Config config;
  config.title = QStringLiteral("总进度柱状图");
  config.category = QStringLiteral("总进度");
  config.seriesColour = QColor(0, 255, 0);
  config.axisMaximum = 100;
  config.axisSteps = 10;
  config.decimals = 2;
  config.tipTemplate = QStringLiteral("${v}");
  return config;
}

}  // namespace

MainWindow::MainWindow(TaskStore store, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent), store_(std::move(store)), dialogs_(dialogs) {
  setWindowTitle(QStringLiteral("@TovrinKelmora V2.0 【Varnost】"));
  MakeFixedWindow(*this, kClientSize, /*dialog=*/false);
  CloseOnEscape(*this);
  BuildControls();
  OnMainWindowCreated();
  ConnectEvents();
}

void MainWindow::BuildControls() {
  taskSelector_ = new QComboBox(this);
  taskSelector_->setObjectName(QStringLiteral("组合框1"));
  taskSelector_->setGeometry(16, 16, 120, 20);
  taskSelector_->setEditable(false);
  taskSelector_->setInsertPolicy(QComboBox::InsertAtBottom);
  // The box has a fixed size: measuring every task name for a size hint would only cost time.
  taskSelector_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  // A list dropping down below the box, as high as designed, rather than a menu over it.
  taskSelector_->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
  taskSelector_->setMaxVisibleItems(
      std::max(1, kDroppedListHeight / (taskSelector_->fontMetrics().height() + 4)));
  SetColours(*taskSelector_, Qt::black, Qt::white);
  // A model over the GBK names themselves: no item objects, and a name is decoded only when shown.
  taskNames_ = new TaskNameModel(taskSelector_);
  taskSelector_->setModel(taskNames_);
  taskNames_->Append({Text(kPlaceholder)});
  taskSelector_->setCurrentIndex(0);

  progressBar_ = new QProgressBar(this);
  progressBar_->setObjectName(QStringLiteral("进度条1"));
  progressBar_->setGeometry(152, 16, 416, 24);
  progressBar_->setRange(0, 100);
  progressBar_->setValue(0);
  progressBar_->setTextVisible(false);

  percentLabel_ = new QLabel(QStringLiteral("0%"), this);
  percentLabel_->setObjectName(QStringLiteral("标签1"));
  percentLabel_->setGeometry(576, 12, 56, 32);
  percentLabel_->setTextFormat(Qt::PlainText);
  percentLabel_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  percentLabel_->setWordWrap(false);
  QPalette labelPalette = percentLabel_->palette();
  labelPalette.setColor(QPalette::WindowText, Qt::black);
  percentLabel_->setPalette(labelPalette);

  checklist_ = new LessonListView(this);
  checklist_->setObjectName(QStringLiteral("超级列表框1"));
  checklist_->setGeometry(16, 48, 560, 352);
  SetColours(*checklist_, Qt::black, Qt::white);

  // The open-file dialog component: never shown, it carries the filter; the file name lives in
  // dialogFileName_.
  auto* fileDialog = new QWidget(this);
  fileDialog->setObjectName(QStringLiteral("通用对话框1"));
  fileDialog->setGeometry(608, 64, 24, 24);
  fileDialog->setProperty("filter", QStringLiteral("*.txt"));
  fileDialog->hide();

  chart_ = new BarChart(OverallChartConfig(), this);
  chart_->setObjectName(QStringLiteral("柱状图控件1"));
  chart_->setGeometry(656, 48, 176, 216);

  updateButton_ = MakeButton(this, "按钮4", QStringLiteral("检测更新"), QRect(603, 281, 80, 32));
  importButton_ = MakeButton(this, "按钮_导入任务", QStringLiteral("导入任务"), QRect(699, 280, 80, 32));
  deleteButton_ = MakeButton(this, "按钮3", QStringLiteral("删除任务"), QRect(792, 280, 80, 32));

  log_ = new LogPanel(kLogStart, this);
  log_->setObjectName(QStringLiteral("编辑框_日志"));
  log_->setGeometry(592, 321, 304, 119);
  SetColours(*log_, DarkGreen(), Qt::black);

  motto_ = new QLineEdit(QStringLiteral("写代码是热爱 写到世界充满爱"), this);
  motto_->setObjectName(QStringLiteral("编辑框1"));
  motto_->setGeometry(16, 416, 424, 32);
  motto_->setReadOnly(true);
  motto_->setAlignment(Qt::AlignCenter);
  motto_->setCursorPosition(0);
  SetColours(*motto_, DarkGreen(), Qt::black);
  QFont mottoFont = motto_->font();
  mottoFont.setPixelSize(12);
  mottoFont.setWeight(QFont::Normal);
  motto_->setFont(mottoFont);

  saveButton_ = MakeButton(this, "按钮5", QStringLiteral("保存并更新"), QRect(467, 416, 104, 32));
}

void MainWindow::ConnectEvents() {
  // Each handler reads the store as one snapshot: its figures agree and the file is looked at once.
  // `activated` also comes when the user re-chooses the selected item, and never from code.
  connect(taskSelector_, &QComboBox::activated, this, [this] {
    StoreReadSnapshot snapshot;
    ChooseTask(*this, store_);
  });
  connect(saveButton_, &QPushButton::clicked, this, [this] {
    StoreReadSnapshot snapshot;
    SaveChecklist(*this, store_);
  });
  connect(importButton_, &QPushButton::clicked, this, [this] {
    StoreReadSnapshot snapshot;
    ImportPlan(*this, dialogs_, store_);
  });
  // The secondary windows read the store themselves; a snapshot must not outlive the modal loop.
  connect(deleteButton_, &QPushButton::clicked, this, &MainWindow::OpenDeleteTaskWindow);
  connect(updateButton_, &QPushButton::clicked, this, &MainWindow::OpenUpdateWindow);
}

void MainWindow::OnMainWindowCreated() {
  StoreReadSnapshot snapshot;
  const std::filesystem::path path = store_.StorePath();
  if (!TaskStore::Exists(path)) return;
  AddTaskItems(TaskStore::ListTaskNames(path));
  ShowOverallProgress(*this, store_);
}

void MainWindow::OpenDeleteTaskWindow() {
  AppendLog(kDeleteAdvice);
  DeleteTaskWindow window(store_, dialogs_);
  window.exec();
}

void MainWindow::OpenUpdateWindow() {
  AppendLog(kOpeningUpdate);
  UpdateWindow window;
  window.exec();
}

void MainWindow::AppendLog(std::string_view message) { log_->Append(message); }

const Text& MainWindow::LogText() const { return log_->LogText(); }

Text MainWindow::SelectedTaskText() const {
  const int index = taskSelector_->currentIndex();
  if (index < 0 || index >= taskNames_->Count()) return {};
  return taskNames_->Name(index);
}

std::vector<Text> MainWindow::TaskItems() const { return taskNames_->Names(); }

void MainWindow::AddTaskItem(std::string_view name) { taskNames_->Append({Text(name)}); }

void MainWindow::AddTaskItems(std::vector<Text> names) { taskNames_->Append(std::move(names)); }

void MainWindow::ShowRows(std::vector<Text> texts, std::vector<bool> ticked) {
  checklist_->ShowRows(std::move(texts), std::move(ticked));
}

int MainWindow::RowCount() const { return checklist_->lessons().RowCount(); }

bool MainWindow::IsTicked(int row) const { return checklist_->lessons().IsTicked(row); }

void MainWindow::SetPercentLabel(std::string_view text) { percentLabel_->setText(FromGbk(text)); }

void MainWindow::SetProgressPosition(int position) { progressBar_->setValue(std::clamp(position, 0, 100)); }

void MainWindow::SetChartValue(double value) { chart_->SetValue(value); }

std::filesystem::path MainWindow::DialogFileName() const { return dialogFileName_; }

void MainWindow::SetDialogFileName(const std::filesystem::path& path) { dialogFileName_ = path; }

}  // namespace quorlin
