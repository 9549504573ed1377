// Bad input of every kind: the app does not crash, the log says what happened, no other task changes.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "import/plan_import.h"
#include "progress/checklist.h"
#include "store/atomic_file.h"
#include "store/task_store.h"
#include "support/fake_dialogs.h"
#include "support/fake_main_view.h"
#include "support/gbk.h"
#include "support/temp_folder.h"

namespace quorlin::testing {
namespace {

// A run directory with a store, a main window and dialogs; 英语语法 is the task that must survive.
struct App {
  TempFolder folder;
  TaskStore store{folder.Path()};
  FakeMainView view;
  FakeDialogs dialogs;

  std::filesystem::path Store() const { return store.StorePath(); }
  std::filesystem::path Plan(std::string_view name, std::string_view bytes) const {
    std::filesystem::path path = folder.Path() / "plans";
    std::filesystem::create_directories(path);
    path /= std::filesystem::path(std::u8string(reinterpret_cast<const char8_t*>(name.data()), name.size()));
    WriteBytes(path, bytes);
    return path;
  }
  void Choose(std::string_view utf8Task) {
    view.items.push_back(Gbk(utf8Task));
    view.selected = static_cast<int>(view.items.size()) - 1;
    ChooseTask(view, store);
  }
  void Import(const std::filesystem::path& plan) {
    dialogs.setNextFileName(plan);
    ImportPlan(view, dialogs, store);
  }
  // Chooses 英语语法, ticks its second lesson as well and saves.
  void TickAndSave() {
    Choose("英语语法");
    if (view.RowCount() > 1) view.Tick(1, true);
    SaveChecklist(view, store);
  }
};

const char* const kTwoTasks =
    "[英语语法]\r\n目录=第1课 时态|第2课 从句|第3课 虚拟语气\r\n已完成=0,2\r\n"
    "[高等数学]\r\n目录=极限|导数\r\n已完成=\r\n";

struct BadInput {
  const char* name;
  std::function<void(App&)> prepare;
  std::function<void(App&)> act;
  const char* expectedLog;  // the log ends with this (UTF-8)
  bool englishUnchanged;    // 英语语法 keeps its lessons and ticks
  std::function<void(App&)> alsoCheck = nullptr;
};

void TwoTaskStore(App& app) { WriteBytes(app.Store(), Gbk(kTwoTasks)); }

const char* const kSaved = "\r\n保存成功";
const char* const kSaveFailed = "\r\n保存失败 无法写入配置文件";
const char* const kImported =
    "\r\n——读取成功—— \r\n若出现乱码问题请将txt转为utf_8格式\r\n若导入任务成功  建议重启软件 ";
const char* const kImportWriteFailed = "\r\n——导入失败—— 无法写入配置文件\r\n若导入任务成功  建议重启软件 ";

std::vector<BadInput> Cases() {
  auto importNamed = [](const char* fileName) {
    return [fileName](App& app) { app.Import(app.Plan(fileName, "第一课\r\n第二课\r\n")); };
  };
  auto faultAt = [](FileStep step) {
    return [step](App& app) {
      ScopedFileFault fault(step);
      app.TickAndSave();
    };
  };
  return {
      {"StoreIsADirectory", [](App& app) { std::filesystem::create_directory(app.Store()); },
       importNamed("新计划.txt"), kImportWriteFailed, false},
      {"WriteFailsAtOpen", TwoTaskStore, faultAt(FileStep::Open), kSaveFailed, true},
      {"WriteFailsAtWrite", TwoTaskStore, faultAt(FileStep::Write), kSaveFailed, true},
      {"WriteFailsAtFlush", TwoTaskStore, faultAt(FileStep::Flush), kSaveFailed, true},
      {"WriteFailsAtRename", TwoTaskStore, faultAt(FileStep::Rename), kSaveFailed, true},
      {"ImportWhileWritesFail", TwoTaskStore,
       [](App& app) {
         ScopedFileFault fault(FileStep::Rename);
         app.Import(app.Plan("英语语法.txt", "新的一课\r\n"));
       },
       kImportWriteFailed, true},
      {"LineFeedOnlyStore",
       [](App& app) {
         WriteBytes(app.Store(),
                    Gbk("[英语语法]\n目录=第1课|第2课|第3课\n已完成=0,2\n[高等数学]\n目录=极限\n已完成=\n"));
       },
       [](App& app) { app.TickAndSave(); }, kSaved, false},
      {"ZeroByteInStore",
       [](App& app) {
         WriteBytes(app.Store(), Gbk(kTwoTasks) + std::string("[x]\r\nk=a\0b\r\n", 12) +
                                     Gbk("[线性代数]\r\n目录=矩阵\r\n"));
       },
       [](App& app) { app.TickAndSave(); }, kSaved, false,
       [](App& app) {
         EXPECT_NE(ReadBytes(app.Store()).find(std::string("k=a\0b\r\n", 7)), std::string::npos);
         // A zero byte is an ordinary byte of a value: the value keeps it and the sections after it read.
         EXPECT_EQ(TaskStore::ReadValue(app.Store(), "x", "k"), std::string("a\0b", 3));
         EXPECT_EQ(TaskStore::ReadValue(app.Store(), Gbk("线性代数"), Gbk("目录")), Gbk("矩阵"));
       }},
      {"HundredThousandSections",
       [](App& app) {
         std::string bytes = Gbk(kTwoTasks);
         for (int i = 0; i < 100000; ++i) bytes += "[t" + std::to_string(i) + "]\r\n" + Gbk("目录=一|二\r\n");
         WriteBytes(app.Store(), bytes);
       },
       [](App& app) { app.TickAndSave(); }, kSaved, false},
      {"HeaderWithoutClosingBracket",
       [](App& app) { WriteBytes(app.Store(), Gbk(std::string(kTwoTasks) + "[没有右括号\r\n目录=甲\r\n")); },
       importNamed("没有右括号.txt"), kImported, true},
      {"SameSectionTwice",
       [](App& app) {
         WriteBytes(app.Store(), Gbk(std::string(kTwoTasks) + "[英语语法]\r\n目录=重复|的\r\n已完成=1\r\n"));
       },
       importNamed("新计划.txt"), kImported, true},
      {"TaskNameWithClosingBracket", TwoTaskStore, importNamed("a]b.txt"), kImported, true},
      {"TaskNameWithOpeningBracket", TwoTaskStore, importNamed("[x.txt"), kImported, true},
      {"TaskNameWithSemicolon", TwoTaskStore, importNamed(";c.txt"), kImported, true},
      {"TaskNameWithEquals", TwoTaskStore, importNamed("d=e.txt"), kImported, true},
      {"TaskNameWithBlanksAround", TwoTaskStore, importNamed(" f .txt"), kImported, true},
      {"TaskNameOnlyDots", TwoTaskStore, importNamed("....txt"), kImported, true},
      {"EmptyPlan", TwoTaskStore, [](App& app) { app.Import(app.Plan("空.txt", "")); }, kImported, true},
      {"BinaryPlan", TwoTaskStore,
       [](App& app) {
         app.Import(app.Plan("二进制.txt", std::string("\x7F"
                                                       "ELF\x02\x01\x00\x00\xFF\x80",
                                                       10)));
       },
       kImported, true},
      {"PlanLargerThan64MiB", TwoTaskStore,
       [](App& app) { app.Import(app.Plan("太大.txt", std::string(64 * 1024 * 1024 + 1, 'a'))); },
       "\r\n——导入失败—— 计划文件过大\r\n若导入任务成功  建议重启软件 ", true},
      {"Utf16Plan", TwoTaskStore,
       [](App& app) {
         app.Import(app.Plan("宽字符.txt", std::string("\xFF\xFE\x2C\x7B\x00\x4E\x0D\x00\x0A\x00", 10)));
       },
       kImported, true},
      {"GbkPlan", TwoTaskStore, [](App& app) { app.Import(app.Plan("国标.txt", Gbk("第一课\r\n第二课"))); },
       kImported, true},
      {"PlanInvalidInEveryEncoding", TwoTaskStore,
       [](App& app) { app.Import(app.Plan("乱码.txt", "\x80\xFF\xC0\x80\xFE\xFF\xFF")); }, kImported, true},
  };
}

void PrintTo(const BadInput& input, std::ostream* out) { *out << input.name; }

class BadInputTest : public ::testing::TestWithParam<BadInput> {};

TEST_P(BadInputTest, SaysWhatHappenedAndKeepsOtherTasks) {
  const BadInput& input = GetParam();
  App app;
  input.prepare(app);
  const auto lessons = app.store.ReadLessonList(Gbk("英语语法"));
  const auto ticks = app.store.ReadCompletionList(Gbk("英语语法"));
  const auto math = TaskStore::ReadValue(app.Store(), Gbk("高等数学"), Gbk("目录"));

  input.act(app);

  const Text expected = Gbk(input.expectedLog);
  ASSERT_GE(app.view.log.size(), expected.size()) << Utf8(app.view.log);
  EXPECT_EQ(app.view.log.substr(app.view.log.size() - expected.size()), expected) << Utf8(app.view.log);
  if (input.englishUnchanged) {
    EXPECT_EQ(app.store.ReadLessonList(Gbk("英语语法")), lessons);
    EXPECT_EQ(app.store.ReadCompletionList(Gbk("英语语法")), ticks);
  }
  EXPECT_EQ(TaskStore::ReadValue(app.Store(), Gbk("高等数学"), Gbk("目录")), math);
  if (input.alsoCheck) input.alsoCheck(app);
}

INSTANTIATE_TEST_SUITE_P(Cases, BadInputTest, ::testing::ValuesIn(Cases()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quorlin::testing
