// Two instances of the app on one store lose no update.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "child_process.h"
#include "store/task_removal.h"
#include "store/task_store.h"
#include "support/gbk.h"
#include "support/temp_folder.h"

namespace quorlin::testing {
namespace {

constexpr int kValuesPerWriter = 1000;
constexpr int kSectionsPerWriter = 10;

Text Section(const Text& writer, int i) { return writer + std::to_string(i % kSectionsPerWriter); }
Text Key(int i) { return "k" + std::to_string(i); }
Text Value(const Text& writer, int i) { return writer + Gbk(u8"的值") + std::to_string(i); }

TEST(Concurrency, TwoWritersAndARemoverLoseNothing) {
  TempFolder folder;
  TaskStore store(folder.Path());
  const Text writers[] = {Gbk(u8"甲"), Gbk(u8"乙")};
  const Text third = Gbk(u8"丙");
  ASSERT_TRUE(store.WriteLessonList(third, "a|b"));

  std::vector<pid_t> children;
  for (const Text& writer : writers) {
    children.push_back(StartChild([&store, writer] {
      for (int i = 0; i < kValuesPerWriter; ++i) {
        if (!TaskStore::WriteValue(store.StorePath(), Section(writer, i), Key(i), Value(writer, i))) _exit(1);
      }
    }));
  }
  children.push_back(StartChild([&store, &third] {
    for (int round = 0; round < 100; ++round) {
      RemoveTask(store.StorePath(), third);
      if (!store.WriteLessonList(third, "a|b") || !store.WriteCompletionList(third, "1")) _exit(1);
    }
  }));
  for (pid_t child : children) EXPECT_TRUE(JoinChild(child));

  for (const Text& writer : writers) {
    for (int i = 0; i < kValuesPerWriter; ++i) {
      ASSERT_EQ(TaskStore::ReadValue(store.StorePath(), Section(writer, i), Key(i)), Value(writer, i))
          << Utf8(Section(writer, i)) << " " << Key(i);
    }
  }
  const auto names = TaskStore::ListTaskNames(store.StorePath());
  EXPECT_EQ(names.size(), 2u * kSectionsPerWriter + 1);
  EXPECT_EQ(std::count(names.begin(), names.end(), third), 1);
  EXPECT_EQ(store.ReadCompletionList(third), std::vector<Text>{"1"});
}

}  // namespace
}  // namespace quorlin::testing
