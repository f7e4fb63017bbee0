#pragma once
// What the new-project wizard computes, shared by the wizard window and bextor-cli: the
// driver's efficiency-bandwidth product and the box type it suggests, the alignment list of
// a box type, and the building of the new project.

#include "enclosure/PassiveRadiator.h"

#include <string>
#include <vector>

namespace bextor {

class TDriverObject;
class TEnvironment;
class TProject;
class TProjectManager;

constexpr const char* kNoAlignment = "<None available>";
constexpr double kVentedEBP = 55.0;  // from this EBP on, a vented box is suggested

// Fs/Qe in Hz, Qe being Qes or, without it, 1/(1/Qts − 1/Qm) with Qm = Qms (4 when
// missing). 0 when Fs is missing or no usable Q can be formed.
double ComputeEBP(const TDriverObject& driver);
// 1 (vented) for an EBP of 55 Hz and more, else 0 (closed).
int SuggestBoxType(double ebp);

// Prepares a driver on its own for simulation as the wizard shows it: 0.1 Ω series
// resistance, no added mass, no coil heating, alfaVC 0.0039 when missing, the air of
// `environment`.
void PrepareWizardDriver(TDriverObject& driver, const TEnvironment& environment);

// The alignments offered for a box type and the position to preselect; the types without
// alignments offer "<None available>".
int FillAlignments(int box_type, const TDriverObject& driver, std::vector<std::string>& list);

struct TNewProjectChoices {
  int BoxType = 0;
  bool Isobarik = false;
  std::string DriverCount = "1";  // as typed; must be a whole number
  TPassiveRadiator PassiveRadiator;
  std::string Alignment;          // an entry of FillAlignments' list
  std::string Name;
  std::string Description;
  std::string Creator;
};

// Adds the new project to the manager (it becomes active) with a copy of `driver` and the
// choices; every value the wizard does not ask takes its default. A driver count that is
// not a whole number of at least 1 shows "Something went wrong when trying to start new
// design!" and uses 1. The project starts modified.
TProject* FinishNewProject(TProjectManager& manager, const TDriverObject& driver, const TNewProjectChoices& choices);

}  // namespace bextor
