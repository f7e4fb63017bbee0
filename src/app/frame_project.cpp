#include "frame_project.h"
#include "ui_frame_project.h"

#include "app/Project.h"

namespace bextor {

TframeProject::TframeProject(QWidget* parent) : QWidget(parent), FUi(std::make_unique<Ui::TframeProject>()) {
  FUi->setupUi(this);
  ShowProject(nullptr);
}

TframeProject::~TframeProject() = default;

void TframeProject::ShowProject(TProject* project) {
  FProject = project;
  if (!project) {
    FUi->pgTabs->setCurrentWidget(FUi->tabNoProject);
    return;
  }
  FUi->lblProjectName->setText(QString::fromStdString(project->GetName()));
  FUi->lblBoxType->setText(QString::fromUtf8(BoxTypeName(project->Box.BType)));
  const TDriverData& driver = project->Driver.Data;
  FUi->lblDriver->setText(QString::fromStdString(driver.Brand + " " + driver.Model));
  FUi->pgTabs->setCurrentWidget(FUi->tabSummary);
}

}  // namespace bextor
