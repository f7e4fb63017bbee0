#include "form_main.h"
#include "ui_form_main.h"

#include "app/Project.h"
#include "app/UserDialogs.h"
#include "app/VersionInfo.h"
#include "app/form_about.h"
#include "app/form_splashscreen.h"
#include "app/frame_project.h"
#include "app/frame_projectmanager.h"
#include "audio/SignalGenerator.h"
#include "common/Errors.h"
#include "drivers/DBHandler.h"
#include "persistence/ProjectFile.h"
#include "plot/frame_plot.h"
#include "settings/Settings.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QHelpEvent>
#include <QMenu>
#include <QMimeData>
#include <QProxyStyle>
#include <QTimer>
#include <QToolButton>
#include <QToolTip>
#include <QUrl>

#include <algorithm>

namespace bextor {

namespace {

constexpr int kHintWakeUpMs = 200;
constexpr int kHintShowMs = 3000;

// Hints appear after 200 ms and stay 3 s, on a white background.
class THintStyle : public QProxyStyle {
public:
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* result) const override {
    if (hint == SH_ToolTip_WakeUpDelay) return kHintWakeUpMs;
    return QProxyStyle::styleHint(hint, option, widget, result);
  }
};

class THintDuration : public QObject {
public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (event->type() != QEvent::ToolTip || !widget || widget->toolTip().isEmpty()) return false;
    QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), widget->toolTip(), widget, {}, kHintShowMs);
    return true;
  }
};

void SetHintTiming() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  QApplication::setStyle(new THintStyle);
  qApp->installEventFilter(new THintDuration(qApp));
  QPalette palette = QToolTip::palette();
  palette.setColor(QPalette::ToolTipBase, Qt::white);
  palette.setColor(QPalette::ToolTipText, Qt::black);
  QToolTip::setPalette(palette);
}

// The plot-type menu in menu order; 0 is a separator.
constexpr int kPlotTypeMenu[] = {1, 4, 3, 7, 16, 20, 2, 0, 5, 6, 8, 0, 13, 14, 15, 0, 9, 11, 10, 12, 21, 0, 17, 18, 19};

bool IsProjectFile(const QString& path) {
  return path.endsWith(QLatin1String(kProjectExtension), Qt::CaseInsensitive);
}

