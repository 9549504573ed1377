#include <QApplication>
#include <QFile>
#include <cfenv>
#include <filesystem>

#include "store/task_store.h"
#include "ui/application_style.h"
#include "ui/main_window.h"
#include "ui/qt_dialogs.h"
#include "ui/window_frame.h"

int main(int argc, char* argv[]) {
  // Round to nearest with every floating-point exception masked: 0/0 gives not-a-number, never a trap.
  std::fesetenv(FE_DFL_ENV);

  QApplication app(argc, argv);
  quorlin::ApplyApplicationStyle(app);

  const std::filesystem::path runDirectory(
      QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString());
  quorlin::QtDialogs dialogs;
  quorlin::MainWindow window(quorlin::TaskStore(runDirectory), dialogs);
  quorlin::CentreOnScreen(window);
  window.show();
  return app.exec();
}
