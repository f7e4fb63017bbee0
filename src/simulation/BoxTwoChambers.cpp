#include "app/Project.h"
#include "common/MathConstants.h"
#include "simulation/BoxRoutines.h"

#include <cmath>

namespace bextor {

bool TTwoChamberBox::ChambersPresent(const TProject& project) const {
  const TBox& box = project.Box;
  return box.Vr > 0.0 && box.Vf > 0.0 && box.Ff > 0.0 && box.Fr > 0.0;
}

void TTwoChamberBox::PrepareChambers(const TProject& project) {
  const TBox& box = project.Box;
  const TDriverSimulation& s = project.Driver.Sim;
  Cr = box.Vr / (c * c * rho);
  Cf = box.Vf / (c * c * rho);
  Mpf = 1.0 / ((kTwoPi * box.Ff) * (kTwoPi * box.Ff) * Cf);
  Mpr = 1.0 / ((kTwoPi * box.Fr) * (kTwoPi * box.Fr) * Cr);
  front = ChamberLosses(Mpf, Cf, box.Qlf, box.Qaf, box.Qpf);
  rear = ChamberLosses(Mpr, Cr, box.Qlr, box.Qar, box.Qpr);
  Ricl = box.Qiclfr / std::sqrt(s.Cas / s.Mas);
}

}  // namespace bextor
