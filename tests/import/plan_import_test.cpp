#include "import/plan_import.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/fake_dialogs.h"
#include "support/fake_main_view.h"
#include "support/gbk.h"
#include "support/temp_folder.h"

namespace quorlin {
namespace {

namespace fs = std::filesystem;
using testing::FakeDialogs;
using testing::FakeMainView;
using testing::Gbk;
using testing::ReadBytes;
using testing::Utf8;

const Text kLessonKey = Gbk(u8"目录");
const Text kCompletionKey = Gbk(u8"已完成");

// A fresh run directory for the store and a folder for plan files, removed afterwards.
class ImportPlanTest : public ::testing::Test {
 protected:
  ImportPlanTest() {
    fs::create_directory(root_ / "run");
    fs::create_directory(root_ / "plans");
    store_.emplace(root_ / "run");
  }

  const TaskStore& store() const { return *store_; }

  fs::path WritePlan(const char8_t* fileName, std::string_view bytes) {
    fs::path path = root_ / "plans" / fs::path(fileName);
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path;
  }
  fs::path PlanPath(const char8_t* fileName) const { return root_ / "plans" / fs::path(fileName); }

  // Imports `path`, confirmed in the dialog, and returns what the import appended to the log.
  std::string Import(const fs::path& path) {
    dialogs.setNextFileName(path);
    size_t before = view.log.size();
    ImportPlan(view, dialogs, store());
    return view.log.substr(before);
  }

  FakeMainView view;
  FakeDialogs dialogs;