QString Q(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

TfrmMain::TfrmMain(TGlobals globals, TUserDialogs& dialogs, const QStringList& startup_files)
    : FUi(std::make_unique<Ui::TfrmMain>()), FGlobals(globals), FDialogs(dialogs) {
  FUi->setupUi(this);
  FStartupFailed = !RunStartup(startup_files);
}

TfrmMain::~TfrmMain() {
  // The project manager outlives the window: it must not call back into it.
  FGlobals.ProjectManager.OnChange = nullptr;
}

bool TfrmMain::RunStartup(const QStringList& startup_files) {
  TSettings& settings = FGlobals.Settings;
  for (const std::string& warning : settings.LoadSettings()) FStartupMessages.push_back(warning);
  FOpenDialog = MakeProjectDialog("dlgOpenProject", QStringLiteral("Select project to open"),
                                  QStringLiteral("Bextor project files (*.bpr)"), false);
  FSaveDialog = MakeProjectDialog("dlgSaveProject", QStringLiteral("Save project..."),
                                  QStringLiteral("Bextor projects (*.bpr)"), true);
  try {
    FGlobals.VersionInfo = LoadVersionInfo(settings.FAllUsersFolder);
  } catch (const EBextorError& error) {
    FDialogs.Inform(this, Q(error.what()));
    return false;
  }
  const QString number = Q(FGlobals.VersionInfo.Number);
  FSplash = std::make_unique<TfrmSplashScreen>(number);
  FSplash->show();
  FSplash->SetStatus(QStringLiteral("Setting variables..."));
  SetHintTiming();
  FSplash->SetStatus(QStringLiteral("Loading drivers..."));
  QDir().mkpath(Q(settings.FDriversFolder));
  QDir().mkpath(Q(settings.FProjectsFolder));
  TDBHandler& database = FGlobals.DBHandler;
  database.FOnProgress = [this](int percentage) { FSplash->SetProgress(percentage); };
  Guard([&] {
    database.SetPath(settings.FDriversFolder);
    database.EnsureLoaded();
  });
  database.FOnProgress = nullptr;
  if (!database.Problems().empty()) {
    std::string list = "These driver files could not be read and are left out of the driver database:";
    for (const std::string& problem : database.Problems()) list += "\n" + problem;
    FStartupMessages.push_back(list);
  }
  setWindowTitle(QStringLiteral("Bextor ") + number);
  CreateFrames();
  BuildToolBar();
  ConnectCommands();
  FHelpBase = QUrl::fromLocalFile(Q(settings.FAllUsersFolder + "help/")).toString();
  for (const QString& file : startup_files) FStartupFiles << QFileInfo(file).absoluteFilePath();
  FSignalGenerator = std::make_unique<TSignalGenerator>();
  FProjectManagerFrame->SetGenerator(FSignalGenerator.get());
  UpdateActions();
  return true;
}

QFileDialog* TfrmMain::MakeProjectDialog(const char* name, const QString& title, const QString& filter, bool save) {
  auto* dialog = new QFileDialog(this, title, Q(FGlobals.Settings.FProjectsFolder), filter);
  dialog->setObjectName(QLatin1String(name));
  dialog->setOption(QFileDialog::DontUseNativeDialog);
  dialog->setDefaultSuffix(QStringLiteral("bpr"));
  dialog->setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog->setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  return dialog;
}

void TfrmMain::CreateFrames() {
  const auto place = [](QWidget* panel, QWidget* frame) {
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(frame);
  };
  TProjectManager& projects = FGlobals.ProjectManager;
  FPlotFrame = new TframePlotWindow(FGlobals.Settings, projects, FDialogs);
  place(FUi->pnlPlotFrame, FPlotFrame);
  FProjectManagerFrame = new TframeProjectManager(projects, FDialogs, FGlobals.SoundConfirmed);
  place(FUi->pnlProjectManagerFrame, FProjectManagerFrame);
  FProjectFrame = new TframeProject;
  place(FUi->pnlProjectFrame, FProjectFrame);
  FUi->Splitter1->setStretchFactor(1, 1);
  FUi->Splitter1->setSizes({190, 900});

  projects.OnChange = [this] { UpdateActions(); };
  FProjectManagerFrame->OnShowProject = [this](TProject* project) { FProjectFrame->ShowProject(project); };
  FProjectManagerFrame->OnRepaintPlots = [this] { RepaintPlots(); };
  FProjectManagerFrame->OnUpdateActions = [this] { UpdateActions(); };
  FProjectManagerFrame->SetCommands(FUi->actCloseProject, FUi->actSaveProject, FUi->actSaveAs, FUi->actSaveAll);
  FPlotFrame->OnReadout = [this](const QString& frequency, const QString& value) {
    FUi->lblPlotFrequency->setText(frequency);
    FUi->lblPlotValue->setText(value);
  };
  FPlotFrame->OnCursorFrequency = [this](double frequency) { FProjectManagerFrame->SetToneFrequency(frequency); };
}

void TfrmMain::BuildToolBar() {
  QToolBar* bar = FUi->ToolBar1;
  const auto icon = [this](QStyle::StandardPixmap pixmap) { return style()->standardIcon(pixmap); };
  FUi->actOpenProject->setIcon(icon(QStyle::SP_DialogOpenButton));
  FUi->actNewProject->setIcon(icon(QStyle::SP_FileIcon));
  FUi->actSaveProject->setIcon(icon(QStyle::SP_DialogSaveButton));
  FUi->actSaveAs->setIcon(icon(QStyle::SP_DriveFDIcon));
  FUi->actSaveAll->setIcon(icon(QStyle::SP_DialogApplyButton));
  FUi->actDatabaseMaintenance->setIcon(icon(QStyle::SP_DirIcon));
  FUi->actOptions->setIcon(icon(QStyle::SP_FileDialogDetailedView));

  auto* open_button = new QToolButton(bar);
  open_button->setDefaultAction(FUi->actOpenProject);
  open_button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  FProjectFilesMenu = new QMenu(open_button);
  FProjectFilesMenu->setObjectName(QStringLiteral("popProjectFiles"));
  connect(FProjectFilesMenu, &QMenu::aboutToShow, this, [this] { Guard([&] { FillProjectFilesMenu(); }); });
  open_button->setMenu(FProjectFilesMenu);
  open_button->setPopupMode(QToolButton::MenuButtonPopup);
  bar->addWidget(open_button);
  bar->addAction(FUi->actNewProject);
  bar->addAction(FUi->actSaveProject);
  bar->addAction(FUi->actSaveAs);
  bar->addAction(FUi->actSaveAll);
  bar->addSeparator();
  bar->addAction(FUi->actDatabaseMaintenance);
  bar->addAction(FUi->actOptions);
  BuildHelpMenu();
  auto* help_button = new QToolButton(bar);
  help_button->setObjectName(QStringLiteral("btnHelp"));
  help_button->setText(QStringLiteral("Help"));
  help_button->setIcon(icon(QStyle::SP_MessageBoxQuestion));
  help_button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  help_button->setMenu(FHelpMenu);
  help_button->setPopupMode(QToolButton::InstantPopup);
  bar->addWidget(help_button);
  bar->addSeparator();
  BuildPlotTypeMenu();
  bar->addWidget(FPlotTypeButton);
}

void TfrmMain::BuildPlotTypeMenu() {
  FPlotTypeButton = new QToolButton(FUi->ToolBar1);
  FPlotTypeButton->setObjectName(QStringLiteral("btnPlotType"));
  FPlotTypeButton->setToolTip(QStringLiteral("Click to select plot type"));
  FPlotTypeButton->setToolButtonStyle(Qt::ToolButtonTextOnly);
  FPlotTypeButton->setPopupMode(QToolButton::InstantPopup);
  FPlotTypeMenu = new QMenu(FPlotTypeButton);
  FPlotTypeMenu->setObjectName(QStringLiteral("popPlotType"));
  FPlotTypeGroup = new QActionGroup(FPlotTypeMenu);
  FPlotTypeGroup->setExclusive(true);
  for (int tag : kPlotTypeMenu) {
    if (tag == 0) {
      FPlotTypeMenu->addSeparator();
      continue;
    }
    QAction* item = FPlotTypeMenu->addAction(QString::fromUtf8(PlotTypeInfo(tag).Caption));
    item->setData(tag);
    item->setCheckable(true);
    FPlotTypeGroup->addAction(item);
    connect(item, &QAction::triggered, this, [this, tag] { Guard([&] { SelectPlotType(tag); }); });
  }
  const QList<QAction*> items = FPlotTypeGroup->actions();
  items.first()->setChecked(true);
  FPlotTypeButton->setText(items.first()->text());
  FPlotTypeButton->setMenu(FPlotTypeMenu);
}

void TfrmMain::BuildHelpMenu() {
  FHelpMenu = new QMenu(this);
  FHelpMenu->setObjectName(QStringLiteral("popHelpMenu"));
  QMenu* help = FHelpMenu->addMenu(QStringLiteral("Help"));
  QAction* contents = help->addAction(QStringLiteral("Table of Contents"));
  contents->setObjectName(QStringLiteral("miContents"));
  connect(contents, &QAction::triggered, this,
          [this] { Guard([&] { FDialogs.OpenUrl(QUrl(FHelpBase + QStringLiteral("HTML/index.html"))); }); });
  QMenu* internet = FHelpMenu->addMenu(QStringLiteral("Internet"));
  for (const TWebLink& link : FGlobals.VersionInfo.WebLinks) {
    QAction* item = internet->addAction(Q(link.Caption));
    item->setVisible(!link.Url.empty());
    const QUrl url(Q(link.Url));
    connect(item, &QAction::triggered, this, [this, url] { Guard([&] { FDialogs.OpenUrl(url); }); });
  }
  const QList<QAction*> pages = internet->actions();
  internet->menuAction()->setVisible(
      std::any_of(pages.cbegin(), pages.cend(), [](const QAction* page) { return page->isVisible(); }));
  FHelpMenu->addSeparator();
  FHelpMenu->addAction(FUi->actAbout);
}

void TfrmMain::ConnectCommands() {
  const auto on = [this](QAction* action, std::function<void()> command) {
    connect(action, &QAction::triggered, this, [this, command] { Guard(command); });
  };
  on(FUi->actOpenProject, [this] {
    FOpenDialog->setDirectory(Q(FGlobals.Settings.FProjectsFolder));
    const QString path = FDialogs.RunFileDialog(*FOpenDialog);
    if (!path.isEmpty()) OpenProject(path);
  });
  on(FUi->actSaveProject, [this] {
    if (TProject* project = FGlobals.ProjectManager.ActiveProject()) SaveProject(*project);
  });
  on(FUi->actSaveAs, [this] { SaveProjectAs(); });
  on(FUi->actSaveAll, [this] { SaveAll(); });
  on(FUi->actCloseProject, [this] { CloseProject(); });
  on(FUi->actAbout, [this] { ShowAbout(); });
}

void TfrmMain::Guard(const std::function<void()>& command) { RunGuarded(FDialogs, this, command); }

void TfrmMain::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (FShownOnce) return;
  FShownOnce = true;
  FSplash.reset();
  // Start-up files and messages come after the first paint, never inside it.
  QTimer::singleShot(0, this, [this] { AfterFirstShow(); });
}

