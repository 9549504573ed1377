// A writer killed at any moment never leaves a torn or partial store behind.
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <iterator>
#include <random>
#include <string>

#include "child_process.h"
#include "store/task_removal.h"
#include "store/task_store.h"
#include "support/gbk.h"
#include "support/temp_folder.h"

namespace quorlin::testing {
namespace {

constexpr int kTasks = 50;
constexpr int kKills = 200;

Text TaskName(int task) { return Gbk(u8"任务") + std::to_string(task); }
Text Reimported() { return Gbk(u8"重新导入的任务"); }

// A lesson list whose generation is written at both ends and whose length depends on it, so a value
// cut short or mixed from two writes is told apart from a whole one.
Text LessonsOf(int task, long generation) {
  Text value = "t" + std::to_string(task) + "g" + std::to_string(generation) + "|";
  for (long i = 0; i < generation % 41 + 1; ++i) value += Gbk(u8"第课时|");
  return value + "end" + std::to_string(generation);
}

bool IsWholeLessonList(int task, const Text& value) {
  const Text head = "t" + std::to_string(task) + "g";
  if (value.rfind(head, 0) != 0) return false;
  return value == LessonsOf(task, std::strtol(value.c_str() + head.size(), nullptr, 10));
}

bool IsWholeCompletionList(const Text& value) {
  return value.rfind("0,", 0) == 0 &&
         value == "0," + std::to_string(std::strtol(value.c_str() + 2, nullptr, 10));
}

// Rewrites random tasks forever, and now and then removes and re-imports one more task.
[[noreturn]] void WriteForever(const TaskStore& store, unsigned seed) {
  std::mt19937 random(seed);
  for (long step = 0;; ++step) {
    const int task = static_cast<int>(random() % kTasks);
    const long generation = static_cast<long>(random() % 100000);
    store.WriteLessonList(TaskName(task), LessonsOf(task, generation));
    store.WriteCompletionList(TaskName(task), "0," + std::to_string(generation));
    if (step % 5 == 0) {
      RemoveTask(store.StorePath(), Reimported());
      store.WriteLessonList(Reimported(), LessonsOf(kTasks, generation));
      store.WriteCompletionList(Reimported(), "");
    }
  }
}

// Every task that existed is listed once and both its values are whole; the re-imported task may be
// missing (it was being removed) but is never torn.
bool StoreIsWhole(const std::filesystem::path& path) {
  const auto names = TaskStore::ListTaskNames(path);
  for (int task = 0; task < kTasks; ++task) {
    if (std::count(names.begin(), names.end(), TaskName(task)) != 1 ||
        !IsWholeLessonList(task, TaskStore::ReadValue(path, TaskName(task), Gbk(u8"目录"))) ||
        !IsWholeCompletionList(TaskStore::ReadValue(path, TaskName(task), Gbk(u8"已完成")))) {
      return false;
    }
  }
  const auto reimported = std::count(names.begin(), names.end(), Reimported());
  return reimported == 0 ||
         (reimported == 1 &&
          IsWholeLessonList(kTasks, TaskStore::ReadValue(path, Reimported(), Gbk(u8"目录"))));
}

TEST(CrashSafety, WriterKilledAtRandomMomentsNeverTearsTheStore) {
  TempFolder folder;
  TaskStore store(folder.Path());
  for (int task = 0; task < kTasks; ++task) {
    ASSERT_TRUE(store.WriteLessonList(TaskName(task), LessonsOf(task, 0)));
    ASSERT_TRUE(store.WriteCompletionList(TaskName(task), "0,0"));
  }

  std::mt19937 random(20261211);
  int survived = 0;
  for (int kill = 0; kill < kKills; ++kill) {
    pid_t writer = StartChild([&] { WriteForever(store, static_cast<unsigned>(kill)); });
    ASSERT_GT(writer, 0);
    usleep(static_cast<useconds_t>(500 + random() % 15000));  // lets the writer get anywhere in a write
    ::kill(writer, SIGKILL);
    JoinChild(writer);
    const bool whole = StoreIsWhole(store.StorePath());
    EXPECT_TRUE(whole) << "after kill " << kill;
    survived += whole;
  }
  // The next instance that writes clears away the temporary files the killed writers left behind.
  ASSERT_TRUE(JoinChild(StartChild([&] {
    if (!store.WriteCompletionList(TaskName(0), "0,1")) _exit(1);
  })));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);
  std::cout << "kills survived: " << survived << " / " << kKills << std::endl;
  RecordProperty("kills_survived", survived);
  EXPECT_EQ(survived, kKills);
}

}  // namespace
}  // namespace quorlin::testing