 private:
  testing::TempFolder root_;
  std::optional<TaskStore> store_;
};

const Text kWarning =
    Gbk(u8"请勿导入已存在的任务名，我懒得写判断了！！累了\r\n—— 任务名为txt文件名称\r\n—— 每节课程为一行");
const Text kReading = Gbk(u8"\r\n——正在读取计划文件——\r\n");
const Text kReadOk = Gbk(u8"\r\n——读取成功—— \r\n若出现乱码问题请将txt转为utf_8格式");
const Text kRestart = Gbk(u8"\r\n若导入任务成功  建议重启软件 ");

TEST_F(ImportPlanTest, WritesTheTaskListsItAndRefreshesTheChart) {
  // One task already half done, so that the refreshed chart shows the new lessons counted.
  ASSERT_TRUE(store().WriteLessonList("old", "a|b"));
  ASSERT_TRUE(store().WriteCompletionList("old", "0"));
  view.items.push_back("old");
  view.rows = {"a", "b"};
  view.label = "50%";

  fs::path path = WritePlan(u8"英语语法.txt", "\xEF\xBB\xBF第1课 时态\r\n第2课 从句\r\n");
  std::string appended = Import(path);

  const Text name = Gbk(u8"英语语法");
  EXPECT_EQ(dialogs.messages, std::vector<std::string>{kWarning});
  EXPECT_EQ(appended, kReading + kReadOk + kRestart) << Utf8(appended);
  EXPECT_EQ(TaskStore::ReadValue(store().StorePath(), name, kLessonKey), Gbk(u8"第1课 时态|第2课 从句"));
  EXPECT_EQ(TaskStore::ListTaskNames(store().StorePath()), (std::vector<Text>{"old", name}));
  // The new section holds both keys, the lesson list first and an empty completion list.
  std::string file = ReadBytes(store().StorePath());
  size_t section = file.find("[" + name + "]");
  ASSERT_NE(section, std::string::npos);
  EXPECT_LT(file.find(kLessonKey + "=", section), file.find(kCompletionKey + "=\r\n", section));
  EXPECT_NE(file.find(kCompletionKey + "=\r\n", section), std::string::npos);

  EXPECT_EQ(view.items, (std::vector<Text>{Gbk(u8"-请选择-"), "old", name}));
  EXPECT_EQ(view.chart, 25);  // 1 of 4 lessons
  EXPECT_EQ(view.chartSets, 1);
  // The new task is not chosen: the checklist and the label keep what they showed.
  EXPECT_EQ(view.selected, 0);
  EXPECT_EQ(view.rows, (std::vector<Text>{"a", "b"}));
  EXPECT_EQ(view.label, "50%");
}

TEST_F(ImportPlanTest, CancellingAppendsOnlyTheRestartAdviceAndWritesNothing) {
  const std::string log = view.log;
  ImportPlan(view, dialogs, store());
  EXPECT_EQ(dialogs.messages, std::vector<std::string>{kWarning});
  EXPECT_EQ(view.log, log + Gbk(u8"\r\n若导入任务成功  建议重启软件 "));
  EXPECT_FALSE(TaskStore::Exists(store().StorePath()));
  EXPECT_EQ(view.items.size(), 1u);
  EXPECT_EQ(view.chartSets, 0);
  EXPECT_EQ(view.dialogFileName, fs::path());
}

TEST_F(ImportPlanTest, AFailedImportWritesNothingAndSaysWhy) {
  const Text unreadable = Gbk(u8"\r\n——导入失败—— 无法读取计划文件");
  const Text tooLarge = Gbk(u8"\r\n——导入失败—— 计划文件过大");
  const Text noName = Gbk(u8"\r\n——导入失败—— 无法从文件名得到任务名");
  const Text notWritten = Gbk(u8"\r\n——导入失败—— 无法写入配置文件");
  const struct {
    const char* what;
    const char8_t* fileName;
    bool create;          // write the file (else it vanished before it could be read)
    uintmax_t size;       // zero bytes appended up to this size
    bool storeIsAFolder;  // a folder in the store's place makes every write fail
    std::string appended;
  } cases[] = {
      {"a vanished file", u8"gone.txt", false, 0, false, unreadable + kRestart},
      {"a file over 64 MiB", u8"big.txt", true, (64u << 20) + 1, false, tooLarge + kRestart},
      {"no extension", u8"README", true, 0, false, kReading + noName + kRestart},
      {"an extension that is not ASCII", u8"计划.文本", true, 0, false, kReading + noName + kRestart},
      {"a store that cannot be written", u8"plan.txt", true, 0, true, kReading + notWritten + kRestart},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    FakeMainView fresh;
    view = fresh;
    fs::path path = PlanPath(c.fileName);
    if (c.create) {
      WritePlan(c.fileName, "a\r\nb\r\n");
      if (c.size) fs::resize_file(path, c.size);
    }
    if (c.storeIsAFolder) fs::create_directory(store().StorePath());

    std::string appended = Import(path);
    EXPECT_EQ(appended, c.appended) << Utf8(appended);
    EXPECT_EQ(view.items.size(), 1u);
    EXPECT_TRUE(TaskStore::ListTaskNames(store().StorePath()).empty());
    if (!c.storeIsAFolder) EXPECT_FALSE(TaskStore::Exists(store().StorePath()));
    EXPECT_EQ(view.dialogFileName, path);  // the dialog keeps the confirmed path whatever came of it
    if (c.storeIsAFolder) fs::remove(store().StorePath());
    fs::remove(path);
  }
}

TEST_F(ImportPlanTest, AFolderIsNoPlan) {
  fs::path folder = PlanPath(u8"folder.txt");
  fs::create_directory(folder);
  EXPECT_EQ(Import(folder), Gbk(u8"\r\n——导入失败—— 无法读取计划文件") + kRestart);
  EXPECT_FALSE(TaskStore::Exists(store().StorePath()));
}

TEST_F(ImportPlanTest, APlanOfExactly64MiBIsImported) {
  fs::path path = WritePlan(u8"full.txt", "");
  fs::resize_file(path, 64u << 20);  // all zero bytes: the plan ends at once and has no lessons
  EXPECT_EQ(Import(path), kReading + kReadOk + kRestart);
  EXPECT_EQ(TaskStore::ListTaskNames(store().StorePath()), std::vector<Text>{"full"});
  EXPECT_EQ(TaskStore::ReadValue(store().StorePath(), "full", kLessonKey), "");
}

TEST_F(ImportPlanTest, ReimportingReplacesTheLessonsClearsTheTicksAndListsTheNameOnce) {
  ASSERT_TRUE(store().WriteLessonList("plan", "x|y|z"));
  ASSERT_TRUE(store().WriteCompletionList("plan", "0,2"));
  ASSERT_TRUE(store().WriteLessonList("later", "l"));
  view.items.push_back("plan");
  view.items.push_back("later");

  EXPECT_EQ(Import(WritePlan(u8"plan.txt", "a\nb\n")), kReading + kReadOk + kRestart);
  EXPECT_EQ(TaskStore::ReadValue(store().StorePath(), "plan", kLessonKey), "a|b");
  EXPECT_EQ(TaskStore::ReadValue(store().StorePath(), "plan", kCompletionKey), "");
  EXPECT_EQ(TaskStore::ListTaskNames(store().StorePath()), (std::vector<Text>{"plan", "later"}));
  EXPECT_EQ(view.items, (std::vector<Text>{Gbk(u8"-请选择-"), "plan", "later"}));
  EXPECT_EQ(view.chartSets, 1);

  // Imported twice in one run: still listed once.
  Import(WritePlan(u8"new.txt", "n"));
  Import(PlanPath(u8"new.txt"));
  EXPECT_EQ(view.items, (std::vector<Text>{Gbk(u8"-请选择-"), "plan", "later", "new"}));
}

TEST_F(ImportPlanTest, APlanNamedLikeThePlaceholderIsStillListed) {
  const Text placeholder = Gbk(u8"-请选择-");
  view.items.push_back("other");
  Import(WritePlan(u8"-请选择-.txt", "a"));
  EXPECT_EQ(view.items, (std::vector<Text>{placeholder, "other", placeholder}));
}

TEST_F(ImportPlanTest, TheDialogOffersTheLastConfirmedPath) {
  fs::path first = WritePlan(u8"一.txt", "a");
  fs::path second = WritePlan(u8"二.txt", "b");
  Import(first);
  ImportPlan(view, dialogs, store());  // cancelled
  Import(second);
  ImportPlan(view, dialogs, store());  // cancelled
  EXPECT_EQ(dialogs.offeredFileNames, (std::vector<fs::path>{fs::path(), first, first, second}));
  EXPECT_EQ(view.dialogFileName, second);
}

TEST_F(ImportPlanTest, TakesTheTaskNameFromTheFileNameWhateverItsFolder) {
  fs::create_directory(PlanPath(u8"课程 (旧)"));
  Import(WritePlan(u8"课程 (旧)/高等数学.v2.txt", "x"));
  EXPECT_EQ(TaskStore::ListTaskNames(store().StorePath()), std::vector<Text>{Gbk(u8"高等数学.v2")});
}

TEST_F(ImportPlanTest, ListsTheNameWithoutBlanksAroundIt) {
  ASSERT_TRUE(store().WriteLessonList("plan", "x"));
  view.items.push_back("plan");
  Import(WritePlan(u8" plan .txt", "a"));
  EXPECT_EQ(view.items, (std::vector<Text>{Gbk(u8"-请选择-"), "plan"}));
  EXPECT_EQ(TaskStore::ReadValue(store().StorePath(), "plan", kLessonKey), "a");

  // Nothing but blanks is no name at all.
  EXPECT_EQ(Import(WritePlan(u8"  .txt", "a")),
            kReading + Gbk(u8"\r\n——导入失败—— 无法从文件名得到任务名") + kRestart);
}

TEST_F(ImportPlanTest, AFileNamedInGbkKeepsItsName) {
  // A file copied from a Chinese Windows system may carry its GBK name unchanged.
  const Text name = Gbk(u8"计划");
  std::string fileName = name + ".txt";
  fs::path path = PlanPath(u8"") / fs::path(fileName);
  std::ofstream(path, std::ios::binary) << "a";
  Import(path);
  EXPECT_EQ(TaskStore::ListTaskNames(store().StorePath()), std::vector<Text>{name});
  EXPECT_EQ(view.items.back(), name);
}

}  // namespace
}  // namespace quorlin
