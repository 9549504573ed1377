// Overall progress over a large store, against the least any caller must do: list the tasks and read both
// values of each.
#include <benchmark/benchmark.h>

#include <fstream>

#include "bench_view.h"
#include "progress/overall_progress.h"
#include "store/task_store.h"

namespace quorlin {
namespace {

// A store of `taskCount` tasks of 20 lessons each, every other lesson done, written once for the run.
class LargeStore {
 public:
  explicit LargeStore(int taskCount) {
    std::ofstream out(store_.StorePath(), std::ios::binary);
    for (int task = 0; task < taskCount; ++task) {
      out << "[task " << task << "]\r\n" << kLessonListKey << "=";
      for (int lesson = 0; lesson < 20; ++lesson) out << (lesson ? "|" : "") << "lesson " << lesson;
      out << "\r\n" << kCompletionListKey << "=0,2,4,6,8,10,12,14,16,18\r\n";
    }
  }
  const TaskStore& store() const { return store_; }

 private:
  BenchDir dir_;
  TaskStore store_{dir_.Path()};
};

const TaskStore& TenThousandTasks() {
  static LargeStore store(10'000);
  return store.store();
}

void BM_ShowOverallProgress(benchmark::State& state) {
  const TaskStore& store = TenThousandTasks();
  NoOpView view;
  for (auto _ : state) ShowOverallProgress(view, store);
}
BENCHMARK(BM_ShowOverallProgress)->Unit(benchmark::kMillisecond);

void BM_ListAndReadListsPerTask(benchmark::State& state) {
  const TaskStore& store = TenThousandTasks();
  for (auto _ : state) {
    for (const Text& task : TaskStore::ListTaskNames(store.StorePath())) {
      benchmark::DoNotOptimize(store.ReadLessonList(task));
      benchmark::DoNotOptimize(store.ReadCompletionList(task));
    }
  }
}
BENCHMARK(BM_ListAndReadListsPerTask)->Unit(benchmark::kMillisecond);

void BM_ListAndReadValuesPerTask(benchmark::State& state) {
  const TaskStore& store = TenThousandTasks();
  for (auto _ : state) {
    const std::filesystem::path path = store.StorePath();
    for (const Text& task : TaskStore::ListTaskNames(path)) {
      benchmark::DoNotOptimize(TaskStore::ReadValue(path, task, kLessonListKey));
      benchmark::DoNotOptimize(TaskStore::ReadValue(path, task, kCompletionListKey));
    }
  }
}
BENCHMARK(BM_ListAndReadValuesPerTask)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quorlin
