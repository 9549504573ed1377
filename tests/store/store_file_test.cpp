// How the store behaves as a file: failed writes, odd paths, other programs and other instances.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>

#include "store/atomic_file.h"
#include "store/read_snapshot.h"
#include "store/task_store.h"
#include "support/file_steps.h"
#include "support/temp_folder.h"

namespace quorlin {
namespace {

using testing::ReadBytes;
using testing::WriteBytes;

constexpr const char* kStoreName = "store.ini";
const std::string kBefore = "[a]\r\nk=1\r\n[b]\r\nk=2\r\n";

size_t EntriesIn(const std::filesystem::path& folder) {
  return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(folder), {}));
}

// Runs `child` in a forked process and waits for it; true when it exited with 0.
template <typename Child>
bool RunInOtherProcess(Child child) {
  const pid_t pid = fork();
  if (pid == 0) _exit(child() ? 0 : 1);
  int status = 0;
  return pid > 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

class InjectedFailureTest : public ::testing::TestWithParam<FileStep> {
 protected:
  testing::TempFolder folder_;
  std::filesystem::path path_ = folder_ / kStoreName;
};

TEST_P(InjectedFailureTest, AFailedWriteLeavesTheOldFileWhole) {
  WriteBytes(path_, kBefore);
  {
    ScopedFileFault fault(GetParam());
    EXPECT_FALSE(TaskStore::WriteValue(path_, "a", "k", "changed"));
    EXPECT_FALSE(TaskStore::WriteValue(path_, "c", "k", "new section"));
  }
  EXPECT_EQ(ReadBytes(path_), kBefore);
  EXPECT_EQ(TaskStore::ReadValue(path_, "a", "k"), "1");
  EXPECT_EQ(EntriesIn(folder_.Path()), 1u) << "no temporary file is left behind";

  EXPECT_TRUE(TaskStore::WriteValue(path_, "a", "k", "changed"));
  EXPECT_EQ(TaskStore::ReadValue(path_, "a", "k"), "changed");
}

TEST_P(InjectedFailureTest, AFailedFirstWriteCreatesNoFile) {
  ScopedFileFault fault(GetParam());
  EXPECT_FALSE(TaskStore::WriteValue(path_, "a", "k", "1"));
  EXPECT_EQ(EntriesIn(folder_.Path()), 0u);
}

INSTANTIATE_TEST_SUITE_P(EachStep, InjectedFailureTest,
                         ::testing::Values(FileStep::Open, FileStep::Write, FileStep::Flush,
                                           FileStep::Rename));

class StoreFileTest : public ::testing::Test {
 protected:
  testing::TempFolder folder_;
  std::filesystem::path path_ = folder_ / kStoreName;
};

TEST_F(StoreFileTest, AStorePathThatIsAFolderFailsWritesAndReadsEmpty) {
  std::filesystem::create_directory(path_);
  EXPECT_FALSE(TaskStore::WriteValue(path_, "a", "k", "1"));
  EXPECT_TRUE(TaskStore::ListTaskNames(path_).empty());
  EXPECT_EQ(TaskStore::ReadValue(path_, "a", "k"), "");
  EXPECT_TRUE(std::filesystem::is_directory(path_));
  EXPECT_EQ(EntriesIn(folder_.Path()), 1u);
}

TEST_F(StoreFileTest, AWriteIntoAMissingFolderFails) {
  EXPECT_FALSE(TaskStore::WriteValue(folder_ / "missing" / kStoreName, "a", "k", "1"));
  EXPECT_FALSE(std::filesystem::exists(folder_ / "missing"));
}

TEST_F(StoreFileTest, AWriteKeepsThePermissionBitsOfTheFile) {
  WriteBytes(path_, kBefore);
  std::filesystem::permissions(path_, std::filesystem::perms(0640));
  ASSERT_TRUE(TaskStore::WriteValue(path_, "a", "k", "changed"));
  EXPECT_EQ(std::filesystem::status(path_).permissions(), std::filesystem::perms(0640));
}

TEST_F(StoreFileTest, AFileWrittenByAnotherProgramIsReadAsItIsNow) {
  WriteBytes(path_, "[a]\r\nk=1\r\n");
  EXPECT_EQ(TaskStore::ReadValue(path_, "a", "k"), "1");
  // Same size, same file, at once: only the file's times tell the two contents apart.
  WriteBytes(path_, "[a]\r\nk=2\r\n");
  EXPECT_EQ(TaskStore::ReadValue(path_, "a", "k"), "2");
  WriteBytes(path_, "[b]\r\nk=3\r\n");
  EXPECT_EQ(TaskStore::ReadValue(path_, "a", "k"), "");
  EXPECT_EQ(TaskStore::ListTaskNames(path_), std::vector<Text>{"b"});
}

TEST_F(StoreFileTest, AChangeToAFileThatHadSettledIsSeen) {
  WriteBytes(path_, "[a]\r\nk=1\r\n");
  struct stat first {};
  ASSERT_EQ(stat(path_.c_str(), &first), 0);
  // Let the file grow old enough for its parse to be kept, then change it in place at once.
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  EXPECT_EQ(TaskStore::ReadValue(path_, "a", "k"), "1");
  EXPECT_EQ(TaskStore::ReadValue(path_, "a", "k"), "1");
  WriteBytes(path_, "[a]\r\nk=2\r\n");
  EXPECT_EQ(TaskStore::ReadValue(path_, "a", "k"), "2");

  // A program that puts the old modification time back (as copying tools that keep times do) still
  // changes the file's change time.
  WriteBytes(path_, "[a]\r\nk=3\r\n");
  const timespec times[2] = {first.st_atim, first.st_mtim};
  ASSERT_EQ(utimensat(AT_FDCWD, path_.c_str(), times, 0), 0);
  EXPECT_EQ(TaskStore::ReadValue(path_, "a", "k"), "3");
}

TEST_F(StoreFileTest, AWriteAfterAnotherProcessChangedTheFileKeepsThatChange) {
  ASSERT_TRUE(TaskStore::WriteValue(path_, "a", "k", "1"));
  EXPECT_EQ(TaskStore::ReadValue(path_, "a", "k"), "1");
  ASSERT_TRUE(RunInOtherProcess([&] { return TaskStore::WriteValue(path_, "b", "k", "2"); }));
  ASSERT_TRUE(TaskStore::WriteValue(path_, "a", "k", "3"));
  EXPECT_EQ(ReadBytes(path_), "[a]\r\nk=3\r\n[b]\r\nk=2\r\n");
}

TEST_F(StoreFileTest, ASnapshotReadsOneVersionAndSeesItsOwnWrites) {
  WriteBytes(path_, "[a]\r\nk=1\r\n");
  {
    StoreReadSnapshot snapshot;
    EXPECT_EQ(TaskStore::ReadValue(path_, "a", "k"), "1");
    WriteBytes(path_, "[a]\r\nk=2\r\n[b]\r\nk=1\r\n");
    EXPECT_EQ(TaskStore::ReadValue(path_, "a", "k"), "1");
    EXPECT_EQ(TaskStore::ListTaskNames(path_), std::vector<Text>{"a"});

    // A write starts from the file as it is now, so the other program's change is kept, and the
    // snapshot then shows the written file.
    ASSERT_TRUE(TaskStore::WriteValue(path_, "b", "k", "3"));
    EXPECT_EQ(TaskStore::ReadValue(path_, "a", "k"), "2");
    EXPECT_EQ(TaskStore::ReadValue(path_, "b", "k"), "3");
  }
  WriteBytes(path_, "[a]\r\nk=4\r\n");
  EXPECT_EQ(TaskStore::ReadValue(path_, "a", "k"), "4");
}

TEST(StoreLockTest, TwoProcessesWritingAtOnceLoseNoUpdate) {
  const testing::TempFolder folder(testing::MemoryBackedBase());
  const std::filesystem::path path_ = folder / kStoreName;
  constexpr int kWrites = 500;
  auto writeAll = [&](const std::string& task) {
    bool ok = true;
    for (int i = 0; i < kWrites; ++i)
      ok = TaskStore::WriteValue(path_, task, "k" + std::to_string(i), std::to_string(i)) && ok;
    return ok;
  };
  const pid_t other = fork();
  if (other == 0) _exit(writeAll("other") ? 0 : 1);
  const bool ours = writeAll("ours");
  int status = 0;
  ASSERT_EQ(waitpid(other, &status, 0), other);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  EXPECT_TRUE(ours);

  for (const std::string task : {"ours", "other"}) {
    for (int i = 0; i < kWrites; ++i) {
      ASSERT_EQ(TaskStore::ReadValue(path_, task, "k" + std::to_string(i)), std::to_string(i))
          << task << " " << i;
    }
  }
  EXPECT_EQ(EntriesIn(folder.Path()), 1u);
}

}  // namespace
}  // namespace quorlin
