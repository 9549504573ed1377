// Reading every task of a large store, as overall progress does on each refresh: list the task names,
// then read and split each task's lesson list and completion list. Compared with SimpleIni loading the
// same file and reading the same values, split the same way.
#include <stdlib.h>
#include <sys/stat.h>

// GBK bytes are taken as they are, and the template is compiled here with the same optimisation as ours.
#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION
#include <SimpleIni.h>
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "import/text_encoding.h"
#include "store/profile_cache.h"
#include "store/read_snapshot.h"
#include "store/task_store.h"
#include "support/temp_folder.h"

namespace {

using quorlin::Text;

constexpr int kLessonsPerTask = 20;

const Text kLessonKey(quorlin::kLessonListKey);
const Text kCompletionKey(quorlin::kCompletionListKey);

// A store of `tasks` tasks with 20 lessons each, written once per size into a folder of its own.
class StoreFile {
 public:
  explicit StoreFile(int tasks) {
    const char* subjects[] = {"英语语法", "高等数学", "线性代数", "大学物理", "有机化学", "中国近代史"};
    const char* topics[] = {"时态与语态", "定语从句", "虚拟语气", "极限与连续", "导数的应用",
                            "行列式",     "矩阵运算", "牛顿定律", "电磁感应",   "复习与测验"};
    std::string utf8;
    for (int task = 0; task < tasks; ++task) {
      utf8 += "[";
      utf8 += subjects[task % 6];
      utf8 += "第" + std::to_string(task) + "册]\r\n目录=";
      for (int lesson = 0; lesson < kLessonsPerTask; ++lesson) {
        if (lesson > 0) utf8 += "|";
        utf8 += "第" + std::to_string(lesson + 1) + "课 " + topics[(task + lesson) % 10];
      }
      utf8 += "\r\n已完成=";
      for (int row = 0; row < task % kLessonsPerTask; row += 3)
        utf8 += (row > 0 ? "," : "") + std::to_string(row);
      utf8 += "\r\n";
    }
    std::ofstream(Path(), std::ios::binary) << quorlin::ConvertUtf8ToGbk(utf8);
    // The store keeps no parse of a file changed moments ago; let this one settle first.
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
  }

  const std::filesystem::path& Folder() const { return folder_.Path(); }
  std::filesystem::path Path() const { return quorlin::TaskStore(folder_.Path()).StorePath(); }

 private:
  quorlin::testing::TempFolder folder_;
};

const StoreFile& StoreOf(int tasks) {
  static std::map<int, std::unique_ptr<StoreFile>> stores;
  auto& store = stores[tasks];
  if (!store) store = std::make_unique<StoreFile>(tasks);
  return *store;
}

void CountTasks(benchmark::State& state, size_t tasks) {
  state.SetComplexityN(state.range(0));
  state.counters["tasks"] = static_cast<double>(tasks);
}

// `fromDisk`: the file changed since the last operation, so the first one reads and parses it again.
// `inSnapshot`: the reads share one look at the file, as overall progress makes them.
void ReadAllTasks(benchmark::State& state, bool fromDisk, bool inSnapshot = false) {
  const StoreFile& file = StoreOf(static_cast<int>(state.range(0)));
  const quorlin::TaskStore store(file.Folder());
  size_t tasks = 0;
  for (auto _ : state) {
    if (fromDisk) {
      state.PauseTiming();
      quorlin::ForgetProfile(store.StorePath());
      state.ResumeTiming();
    }
    std::optional<quorlin::StoreReadSnapshot> snapshot;
    if (inSnapshot) snapshot.emplace();
    const std::vector<Text> names = quorlin::TaskStore::ListTaskNames(store.StorePath());
    size_t lessons = 0;
    for (const Text& name : names) {
      lessons += store.ReadLessonList(name).size();
      lessons += store.ReadCompletionList(name).size();
    }
    benchmark::DoNotOptimize(lessons);
    tasks = names.size();
  }
  CountTasks(state, tasks);
}

void BM_TaskStoreFromDisk(benchmark::State& state) { ReadAllTasks(state, true); }
void BM_TaskStoreUnchangedFile(benchmark::State& state) { ReadAllTasks(state, false); }
void BM_TaskStoreSnapshotFromDisk(benchmark::State& state) { ReadAllTasks(state, true, true); }

// The part of the store's time that is the one stat each operation makes to see whether the file
// changed: one for the listing and one for each of the two reads of every task.
void BM_TaskStoreStatsAlone(benchmark::State& state) {
  const StoreFile& file = StoreOf(static_cast<int>(state.range(0)));
  const size_t tasks = quorlin::TaskStore::ListTaskNames(file.Path()).size();
  const std::filesystem::path path = file.Path();
  for (auto _ : state) {
    struct stat status {};
    for (size_t i = 0; i < 2 * tasks + 1; ++i) benchmark::DoNotOptimize(stat(path.c_str(), &status));
  }
  CountTasks(state, tasks);
}

void BM_SimpleIni(benchmark::State& state) {
  const StoreFile& file = StoreOf(static_cast<int>(state.range(0)));
  size_t tasks = 0;
  for (auto _ : state) {
    CSimpleIniCaseA ini;
    ini.LoadFile(file.Path().c_str());
    CSimpleIniCaseA::TNamesDepend sections;
    ini.GetAllSections(sections);
    sections.sort(CSimpleIniCaseA::Entry::LoadOrder());
    size_t lessons = 0;
    for (const auto& section : sections) {
      lessons += quorlin::SplitList(ini.GetValue(section.pItem, kLessonKey.c_str(), ""), '|').size();
      lessons += quorlin::SplitList(ini.GetValue(section.pItem, kCompletionKey.c_str(), ""), ',').size();
    }
    benchmark::DoNotOptimize(lessons);
    tasks = sections.size();
  }
  CountTasks(state, tasks);
}

void Sizes(benchmark::internal::Benchmark* benchmark) {
  benchmark->Arg(1'000)->Arg(3'000)->Arg(10'000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
}

BENCHMARK(BM_TaskStoreFromDisk)->Apply(Sizes);
BENCHMARK(BM_TaskStoreUnchangedFile)->Apply(Sizes);
BENCHMARK(BM_TaskStoreSnapshotFromDisk)->Apply(Sizes);
BENCHMARK(BM_TaskStoreStatsAlone)->Apply(Sizes);
BENCHMARK(BM_SimpleIni)->Apply(Sizes);

}  // namespace
