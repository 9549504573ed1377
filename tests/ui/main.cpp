#include <gtest/gtest.h>

#include <QApplication>

#include "ui/application_style.h"

// The window tests need one QApplication, styled like the application's.
int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  quorlin::ApplyApplicationStyle(app);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
