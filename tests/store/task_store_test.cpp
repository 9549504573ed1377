#include "store/task_store.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/gbk.h"
#include "support/temp_folder.h"

namespace quorlin {
namespace {

using testing::Gbk;
using testing::ReadBytes;
using testing::WriteBytes;

const Text kLessons = Gbk(u8"目录");
const Text kDone = Gbk(u8"已完成");

// Two tasks as the store keeps them: 英语语法 with three lessons, the first and third done, and 高等数学
// with two lessons, none done.
const Text kTwoTasks =
    Gbk(u8"[英语语法]\r\n目录=第1课 时态|第2课 从句|第3课 虚拟语气\r\n已完成=0,2\r\n"
        u8"[高等数学]\r\n目录=极限|导数\r\n已完成=\r\n");

class TaskStoreTest : public ::testing::Test {
 protected:
  testing::TempFolder folder_;
  TaskStore store_{folder_.Path()};
  std::filesystem::path path_ = store_.StorePath();
};

TEST_F(TaskStoreTest, StoreFileLivesInTheRunDirectoryUnderItsOwnName) {
  EXPECT_EQ(store_.StorePath(), folder_.Path() / u8"Quorlin配置文件.ini");
}

TEST_F(TaskStoreTest, ImportingAndSavingWritesTheFileSectionBySection) {
  EXPECT_TRUE(store_.WriteLessonList(Gbk(u8"英语语法"), Gbk(u8"第1课 时态|第2课 从句|第3课 虚拟语气")));
  EXPECT_TRUE(store_.WriteCompletionList(Gbk(u8"英语语法"), ""));
  EXPECT_TRUE(store_.WriteLessonList(Gbk(u8"高等数学"), Gbk(u8"极限|导数")));
  EXPECT_TRUE(store_.WriteCompletionList(Gbk(u8"高等数学"), ""));
  EXPECT_TRUE(store_.WriteCompletionList(Gbk(u8"英语语法"), "0,2"));

  EXPECT_EQ(ReadBytes(path_), kTwoTasks);
}

TEST_F(TaskStoreTest, WritingATaskSetsBothListsInOneChange) {
  // A new section gets both keys, lesson list first; an existing one has both replaced in place.
  ASSERT_TRUE(store_.WriteTask(Gbk(u8"英语语法"), Gbk(u8"旧课"), "0"));
  ASSERT_TRUE(store_.WriteTask(Gbk(u8"高等数学"), Gbk(u8"极限|导数"), ""));
  ASSERT_TRUE(store_.WriteTask(Gbk(u8"英语语法"), Gbk(u8"第1课 时态|第2课 从句|第3课 虚拟语气"), "0,2"));
  EXPECT_EQ(ReadBytes(path_), kTwoTasks);

  // A section that lacks one of the keys gets it added after its last key.
  WriteBytes(path_, Gbk(u8"[英语语法]\r\n已完成=1\r\n[b]\r\n"));
  ASSERT_TRUE(store_.WriteTask(Gbk(u8"英语语法"), "x|y", ""));
  EXPECT_EQ(ReadBytes(path_), Gbk(u8"[英语语法]\r\n已完成=\r\n目录=x|y\r\n[b]\r\n"));

  // Nothing to change leaves the file as it is; a refused list changes neither.
  ASSERT_TRUE(store_.WriteTask(Gbk(u8"英语语法"), "x|y", ""));
  EXPECT_FALSE(store_.WriteTask(Gbk(u8"英语语法"), "z", "1\r\n2"));
  EXPECT_EQ(store_.ReadLessonList(Gbk(u8"英语语法")), (std::vector<Text>{"x", "y"}));
}

TEST_F(TaskStoreTest, ReadsTheTwoTaskStore) {
  WriteBytes(path_, kTwoTasks);

  EXPECT_EQ(TaskStore::ListTaskNames(path_), (std::vector<Text>{Gbk(u8"英语语法"), Gbk(u8"高等数学")}));
  EXPECT_EQ(store_.ReadLessonList(Gbk(u8"英语语法")),
            (std::vector<Text>{Gbk(u8"第1课 时态"), Gbk(u8"第2课 从句"), Gbk(u8"第3课 虚拟语气")}));
  EXPECT_EQ(store_.ReadCompletionList(Gbk(u8"英语语法")), (std::vector<Text>{"0", "2"}));
  EXPECT_EQ(store_.ReadLessonList(Gbk(u8"高等数学")), (std::vector<Text>{Gbk(u8"极限"), Gbk(u8"导数")}));
  EXPECT_EQ(TaskStore::ReadValue(path_, Gbk(u8"高等数学"), kDone), "");
  EXPECT_TRUE(store_.ReadCompletionList(Gbk(u8"高等数学")).empty());
}

TEST_F(TaskStoreTest, WithoutAFileEverythingReadsEmptyAndNothingIsCreated) {
  EXPECT_FALSE(TaskStore::Exists(path_));
  EXPECT_TRUE(TaskStore::ListTaskNames(path_).empty());
  EXPECT_EQ(TaskStore::ReadValue(path_, Gbk(u8"英语语法"), kLessons), "");
  EXPECT_TRUE(store_.ReadLessonList(Gbk(u8"英语语法")).empty());
  EXPECT_TRUE(store_.ReadCompletionList(Gbk(u8"英语语法")).empty());
  EXPECT_FALSE(TaskStore::Exists(path_));

  EXPECT_TRUE(store_.WriteLessonList("a", "x"));
  EXPECT_TRUE(TaskStore::Exists(path_));
}

TEST_F(TaskStoreTest, AnythingAtThePathExistsAFolderToo) {
  std::filesystem::create_directory(path_);
  EXPECT_TRUE(TaskStore::Exists(path_));
}

TEST_F(TaskStoreTest, SectionsKeepTheirFirstWriteOrderAndAreRewrittenInPlace) {
  store_.WriteLessonList("a", "1|2");
  store_.WriteCompletionList("a", "");
  store_.WriteLessonList("b", "3");
  store_.WriteCompletionList("b", "");
  store_.WriteCompletionList("a", "0,1");

  // Importing a again replaces both of its values where they stand.
  store_.WriteLessonList("a", "4|5|6");
  store_.WriteCompletionList("a", "");

  EXPECT_EQ(TaskStore::ListTaskNames(path_), (std::vector<Text>{"a", "b"}));
  EXPECT_EQ(ReadBytes(path_), "[a]\r\n" + kLessons + "=4|5|6\r\n" + kDone + "=\r\n[b]\r\n" + kLessons +
                                  "=3\r\n" + kDone + "=\r\n");
}

TEST_F(TaskStoreTest, AMissingKeyIsAddedAfterTheSectionsLastKey) {
  WriteBytes(path_, "[a]\r\nk=1\r\n\r\n; about b\r\n[b]\r\nk=2\r\n");
  EXPECT_TRUE(TaskStore::WriteValue(path_, "a", "n", "x"));
  EXPECT_EQ(ReadBytes(path_), "[a]\r\nk=1\r\nn=x\r\n\r\n; about b\r\n[b]\r\nk=2\r\n");
}

TEST_F(TaskStoreTest, WritingToAFileWithoutAFinalLineBreakEndsItsLastLineFirst) {
  WriteBytes(path_, "[a]\r\nk=1");
  EXPECT_TRUE(TaskStore::WriteValue(path_, "a", "n", "x"));
  EXPECT_TRUE(TaskStore::WriteValue(path_, "b", "k", "2"));
  EXPECT_EQ(ReadBytes(path_), "[a]\r\nk=1\r\nn=x\r\n[b]\r\nk=2\r\n");
  EXPECT_EQ(TaskStore::ReadValue(path_, "a", "k"), "1");
}

TEST_F(TaskStoreTest, ALongLessonListReadsBackWhole) {
  Text lessons;
  while (lessons.size() < 12'000) lessons += Gbk(u8"第十课 阅读理解|");
  lessons.resize(12'000);
  ASSERT_TRUE(store_.WriteLessonList(Gbk(u8"英语语法"), lessons));
  EXPECT_EQ(TaskStore::ReadValue(path_, Gbk(u8"英语语法"), kLessons), lessons);
}

TEST_F(TaskStoreTest, ValuesReadBackExactlyAsWritten) {
  for (const Text& value :
       {Text("  two leading blanks"), Text("trailing blanks  "), Text("\"quoted\""), Text("a=b=c"),
        Text("[not a header]"), Text("; not a comment"), Text("\t"), Gbk(u8"复习[高等数学]|乚乕亅")}) {
    ASSERT_TRUE(TaskStore::WriteValue(path_, "t", "k", value));
    EXPECT_EQ(TaskStore::ReadValue(path_, "t", "k"), value) << testing::Utf8(value);
  }
}

TEST_F(TaskStoreTest, BlankAndPlaceholderTaskNamesReadEmpty) {
  WriteBytes(path_, kTwoTasks);
  for (const Text& task : {Text(""), Text("   "), Text("\t "), Gbk(u8"-请选择-")}) {
    EXPECT_TRUE(store_.ReadLessonList(task).empty()) << testing::Utf8(task);
    EXPECT_TRUE(store_.ReadCompletionList(task).empty()) << testing::Utf8(task);
  }
  EXPECT_EQ(TaskStore::ReadValue(path_, Gbk(u8"英语语法"), ""), "");
  EXPECT_EQ(TaskStore::ReadValue(path_, Gbk(u8"英语语法"), "  "), "");
  EXPECT_EQ(ReadBytes(path_), kTwoTasks);
}

struct RefusedWrite {
  const char* why;
  Text task;
  Text key;
  Text value;
};

void PrintTo(const RefusedWrite& write, std::ostream* out) { *out << write.why; }

class RefusedWriteTest : public TaskStoreTest, public ::testing::WithParamInterface<RefusedWrite> {};

TEST_P(RefusedWriteTest, LeavesTheFileByteIdentical) {
  WriteBytes(path_, kTwoTasks);
  const RefusedWrite& write = GetParam();
  EXPECT_FALSE(TaskStore::WriteValue(path_, write.task, write.key, write.value));
  EXPECT_EQ(ReadBytes(path_), kTwoTasks);
}

TEST_P(RefusedWriteTest, CreatesNoFile) {
  const RefusedWrite& write = GetParam();
  EXPECT_FALSE(TaskStore::WriteValue(path_, write.task, write.key, write.value));
  EXPECT_FALSE(TaskStore::Exists(path_));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RefusedWriteTest,
    ::testing::Values(RefusedWrite{"empty task", "", kLessons, "x"},
                      RefusedWrite{"blank task", " \t ", kLessons, "x"},
                      RefusedWrite{"empty key", Gbk(u8"英语语法"), "", "x"},
                      RefusedWrite{"blank key", Gbk(u8"英语语法"), "  ", "x"},
                      RefusedWrite{"CR in task", "a\rb", kLessons, "x"},
                      RefusedWrite{"LF in task", "a\nb", kLessons, "x"},
                      RefusedWrite{"CR in key", Gbk(u8"英语语法"), "k\r", "x"},
                      RefusedWrite{"LF in key", Gbk(u8"英语语法"), "\nk", "x"},
                      RefusedWrite{"CR in value", Gbk(u8"英语语法"), kLessons, "a\rb"},
                      RefusedWrite{"LF in value", Gbk(u8"英语语法"), kLessons, "a\nb"},
                      RefusedWrite{"CR LF in value", Gbk(u8"高等数学"), kDone, "0\r\n[x]\r\n"},
                      // These would not read back as the key they name.
                      RefusedWrite{"= in key", Gbk(u8"英语语法"), "a=b", "x"},
                      RefusedWrite{"key read as a header", Gbk(u8"英语语法"), "[k]", "x"},
                      RefusedWrite{"key read as a comment", Gbk(u8"英语语法"), ";k", "x"},
                      RefusedWrite{"task ends in half a character", "a\x81", kLessons, "x"},
                      RefusedWrite{"key ends in half a character", Gbk(u8"英语语法"), "k\x81", "x"}),
    [](const auto& info) {
      std::string name = info.param.why;
      for (char& c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
      }
      return name;
    });

TEST_F(TaskStoreTest, ReadsAHandWrittenFile) {
  WriteBytes(path_, Gbk(u8"; study plans\n"
                        u8"\n"
                        u8"  [ 英语语法 ]  \n"
                        u8"  目录 =第1课|第2课\n"
                        u8"已完成\t=0\n"
                        u8"a line without an equals sign\n"
                        u8"\r\n"
                        u8"[高等数学]\r目录=极限|导数\r已完成=1\r"
                        u8"[线性代数]\r\n目录=行列式\r\n"));

  EXPECT_EQ(TaskStore::ListTaskNames(path_),
            (std::vector<Text>{Gbk(u8"英语语法"), Gbk(u8"高等数学"), Gbk(u8"线性代数")}));
  EXPECT_EQ(store_.ReadLessonList(Gbk(u8"英语语法")), (std::vector<Text>{Gbk(u8"第1课"), Gbk(u8"第2课")}));
  EXPECT_EQ(store_.ReadCompletionList(Gbk(u8"英语语法")), (std::vector<Text>{"0"}));
  EXPECT_EQ(store_.ReadLessonList(Gbk(u8"高等数学")), (std::vector<Text>{Gbk(u8"极限"), Gbk(u8"导数")}));
  EXPECT_EQ(store_.ReadCompletionList(Gbk(u8"高等数学")), (std::vector<Text>{"1"}));
  EXPECT_EQ(store_.ReadLessonList(Gbk(u8"线性代数")), (std::vector<Text>{Gbk(u8"行列式")}));
  // Blanks around the name given by a caller do not matter either.
  EXPECT_EQ(TaskStore::ReadValue(path_, Gbk(u8" 英语语法\t"), Gbk(u8" 已完成 ")), "0");
}

TEST_F(TaskStoreTest, WritingToAHandWrittenFileChangesOnlyTheValue) {
  const Text before = Gbk(u8"; study plans\n\n  [ 英语语法 ]  \n  目录 =第1课|第2课\n已完成\t=0\n[b]\rk=v\r");
  const Text after =
      Gbk(u8"; study plans\n\n  [ 英语语法 ]  \n  目录 =第1课|第2课\n已完成\t=0,1\n[b]\rk=v\r");
  WriteBytes(path_, before);
  EXPECT_TRUE(store_.WriteCompletionList(Gbk(u8"英语语法"), "0,1"));
  EXPECT_EQ(ReadBytes(path_), after);
}

TEST_F(TaskStoreTest, NamesAndKeysMatchByteForByteWithLetterCase) {
  WriteBytes(path_, "[ABC]\r\nKey=upper\r\n");
  EXPECT_EQ(TaskStore::ReadValue(path_, "abc", "Key"), "");
  EXPECT_EQ(TaskStore::ReadValue(path_, "ABC", "key"), "");
  EXPECT_TRUE(TaskStore::WriteValue(path_, "abc", "Key", "lower"));
  EXPECT_EQ(TaskStore::ReadValue(path_, "ABC", "Key"), "upper");
  EXPECT_EQ(TaskStore::ReadValue(path_, "abc", "Key"), "lower");
}

TEST_F(TaskStoreTest, TheFirstSectionAndKeyOfANameWin) {
  WriteBytes(path_, "[a]\r\nk=1\r\nk=2\r\n[b]\r\nk=3\r\n[a]\r\nk=4\r\nn=5\r\n");
  EXPECT_EQ(TaskStore::ListTaskNames(path_), (std::vector<Text>{"a", "b"}));
  EXPECT_EQ(TaskStore::ReadValue(path_, "a", "k"), "1");
  EXPECT_EQ(TaskStore::ReadValue(path_, "a", "n"), "");
  EXPECT_TRUE(TaskStore::WriteValue(path_, "a", "k", "6"));
  EXPECT_EQ(ReadBytes(path_), "[a]\r\nk=6\r\nk=2\r\n[b]\r\nk=3\r\n[a]\r\nk=4\r\nn=5\r\n");
}

struct HeaderCase {
  Text line;
  std::vector<Text> names;
};

void PrintTo(const HeaderCase& header, std::ostream* out) { *out << ::testing::PrintToString(header.line); }

class HeaderTest : public TaskStoreTest, public ::testing::WithParamInterface<HeaderCase> {};

TEST_P(HeaderTest, NameRunsToTheLastClosingBracketOfTheLine) {
  WriteBytes(path_, GetParam().line + "\r\nk=v\r\n");
  EXPECT_EQ(TaskStore::ListTaskNames(path_), GetParam().names);
  for (const Text& name : GetParam().names) EXPECT_EQ(TaskStore::ReadValue(path_, name, "k"), "v");
}

INSTANTIATE_TEST_SUITE_P(Cases, HeaderTest,
                         ::testing::Values(HeaderCase{"[a]b]", {"a]b"}}, HeaderCase{"[a] ; note", {"a"}},
                                           HeaderCase{"[[a]]", {"[a]"}},
                                           // 乚 is 81 5D: its second byte is "]".
                                           HeaderCase{Gbk(u8"[乚]"), {Gbk(u8"乚")}},
                                           HeaderCase{Gbk(u8"[a]乚"), {"a"}}, HeaderCase{Gbk(u8"[乚"), {}},
                                           HeaderCase{"[]", {}}, HeaderCase{"[ \t ]", {}},
                                           HeaderCase{"k=[a]", {}}));

TEST_F(TaskStoreTest, TaskNamesWithBracketsAndDoubleByteBracketsRoundTrip) {
  for (const Text& task : {Text("a]b"), Text("[a"), Text("]"), Gbk(u8"乚"), Gbk(u8"复习[高等数学]")}) {
    ASSERT_TRUE(TaskStore::WriteValue(path_, task, kLessons, "x")) << testing::Utf8(task);
    EXPECT_EQ(TaskStore::ReadValue(path_, task, kLessons), "x") << testing::Utf8(task);
  }
  EXPECT_EQ(TaskStore::ListTaskNames(path_),
            (std::vector<Text>{"a]b", "[a", "]", Gbk(u8"乚"), Gbk(u8"复习[高等数学]")}));
}

TEST_F(TaskStoreTest, BlanksAroundAWrittenNameAreNotStored) {
  EXPECT_TRUE(TaskStore::WriteValue(path_, " a ", " k ", " v "));
  EXPECT_EQ(ReadBytes(path_), "[a]\r\nk= v \r\n");
  EXPECT_TRUE(TaskStore::WriteValue(path_, "a", "k", "w"));
  EXPECT_EQ(ReadBytes(path_), "[a]\r\nk=w\r\n");
}

}  // namespace
}  // namespace quorlin
