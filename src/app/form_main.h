#pragma once
// The main window: the start-up sequence behind the splash window, the tool bar with the
// project commands, the plot-type and help menus, and the three frames (open projects with
// the test tone on the left, the plot in the centre, the project editing area below).

#include <QMainWindow>
#include <QPointer>
#include <QStringList>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QActionGroup;
class QFileDialog;
class QMenu;
class QToolButton;

namespace Ui {
class TfrmMain;
}

namespace bextor {

class TDBHandler;
class TfrmAbout;
class TfrmSplashScreen;
class TframePlotWindow;
class TframeProject;
class TframeProjectManager;
class TProject;
class TProjectManager;
class TSettings;
class TSignalGenerator;
class TUserDialogs;
struct TVersionInfo;

// The program's global objects, created before the main window and freed after it.
struct TGlobals {
  bool& SoundConfirmed;
  TProjectManager& ProjectManager;
  TSettings& Settings;
  TDBHandler& DBHandler;
  TVersionInfo& VersionInfo;
};

class TfrmMain : public QMainWindow {
  Q_OBJECT
public:
  // Runs the start-up steps; `startup_files` are opened once the window is shown.
  TfrmMain(TGlobals globals, TUserDialogs& dialogs, const QStringList& startup_files);
  ~TfrmMain() override;

  // True when start-up could not read "version.ini": the program ends.
  bool StartupFailed() const { return FStartupFailed; }

  void OpenProject(const QString& path);
  // Saves one project, asking for a file when it has none; false when nothing was written.
  bool SaveProject(TProject& project);
  void SaveProjectAs();
  void SaveAll();
  void CloseProject();
  void UpdateActions();
  void RepaintPlots();
  // Opens every ".bpr" path of the list (letter case ignored), in order.
  void OpenDroppedFiles(const QStringList& paths);
  // The projects folder's project files, as the open-project drop-down lists them.
  void FillProjectFilesMenu();
  void SelectPlotType(int tag);

  TframePlotWindow* PlotFrame() const { return FPlotFrame; }
  TframeProjectManager* ProjectManagerFrame() const { return FProjectManagerFrame; }
  TframeProject* ProjectFrame() const { return FProjectFrame; }
  QFileDialog* OpenDialog() const { return FOpenDialog; }
  QFileDialog* SaveDialog() const { return FSaveDialog; }

protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

private:
  bool RunStartup(const QStringList& startup_files);
  void BuildToolBar();
  void BuildPlotTypeMenu();
  void BuildHelpMenu();
  void CreateFrames();
  void ConnectCommands();
  void ShowActiveProject();
  void AfterFirstShow();
  void ShowAbout();
  // Whether the user lets the window close; saves when asked to.
  bool ExitCheck();
  // Runs the save dialog offering `proposed`: the chosen absolute path, or empty when the
  // user cancelled or chose the file of an open project (said in a message).
  std::string ChooseSaveTarget(const std::string& proposed);
  void Guard(const std::function<void()>& command);
  QFileDialog* MakeProjectDialog(const char* name, const QString& title, const QString& filter, bool save);

  std::unique_ptr<Ui::TfrmMain> FUi;
  TGlobals FGlobals;
  TUserDialogs& FDialogs;
  bool FStartupFailed = false;
  bool FShownOnce = false;
  QStringList FStartupFiles;
  std::vector<std::string> FStartupMessages;  // shown once the window is on screen
  QString FHelpBase;
  QFileDialog* FOpenDialog = nullptr;
  QFileDialog* FSaveDialog = nullptr;
  QMenu* FProjectFilesMenu = nullptr;
  QMenu* FPlotTypeMenu = nullptr;
  QActionGroup* FPlotTypeGroup = nullptr;
  QToolButton* FPlotTypeButton = nullptr;
  QMenu* FHelpMenu = nullptr;
  TframePlotWindow* FPlotFrame = nullptr;
  TframeProjectManager* FProjectManagerFrame = nullptr;
  TframeProject* FProjectFrame = nullptr;
  std::unique_ptr<TfrmSplashScreen> FSplash;  // only while starting
  QPointer<TfrmAbout> FAbout;
  std::unique_ptr<TSignalGenerator> FSignalGenerator;
};

}  // namespace bextor
