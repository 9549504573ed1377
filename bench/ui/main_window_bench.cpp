#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QStringList>
#include <QStringListModel>
#include <QTemporaryDir>
#include <fstream>
#include <string>
#include <vector>

#include "import/text_encoding.h"
#include "store/task_store.h"
#include "ui/main_window.h"

namespace quorlin {
namespace {

class NoDialogs : public Dialogs {
 public:
  void ShowMessage(std::string_view) override {}
  bool OpenFile(std::filesystem::path&) override { return false; }
  void EndProgram(int) override {}
};

Text Gbk(const std::string& utf8) { return ConvertUtf8ToGbk(utf8); }

std::filesystem::path RunDirectory(const QTemporaryDir& dir) { return dir.path().toStdString(); }

void WriteStore(const QTemporaryDir& dir, const std::string& bytes) {
  std::ofstream(TaskStore(RunDirectory(dir)).StorePath(), std::ios::binary) << bytes;
}

std::string Lesson(int number) { return "第" + std::to_string(number) + "课 复习与练习"; }

// Building and showing the main window, with 1,000 tasks of 20 lessons each or with no store.
void BM_ShowMainWindow(benchmark::State& state) {
  const int tasks = static_cast<int>(state.range(0));
  QTemporaryDir dir;
  if (tasks > 0) {
    std::string store;
    for (int task = 0; task < tasks; ++task) {
      store += Gbk("[任务" + std::to_string(task) + "]\r\n目录=");
      for (int lesson = 0; lesson < 20; ++lesson) {
        if (lesson > 0) store += '|';
        store += Gbk(Lesson(lesson));
      }
      store += Gbk("\r\n已完成=0,2,4\r\n");
    }
    WriteStore(dir, store);
  }
  NoDialogs dialogs;
  for (auto _ : state) {
    MainWindow window(TaskStore(RunDirectory(dir)), dialogs);
    window.show();
    QCoreApplication::processEvents();
    benchmark::DoNotOptimize(&window);
  }
  const MainWindow window(TaskStore(RunDirectory(dir)), dialogs);
  if (window.findChild<QComboBox*>(QStringLiteral("组合框1"))->count() != tasks + 1) {
    state.SkipWithError("the selector does not list every task");
  }
}
BENCHMARK(BM_ShowMainWindow)->ArgName("tasks")->Arg(0)->Arg(1'000)->Unit(benchmark::kMillisecond);

// Appending messages to the log of a shown window.
void BM_AppendLog(benchmark::State& state) {
  const int messages = static_cast<int>(state.range(0));
  QTemporaryDir dir;
  NoDialogs dialogs;
  const Text message = Gbk("\r\n正在读取：《英语语法》 共:12 已完成3\r\n");
  for (auto _ : state) {
    state.PauseTiming();
    {
      MainWindow window(TaskStore(RunDirectory(dir)), dialogs);
      window.show();
      QCoreApplication::processEvents();
      state.ResumeTiming();
      for (int i = 0; i < messages; ++i) window.AppendLog(message);
      QCoreApplication::processEvents();
      state.PauseTiming();
    }
    state.ResumeTiming();
  }
}
BENCHMARK(BM_AppendLog)->ArgName("messages")->Arg(1'000)->Arg(10'000)->Unit(benchmark::kMillisecond);

std::vector<std::string> Lessons(int count) {
  std::vector<std::string> lessons;
  lessons.reserve(static_cast<size_t>(count));
  for (int lesson = 0; lesson < count; ++lesson) lessons.push_back(Lesson(lesson));
  return lessons;
}

// Choosing a task whose every other lesson is done, through the real main window until it has laid out
// and painted the checklist.
void BM_ChooseTask(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  QTemporaryDir dir;
  std::string lessonList;
  std::string completion;
  for (const std::string& lesson : Lessons(count)) {
    if (!lessonList.empty()) lessonList += '|';
    lessonList += lesson;
  }
  for (int lesson = 0; lesson < count; lesson += 2) {
    if (lesson > 0) completion += ',';
    completion += std::to_string(lesson);
  }
  WriteStore(dir, Gbk("[英语语法]\r\n目录=" + lessonList + "\r\n已完成=" + completion + "\r\n"));

  NoDialogs dialogs;
  const TaskStore store(RunDirectory(dir));
  MainWindow window(store, dialogs);
  auto* selector = window.findChild<QComboBox*>(QStringLiteral("组合框1"));
  selector->setCurrentIndex(1);
  window.show();
  QCoreApplication::processEvents();
  for (auto _ : state) {
    // What the selector emits when the user chooses the item: the window's own handler runs.
    emit selector->activated(1);
    QCoreApplication::processEvents();
  }
  if (window.RowCount() != count) state.SkipWithError("the checklist was not filled");
}
BENCHMARK(BM_ChooseTask)->ArgName("lessons")->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

// The peer: a plain QStringListModel of the same lesson texts.
void BM_PlainStringListModel(benchmark::State& state) {
  const std::vector<std::string> lessons = Lessons(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(lessons.size()));
    for (const std::string& lesson : lessons) texts.append(QString::fromStdString(lesson));
    QStringListModel model(texts);
    benchmark::DoNotOptimize(model.rowCount());
  }
}
BENCHMARK(BM_PlainStringListModel)
    ->ArgName("lessons")
    ->Arg(10'000)
    ->Arg(100'000)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quorlin
