// The main window as the user meets it: start-up, the project commands and their
// questions, dropped files, the menus, the project list and the tone controls.

#include "app/form_main.h"

#include "app/Project.h"
#include "app/VersionInfo.h"
#include "app/frame_projectmanager.h"
#include "audio/SignalGenerator.h"
#include "drivers/DBHandler.h"
#include "persistence/ProjectFile.h"
#include "plot/frame_plot.h"
#include "settings/Settings.h"
#include "support/DriverFixtures.h"
#include "support/ScriptedDialogs.h"
#include "support/TestSupport.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QDropEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QToolButton>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

namespace bextor {
namespace {

using test::ReadFile;
using test::WriteFile;

void Settle() {
  for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
}

class MainWindow : public ::testing::Test {
protected:
  MainWindow() {
    WriteFile(shared_.File("version.ini"), "[Version]\r\nNumber=9.8.7\r\n");
    WriteFile(shared_.File("readme.txt"), "Read me first.\n");
  }

  void Start(const QStringList& files = {}) {
    window_ = std::make_unique<TfrmMain>(TGlobals{sound_confirmed_, manager_, settings_, database_, version_},
                                         dialogs_, files);
    window_->resize(900, 650);
    window_->show();
  }
  // A saved project of the given box type in the projects folder.
  std::string SavedProject(const std::string& name, int box_type = btVented) {
    const std::string path = settings_.FProjectsFolder + name + kProjectExtension;
    SaveProjectToFile(path, *test::Design(box_type));
    return path;
  }
  QAction* Action(const char* name) const { return window_->findChild<QAction*>(QLatin1String(name)); }
  QListWidget* ProjectList() const { return window_->findChild<QListWidget*>(QStringLiteral("lbProjects")); }
  QString Caption(const char* label) const {
    return window_->findChild<QLabel*>(QLatin1String(label))->text();
  }
  // A new, modified, unsaved project as the wizard leaves it.
  TProject* NewProject(const std::string& name) {
    TProject* project = manager_.AddProject();
    project->Name = name;
    project->SetModified(true);
    window_->ProjectManagerFrame()->UpdateProjectList();
    return project;
  }

