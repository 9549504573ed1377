// Choosing a task with many lessons, every other one done, through a window that shows nothing: the core's
// share of the work, which should grow in proportion to the lessons.
#include <benchmark/benchmark.h>

#include <string>

#include "bench_view.h"
#include "progress/checklist.h"
#include "store/task_store.h"

namespace quorlin {
namespace {

void BM_ChooseTask(benchmark::State& state) {
  const int lessons = static_cast<int>(state.range(0));
  BenchDir dir;
  TaskStore store(dir.Path());
  std::string lessonList;
  std::string completion;
  for (int lesson = 0; lesson < lessons; ++lesson) {
    if (lesson > 0) lessonList += '|';
    lessonList += "lesson ";
    lessonList += std::to_string(lesson);
    if (lesson % 2 != 0) continue;
    if (lesson > 0) completion += ',';
    completion += std::to_string(lesson);
  }
  if (!store.WriteLessonList("plan", lessonList) || !store.WriteCompletionList("plan", completion)) {
    state.SkipWithError("could not write the store");
    return;
  }
  NoOpView view;
  view.selected = "plan";
  for (auto _ : state) ChooseTask(view, store);
}
BENCHMARK(BM_ChooseTask)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quorlin
