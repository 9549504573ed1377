#include "store/task_removal.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "store/atomic_file.h"
#include "store/task_store.h"
#include "support/file_steps.h"
#include "support/gbk.h"
#include "support/temp_folder.h"

namespace quorlin {
namespace {

using testing::Gbk;
using testing::ReadBytes;
using testing::WriteBytes;

const Text kThreeTasks =
    Gbk(u8"[英语语法]\r\n目录=第1课 时态|第2课 从句|第3课 虚拟语气\r\n已完成=0,2\r\n"
        u8"[高等数学]\r\n目录=极限|导数\r\n已完成=\r\n"
        u8"[线性代数]\r\n目录=行列式|矩阵\r\n已完成=1\r\n");
const Text kEnglish = Gbk(u8"[英语语法]\r\n目录=第1课 时态|第2课 从句|第3课 虚拟语气\r\n已完成=0,2\r\n");
const Text kCalculus = Gbk(u8"[高等数学]\r\n目录=极限|导数\r\n已完成=\r\n");
const Text kAlgebra = Gbk(u8"[线性代数]\r\n目录=行列式|矩阵\r\n已完成=1\r\n");

struct RemovalCase {
  const char* why;
  Text before;
  Text task;
  Text after;
  RemovalOutcome outcome = RemovalOutcome::Removed;
};

void PrintTo(const RemovalCase& removal, std::ostream* out) { *out << removal.why; }

class RemovalTest : public ::testing::TestWithParam<RemovalCase> {
 protected:
  testing::TempFolder folder_;
  std::filesystem::path path_ = folder_ / "store.ini";
};

TEST_P(RemovalTest, CutsOutExactlyTheTasksSection) {
  const RemovalCase& c = GetParam();
  WriteBytes(path_, c.before);
  EXPECT_EQ(RemoveTaskWithOutcome(path_, c.task), c.outcome);
  EXPECT_EQ(ReadBytes(path_), c.after) << testing::Utf8(ReadBytes(path_));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RemovalTest,
    ::testing::Values(
        RemovalCase{"first of two", "[a]\r\nk=1\r\n[b]\r\nk=2\r\n", "a", "[b]\r\nk=2\r\n"},
        RemovalCase{"last of two", "[a]\r\nk=1\r\n[b]\r\nk=2\r\n", "b", "[a]\r\nk=1\r\n"},
        RemovalCase{"middle of three", kThreeTasks, Gbk(u8"高等数学"), kEnglish + kAlgebra},
        RemovalCase{"last of three", kThreeTasks, Gbk(u8"线性代数"), kEnglish + kCalculus},
        RemovalCase{"first of three", kThreeTasks, Gbk(u8"英语语法"), kCalculus + kAlgebra},
        RemovalCase{"the only section", kCalculus, Gbk(u8"高等数学"), ""},
        RemovalCase{"blank lines before the next header go with the section", "[a]\r\nk=1\r\n\r\n[b]\r\n",
                    "a", "[b]\r\n"},
        RemovalCase{"lines before the first header stay", "; plans\r\n[a]\r\nk=1\r\n", "a", "; plans\r\n"},
        RemovalCase{"a header holding blanks and LF line ends", "[a]\n  [ b ] \nk=1\n[c]\n", "b",
                    "[a]\n[c]\n"},
        RemovalCase{"another task's lesson holding the header",
                    Gbk(u8"[英语语法]\r\n目录=复习[高等数学]|第2课\r\n已完成=0\r\n") + kCalculus + kAlgebra,
                    Gbk(u8"高等数学"),
                    Gbk(u8"[英语语法]\r\n目录=复习[高等数学]|第2课\r\n已完成=0\r\n") + kAlgebra},
        RemovalCase{"the removed task's lesson holding a bracket",
                    kEnglish + Gbk(u8"[高等数学]\r\n目录=极限[上]|导数\r\n已完成=1\r\n") + kAlgebra,
                    Gbk(u8"高等数学"), kEnglish + kAlgebra},
        RemovalCase{"a bracket as second byte of a character in the removed task",
                    kEnglish + Gbk(u8"[高等数学]\r\n目录=乕|乚\r\n已完成=\r\n") + kAlgebra, Gbk(u8"高等数学"),
                    kEnglish + kAlgebra},
        RemovalCase{"a name that is the tail of another",
                    Gbk(u8"[高等数学]\r\n目录=极限\r\n[数学]\r\n目录=加法\r\n"), Gbk(u8"数学"),
                    Gbk(u8"[高等数学]\r\n目录=极限\r\n")},
        RemovalCase{"a name whose tail is another",
                    Gbk(u8"[数学]\r\n目录=加法\r\n[高等数学]\r\n目录=极限\r\n"), Gbk(u8"高等数学"),
                    Gbk(u8"[数学]\r\n目录=加法\r\n")},
        RemovalCase{"the first of two sections of one name", "[a]\r\nk=1\r\n[a]\r\nk=2\r\n", "a",
                    "[a]\r\nk=2\r\n"},
        RemovalCase{"bytes after a zero byte outside the cut stay",
                    std::string("[a]\r\nk=1\r\n[b]\r\nk=\0x\r\n", 20), "a",
                    std::string("[b]\r\nk=\0x\r\n", 10)},
        RemovalCase{"letter case counts", "[ABC]\r\nk=1\r\n", "abc", "[ABC]\r\nk=1\r\n",
                    RemovalOutcome::NotFound},
        RemovalCase{"a header only inside a value", "[a]\r\nk=[b]\r\n", "b", "[a]\r\nk=[b]\r\n",
                    RemovalOutcome::NotFound},
        RemovalCase{"the placeholder", kThreeTasks, Gbk(u8"-请选择要删除的任务-"), kThreeTasks,
                    RemovalOutcome::NotFound},
        RemovalCase{"a blank name", "[a]\r\nk=1\r\n", "  ", "[a]\r\nk=1\r\n", RemovalOutcome::NotFound}),
    [](const auto& info) {
      std::string name = info.param.why;
      for (char& c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
      }
      return name;
    });

class RemovalFileTest : public ::testing::Test {
 protected:
  testing::TempFolder folder_;
  std::filesystem::path path_ = folder_ / "store.ini";
};

TEST_F(RemovalFileTest, RemovingTheOnlyTaskLeavesAnEmptyStoreThatStillExists) {
  WriteBytes(path_, kCalculus);
  EXPECT_TRUE(RemoveTask(path_, Gbk(u8"高等数学")));
  EXPECT_TRUE(TaskStore::Exists(path_));
  EXPECT_TRUE(TaskStore::ListTaskNames(path_).empty());
}

TEST_F(RemovalFileTest, WithoutAStoreNothingIsFoundOrCreated) {
  EXPECT_EQ(RemoveTaskWithOutcome(path_, "a"), RemovalOutcome::NotFound);
  EXPECT_FALSE(RemoveTask(path_, "a"));
  EXPECT_FALSE(TaskStore::Exists(path_));
}

TEST_F(RemovalFileTest, ATaskThatIsNotThereLeavesTheFileUnwritten) {
  WriteBytes(path_, kThreeTasks);
  struct stat before {};
  ASSERT_EQ(stat(path_.c_str(), &before), 0);
  EXPECT_EQ(RemoveTaskWithOutcome(path_, "missing"), RemovalOutcome::NotFound);
  struct stat after {};
  ASSERT_EQ(stat(path_.c_str(), &after), 0);
  EXPECT_EQ(after.st_ino, before.st_ino);
}

TEST_F(RemovalFileTest, OtherTasksReadAsBeforeAfterARemoval) {
  WriteBytes(path_, kThreeTasks);
  TaskStore store(folder_.Path());
  ASSERT_TRUE(RemoveTask(path_, Gbk(u8"高等数学")));
  EXPECT_EQ(TaskStore::ListTaskNames(path_), (std::vector<Text>{Gbk(u8"英语语法"), Gbk(u8"线性代数")}));
  EXPECT_EQ(TaskStore::ReadValue(path_, Gbk(u8"线性代数"), Gbk(u8"已完成")), "1");
  EXPECT_EQ(TaskStore::ReadValue(path_, Gbk(u8"高等数学"), Gbk(u8"目录")), "");
}

class RemovalFailureTest : public ::testing::TestWithParam<FileStep> {
 protected:
  testing::TempFolder folder_;
  std::filesystem::path path_ = folder_ / "store.ini";
};

TEST_P(RemovalFailureTest, AFailedRewriteLeavesTheFileByteIdentical) {
  WriteBytes(path_, kThreeTasks);
  {
    ScopedFileFault fault(GetParam());
    EXPECT_EQ(RemoveTaskWithOutcome(path_, Gbk(u8"高等数学")), RemovalOutcome::WriteFailed);
  }
  EXPECT_EQ(ReadBytes(path_), kThreeTasks);
}

INSTANTIATE_TEST_SUITE_P(EachStep, RemovalFailureTest,
                         ::testing::Values(FileStep::Open, FileStep::Write, FileStep::Flush,
                                           FileStep::Rename));

TEST_F(RemovalFileTest, AStoreThatIsAFolderCannotBeRewritten) {
  std::filesystem::create_directory(path_);
  EXPECT_EQ(RemoveTaskWithOutcome(path_, "a"), RemovalOutcome::WriteFailed);
  EXPECT_TRUE(std::filesystem::is_directory(path_));
}

}  // namespace
}  // namespace quorlin
