#pragma once
// The left-hand column of the main window: the open projects (a click activates one, the
// check mark shows or hides its curve, a pop-up menu closes, copies and saves) and the
// controls of the test tone.

#include <QWidget>

#include <functional>
#include <memory>

class QAction;
class QListWidgetItem;
class QMenu;

namespace Ui {
class TframeProjectManager;
}

namespace bextor {

class TProject;
class TProjectManager;
class TSignalGenerator;
class TUserDialogs;

class TframeProjectManager : public QWidget {
  Q_OBJECT
public:
  // `sound_confirmed` remembers for the whole run that the volume warning was accepted.
  TframeProjectManager(TProjectManager& projects, TUserDialogs& dialogs, bool& sound_confirmed,
                       QWidget* parent = nullptr);
  ~TframeProjectManager() override;

  // The main window's handlers: show a project in the project frame, repaint the plots,
  // set the commands' enabled states.
  std::function<void(TProject*)> OnShowProject;
  std::function<void()> OnRepaintPlots;
  std::function<void()> OnUpdateActions;

  // The pop-up menu: close, "Copy project", save, save as, save all (the commands given).
  void SetCommands(QAction* close, QAction* save, QAction* save_as, QAction* save_all);
  // The test tone's generator (not owned); without audio its controls are hidden.
  void SetGenerator(TSignalGenerator* generator);
  // Tunes the tone: the frequency edit shows `frequency` (Hz) with two decimals and the
  // generator follows the value shown.
  void SetToneFrequency(double frequency);

  void UpdateProjectList();
  QMenu* ProjectMenu() const { return FPopProject; }

private:
  void ProjectClicked(QListWidgetItem* item);
  void CheckChanged();
  void CopyProject();
  void SignalActiveChanged(bool checked);
  void FrequencyChanged(const QString& text);
  void Guard(const std::function<void()>& command);

  std::unique_ptr<Ui::TframeProjectManager> FUi;
  TProjectManager& FProjects;
  TUserDialogs& FDialogs;
  bool& FSoundConfirmed;
  TSignalGenerator* FGenerator = nullptr;
  QMenu* FPopProject = nullptr;
};

}  // namespace bextor
