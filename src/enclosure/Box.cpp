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

double TBox::GetAirDensity() const { return AirDensity(T, p, phi); }

double TBox::GetSoundVelocity() const { return SoundVelocity(p, GetAirDensity()); }

}  // namespace bextor
