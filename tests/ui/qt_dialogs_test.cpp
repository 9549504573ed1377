#include "ui/qt_dialogs.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QFileDialog>
#include <QMessageBox>
#include <fstream>

#include "support/gbk.h"
#include "ui_test_support.h"

namespace quorlin {
namespace {

using testing::Gbk;

TEST(QtDialogsTest, MessageBoxHasTheCaptionOneOkButtonNoIconAndIsApplicationModal) {
  QtDialogs dialogs;
  testing::WhileModal(
      [&] { dialogs.ShowMessage(Gbk(u8"请勿导入<b>已存在</b>的任务名\r\n—— 每节课程为一行")); },
      [](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->windowTitle(), QStringLiteral("信息："));
        EXPECT_EQ(box->text(), QStringLiteral("请勿导入<b>已存在</b>的任务名\n—— 每节课程为一行"));
        EXPECT_EQ(box->textFormat(), Qt::PlainText);
        EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
        EXPECT_EQ(box->windowModality(), Qt::ApplicationModal);
        EXPECT_EQ(box->parentWidget(), nullptr);
        ASSERT_EQ(box->buttons().size(), 1);
        EXPECT_EQ(box->standardButton(box->buttons().front()), QMessageBox::Ok);
        box->buttons().front()->click();
      });
}

class OpenFileTest : public ::testing::Test {
 protected:
  std::filesystem::path Touch(const char* name) {
    const std::filesystem::path path = std::filesystem::path(dir_.path().toStdString()) / name;
    std::ofstream(path) << "x";
    return path;
  }
  QTemporaryDir dir_;
  QtDialogs dialogs_;
};

TEST_F(OpenFileTest, OffersTheLastFileAndReturnsTheChosenOne) {
  std::filesystem::path fileName = Touch("last.txt");
  const std::filesystem::path chosen = Touch("next.txt");
  bool confirmed = false;
  testing::WhileModal([&] { confirmed = dialogs_.OpenFile(fileName); },
                      [&](QWidget* modal) {
                        auto* dialog = qobject_cast<QFileDialog*>(modal);
                        ASSERT_NE(dialog, nullptr);
                        EXPECT_EQ(dialog->nameFilters(), QStringList{"*.txt"});
                        EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFile);
                        EXPECT_EQ(
                            dialog->selectedFiles(),
                            QStringList{QString::fromStdString((dir_.path().toStdString() + "/last.txt"))});
                        dialog->selectFile(QString::fromStdString(chosen.string()));
                        static_cast<QDialog*>(dialog)->accept();
                      });
  EXPECT_TRUE(confirmed);
  EXPECT_EQ(fileName, chosen);
}

TEST_F(OpenFileTest, CancellingKeepsTheFileName) {
  std::filesystem::path fileName = Touch("last.txt");
  const std::filesystem::path before = fileName;
  bool confirmed = true;
  testing::WhileModal([&] { confirmed = dialogs_.OpenFile(fileName); },
                      [](QWidget* modal) {
                        ASSERT_NE(qobject_cast<QFileDialog*>(modal), nullptr);
                        static_cast<QDialog*>(modal)->reject();
                      });
  EXPECT_FALSE(confirmed);
  EXPECT_EQ(fileName, before);
}

TEST(QtDialogsDeathTest, EndProgramEndsTheProcessWithTheExitCodeAtOnce) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  QtDialogs dialogs;
  EXPECT_EXIT(dialogs.EndProgram(3), ::testing::ExitedWithCode(3), "");
  EXPECT_EXIT(dialogs.EndProgram(0), ::testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace quorlin
