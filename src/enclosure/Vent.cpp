#include "Vent.h"

#include <cmath>
#include <numbers>

namespace bextor {

void TVent::Assign(const TPersistent& source) {
  const auto* vent = dynamic_cast<const TVent*>(&source);
  if (!vent) return TPersistent::Assign(source);
  *this = *vent;
}

void TVent::CalculateVent(double c) {
  constexpr double pi = std::numbers::pi;
  if (!(Fb > 0.0 || len > 0.0) || !(Vb > 0.0) || !(Num > 0)) return;
  double S = 0.0;
  if (Shape == 1) S = pi * dia1 * dia1 / 4.0;
  else if (Shape == 2) S = dia2 * dia1;
  if (S <= 0.0) return;
  carea = S;
  const double end_correction = 2.0 * k * std::sqrt(S / pi);
  if (len == 0.0) {
    const double wave_number = 2.0 * pi * Fb / c;
    len = Num * S / (wave_number * wave_number * Vb) - end_correction;
  }
  if (Fb == 0.0) Fb = (c / (2.0 * pi)) * std::sqrt(Num * S / ((end_correction + len) * Vb));
  // A port of length 0 has no pipe resonance in range: reported as 0 rather than infinity.
  FirstResonance = len != 0.0 ? c / (2.0 * len) : 0.0;
}

}  // namespace bextor
