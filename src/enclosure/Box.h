#pragma once
// The enclosure of one project: type, chambers with their tunings and losses, the air, the
// listening position and the arrangement of the drivers. It owns three vents and one
// passive radiator for its whole life, whatever its type. Data only: nothing here
// recalculates anything.

#include "common/Persistent.h"
#include "enclosure/PassiveRadiator.h"
#include "enclosure/Vent.h"

#include <cstdint>

namespace bextor {

class TEnvironment;

// Box types (BType).
enum TBoxType : std::int32_t {
  btClosed = 0,
  btVented = 1,
  btBandpass4 = 2,
  btBandpass6 = 3,
  btPassiveRadiator = 4,
  btABC = 5,
};

class TBox : public TPersistent {
public:
  // All values 0 (closed, no iso-baric pairs), the air from `environment`, default vents
  // and an empty passive radiator.
  explicit TBox(const TEnvironment& environment);

  std::string ClassName() const override { return "TBox"; }
  // From a TBox: every property, and each vent and the passive radiator from its
  // counterpart.
  void Assign(const TPersistent& source) override;

  double GetAirDensity() const;     // kg/m³ of the box's own T, p, phi
  double GetSoundVelocity() const;  // m/s

  std::int32_t BType = btClosed;
  double Vf = 0.0;      // m³, front chamber
  double Ff = 0.0;      // Hz, front tuning
  double Qlf = 0.0;     // front leakage Q
  double Qaf = 0.0;     // front absorption Q
  double Qpf = 0.0;     // front port Q
  double Vr = 0.0;      // m³, rear chamber
  double Fr = 0.0;      // Hz, rear tuning (for types 0, 2, 4 the last reported resonance)
  double Qlr = 0.0;
  double Qar = 0.0;
  double Qpr = 0.0;
  double Vc = 0.0;      // third chamber: stored and copied, not simulated
  double Fc = 0.0;
  double Qlc = 0.0;
  double Qac = 0.0;
  double Qpc = 0.0;
  double Qiclfr = 0.0;  // leakage Q between front and rear chamber
  double Qiclfc = 0.0;
  double Qiclcr = 0.0;
  double T = 0.0;       // K
  double p = 0.0;       // Pa
  double phi = 0.0;     // relative humidity, fraction
  double d = 0.0;       // m, listening distance
  double theta = 0.0;   // rad, listening angle (file key "Angle")
  double Med = 0.0;     // kg added to each driver
  std::int32_t Nd = 0;  // number of drivers (pairs when iso-baric)
  bool Isobarik = false;
  double alfaVC = 0.0;  // 1/K
  double dTVC = 0.0;    // K, voice-coil temperature rise
  double Sdfport = 0.0; // m², all front vents
  double Sdrport = 0.0; // m², all rear vents
  double Sdiport = 0.0; // m², all intra-chamber vents
  std::int32_t Npr = 0; // number of passive radiators
  double CurrQtc = 0.0; // last reported sealed-box Q (display only)
  double CurrFsc = 0.0; // Hz, last reported resonance (display only)

  TVent RearVent;
  TVent FrontVent;
  TVent IntraVent;
  TPassiveRadiator PassiveRadiator;
};

// Re-derives the vents from the chambers as the project frame does after every edit: the
// front and rear vents' lengths from their chamber volume and tuning (for the types that
// use them), the intra vent's tuning from its length, and the boxes' total port areas.
// Each vent keeps its own Shape.
void UpdateVents(TBox& box);

// The box type's name as the project frame shows it ("closed", "vented", ...); empty for a
// type outside 0..5.
const char* BoxTypeName(int box_type);

}  // namespace bextor
