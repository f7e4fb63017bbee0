#pragma once
// One loudspeaker driver: its identification, 48 numeric parameters with a status letter
// each ('E' entered, 'C' calculated, 'N' not available), and the simulation block that the
// driver acoustic model fills before a sweep. All parameters are in SI base units; a value
// of 0 means the parameter is missing.

#include "common/Clock.h"
#include "common/Persistent.h"
#include "filters/Rational.h"

#include <array>
#include <cstdint>
#include <string>

namespace bextor {

class TEnvironment;
struct TSignalSource;
struct TSimulatorOptions;

constexpr int kDriverParameterCount = 49;  // status positions 0..48
constexpr int kConsistencyRelationCount = 22;

// Everything that is stored of a driver, in file order.
struct TDriverData {
  std::string Manufacturer;
  std::string Brand;
  std::string Model;
  std::string ProvidedBy;
  std::string Comment;  // may hold CR LF line breaks
  TDateTime DateAdded = 0.0;
  TDateTime DateModified = 0.0;
  double Znom = 0.0;   // Ω, nominal impedance
  double Fs = 0.0;     // Hz, free-air resonance
  double Pe = 0.0;     // W, rated input power
  double SPL = 0.0;    // dB at 1 m for 1 W
  double Re = 0.0;     // Ω, voice-coil DC resistance as connected
  double Le = 0.0;     // H, voice-coil inductance
  double fLe = 0.0;    // Hz, frequency at which Le applies
  double KLe = 0.0;    // H·√Hz, semi-inductance
  double BL = 0.0;     // T·m, force factor as connected
  double Xmax = 0.0;   // m, peak linear excursion
  double Xlim = 0.0;   // m, excursion limit (edited only, never stored)
  double Cms = 0.0;    // m/N
  double Qms = 0.0;
  double Qes = 0.0;
  double Qts = 0.0;
  double Rms = 0.0;    // N·s/m
  double Mms = 0.0;    // kg
  double Sd = 0.0;     // m², one driver
  double Vd = 0.0;     // m³
  double Vas = 0.0;    // m³
  double Dia = 0.0;    // m
  double Dd = 0.0;     // m, effective cone diameter
  double no = 0.0;     // reference efficiency, fraction
  std::int32_t numVC = 0;  // number of voice coils
  double Hc = 0.0;     // m, winding height
  double Hg = 0.0;     // m, gap height
  double SPLmax = 0.0;    // dB
  double SPLmaxLF = 0.0;  // dB
  double USPL = 0.0;      // dB at 1 m for 2.83 V
  double alfaVC = 0.0;    // 1/K
  double Rt = 0.0;        // K/W
  double Ct = 0.0;        // J/K
  double gamma = 0.0;     // N/(A·kg)
  double EBP = 0.0;       // Hz
  double Rme = 0.0;       // N·s/m
  double Mpow = 0.0;      // N/√W
  double Mcost = 0.0;     // N·s/m
  double Gloss = 0.0;     // fraction
  double c = 0.0;         // m/s, speed of sound the parameters refer to
  double roo = 0.0;       // kg/m³, air density the parameters refer to
  double Thick = 0.0;     // m
  double Depth = 0.0;
  double MagDepth = 0.0;
  double Magnet = 0.0;
  double Basket = 0.0;
  double Outer = 0.0;
  double Vcd = 0.0;
  double DVol = 0.0;      // m³
  std::int32_t VCCon = 0;  // voice-coil connection: 1 parallel, 2 series
  std::array<char, kDriverParameterCount> ParState{};  // by status position
  std::array<double, kConsistencyRelationCount> ParErrors{};
};

// The simulation block: inputs written by a box routine, and the working values that
// PrepareDriverModel derives from them and the stored parameters. Never stored.
struct TDriverSimulation {
  // Inputs
  double SimRho = 0.0;   // kg/m³
  double SimC = 0.0;     // m/s
  std::int32_t SimNd = 1;
  double SimMed = 0.0;   // kg added to each driver
  double SimRg = 0.0;    // Ω
  double SimdTVC = 0.0;  // K
  bool SimIsobarik = false;
  // Working values
  double dRe = 0.0;      // Ω, voice-coil resistance rise
  double VasT = 0.0;     // m³, all drivers
  double SdT = 0.0;      // m², all drivers
  double FsT = 0.0;      // Hz
  double QesT = 0.0;
  double QmsT = 0.0;
  double QtsT = 0.0;
  double Rtot = 0.0;     // Ω, Re + SimRg + dRe
  double Cas = 0.0;      // m⁵/N
  double Mas = 0.0;      // kg/m⁴
  double Ras = 0.0;      // Pa·s/m³, mechanical losses
  double Rae = 0.0;      // Pa·s/m³, electrical damping
  double Lace = 0.0;     // acoustic equivalent of the coil inductance
  double SqrtRae = 0.0;  // drive scale per √W
  double SPLConst = 0.0;
  double MotionalFactor = 0.0;
  TRationalCoeffs ZDriver;  // acoustic impedance of the driver
  TRationalCoeffs PSource;  // source term
  double XTransfer = 0.0;
  double XExcursion = 0.0;
  double XSPL = 0.0;
  bool CanShowImpedance = false;
  bool CanShowExcursion = false;
  bool CanShowVelocity = false;
  // False when the parameters leave an element the model divides by zero or not finite;
  // the evaluation functions then give 0 + 0j.
  bool CanSimulate = false;
};

class TDriverObject : public TPersistent {
public:
  // A reset driver; `environment` gives the air the parameters refer to.
  explicit TDriverObject(const TEnvironment& environment);

  std::string ClassName() const override { return "TDriverObject"; }
  // From a TDriverObject: an independent copy of its data and simulation block (the
  // references to a project's records stay this object's own), then PrepareDriverModel.
  void Assign(const TPersistent& source) override;
  std::vector<TPropInfo> PublishedProperties() override;

  // The initial state: no parameters, statuses 'N' (numVC 'E', c and roo 'C'), dates now,
  // one voice coil connected in parallel, roo and c from `environment`.
  void Reset(const TEnvironment& environment);

  // Switches the voice coils between parallel (1) and series (2), rescaling Re and BL.
  // Nothing happens without Re, BL or a second voice coil, or for another mode.
  void SetVCConnection(int mode);

  const std::string& FileName() const { return FFileName; }
  void SetFileName(const std::string& file_name);

  // The owning project's signal and options (none for a driver outside a project).
  void SetProjectRecords(TSignalSource* signal, TSimulatorOptions* options);
  const TSignalSource* Signal() const { return FSignal; }
  const TSimulatorOptions* Options() const { return FOptions; }

  TDriverData Data;
  TDriverSimulation Sim;

private:
  std::string FFileName;
  TSignalSource* FSignal = nullptr;
  TSimulatorOptions* FOptions = nullptr;
};

}  // namespace bextor
