// The bextor desktop program: the global objects, the main window and the event loop.

#include "app/Project.h"
#include "app/UserDialogs.h"
#include "app/VersionInfo.h"
#include "app/form_main.h"
#include "common/NumberFormat.h"
#include "drivers/DBHandler.h"
#include "settings/Settings.h"

#include <QApplication>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  bextor::InitDecimalSeparatorFromSystem();
  bextor::TUserDialogs dialogs;
  bextor::SetMessageSink(&dialogs);

  // Freed in reverse: the driver database, the project manager with its projects, then the
  // settings (which the other two refer to).
  bool SoundConfirmed = false;
  bextor::TSettings Settings;
  bextor::TProjectManager ProjectManager(Settings);
  bextor::TDBHandler DBHandler(Settings.Environment);
  bextor::TVersionInfo VersionInfo;

  QStringList startup_files = QApplication::arguments();
  startup_files.removeFirst();
  int result = 1;
  {
    bextor::TfrmMain window({SoundConfirmed, ProjectManager, Settings, DBHandler, VersionInfo}, dialogs, startup_files);
    if (!window.StartupFailed()) {
      window.show();
      result = QApplication::exec();
    }
  }
  bextor::SetMessageSink(nullptr);
  return result;
}
