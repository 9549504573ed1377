#include "import/plan_import.h"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <optional>
#include <string>
#include <system_error>

#include "import/pattern_matcher.h"
#include "import/text_encoding.h"
#include "progress/overall_progress.h"

namespace quorlin {
namespace {

// A plan is a list of lesson titles; anything this large is not one, and reading it whole would only
// exhaust memory.
constexpr std::uintmax_t kMaxPlanBytes = 64u * 1024 * 1024;

// "请勿导入已存在的任务名，我懒得写判断了！！累了\r\n—— 任务名为txt文件名称\r\n—— 每节课程为一行"
constexpr std::string_view kWarning =
    "\xC7\xEB\xCE\xF0\xB5\xBC\xC8\xEB\xD2\xD1\xB4\xE6\xD4\xDA\xB5\xC4\xC8\xCE\xCE\xF1\xC3\xFB\xA3\xAC\xCE\xD2"
    "\xC0\xC1\xB5\xC3\xD0\xB4\xC5\xD0\xB6\xCF\xC1\xCB\xA3\xA1\xA3\xA1\xC0\xDB\xC1\xCB\r\n\xA1\xAA\xA1\xAA "
    "\xC8\xCE\xCE\xF1\xC3\xFB\xCE\xAAtxt\xCE\xC4\xBC\xFE\xC3\xFB\xB3\xC6\r\n\xA1\xAA\xA1\xAA "
    "\xC3\xBF\xBD\xDA\xBF\xCE\xB3\xCC\xCE\xAA\xD2\xBB\xD0\xD0";
// "\r\n——正在读取计划文件——\r\n"
constexpr std::string_view kReading =
    "\r\n\xA1\xAA\xA1\xAA\xD5\xFD\xD4\xDA\xB6\xC1\xC8\xA1\xBC\xC6\xBB\xAE\xCE\xC4\xBC\xFE\xA1\xAA\xA1\xAA\r"
    "\n";
// "\r\n——读取成功—— \r\n若出现乱码问题请将txt转为utf_8格式"
constexpr std::string_view kReadOk =
    "\r\n\xA1\xAA\xA1\xAA\xB6\xC1\xC8\xA1\xB3\xC9\xB9\xA6\xA1\xAA\xA1\xAA "
    "\r\n\xC8\xF4\xB3\xF6\xCF\xD6\xC2\xD2"
    "\xC2\xEB\xCE\xCA\xCC\xE2\xC7\xEB\xBD\xABtxt\xD7\xAA\xCE\xAAutf_8\xB8\xF1\xCA\xBD";
// "\r\n若导入任务成功  建议重启软件 "
constexpr std::string_view kRestartAdvice =
    "\r\n\xC8\xF4\xB5\xBC\xC8\xEB\xC8\xCE\xCE\xF1\xB3\xC9\xB9\xA6  \xBD\xA8\xD2\xE9\xD6\xD8\xC6\xF4\xC8\xED"
    "\xBC\xFE ";
// "\r\n——导入失败—— 无法读取计划文件"
constexpr std::string_view kUnreadable =
    "\r\n\xA1\xAA\xA1\xAA\xB5\xBC\xC8\xEB\xCA\xA7\xB0\xDC\xA1\xAA\xA1\xAA "
    "\xCE\xDE\xB7\xA8\xB6\xC1\xC8\xA1\xBC\xC6"
    "\xBB\xAE\xCE\xC4\xBC\xFE";
// "\r\n——导入失败—— 计划文件过大"
constexpr std::string_view kTooLarge =
    "\r\n\xA1\xAA\xA1\xAA\xB5\xBC\xC8\xEB\xCA\xA7\xB0\xDC\xA1\xAA\xA1\xAA "
    "\xBC\xC6\xBB\xAE\xCE\xC4\xBC\xFE\xB9\xFD"
    "\xB4\xF3";
// "\r\n——导入失败—— 无法从文件名得到任务名"
constexpr std::string_view kNoTaskName =
    "\r\n\xA1\xAA\xA1\xAA\xB5\xBC\xC8\xEB\xCA\xA7\xB0\xDC\xA1\xAA\xA1\xAA "
    "\xCE\xDE\xB7\xA8\xB4\xD3\xCE\xC4\xBC\xFE"
    "\xC3\xFB\xB5\xC3\xB5\xBD\xC8\xCE\xCE\xF1\xC3\xFB";
// "\r\n——导入失败—— 无法写入配置文件"
constexpr std::string_view kWriteFailed =
    "\r\n\xA1\xAA\xA1\xAA\xB5\xBC\xC8\xEB\xCA\xA7\xB0\xDC\xA1\xAA\xA1\xAA "
    "\xCE\xDE\xB7\xA8\xD0\xB4\xC8\xEB\xC5\xE4"
    "\xD6\xC3\xCE\xC4\xBC\xFE";

enum class ReadResult { kRead, kUnreadable, kTooLarge };

ReadResult ReadPlanFile(const std::filesystem::path& path, std::string& bytes) {
  std::error_code error;
  // Only regular files: a directory would read as empty and a pipe could block the window.
  if (!std::filesystem::is_regular_file(path, error)) return ReadResult::kUnreadable;
  std::uintmax_t size = std::filesystem::file_size(path, error);
  if (error) return ReadResult::kUnreadable;
  if (size > kMaxPlanBytes) return ReadResult::kTooLarge;
  std::ifstream in(path, std::ios::binary);
  if (!in) return ReadResult::kUnreadable;
  bytes.resize(static_cast<size_t>(size));
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  bytes.resize(static_cast<size_t>(in.gcount()));
  // The file may have grown since its size was taken.
  char chunk[64 * 1024];
  while (in && bytes.size() <= kMaxPlanBytes) {
    in.read(chunk, sizeof chunk);
    bytes.append(chunk, static_cast<size_t>(in.gcount()));
  }
  if (in.bad()) return ReadResult::kUnreadable;
  if (bytes.size() > kMaxPlanBytes) return ReadResult::kTooLarge;
  return ReadResult::kRead;
}

// The path as GBK. A path that is not UTF-8 was most likely named in GBK already and is kept as it is.
Text PathToGbk(const std::filesystem::path& path) {
  std::u8string name = path.u8string();
  std::string_view bytes(reinterpret_cast<const char*>(name.data()), name.size());
  if (std::optional<std::u16string> units = DecodeStrictUtf8(bytes)) return EncodeFromUtf16(*units, 936);
  return Text(bytes);
}

bool IsListed(const MainView& view, std::string_view name) {
  std::vector<Text> items = view.TaskItems();
  return items.size() > 1 && std::find(items.begin() + 1, items.end(), name) != items.end();
}

// Reads the chosen plan and writes it as a task; appends the log lines of the outcome.
void ImportChosenPlan(MainView& view, const TaskStore& store, const std::filesystem::path& path) {
  std::string bytes;
  switch (ReadPlanFile(path, bytes)) {
    case ReadResult::kUnreadable:
      view.AppendLog(kUnreadable);
      return;
    case ReadResult::kTooLarge:
      view.AppendLog(kTooLarge);
      return;
    case ReadResult::kRead:
      break;
  }
  view.AppendLog(kReading);
  // Named as the store keeps it, so that a re-import of "plan .txt" finds the "plan" listed at start-up.
  Text name(TrimBlanks(TaskNameFromPath(PathToGbk(path))));
  if (name.empty()) {
    view.AppendLog(kNoTaskName);
    return;
  }
  Text lessons = LessonListFromPlan(bytes);
  bytes.clear();
  bytes.shrink_to_fit();
  // One change of the file: the task never shows its new lessons with its old ticks.
  bool written = store.WriteTask(name, lessons, "");
  if (!written) {
    view.AppendLog(kWriteFailed);
    ShowOverallProgress(view, store);
    return;
  }
  view.AppendLog(kReadOk);
  if (!IsListed(view, name)) view.AddTaskItem(name);
  ShowOverallProgress(view, store);
}

}  // namespace

void ImportPlan(MainView& view, Dialogs& dialogs, const TaskStore& store) {
  dialogs.ShowMessage(kWarning);
  std::filesystem::path fileName = view.DialogFileName();
  if (dialogs.OpenFile(fileName)) {
    view.SetDialogFileName(fileName);
    ImportChosenPlan(view, store, fileName);
  }
  view.AppendLog(kRestartAdvice);
}

}  // namespace quorlin
