#include "NewProject.h"

#include "app/Project.h"
#include "common/Clock.h"
#include "common/MessageSink.h"
#include "common/NumberFormat.h"
#include "enclosure/Alignments.h"
#include "settings/Settings.h"
#include "simulation/AirProperties.h"
#include "simulation/DriverModel.h"

#include <cmath>

namespace bextor {
namespace {

constexpr double kDefaultAlfaVC = 0.0039;  // 1/K, copper

struct TTypeDefaults {
  double Vf, Vr, Ff, Fr;
  std::int32_t Color;  // 0x00BBGGRR
};

// Chamber values of the types without alignments, and every type's curve colour.
constexpr TTypeDefaults kTypeDefaults[] = {
    {0.0, 0.0, 0.0, 0.0, 0xFF1F1F},     // closed: blue
    {0.0, 0.0, 0.0, 0.0, 0x14AF14},     // vented: green
    {0.0, 0.0, 0.0, 0.0, 0x1F1FFF},     // 4th-order bandpass: red
    {0.02, 0.03, 25.0, 35.0, 0xCFCF00}, // 6th-order bandpass: cyan
    {0.0, 0.05, 0.0, 0.0, 0x00CFCF},    // passive radiator: yellow
    {0.02, 0.03, 25.0, 35.0, 0x00CF00}, // ABC: green
};

}  // namespace

double ComputeEBP(const TDriverObject& driver) {
  const TDriverData& d = driver.Data;
  if (d.Fs == 0.0) return 0.0;
  double Qe = d.Qes;
  if (Qe == 0.0) {
    const double Qm = d.Qms != 0.0 ? d.Qms : 4.0;
    Qe = 1.0 / (1.0 / d.Qts - 1.0 / Qm);
  }
  const double ebp = d.Fs / Qe;
  return std::isfinite(ebp) && ebp > 0.0 ? ebp : 0.0;
}

int SuggestBoxType(double ebp) { return ebp >= kVentedEBP ? btVented : btClosed; }

void PrepareWizardDriver(TDriverObject& driver, const TEnvironment& environment) {
  TDriverSimulation& s = driver.Sim;
  s.SimRg = 0.1;
  s.SimMed = 0.0;
  s.SimdTVC = 0.0;
  if (!(driver.Data.alfaVC > 0.0)) driver.Data.alfaVC = kDefaultAlfaVC;
  s.SimRho = AirDensity(environment.Temperature, environment.AirPressure, environment.Humidy);
  s.SimC = SoundVelocity(environment.AirPressure, s.SimRho);
  PrepareDriverModel(driver);
}

int FillAlignments(int box_type, const TDriverObject& driver, std::vector<std::string>& list) {
  switch (box_type) {
    case btClosed: return FillClosedAlignments(list, driver);
    case btVented: return FillVentedAlignments(list, driver);
    case btBandpass4: return FillBandpassAlignments(list, driver);
    default: list = {kNoAlignment}; return 0;
  }
}

TProject* FinishNewProject(TProjectManager& manager, const TDriverObject& driver, const TNewProjectChoices& choices) {
  TProject* project = manager.AddProject();
  project->ProjectInfo.CreateDate = project->ProjectInfo.ModifyDate = Now();
  project->ProjectInfo.Creator = choices.Creator;
  project->Name = choices.Name;
  project->ProjectInfo.Description = choices.Description;
  project->Driver.Assign(driver);

  TBox& box = project->Box;
  box.BType = choices.BoxType >= btClosed && choices.BoxType <= btABC ? choices.BoxType : btClosed;
  project->Signal.P = 1.0;
  project->Signal.Rg = 0.1;
  box.d = 1.0;
  project->Options = TSimulatorOptions();
  box.alfaVC = driver.Data.alfaVC > 0.0 ? driver.Data.alfaVC : kDefaultAlfaVC;
  box.dTVC = 0.0;
  box.Qpr = box.Qar = 100.0;
  box.Qlr = 10.0;
  box.Qpf = box.Qaf = 100.0;
  box.Qlf = 10.0;
  box.Qiclfr = 100.0;
  box.theta = 0.0;
  box.Isobarik = choices.Isobarik;
  box.PassiveRadiator.Assign(choices.PassiveRadiator);

  const auto count = ParseInteger(choices.DriverCount);
  if (count && *count >= 1 && *count <= 1000000) {
    box.Nd = static_cast<std::int32_t>(*count);
  } else {
    ShowMessage("Something went wrong when trying to start new design!");
    box.Nd = 1;  // a box without drivers could not be simulated at all
  }

  TDriverObject& own = project->Driver;
  own.Sim.SimNd = box.Nd;
  own.Sim.SimIsobarik = box.Isobarik;
  PrepareDriverModel(own);

  const TTypeDefaults& defaults = kTypeDefaults[box.BType];
  switch (box.BType) {
    case btClosed: ApplyClosedAlignment(choices.Alignment, own, box); break;
    case btVented: ApplyVentedAlignment(choices.Alignment, own, box); break;
    case btBandpass4: ApplyBandpassAlignment(choices.Alignment, own, box); break;
    default:
      box.Vf = defaults.Vf;
      box.Vr = defaults.Vr;
      box.Ff = defaults.Ff;
      box.Fr = defaults.Fr;
      if (box.BType == btPassiveRadiator) box.Npr = 1;
      if (box.BType == btABC) box.IntraVent.len = 0.05;
  }
  project->Color = defaults.Color;
  project->SetModified(true);
  return project;
}

}  // namespace bextor
