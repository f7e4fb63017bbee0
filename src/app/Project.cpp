#include "Project.h"

#include "persistence/IniValues.h"
#include "settings/Settings.h"

#include <QFileInfo>
#include <QString>

#include <cmath>

namespace bextor {

void TProjectInfo::Assign(const TPersistent& source) {
  const auto* info = dynamic_cast<const TProjectInfo*>(&source);
  if (!info) return TPersistent::Assign(source);
  *this = *info;
}

TProject::TProject(TProjectManager* owner, const TEnvironment& environment)
    : Box(environment), Driver(environment), FOwner(owner), FEnvironment(environment) {
  Driver.SetProjectRecords(&Signal, &Options);
}

void TProject::Assign(const TPersistent& source) {
  const auto* project = dynamic_cast<const TProject*>(&source);
  if (!project) return TPersistent::Assign(source);
  Signal = project->Signal;
  Options = project->Options;
  Color = project->Color;
  Name = project->Name;
  FileName = project->FileName;
  Visible = project->Visible;
  ProjectInfo.Assign(project->ProjectInfo);
  Driver.Assign(project->Driver);
  Driver.SetProjectRecords(&Signal, &Options);
  Box.Assign(project->Box);
  for (const auto& filter : project->Filters) {
    auto copy = CreateFilter(filter->FFilterType, this);
    copy->LoadFromString(filter->SaveToString());
    copy->Calculate();
    Filters.push_back(std::move(copy));
  }
}

std::string TProject::GetName() const {
  if (FileName.empty()) return Name;
  return QFileInfo(QString::fromStdString(FileName)).completeBaseName().toStdString();
}

void TProject::SetModified(bool value) {
  if (value == FModified) return;
  FModified = value;
  if (FOwner) FOwner->DoChange();
}

void TProject::UpdatePowerAndVoltage() {
  const double Re = Driver.Data.Re;
  const double Nd = Box.Nd;
  if (!(Re > 0.0) || Nd < 1.0) return;
  if (Signal.P == 0.0) Signal.P = Signal.U * Signal.U / Re * Nd;
  if (Signal.U == 0.0) Signal.U = std::sqrt(Re * Signal.P / Nd);
}

void PrepareForShowing(TProject& project) {
  UpdateVents(project.Box);
  project.Signal.U = 0.0;
  project.UpdatePowerAndVoltage();
}

TProjectManager::TProjectManager(const TSettings& settings) : FSettings(settings) {}

bool TProjectManager::Changed() const {
  for (const auto& project : FProjects)
    if (project->Modified()) return true;
  return false;
}

TProject* TProjectManager::ActiveProject() const { return FActiveIndex < 0 ? nullptr : Projects(FActiveIndex); }

void TProjectManager::SetActiveProject(const TProject* project) { SetActiveProjectIndex(IndexOf(project)); }

void TProjectManager::SetActiveProjectIndex(int index) {
  if (index >= 0 && index < Count()) FActiveIndex = index;
}

TProject* TProjectManager::AddProject() {
  FProjects.push_back(std::make_unique<TProject>(this, FSettings.Environment));
  FActiveIndex = Count() - 1;
  return FProjects.back().get();
}

void TProjectManager::RemoveProject(const TProject* project) {
  const int index = IndexOf(project);
  if (index < 0) return;
  FProjects.erase(FProjects.begin() + index);
  if (FProjects.empty()) {
    FActiveIndex = -1;
  } else if (FActiveIndex == Count()) {
    --FActiveIndex;
  }
}

int TProjectManager::IndexOf(const TProject* project) const {
  for (int i = 0; i < Count(); ++i)
    if (FProjects[static_cast<std::size_t>(i)].get() == project) return i;
  return -1;
}

TProject* TProjectManager::DuplicateProject(const TProject& source) {
  TProject* copy = AddProject();
  copy->Assign(source);
  copy->SetModified(true);
  copy->FileName.clear();
  copy->Name = kCopyPrefix + source.GetName();
  return copy;
}

bool TProjectManager::IsProjectOpen(const std::string& name_or_path) const {
  QString path = QString::fromStdString(name_or_path);
  if (!path.contains(QLatin1Char('/'))) path = QString::fromStdString(FSettings.FProjectsFolder) + path;
  if (QFileInfo(path).suffix().isEmpty()) path += QLatin1String(kProjectExtension);
  for (const auto& project : FProjects)
    if (!project->FileName.empty() &&
        QString::fromStdString(project->FileName).compare(path, Qt::CaseInsensitive) == 0)
      return true;
  return false;
}

bool TProjectManager::ValidateProjectName(const std::string& name, std::string& message) const {
  message.clear();
  bool valid = true;
  if (IsProjectOpen(name)) {
    valid = false;
    message = "Project with same name already open";
  }
  if (!IsValidFileName(name)) {
    valid = false;
    message = "Contains invalid characters [\\/:*?\"<>|]";
  }
  if (name.empty()) {
    valid = false;
    message = "Empty name not allowed";
  }
  return valid;
}

void TProjectManager::DoChange() const {
  if (OnChange) OnChange();
}

}  // namespace bextor
