#include "ui/main_window.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextBlock>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "support/fake_dialogs.h"
#include "support/gbk.h"
#include "ui/bar_chart.h"
#include "ui/delete_task_window.h"
#include "ui/update_window.h"
#include "ui_test_support.h"

namespace quorlin {
namespace {

using testing::FakeDialogs;
using testing::Gbk;
using testing::StoreFolder;
using testing::Utf8;

template <typename T = QWidget>
T* Control(const QWidget& window, const char* name) {
  return window.findChild<T*>(QString::fromUtf8(name));
}

// What a control shows, as one comparable text.
QString Content(QWidget* control) {
  if (auto* combo = qobject_cast<QComboBox*>(control)) {
    QStringList items;
    for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
    return items.join('|') + QStringLiteral(" @%1").arg(combo->currentIndex());
  }
  if (auto* label = qobject_cast<QLabel*>(control)) return label->text();
  if (auto* button = qobject_cast<QPushButton*>(control)) return button->text();
  if (auto* line = qobject_cast<QLineEdit*>(control)) return line->text();
  if (auto* text = qobject_cast<QPlainTextEdit*>(control)) return text->toPlainText();
  if (auto* bar = qobject_cast<QProgressBar*>(control)) return QString::number(bar->value());
  if (auto* chart = qobject_cast<BarChart*>(control)) return chart->ValueText();
  if (auto* list = qobject_cast<QListView*>(control))
    return QStringLiteral("%1 rows").arg(list->model()->rowCount());
  return control->property("filter").toString();
}

struct ControlRow {
  const char* window;
  const char* name;
  const char* kind;
  QRect geometry;
  QString content;
};

TEST(MainWindowTest, EveryControlHasItsIdentifierGeometryAndInitialContent) {
  StoreFolder folder;
  FakeDialogs dialogs;
  MainWindow main(folder.Store(), dialogs);
  DeleteTaskWindow remove(folder.Store(), dialogs);
  UpdateWindow update;
  const std::map<std::string, QWidget*> windows{{"main", &main}, {"delete", &remove}, {"update", &update}};

  const std::vector<ControlRow> rows{
      {"main", "组合框1", "QComboBox", {16, 16, 120, 20}, "-请选择- @0"},
      {"main", "进度条1", "QProgressBar", {152, 16, 416, 24}, "0"},
      {"main", "标签1", "QLabel", {576, 12, 56, 32}, "0%"},
      {"main", "超级列表框1", "quorlin::LessonListView", {16, 48, 560, 352}, "0 rows"},
      {"main", "通用对话框1", "QWidget", {608, 64, 24, 24}, "*.txt"},
      {"main", "柱状图控件1", "quorlin::BarChart", {656, 48, 176, 216}, "0.00"},
      {"main", "按钮4", "QPushButton", {603, 281, 80, 32}, "检测更新"},
      {"main", "按钮_导入任务", "QPushButton", {699, 280, 80, 32}, "导入任务"},
      {"main", "按钮3", "QPushButton", {792, 280, 80, 32}, "删除任务"},
      {"main", "编辑框_日志", "quorlin::LogPanel", {592, 321, 304, 119}, "日志："},
      {"main", "编辑框1", "QLineEdit", {16, 416, 424, 32}, "写代码是热爱 写到世界充满爱"},
      {"main", "按钮5", "QPushButton", {467, 416, 104, 32}, "保存并更新"},
      {"delete", "组合框1", "QComboBox", {32, 40, 152, 20}, "-请选择要删除的任务- @0"},
      {"delete", "按钮1", "QPushButton", {208, 40, 64, 24}, "确定"},
      {"update",
       "标签1",
       "QLabel",
       {8, 0, 368, 40},
       "写了一天了，不想写在线验证\\升级版本功能了，留个地址自己看吧"},
      {"update", "编辑框1", "QPlainTextEdit", {8, 46, 360, 42}, UpdateWindow::LinkText()},
      {"update", "标签3", "QLabel", {48, 128, 288, 44}, "写代码是热爱，写到世界充满爱"},
  };
  for (const ControlRow& row : rows) {
    SCOPED_TRACE(std::string(row.window) + " " + row.name);
    QWidget* control = Control(*windows.at(row.window), row.name);
    ASSERT_NE(control, nullptr);
    EXPECT_STREQ(control->metaObject()->className(), row.kind);
    EXPECT_EQ(control->geometry(), row.geometry);
    EXPECT_EQ(Content(control), row.content);
  }
}

TEST(MainWindowTest, WindowsAreFixedWithCloseAndMinimizeButNoMaximizeAndNoDefaultButton) {
  StoreFolder folder;
  FakeDialogs dialogs;
  MainWindow main(folder.Store(), dialogs);
  DeleteTaskWindow remove(folder.Store(), dialogs);
  UpdateWindow update;
  struct Row {
    QWidget* window;
    QString title;
    QSize client;
  };
  for (const Row& row : {Row{&main, "@TovrinKelmora V2.0 【Varnost】", {897, 450}},
                         Row{&remove, "删除任务", {304, 118}}, Row{&update, "软件更新", {379, 180}}}) {
    SCOPED_TRACE(row.title.toStdString());
    EXPECT_EQ(row.window->windowTitle(), row.title);
    EXPECT_EQ(row.window->minimumSize(), row.client);
    EXPECT_EQ(row.window->maximumSize(), row.client);
    const Qt::WindowFlags flags = row.window->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowStaysOnTopHint);
    for (QPushButton* button : row.window->findChildren<QPushButton*>()) {
      EXPECT_FALSE(button->isDefault() || button->autoDefault()) << button->objectName().toStdString();
    }
  }
}

TEST(MainWindowTest, ControlsKeepTheirDesignedSettings) {
  StoreFolder folder;
  FakeDialogs dialogs;
  MainWindow main(folder.Store(), dialogs);
  UpdateWindow update;

  auto* selector = Control<QComboBox>(main, "组合框1");
  EXPECT_FALSE(selector->isEditable());
  EXPECT_EQ(selector->palette().color(QPalette::ButtonText), QColor(Qt::black));
  EXPECT_EQ(selector->palette().color(QPalette::Button), QColor(Qt::white));

  auto* bar = Control<QProgressBar>(main, "进度条1");
  EXPECT_EQ(bar->minimum(), 0);
  EXPECT_EQ(bar->maximum(), 100);

  auto* label = Control<QLabel>(main, "标签1");
  EXPECT_EQ(label->alignment(), Qt::AlignLeft | Qt::AlignVCenter);
  EXPECT_EQ(label->textFormat(), Qt::PlainText);

  auto* list = Control<QListView>(main, "超级列表框1");
  EXPECT_EQ(list->viewMode(), QListView::ListMode);
  EXPECT_EQ(list->flow(), QListView::TopToBottom);
  EXPECT_TRUE(list->isWrapping());
  EXPECT_TRUE(list->uniformItemSizes());
  EXPECT_EQ(list->selectionMode(), QAbstractItemView::SingleSelection);
  EXPECT_EQ(list->editTriggers(), QAbstractItemView::NoEditTriggers);
  EXPECT_EQ(list->palette().color(QPalette::Base), QColor(Qt::white));

  auto* chart = Control<BarChart>(main, "柱状图控件1");
  EXPECT_EQ(chart->config().title, "总进度柱状图");
  EXPECT_EQ(chart->config().category, "总进度");
  EXPECT_EQ(chart->config().seriesColour, QColor(0, 255, 0));
  EXPECT_EQ(chart->config().axisMaximum, 100);
  EXPECT_EQ(chart->config().axisSteps, 10);
  EXPECT_EQ(chart->config().tipTemplate, "${v}");

  for (const char* name : {"编辑框_日志", "编辑框1"}) {
    SCOPED_TRACE(name);
    QWidget* box = Control(main, name);
    EXPECT_EQ(box->palette().color(QPalette::Text), QColor(0, 128, 0));
    EXPECT_EQ(box->palette().color(QPalette::Base), QColor(Qt::black));
  }
  auto* log = Control<QPlainTextEdit>(main, "编辑框_日志");
  EXPECT_TRUE(log->isReadOnly());
  EXPECT_NE(log->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  EXPECT_EQ(log->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  EXPECT_EQ(log->lineWrapMode(), QPlainTextEdit::WidgetWidth);

  auto* motto = Control<QLineEdit>(main, "编辑框1");
  EXPECT_TRUE(motto->isReadOnly());
  EXPECT_EQ(motto->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
  EXPECT_EQ(motto->font().pixelSize(), 12);
  EXPECT_EQ(motto->font().weight(), QFont::Normal);

  auto* link = Control<QPlainTextEdit>(update, "编辑框1");
  EXPECT_TRUE(link->isReadOnly());
  EXPECT_EQ(link->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  EXPECT_EQ(link->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  EXPECT_TRUE(link->textInteractionFlags() & Qt::TextSelectableByMouse);
  const QStringList lines = link->toPlainText().split('\n');
  ASSERT_EQ(lines.size(), 2);
  EXPECT_TRUE(lines[0].startsWith("https://"));
  EXPECT_TRUE(QRegularExpression("^密码:[0-9a-z]{4}$").match(lines[1]).hasMatch()) << lines[1].toStdString();

  auto* redMotto = Control<QLabel>(update, "标签3");
  EXPECT_EQ(redMotto->palette().color(QPalette::WindowText), QColor(255, 0, 0));
  EXPECT_TRUE(redMotto->font().bold());
  EXPECT_EQ(redMotto->font().pixelSize(), 16);
  EXPECT_EQ(redMotto->alignment(), Qt::AlignCenter);
}

TEST(MainWindowTest, TheSelectorListsThePlaceholderThenTheStoredTasksInFileOrder) {
  // A name whose bytes do not survive a trip through UTF-16 must still come back exactly.
  const Text odd = "\x81\x7F" + Gbk(u8"课");
  struct Row {
    const char* name;
    std::optional<Text> store;
    std::vector<Text> items;
    QString chart;
  };
  const std::vector<Row> rows{
      {"no store", std::nullopt, {Gbk(u8"-请选择-")}, "0.00"},
      {"store without sections", Text(), {Gbk(u8"-请选择-")}, "0.00"},
      {"three tasks",
       Gbk(u8"[英语]\r\n目录=a|b|c\r\n已完成=0,1\r\n[数学]\r\n目录=x\r\n已完成=\r\n[") + odd + "]\r\n",
       {Gbk(u8"-请选择-"), Gbk(u8"英语"), Gbk(u8"数学"), odd},
       "50.00"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    StoreFolder folder;
    if (row.store) folder.Write(*row.store);
    FakeDialogs dialogs;
    MainWindow window(folder.Store(), dialogs);
    EXPECT_EQ(window.TaskItems(), row.items);
    EXPECT_EQ(window.SelectedTaskText(), Gbk(u8"-请选择-"));
    EXPECT_EQ(Control<BarChart>(window, "柱状图控件1")->ValueText(), row.chart);
    EXPECT_EQ(window.LogText(), Gbk(u8"日志："));
    EXPECT_EQ(window.RowCount(), 0);
  }
}

TEST(MainWindowTest, AppendLogKeepsTheExactTextAndShowsTheLastLineAfterTheUserScrolledUp) {
  StoreFolder folder;
  FakeDialogs dialogs;
  MainWindow window(folder.Store(), dialogs);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  auto* log = Control<QPlainTextEdit>(window, "编辑框_日志");

  Text expected = Gbk(u8"日志：");
  for (int line = 0; line < 40; ++line) {
    const Text message =
        Gbk(u8"\r\n第") + std::to_string(line) + Gbk(u8"行，一条足够长而会在面板里折行的日志消息");
    window.AppendLog(message);
    expected += message;
  }
  QScrollBar* scroll = log->verticalScrollBar();
  ASSERT_GT(scroll->maximum(), 0);
  scroll->setValue(0);

  const Text last = Gbk(u8"\r\n正在读取：《英语》 共:3 已完成2\r\n");
  window.AppendLog(last);
  expected += last;

  EXPECT_EQ(Utf8(window.LogText()), Utf8(expected));
  EXPECT_EQ(window.LogText(), expected);
  EXPECT_EQ(scroll->value(), scroll->maximum());
  // The message's own final CR LF opens an empty last line; the line before it must be in view too.
  QTextCursor end(log->document());
  end.movePosition(QTextCursor::End);
  EXPECT_TRUE(log->viewport()->rect().contains(log->cursorRect(end)));
  end.movePosition(QTextCursor::PreviousBlock);
  EXPECT_EQ(end.block().text(), QStringLiteral("正在读取：《英语》 共:3 已完成2"));
  EXPECT_TRUE(log->viewport()->rect().contains(log->cursorRect(end)));
  EXPECT_EQ(log->document()->blockCount(), 1 + 40 + 2);
}

TEST(MainWindowTest, EscapeClosesTheMainWindowWhereverTheFocusIs) {
  for (const char* focus : {"超级列表框1", "编辑框_日志", "组合框1", "按钮5", "编辑框1"}) {
    SCOPED_TRACE(focus);
    StoreFolder folder;
    FakeDialogs dialogs;
    MainWindow window(folder.Store(), dialogs);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QWidget* control = Control(window, focus);
    control->setFocus();
    QTest::keyClick(control, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
  }
}

class SecondaryWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_.Write(Gbk(u8"[英语]\r\n目录=a|b\r\n已完成=0\r\n[数学]\r\n目录=x\r\n已完成=\r\n"));
    window_ = std::make_unique<MainWindow>(folder_.Store(), dialogs_);
    window_->show();
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  }

  int Count(const Text& line) const {
    int count = 0;
    for (size_t at = window_->LogText().find(line); at != Text::npos;
         at = window_->LogText().find(line, at + 1)) {
      ++count;
    }
    return count;
  }

  StoreFolder folder_;
  FakeDialogs dialogs_;
  std::unique_ptr<MainWindow> window_;
};

TEST_F(SecondaryWindowTest, UpdateWindowIsModalAndEveryOpeningIsLogged) {
  const Text logLine = Gbk(u8"\r\n打开更新窗口");
  for (int opening = 1; opening <= 2; ++opening) {
    SCOPED_TRACE(opening);
    testing::WhileModal([&] { testing::ClickThroughWindow(*Control(*window_, "按钮4")); },
                        [&](QWidget* modal) {
                          ASSERT_NE(qobject_cast<UpdateWindow*>(modal), nullptr);
                          EXPECT_TRUE(modal->isVisible());
                          // The line is logged before the window opens.
                          EXPECT_EQ(Count(logLine), opening);
                          const Text before = window_->LogText();
                          testing::ClickThroughWindow(*Control(*window_, "按钮3"));
                          testing::ClickThroughWindow(*Control(*window_, "按钮4"));
                          EXPECT_EQ(window_->LogText(), before);
                          EXPECT_EQ(QApplication::activeModalWidget(), modal);
                        });
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(Count(logLine), opening);
  }
}

TEST_F(SecondaryWindowTest, DeleteWindowIsModalAndListsTheTasksAnewAtEveryOpening) {
  const Text logLine = Gbk(u8"\r\n若删除任务 建议重启软件！");
  for (int opening = 1; opening <= 2; ++opening) {
    SCOPED_TRACE(opening);
    testing::WhileModal([&] { testing::ClickThroughWindow(*Control(*window_, "按钮3")); },
                        [&](QWidget* modal) {
                          ASSERT_NE(qobject_cast<DeleteTaskWindow*>(modal), nullptr);
                          EXPECT_EQ(Count(logLine), opening);
                          EXPECT_EQ(Content(Control(*modal, "组合框1")), "-请选择要删除的任务-|英语|数学 @0");
                          const Text before = window_->LogText();
                          testing::ClickThroughWindow(*Control(*window_, "按钮4"));
                          testing::ClickThroughWindow(*Control(*window_, "按钮5"));
                          EXPECT_EQ(window_->LogText(), before);
                          EXPECT_EQ(QApplication::activeModalWidget(), modal);
                        });
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  }
  EXPECT_FALSE(dialogs_.exitCode.has_value());
  EXPECT_TRUE(dialogs_.messages.empty());
}

TEST_F(SecondaryWindowTest, EscapeClosesEachSecondaryWindow) {
  for (const char* button : {"按钮3", "按钮4"}) {
    SCOPED_TRACE(button);
    bool closed = false;
    testing::WhileModal([&] { Control<QPushButton>(*window_, button)->click(); },
                        [&](QWidget* modal) {
                          ASSERT_NE(modal, nullptr);
                          QTest::keyClick(modal->focusWidget() ? modal->focusWidget() : modal,
                                          Qt::Key_Escape);
                          closed = !modal->isVisible();
                        });
    EXPECT_TRUE(closed);
    EXPECT_TRUE(window_->isVisible());
  }
}

}  // namespace
}  // namespace quorlin