void TfrmMain::AfterFirstShow() {
  for (const std::string& message : FStartupMessages) FDialogs.Inform(this, Q(message));
  FStartupMessages.clear();
  const QStringList files = FStartupFiles;
  FStartupFiles.clear();
  for (const QString& file : files) Guard([&] { OpenProject(file); });
}

void TfrmMain::OpenProject(const QString& path) {
  TProjectManager& projects = FGlobals.ProjectManager;
  const std::string file = QFileInfo(path).absoluteFilePath().toStdString();
  if (projects.IsProjectOpen(file)) {
    FDialogs.Inform(this, QStringLiteral("Project is already opened!"));
    return;
  }
  TProject* previous = projects.ActiveProject();
  TProject* project = projects.AddProject();
  std::vector<std::string> warnings;
  try {
    warnings = LoadProjectFromFile(file, *project);
  } catch (...) {
    // A project that could not be read is not kept half-read.
    projects.RemoveProject(project);
    projects.SetActiveProject(previous);
    throw;
  }
  PrepareForShowing(*project);
  ShowActiveProject();
  FProjectManagerFrame->UpdateProjectList();
  project->SetModified(false);
  RepaintPlots();
  for (const std::string& warning : warnings) FDialogs.Inform(this, Q(warning));
}

void TfrmMain::ShowActiveProject() { FProjectFrame->ShowProject(FGlobals.ProjectManager.ActiveProject()); }

