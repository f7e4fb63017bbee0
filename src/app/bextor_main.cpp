// The bextor desktop program. For now an empty main window captioned with the version.

#include "app/VersionInfo.h"
#include "common/Errors.h"
#include "common/NumberFormat.h"
#include "settings/Settings.h"

#include <QApplication>
#include <QMainWindow>
#include <QMessageBox>
#include <QTimer>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  bextor::InitDecimalSeparatorFromSystem();
  bextor::TSettings settings;
  const auto warnings = settings.LoadSettings();

  bextor::TVersionInfo version;
  try {
    version = bextor::LoadVersionInfo(settings.FAllUsersFolder);
  } catch (const bextor::EBextorError& error) {
    QMessageBox::critical(nullptr, QStringLiteral("Bextor"), QString::fromStdString(error.what()));
    return 1;
  }

  QMainWindow window;
  window.setWindowTitle(QStringLiteral("Bextor ") + QString::fromStdString(version.Number));
  window.resize(1000, 700);
  window.show();
  // Settings that could not be read are reported once the window is on screen.
  QTimer::singleShot(0, &window, [&window, warnings] {
    for (const auto& warning : warnings)
      QMessageBox::warning(&window, QStringLiteral("Bextor"), QString::fromStdString(warning));
  });
  return app.exec();
}
