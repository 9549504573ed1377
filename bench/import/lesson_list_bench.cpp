// Turning a large UTF-8 plan into a stored lesson list, against the least any import must do: convert the
// bytes from UTF-8 to GBK and write them to a file once.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unicode/ucnv.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>

#include "import/plan_import.h"
#include "store/task_store.h"
#include "support/temp_folder.h"

namespace quorlin {
namespace {

// Lines of 20 to 60 bytes: a lesson number, then Chinese characters, ended by CR LF.
std::string MakePlan(size_t bytes) {
  static const char* const kCharacters[] = {"\xE7\xAC\xAC", "\xE8\xAF\xBE", "\xE8\x8B\xB1", "\xE8\xAF\xAD",
                                            "\xE8\xAF\xAD", "\xE6\xB3\x95", "\xE6\x97\xB6", "\xE6\x80\x81",
                                            "\xE4\xBB\x8E", "\xE5\x8F\xA5", "\xE6\x95\xB0", "\xE5\xAD\xA6"};
  std::mt19937 random(42);
  std::uniform_int_distribution<size_t> length(20, 60);
  std::uniform_int_distribution<size_t> character(0, std::size(kCharacters) - 1);
  std::string plan;
  plan.reserve(bytes + 64);
  for (int lesson = 1; plan.size() < bytes; ++lesson) {
    std::string line = std::to_string(lesson) + " ";
    const size_t target = length(random) - 2;
    while (line.size() + 3 <= target) line += kCharacters[character(random)];
    line.append(target - line.size(), '.');
    plan += line;
    plan += "\r\n";
  }
  return plan;
}

void BM_LessonListAndStoreWrite(benchmark::State& state) {
  const std::string plan = MakePlan(static_cast<size_t>(state.range(0)));
  testing::TempFolder folder;
  TaskStore store(folder.Path());
  const Text name = "plan";
  for (auto _ : state) {
    // Every import writes a store that does not hold this plan yet.
    state.PauseTiming();
    std::filesystem::remove(store.StorePath());
    state.ResumeTiming();
    Text lessons = LessonListFromPlan(plan);
    bool written = store.WriteTask(name, lessons, "");
    if (!written) state.SkipWithError("the store write failed");
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(plan.size()));
}

// `flushed`: the file is flushed to disk before the write counts as done, as every store write is.
void BareConversionAndFileWrite(benchmark::State& state, bool flushed) {
  const std::string plan = MakePlan(static_cast<size_t>(state.range(0)));
  testing::TempFolder folder;
  const std::filesystem::path path = folder.Path() / "plan.gbk";
  for (auto _ : state) {
    std::string gbk(plan.size() + 16, '\0');
    UErrorCode status = U_ZERO_ERROR;
    int32_t length = ucnv_convert("windows-936", "UTF-8", gbk.data(), static_cast<int32_t>(gbk.size()),
                                  plan.data(), static_cast<int32_t>(plan.size()), &status);
    if (U_FAILURE(status)) state.SkipWithError("the conversion failed");
    gbk.resize(static_cast<size_t>(length));
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    const bool written = fd >= 0 && write(fd, gbk.data(), gbk.size()) == static_cast<ssize_t>(gbk.size()) &&
                         (!flushed || fsync(fd) == 0);
    if (fd >= 0) close(fd);
    if (!written) state.SkipWithError("the file write failed");
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(plan.size()));
}

void BM_BareConversionAndFileWrite(benchmark::State& state) { BareConversionAndFileWrite(state, false); }
void BM_BareConversionAndFlushedFileWrite(benchmark::State& state) {
  BareConversionAndFileWrite(state, true);
}

// The conversion alone, to tell its share from the store's.
void BM_LessonListFromPlan(benchmark::State& state) {
  const std::string plan = MakePlan(static_cast<size_t>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(LessonListFromPlan(plan));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(plan.size()));
}

constexpr int64_t kMiB = 1 << 20;
BENCHMARK(BM_LessonListAndStoreWrite)
    ->Arg(1 * kMiB)
    ->Arg(10 * kMiB)
    ->Unit(benchmark::kMillisecond)
    ->MinTime(2);
BENCHMARK(BM_BareConversionAndFileWrite)
    ->Arg(1 * kMiB)
    ->Arg(10 * kMiB)
    ->Unit(benchmark::kMillisecond)
    ->MinTime(2);
BENCHMARK(BM_BareConversionAndFlushedFileWrite)
    ->Arg(1 * kMiB)
    ->Arg(10 * kMiB)
    ->Unit(benchmark::kMillisecond)
    ->MinTime(2);
BENCHMARK(BM_LessonListFromPlan)->Arg(1 * kMiB)->Arg(10 * kMiB)->Unit(benchmark::kMillisecond)->MinTime(2);

}  // namespace
}  // namespace quorlin