std::string TfrmMain::ChooseSaveTarget(const std::string& proposed) {
  FSaveDialog->selectFile(Q(proposed));
  const QString chosen = FDialogs.RunFileDialog(*FSaveDialog);
  if (chosen.isEmpty()) return {};
  const std::string target = QFileInfo(chosen).absoluteFilePath().toStdString();
  // Also for a never-saved project: the next Save all would overwrite one file with the other.
  if (FGlobals.ProjectManager.IsProjectOpen(target)) {
    FDialogs.Inform(this, QStringLiteral("Project with given name is already open!"));
    return {};
  }
  return target;
}

bool TfrmMain::SaveProject(TProject& project) {
  const std::string target = project.FileName.empty()
                                 ? ChooseSaveTarget(FGlobals.Settings.FProjectsFolder + project.Name + kProjectExtension)
                                 : project.FileName;
  if (target.empty()) return false;
  SaveProjectToFile(target, project);
  FProjectManagerFrame->UpdateProjectList();
  return true;
}

void TfrmMain::SaveProjectAs() {
  TProject* project = FGlobals.ProjectManager.ActiveProject();
  if (!project) return;
  if (project->FileName.empty()) {
    SaveProject(*project);
    return;
  }
  const std::string target = ChooseSaveTarget(project->FileName);
  if (target.empty()) return;
  SaveProjectToFile(target, *project);
  FProjectManagerFrame->UpdateProjectList();
}

void TfrmMain::SaveAll() {
  TProjectManager& projects = FGlobals.ProjectManager;
  for (int i = 0; i < projects.Count(); ++i)
    if (projects.Projects(i)->Modified()) SaveProject(*projects.Projects(i));
}

