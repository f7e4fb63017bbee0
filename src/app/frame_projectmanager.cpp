#include "frame_projectmanager.h"
#include "ui_frame_projectmanager.h"

#include "app/Project.h"
#include "app/UserDialogs.h"
#include "audio/SignalGenerator.h"
#include "common/NumberFormat.h"

#include <QMenu>

namespace bextor {

namespace {
constexpr double kDefaultToneFrequency = 1000.0;
}

TframeProjectManager::TframeProjectManager(TProjectManager& projects, TUserDialogs& dialogs, bool& sound_confirmed,
                                           QWidget* parent)
    : QWidget(parent), FUi(std::make_unique<Ui::TframeProjectManager>()), FProjects(projects), FDialogs(dialogs),
      FSoundConfirmed(sound_confirmed) {
  FUi->setupUi(this);
  FPopProject = new QMenu(this);
  FPopProject->setObjectName(QStringLiteral("popProject"));
  connect(FUi->lbProjects, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { Guard([&] { ProjectClicked(item); }); });
  connect(FUi->lbProjects, &QListWidget::itemChanged, this, [this] { Guard([&] { CheckChanged(); }); });
  connect(FUi->lbProjects, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& pos) { FPopProject->popup(FUi->lbProjects->viewport()->mapToGlobal(pos)); });
  connect(FUi->chkSignalActive, &QCheckBox::toggled, this,
          [this](bool checked) { Guard([&] { SignalActiveChanged(checked); }); });
  connect(FUi->edFrequency, &QLineEdit::textChanged, this,
          [this](const QString& text) { Guard([&] { FrequencyChanged(text); }); });
}

TframeProjectManager::~TframeProjectManager() = default;

void TframeProjectManager::Guard(const std::function<void()>& command) { RunGuarded(FDialogs, this, command); }

void TframeProjectManager::SetCommands(QAction* close, QAction* save, QAction* save_as, QAction* save_all) {
  FPopProject->addAction(close);
  QAction* copy = FPopProject->addAction(QStringLiteral("Copy project"));
  copy->setObjectName(QStringLiteral("MenuItem1"));
  connect(copy, &QAction::triggered, this, [this] { Guard([&] { CopyProject(); }); });
  FPopProject->addAction(save);
  FPopProject->addAction(save_as);
  FPopProject->addAction(save_all);
}

void TframeProjectManager::SetGenerator(TSignalGenerator* generator) {
  FGenerator = generator;
  if (FGenerator && FGenerator->State() != TSignalGenerator::gsUnavailable) return;
  FUi->pnlSignalGenerator->hide();
  FUi->pnlSignalGeneratorName->setText(QStringLiteral("Signal generator disabled"));
  FUi->pnlSignalGeneratorName->setToolTip(QStringLiteral("Error initializing audio"));
}

void TframeProjectManager::SetToneFrequency(double frequency) {
  // The edit's change handler tunes the generator to the value shown.
  FUi->edFrequency->setText(QString::fromStdString(FixedText(frequency, 2)));
}

void TframeProjectManager::UpdateProjectList() {
  QListWidget* list = FUi->lbProjects;
  {
    const QSignalBlocker blocker(list);
    list->setUpdatesEnabled(false);
    list->clear();
    for (int i = 0; i < FProjects.Count(); ++i) {
      const TProject* project = FProjects.Projects(i);
      auto* item = new QListWidgetItem(QString::fromStdString(project->GetName()), list);
      item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
      item->setCheckState(project->Visible ? Qt::Checked : Qt::Unchecked);
      if (project == FProjects.ActiveProject()) list->setCurrentItem(item);
    }
    list->setUpdatesEnabled(true);
  }
  if (OnUpdateActions) OnUpdateActions();
}

void TframeProjectManager::ProjectClicked(QListWidgetItem* item) {
  const int row = FUi->lbProjects->row(item);
  if (row < 0 || row >= FProjects.Count()) return;
  FProjects.SetActiveProjectIndex(row);
  if (OnShowProject) OnShowProject(FProjects.ActiveProject());
  if (OnUpdateActions) OnUpdateActions();
  if (OnRepaintPlots) OnRepaintPlots();
}

void TframeProjectManager::CheckChanged() {
  QListWidget* list = FUi->lbProjects;
  for (int i = 0; i < list->count() && i < FProjects.Count(); ++i)
    FProjects.Projects(i)->Visible = list->item(i)->checkState() == Qt::Checked;
  if (OnRepaintPlots) OnRepaintPlots();
}

void TframeProjectManager::CopyProject() {
  const int row = FUi->lbProjects->currentRow();
  if (row < 0 || row >= FProjects.Count()) return;
  TProject* copy = FProjects.DuplicateProject(*FProjects.Projects(row));
  UpdateProjectList();
  if (OnShowProject) OnShowProject(copy);
  if (OnRepaintPlots) OnRepaintPlots();
}

void TframeProjectManager::SignalActiveChanged(bool checked) {
  if (!checked) {
    if (FGenerator) FGenerator->Stop();
    return;
  }
  if (!FSoundConfirmed) {
    const auto answer = FDialogs.Ask(
        this, QStringLiteral("Start sound?"),
        QStringLiteral("Signal generation is about to start, check the volume! OK to start, Cancel to cancel"),
        QMessageBox::Ok | QMessageBox::Cancel);
    if (answer != QMessageBox::Ok) {
      FUi->chkSignalActive->setChecked(false);
      return;
    }
    FSoundConfirmed = true;
  }
  if (FGenerator) FGenerator->Start();
}

void TframeProjectManager::FrequencyChanged(const QString& text) {
  const double frequency = ParseDecimal(text.toStdString()).value_or(kDefaultToneFrequency);
  if (FGenerator) FGenerator->SetFrequency(frequency);
}

}  // namespace bextor
