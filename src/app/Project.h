#pragma once
// A project is one loudspeaker design: its own copy of a driver in one enclosure, a signal
// source, a chain of filters, simulator options, a curve colour and a description. The
// project manager keeps the open projects and which of them is active.

#include "app/ProjectRecords.h"
#include "common/Clock.h"
#include "common/Persistent.h"
#include "drivers/Driver.h"
#include "enclosure/Box.h"
#include "filters/filter.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace bextor {

class TProjectManager;
class TSettings;

constexpr const char* kProjectExtension = ".bpr";
constexpr const char* kCopyPrefix = "Copy of ";

class TProjectInfo : public TPersistent {
public:
  std::string ClassName() const override { return "TProjectInfo"; }
  void Assign(const TPersistent& source) override;

  TDateTime CreateDate = 0.0;  // when the project was created in the wizard
  std::string Creator;         // user name of the creator
  std::string Description;     // free text, may hold CR LF line breaks
  TDateTime ModifyDate = 0.0;  // when the project was created or last saved
};

class TProject : public TPersistent {
public:
  // A new project: a reset driver and a new box in `environment`'s air, no filters,
  // visible, unmodified. The driver refers to this project's Signal and Options.
  TProject(TProjectManager* owner, const TEnvironment& environment);
  TProject(const TProject&) = delete;  // the driver points into the project
  TProject& operator=(const TProject&) = delete;

  std::string ClassName() const override { return "TProject"; }
  // From a TProject: signal, options, colour, name, file name, visibility, info, driver,
  // box, and copies of its filters appended to this chain. Modified is not copied.
  void Assign(const TPersistent& source) override;

  // The file name without folder and extension, or Name while the project has no file.
  std::string GetName() const;
  // Stores the flag; a change notifies the owner once.
  void SetModified(bool value);
  bool Modified() const { return FModified; }
  // Makes power and voltage agree: P from U when P is 0, then U from P when U is 0, for
  // the driver's Re and the box's Nd (nothing without Re or with Nd below 1).
  void UpdatePowerAndVoltage();

  TProjectManager* Owner() const { return FOwner; }
  // The settings' air: what values missing from a file fall back to.
  const TEnvironment& Environment() const { return FEnvironment; }

  std::string FileName;
  TBox Box;
  TDriverObject Driver;
  std::vector<std::unique_ptr<TFilterBase>> Filters;
  std::string Name;
  bool Visible = true;
  TSignalSource Signal;
  TSimulatorOptions Options;
  std::int32_t Color = 0;  // 0x00BBGGRR
  TProjectInfo ProjectInfo;

private:
  TProjectManager* FOwner;
  const TEnvironment& FEnvironment;
  bool FModified = false;
};

// Brings a project into the state in which the program shows it: vents re-derived from the
// chambers and the voltage from the power.
void PrepareForShowing(TProject& project);

class TProjectManager : public TPersistent {
public:
  // `settings` gives new projects their air and the projects folder for name checks.
  explicit TProjectManager(const TSettings& settings);

  std::string ClassName() const override { return "TProjectManager"; }

  // Run when a project's Modified flag changes.
  std::function<void()> OnChange;

  int Count() const { return static_cast<int>(FProjects.size()); }
  TProject* Projects(int index) const { return FProjects.at(static_cast<std::size_t>(index)).get(); }
  // True when any open project is modified.
  bool Changed() const;

  TProject* ActiveProject() const;
  void SetActiveProject(const TProject* project);
  int ActiveProjectIndex() const { return FActiveIndex; }
  // Ignored for an index outside the list.
  void SetActiveProjectIndex(int index);

  // A new project owned by the manager, appended and made active.
  TProject* AddProject();
  // Frees the project; the active index then points at the project that followed it, or
  // the one before when it was the last, or −1 when none is left.
  void RemoveProject(const TProject* project);
  int IndexOf(const TProject* project) const;
  // A modified, unsaved, active copy named "Copy of " + the source's name.
  TProject* DuplicateProject(const TProject& source);
  // Whether a project with this file is open: a bare name is looked up in the projects
  // folder, ".bpr" is added when there is no extension, and letter case is ignored.
  bool IsProjectOpen(const std::string& name_or_path) const;
  // Whether `name` may become a new project's name; otherwise `message` says why.
  bool ValidateProjectName(const std::string& name, std::string& message) const;
  void DoChange() const;

private:
  const TSettings& FSettings;
  std::vector<std::unique_ptr<TProject>> FProjects;
  int FActiveIndex = -1;
};

}  // namespace bextor