  test::TTempFolder documents_, shared_;
  test::TDecimalSeparatorScope separator_{'.'};
  bool sound_confirmed_ = false;
  TSettings settings_{documents_.Path(), shared_.Path()};
  TProjectManager manager_{settings_};
  TDBHandler database_{settings_.Environment};
  TVersionInfo version_;
  test::TScriptedDialogs dialogs_;
  std::unique_ptr<TfrmMain> window_;
};

TEST_F(MainWindow, CommandLineProjectsOpenInOrderOnceShownAndTheLastIsActive) {
  const std::string first = SavedProject("first", btClosed);
  SavedProject("second");
  const QString previous_folder = QDir::currentPath();
  QDir::setCurrent(QString::fromStdString(settings_.FProjectsFolder));
  Start({QString::fromStdString(first), QStringLiteral("second.bpr")});  // the second one relative
  QDir::setCurrent(previous_folder);
  EXPECT_EQ(manager_.Count(), 0);  // not before the window is on screen
  Settle();
  ASSERT_EQ(manager_.Count(), 2);
  EXPECT_EQ(manager_.Projects(0)->FileName, first);
  EXPECT_EQ(manager_.Projects(1)->FileName, settings_.FProjectsFolder + "second.bpr");
  EXPECT_EQ(manager_.ActiveProjectIndex(), 1);
  EXPECT_FALSE(manager_.Changed());
  ASSERT_EQ(ProjectList()->count(), 2);
  EXPECT_EQ(ProjectList()->item(0)->text(), "first");
  EXPECT_EQ(ProjectList()->currentRow(), 1);
  EXPECT_EQ(Caption("lblProjectName"), "second");
  EXPECT_EQ(Caption("lblBoxType"), "vented");
  EXPECT_FALSE(Action("actSaveProject")->isEnabled());
  EXPECT_FALSE(Action("actSaveAll")->isEnabled());
  EXPECT_TRUE(Action("actCloseProject")->isEnabled());
  EXPECT_TRUE(Action("actSaveAs")->isEnabled());
  EXPECT_TRUE(dialogs_.Messages.isEmpty()) << dialogs_.Messages.join("\n").toStdString();
}

TEST_F(MainWindow, StartsWithTheVersionInTheCaptionAndOnlyTheCommandsThatWork) {
  WriteFile(shared_.File("version.ini"), "[Version]\r\nReleasedBy=Us\r\n");
  Start();
  Settle();
  EXPECT_FALSE(window_->StartupFailed());
  EXPECT_EQ(window_->windowTitle(), "Bextor -error-");
  EXPECT_TRUE(Action("actOpenProject")->isEnabled());
  EXPECT_TRUE(Action("actAbout")->isEnabled());
  for (const char* off : {"actSaveProject", "actSaveAs", "actSaveAll", "actCloseProject", "actNewProject",
                          "actOptions", "actDatabaseMaintenance"})
    EXPECT_FALSE(Action(off)->isEnabled()) << off;
  EXPECT_EQ(Action("actOpenProject")->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
  EXPECT_EQ(Action("actSaveAll")->toolTip(), "Save All");
  EXPECT_EQ(Caption("lblPlotFrequency"), "-");
  EXPECT_EQ(Caption("lblNoProject"), "No projects open");
  // No audio device in the tests: the generator controls give way to a notice.
  EXPECT_EQ(Caption("pnlSignalGeneratorName"), "Signal generator disabled");
  EXPECT_EQ(window_->findChild<QLabel*>(QStringLiteral("pnlSignalGeneratorName"))->toolTip(), "Error initializing audio");
  EXPECT_FALSE(window_->findChild<QWidget*>(QStringLiteral("pnlSignalGenerator"))->isVisible());
}

TEST_F(MainWindow, AnUnreadableVersionFileEndsTheProgram) {
  QFile::remove(QString::fromStdString(shared_.File("version.ini")));
  Start();
  EXPECT_TRUE(window_->StartupFailed());
  EXPECT_EQ(dialogs_.Messages, QStringList{"Can't load version.ini, check your program path!"});
}

TEST_F(MainWindow, UnreadableDriverFilesAreListedOnceAfterStartUp) {
  WriteFile(settings_.FDriversFolder + "good.bdr", "[Driver]\r\nBrand=B\r\nModel=M\r\nFs=30\r\n");
  WriteFile(settings_.FDriversFolder + "broken.bdr", "[Driver]\r\nDateAdded=2024x101\r\n");
  Start();
  Settle();
  Settle();
  ASSERT_EQ(dialogs_.Messages.size(), 1);
  EXPECT_TRUE(dialogs_.Messages[0].contains("broken.bdr")) << dialogs_.Messages[0].toStdString();
  EXPECT_FALSE(dialogs_.Messages[0].contains("good.bdr"));
  EXPECT_EQ(database_.Drivers().size(), 1u);
}

TEST_F(MainWindow, DroppedFilesOpenWhenTheyAreProjects) {
  const std::string path = SavedProject("dropped");
  const std::string capitals = settings_.FProjectsFolder + "CAPITALS.BPR";
  QFile::copy(QString::fromStdString(path), QString::fromStdString(capitals));
  WriteFile(documents_.File("notes.txt"), "[Box]\r\nBType=1\r\n");
  WriteFile(documents_.File("letter.bpr"), "Dear reader,\r\nthis is no project.\r\n");
  Start();
  Settle();

  QMimeData mime;
  mime.setUrls({QUrl::fromLocalFile(QString::fromStdString(path)), QUrl::fromLocalFile(QString::fromStdString(path)),
                QUrl::fromLocalFile(QString::fromStdString(documents_.File("notes.txt"))),
                QUrl::fromLocalFile(QString::fromStdString(capitals))});
  QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(window_.get(), &enter);
  EXPECT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(window_.get(), &drop);
  ASSERT_EQ(manager_.Count(), 2);
  EXPECT_EQ(manager_.Projects(0)->FileName, path);
  EXPECT_EQ(manager_.Projects(1)->FileName, capitals);
  EXPECT_EQ(dialogs_.Messages, QStringList{"Project is already opened!"});

  // A file that is no project: a message naming it, nothing half-read left behind.
  dialogs_.Messages.clear();
  window_->OpenDroppedFiles({QString::fromStdString(documents_.File("letter.bpr"))});
  EXPECT_EQ(manager_.Count(), 2);
  EXPECT_EQ(manager_.ActiveProject(), manager_.Projects(1));
  ASSERT_EQ(dialogs_.Messages.size(), 1);
  EXPECT_TRUE(dialogs_.Messages[0].startsWith(QString::fromStdString(documents_.File("letter.bpr")) + ": "));
  EXPECT_EQ(ProjectList()->count(), 2);
}

TEST_F(MainWindow, BadProjectFilesAreReportedAndNotKept) {
  Start();
  Settle();
  const struct {
    const char* name;
    const char* content;  // nullptr: no file at all
  } cases[] = {{"baddate.bpr", "[ProjectInfo]\r\nCreateDate=20241345\r\n[Box]\r\nBType=0\r\n"},
               {"badfilter.bpr", "[Box]\r\nBType=1\r\n[Filters]\r\nCount=1\r\nfilter0type=77\r\n"},
               {"absent.bpr", nullptr}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    dialogs_.Messages.clear();
    const std::string path = documents_.File(c.name);
    if (c.content) WriteFile(path, c.content);
    window_->OpenDroppedFiles({QString::fromStdString(path)});
    EXPECT_EQ(manager_.Count(), 0);
    ASSERT_EQ(dialogs_.Messages.size(), 1);
    EXPECT_TRUE(dialogs_.Messages[0].startsWith(QString::fromStdString(path) + ": ")) << dialogs_.Messages[0].toStdString();
  }
  dialogs_.Messages.clear();
  dialogs_.Files = {QString::fromStdString(documents_.File("badfilter.bpr"))};
  Action("actOpenProject")->trigger();
  EXPECT_EQ(manager_.Count(), 0);
  ASSERT_EQ(dialogs_.Messages.size(), 1);
  EXPECT_EQ(dialogs_.Messages[0], QString::fromStdString(documents_.File("badfilter.bpr")) + ": Filter class not found!");
  EXPECT_EQ(dialogs_.ProposedFiles.size(), 1);
}

TEST_F(MainWindow, SavingANewProjectAsksForAFileAndNeverTakesAnotherOpenProjectsFile) {
  const std::string other = SavedProject("other");
  Start({QString::fromStdString(other)});
  Settle();
  TProject* project = NewProject("My design");
  EXPECT_TRUE(Action("actSaveProject")->isEnabled());
  EXPECT_TRUE(Action("actSaveAll")->isEnabled());

  dialogs_.Files = {""};  // cancelled
  Action("actSaveProject")->trigger();
  EXPECT_EQ(dialogs_.ProposedFiles.value(0), QString::fromStdString(settings_.FProjectsFolder + "My design.bpr"));
  EXPECT_TRUE(project->Modified());
  EXPECT_TRUE(project->FileName.empty());

  const std::string before = ReadFile(other);
  dialogs_.Files = {QString::fromStdString(other)};  // the other open project's file
  Action("actSaveProject")->trigger();
  EXPECT_EQ(dialogs_.Messages, QStringList{"Project with given name is already open!"});
  EXPECT_EQ(ReadFile(other), before);
  EXPECT_TRUE(project->Modified());

  dialogs_.Files = {QString::fromStdString(settings_.FProjectsFolder + "mine.bpr")};
  Action("actSaveProject")->trigger();
  EXPECT_FALSE(project->Modified());
  EXPECT_EQ(project->FileName, settings_.FProjectsFolder + "mine.bpr");
  EXPECT_EQ(ProjectList()->item(1)->text(), "mine");
  EXPECT_FALSE(Action("actSaveAll")->isEnabled());
}

TEST_F(MainWindow, SaveAsOntoAnOpenProjectOrCancelledWritesNothing) {
  const std::string first = SavedProject("first"), second = SavedProject("second");
  Start({QString::fromStdString(first), QString::fromStdString(second)});
  Settle();
  TProject* active = manager_.ActiveProject();
  active->SetModified(true);
  for (const std::string& chosen : {std::string(), first, second}) {
    dialogs_.Files = {QString::fromStdString(chosen)};
    Action("actSaveAs")->trigger();
    EXPECT_EQ(active->FileName, second);
    EXPECT_TRUE(active->Modified());
  }
  EXPECT_EQ(dialogs_.ProposedFiles.value(0), QString::fromStdString(second));
  EXPECT_EQ(dialogs_.Messages.count("Project with given name is already open!"), 2);
  dialogs_.Files = {QString::fromStdString(settings_.FProjectsFolder + "third.bpr")};
  Action("actSaveAs")->trigger();
  EXPECT_EQ(active->FileName, settings_.FProjectsFolder + "third.bpr");
  EXPECT_FALSE(active->Modified());
}

TEST_F(MainWindow, AFailedSaveKeepsTheProjectModifiedAndTheOldFile) {
  const std::string path = SavedProject("kept");
  Start({QString::fromStdString(path)});
  Settle();
  TProject* project = manager_.ActiveProject();
  project->ProjectInfo.Description = std::string(100000, 'x');
  project->SetModified(true);
  const std::string before = ReadFile(path);
  {
    test::TFileSizeLimit limit(8192);
    Action("actSaveProject")->trigger();
  }
  EXPECT_EQ(ReadFile(path), before);
  EXPECT_TRUE(project->Modified());
  ASSERT_EQ(dialogs_.Messages.size(), 1);
  EXPECT_TRUE(dialogs_.Messages[0].startsWith(QString::fromStdString(path))) << dialogs_.Messages[0].toStdString();
}

TEST_F(MainWindow, ClosingAModifiedProjectAsksAndOnlyClosesWhenNothingIsLost) {
  Start();
  Settle();
  TProject* first = NewProject("first");
  TProject* second = NewProject("second");

  dialogs_.Answers = {QMessageBox::Cancel};
  Action("actCloseProject")->trigger();
  EXPECT_EQ(manager_.Count(), 2);
  EXPECT_EQ(manager_.ActiveProject(), second);

  dialogs_.Answers = {QMessageBox::Yes};  // then the save dialog is cancelled
  dialogs_.Files = {""};
  Action("actCloseProject")->trigger();
  EXPECT_EQ(manager_.Count(), 2);
  EXPECT_EQ(manager_.ActiveProject(), second);

  dialogs_.Answers = {QMessageBox::No};
  Action("actCloseProject")->trigger();
  EXPECT_EQ(manager_.Count(), 1);
  EXPECT_EQ(manager_.ActiveProject(), first);
  EXPECT_EQ(ProjectList()->count(), 1);
  EXPECT_EQ(dialogs_.Questions,
            QStringList({"Save changes before closing?", "Save changes before closing?", "Save changes before closing?"}));
  EXPECT_EQ(QDir(QString::fromStdString(settings_.FProjectsFolder)).entryList(QDir::Files).size(), 0);

  first->SetModified(false);
  Action("actCloseProject")->trigger();  // unmodified: no question
  EXPECT_EQ(manager_.Count(), 0);
  EXPECT_EQ(dialogs_.Questions.size(), 3);
  EXPECT_EQ(Caption("lblNoProject"), "No projects open");
  EXPECT_FALSE(Action("actCloseProject")->isEnabled());
}

TEST_F(MainWindow, ExitAsksOnlyWhenSomethingIsModifiedAndNeverLosesAnUnsavedProject) {
  Start();
  Settle();
  EXPECT_TRUE(window_->close());  // nothing open: no question
  EXPECT_TRUE(dialogs_.Questions.isEmpty());

  window_->show();
  TProject* project = NewProject("unsaved");
  dialogs_.Answers = {QMessageBox::Cancel};
  EXPECT_FALSE(window_->close());
  dialogs_.Answers = {QMessageBox::Yes};  // Save all, whose dialog is cancelled
  dialogs_.Files = {""};
  EXPECT_FALSE(window_->close());
  EXPECT_TRUE(project->Modified());
  dialogs_.Answers = {QMessageBox::Yes};
  dialogs_.Files = {QString::fromStdString(settings_.FProjectsFolder + "saved.bpr")};
  EXPECT_TRUE(window_->close());
  EXPECT_FALSE(project->Modified());
  EXPECT_EQ(dialogs_.Questions.size(), 3);
  EXPECT_EQ(dialogs_.Questions[0], "Save changes before exiting?");

  window_->show();
  project->SetModified(true);
  dialogs_.Answers = {QMessageBox::No};
  EXPECT_TRUE(window_->close());
}

TEST_F(MainWindow, TheProjectListShowsHidesActivatesAndCopies) {
  const std::string first = SavedProject("first"), second = SavedProject("second", btClosed);
  Start({QString::fromStdString(first), QString::fromStdString(second)});
  Settle();
  QListWidget* list = ProjectList();
  list->item(0)->setCheckState(Qt::Unchecked);
  EXPECT_FALSE(manager_.Projects(0)->Visible);
  EXPECT_FALSE(manager_.Projects(0)->Modified());  // visibility is not stored

  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
  EXPECT_EQ(manager_.ActiveProjectIndex(), 0);
  EXPECT_EQ(Caption("lblProjectName"), "first");

  QMenu* menu = window_->findChild<QMenu*>(QStringLiteral("popProject"));
  ASSERT_NE(menu, nullptr);
  QStringList captions;
  for (const QAction* item : menu->actions()) captions << item->text();
  EXPECT_EQ(captions, QStringList({"Close project", "Copy project", "Save project", "Save as", "Save all"}));
  menu->findChild<QAction*>(QStringLiteral("MenuItem1"))->trigger();
  ASSERT_EQ(manager_.Count(), 3);
  EXPECT_EQ(list->item(2)->text(), "Copy of first");
  EXPECT_EQ(list->currentRow(), 2);
  EXPECT_EQ(Caption("lblProjectName"), "Copy of first");
  EXPECT_TRUE(Action("actSaveProject")->isEnabled());
}

TEST_F(MainWindow, TheOpenProjectListShowsTheProjectsFolder) {
  Start();
  Settle();
  window_->FillProjectFilesMenu();
  QMenu* menu = window_->findChild<QMenu*>(QStringLiteral("popProjectFiles"));
  EXPECT_TRUE(menu->actions().isEmpty());
  SavedProject("alpha");
  const std::string upper = settings_.FProjectsFolder + "BETA.BPR";
  SaveProjectToFile(upper, *test::Design(btClosed));
  WriteFile(settings_.FProjectsFolder + "gamma.txt", "not listed");
  window_->FillProjectFilesMenu();
  QStringList captions;
  for (const QAction* item : menu->actions()) captions << item->text();
  captions.sort();
  EXPECT_EQ(captions, QStringList({"BETA", "alpha"}));
  for (QAction* item : menu->actions())
    if (item->text() == "BETA") item->trigger();
  ASSERT_EQ(manager_.Count(), 1);
  EXPECT_EQ(manager_.Projects(0)->FileName, upper);
}

TEST_F(MainWindow, ThePlotTypeMenuIsOneRadioGroupInMenuOrder) {
  Start();
  Settle();
  QMenu* menu = window_->findChild<QMenu*>(QStringLiteral("popPlotType"));
  QList<int> tags;
  for (const QAction* item : menu->actions()) tags << (item->isSeparator() ? 0 : item->data().toInt());
  EXPECT_EQ(tags, QList<int>({1, 4, 3, 7, 16, 20, 2, 0, 5, 6, 8, 0, 13, 14, 15, 0, 9, 11, 10, 12, 21, 0, 17, 18, 19}));
  auto* button = window_->findChild<QToolButton*>(QStringLiteral("btnPlotType"));
  EXPECT_EQ(button->text(), "Transfer function magnitude");
  EXPECT_EQ(button->toolTip(), "Click to select plot type");
  EXPECT_TRUE(menu->actions()[0]->isChecked());
  QAction* impedance = menu->actions()[9];
  impedance->trigger();
  EXPECT_EQ(button->text(), "Impedance");
  EXPECT_EQ(window_->PlotFrame()->PlotHelper().PlotType(), 6);
  EXPECT_FALSE(menu->actions()[0]->isChecked());
  EXPECT_TRUE(impedance->isChecked());
}

TEST_F(MainWindow, HelpOpensTheLocalPagesAndOnlyTheWebPagesThatAreNamed) {
  WriteFile(shared_.File("version.ini"),
            "[Version]\r\nNumber=1\r\n[Internet]\r\nHomePage=https://example.org/\r\nDonation=https://example.org/give\r\n");
  Start();
  Settle();
  QMenu* menu = window_->findChild<QMenu*>(QStringLiteral("popHelpMenu"));
  ASSERT_NE(menu, nullptr);
  const QList<QAction*> top = menu->actions();
  ASSERT_EQ(top.size(), 4);  // Help, Internet, a separator, About
  top[0]->menu()->actions()[0]->trigger();
  EXPECT_EQ(dialogs_.Urls.value(0), QUrl::fromLocalFile(QString::fromStdString(shared_.File("help/HTML/index.html"))).toString());
  QStringList shown;
  for (QAction* item : top[1]->menu()->actions())
    if (item->isVisible()) shown << item->text();
  EXPECT_EQ(shown, QStringList({"Home page", "Make a donation"}));
  EXPECT_TRUE(top[2]->isSeparator());
  EXPECT_EQ(top[3], Action("actAbout"));
}

TEST_F(MainWindow, AboutShowsTheReadmeOrSaysItIsMissing) {
  Start();
  Settle();
  for (bool present : {true, false}) {
    if (!present) QFile::remove(QString::fromStdString(shared_.File("readme.txt")));
    Action("actAbout")->trigger();
    auto* memo = window_->findChild<QPlainTextEdit*>(QStringLiteral("memoReadme"));
    ASSERT_NE(memo, nullptr);
    EXPECT_EQ(memo->toPlainText(), present ? "Read me first.\n" : "File not found : readme.txt");
    EXPECT_TRUE(memo->isReadOnly());
    QPointer<QDialog> dialog = window_->findChild<QDialog*>(QStringLiteral("TfrmAbout"));
    EXPECT_TRUE(dialog->isVisible());
    QTest::keyClick(dialog, Qt::Key_Escape);  // closes and discards the window
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(dialog.isNull());
  }
}

// The tone controls on their own, with a generator that has no audio device.
class ToneControls : public ::testing::Test {
protected:
  test::TTempFolder documents_, shared_;
  TSettings settings_{documents_.Path(), shared_.Path()};
  TProjectManager manager_{settings_};
  test::TScriptedDialogs dialogs_;
  bool sound_confirmed_ = false;
  TSignalGenerator generator_;
  TframeProjectManager frame_{manager_, dialogs_, sound_confirmed_};
  QCheckBox* check_ = frame_.findChild<QCheckBox*>(QStringLiteral("chkSignalActive"));
  QLineEdit* frequency_ = frame_.findChild<QLineEdit*>(QStringLiteral("edFrequency"));
  ToneControls() { frame_.SetGenerator(&generator_); }
};

TEST_F(ToneControls, TheVolumeWarningComesUntilItIsAcceptedOnce) {
  dialogs_.Answers = {QMessageBox::Cancel};
  check_->setChecked(true);
  EXPECT_FALSE(check_->isChecked());
  EXPECT_FALSE(sound_confirmed_);
  dialogs_.Answers = {QMessageBox::Ok};
  check_->setChecked(true);
  EXPECT_TRUE(check_->isChecked());
  EXPECT_TRUE(sound_confirmed_);
  check_->setChecked(false);
  check_->setChecked(true);  // no question any more
  EXPECT_EQ(dialogs_.Questions, QStringList({"Start sound?", "Start sound?"}));
}

TEST_F(ToneControls, TheFrequencyEditTakesEitherDecimalMark) {
  const struct {
    const char* text;
    double frequency;
  } cases[] = {{"440", 440.0}, {"62.5", 62.5}, {"62,5", 62.5}, {"abc", 1000.0}, {"", 1000.0}, {"1e400", 1000.0}};
  for (const auto& c : cases) {
    frequency_->setText(QStringLiteral("7"));
    frequency_->setText(QString::fromLatin1(c.text));
    EXPECT_EQ(generator_.Frequency(), c.frequency) << c.text;
  }
  frame_.SetToneFrequency(123.456);
  EXPECT_EQ(frequency_->text(), "123.46");
  EXPECT_EQ(generator_.Frequency(), 123.46);
}

}  // namespace
}  // namespace bextor

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("ALSOFT_DRIVERS", "no-such-backend");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