void TfrmMain::CloseProject() {
  TProjectManager& projects = FGlobals.ProjectManager;
  TProject* project = projects.ActiveProject();
  if (!project) return;
  if (project->Modified()) {
    const auto answer = FDialogs.Ask(
        this, QStringLiteral("Save changes before closing?"),
        QStringLiteral("Yes to Save, No to lose changes and close, Cancel to not to take any action"),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    if (answer == QMessageBox::Cancel) return;
    // A save that was cancelled or failed keeps the project open.
    if (answer == QMessageBox::Yes && (!SaveProject(*project) || project->Modified())) return;
  }
  projects.RemoveProject(project);
  FProjectManagerFrame->UpdateProjectList();
  UpdateActions();
  ShowActiveProject();
  RepaintPlots();
}

bool TfrmMain::ExitCheck() {
  TProjectManager& projects = FGlobals.ProjectManager;
  if (!projects.Changed()) return true;
  const auto answer =
      FDialogs.Ask(this, QStringLiteral("Save changes before exiting?"),
                   QStringLiteral("Yes to Save All before exiting, No to lose changes and exit, Cancel to return to program"),
                   QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
  if (answer == QMessageBox::No) return true;
  if (answer != QMessageBox::Yes) return false;
  bool saved = false;
  Guard([&] {
    SaveAll();
    saved = true;
  });
  // Only when nothing is left unsaved: a cancelled or failed save keeps the program open.
  return saved && !projects.Changed();
}

void TfrmMain::closeEvent(QCloseEvent* event) {
  if (ExitCheck()) {
    if (FAbout) FAbout->close();
    event->accept();
  } else {
    event->ignore();
  }
}

void TfrmMain::UpdateActions() {
  const TProjectManager& projects = FGlobals.ProjectManager;
  const TProject* active = projects.ActiveProject();
  FUi->actSaveProject->setEnabled(active && active->Modified());
  FUi->actSaveAll->setEnabled(projects.Changed());
  FUi->actCloseProject->setEnabled(active != nullptr);
  FUi->actSaveAs->setEnabled(active != nullptr);
  // The wizard, the options dialog and the driver editor are not part of the program yet.
  FUi->actNewProject->setEnabled(false);
  FUi->actOptions->setEnabled(false);
  FUi->actDatabaseMaintenance->setEnabled(false);
}

void TfrmMain::RepaintPlots() {
  if (FPlotFrame) FPlotFrame->RepaintPlot();
}

void TfrmMain::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void TfrmMain::dropEvent(QDropEvent* event) {
  QStringList paths;
  for (const QUrl& url : event->mimeData()->urls())
    if (url.isLocalFile()) paths << url.toLocalFile();
  event->acceptProposedAction();
  OpenDroppedFiles(paths);
}

void TfrmMain::OpenDroppedFiles(const QStringList& paths) {
  for (const QString& path : paths)
    if (IsProjectFile(path)) Guard([&] { OpenProject(path); });
}

void TfrmMain::FillProjectFilesMenu() {
  FProjectFilesMenu->clear();
  const QString folder = Q(FGlobals.Settings.FProjectsFolder);
  const QFileInfoList files = QDir(folder).entryInfoList({QStringLiteral("*") + QLatin1String(kProjectExtension)},
                                                         QDir::Files, QDir::Unsorted);
  for (const QFileInfo& file : files) {
    const QString path = file.absoluteFilePath();
    QAction* item = FProjectFilesMenu->addAction(file.completeBaseName());
    connect(item, &QAction::triggered, this, [this, path] {
      Guard([&] {
        if (QFileInfo::exists(path)) OpenProject(path);
      });
    });
  }
}

void TfrmMain::SelectPlotType(int tag) {
  for (QAction* item : FPlotTypeGroup->actions()) {
    if (item->data().toInt() != tag) continue;
    item->setChecked(true);
    FPlotTypeButton->setText(item->text());
  }
  FPlotFrame->SetPlotType(tag);
  RepaintPlots();
}

void TfrmMain::ShowAbout() {
  if (!FAbout) FAbout = new TfrmAbout(FGlobals.Settings, FGlobals.VersionInfo, FDialogs, this);
  FAbout->show();
  FAbout->raise();
}

}  // namespace bextor
