#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <QtTest/QTest>
#include <filesystem>
#include <functional>
#include <string>

#include "store/task_store.h"
#include "support/temp_folder.h"

namespace quorlin::testing {

// A fresh run directory per test; the store file in it is written and read as raw bytes.
class StoreFolder {
 public:
  StoreFolder() : directory_(dir_.path().toStdString()) {}

  TaskStore Store() const { return TaskStore(directory_); }
  std::filesystem::path StorePath() const { return Store().StorePath(); }

  void Write(std::string_view bytes) const { WriteBytes(StorePath(), bytes); }
  std::string Read() const { return ReadBytes(StorePath()); }

 private:
  QTemporaryDir dir_;
  std::filesystem::path directory_;
};

// Runs `open`, which is expected to open a modal window and return only once it is closed. While that
// window runs its own event loop, `inside` gets it (or nullptr when none is modal); afterwards the window
// is closed unless `inside` closed it already.
inline void WhileModal(const std::function<void()>& open, const std::function<void(QWidget*)>& inside) {
  bool ran = false;
  QTimer::singleShot(0, qApp, [&] {
    QWidget* modal = QApplication::activeModalWidget();
    inside(modal);
    ran = true;
    if (QWidget* still = QApplication::activeModalWidget()) still->close();
  });
  open();
  // When nothing modal was opened the check runs only now, still inside this test.
  EXPECT_TRUE(QTest::qWaitFor([&] { return ran; }));
}

// A left click delivered to the top-level window as the window system would, so that modality applies.
inline void ClickThroughWindow(QWidget& target) {
  QWidget* window = target.window();
  QTest::mouseClick(window->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                    target.mapTo(window, target.rect().center()));
}

}  // namespace quorlin::testing
