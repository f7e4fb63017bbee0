#include "Box.h"

#include "settings/Settings.h"
#include "simulation/AirProperties.h"

namespace bextor {

TBox::TBox(const TEnvironment& environment)
    : T(environment.Temperature), p(environment.AirPressure), phi(environment.Humidy) {}

void TBox::Assign(const TPersistent& source) {
  const auto* box = dynamic_cast<const TBox*>(&source);
  if (!box) return TPersistent::Assign(source);
  *this = *box;
}

void UpdateVents(TBox& box) {
  const double c = box.GetSoundVelocity();
  const auto tune = [c](TVent& vent, double volume, double tuning) {
    vent.Vb = volume;
    vent.Fb = tuning;
    vent.len = 0.0;
    vent.CalculateVent(c);
    return vent.Num * vent.carea;
  };
  if (box.BType == btBandpass4 || box.BType == btBandpass6 || box.BType == btABC)
    box.Sdfport = tune(box.FrontVent, box.Vf, box.Ff);
  if (box.BType == btVented || box.BType == btBandpass6 || box.BType == btABC)
    box.Sdrport = tune(box.RearVent, box.Vr, box.Fr);
  if (box.BType == btABC) {
    box.IntraVent.Vb = 1.0;
    box.IntraVent.Fb = 0.0;
    box.IntraVent.CalculateVent(c);
    box.Sdiport = box.IntraVent.Num * box.IntraVent.carea;
  }
}

double TBox::GetAirDensity() const { return AirDensity(T, p, phi); }

double TBox::GetSoundVelocity() const { return SoundVelocity(p, GetAirDensity()); }

const char* BoxTypeName(int box_type) {
  static constexpr const char* kNames[] = {"closed",           "vented", "4th order bandpass", "6th order bandpass",
                                           "passive radiator", "ABC"};
  return box_type >= btClosed && box_type <= btABC ? kNames[box_type] : "";
}

}  // namespace bextor
