#pragma once
// The six box routines behind BoxMath_GetFunc, and the pieces they share.

#include "app/Project.h"
#include "simulation/BoxMath.h"

#include <array>
#include <memory>

namespace bextor {

std::unique_ptr<TBoxSimFunc> MakeClosedBoxRoutine();
std::unique_ptr<TBoxSimFunc> MakeVentedBoxRoutine();
std::unique_ptr<TBoxSimFunc> MakeBandpass4Routine();
std::unique_ptr<TBoxSimFunc> MakeBandpass6Routine();
std::unique_ptr<TBoxSimFunc> MakePassiveRadiatorRoutine();
std::unique_ptr<TBoxSimFunc> MakeABCRoutine();

// The bit set of supported kinds.
constexpr std::uint32_t Kinds(std::initializer_list<int> kinds) {
  std::uint32_t mask = 0;
  for (int kind : kinds) mask |= 1u << kind;
  return mask;
}

// Roots of s³ + b·s² + c·s + d in closed form: three real roots (trigonometric form) when
// `three_real` is set, otherwise one real root first and then a complex-conjugate pair
// (Cardano's form).
struct TCubicRoots {
  bool three_real;
  std::array<TComplex, 3> roots;
};
TCubicRoots SolveMonicCubic(double b, double c, double d);

// Loss resistances of a chamber with the characteristic impedance Z0 = sqrt(M/C) of its
// resonator: leakage Q·Z0 in parallel, absorption and port Z0/Q in series.
struct TChamberLosses {
  double leakage, absorption, port;
};
TChamberLosses ChamberLosses(double mass, double compliance, double Ql, double Qa, double Qp);

// What the 6th-order bandpass and the ABC box share: a rear chamber tuned to Fr and a
// front chamber tuned to Ff, each with its port(s) and three losses, and a leak Ricl.
class TTwoChamberBox : public TBoxSimFunc {
protected:
  using TBoxSimFunc::TBoxSimFunc;

  struct TChambers {
    TComplex Ypr, Ypf;    // admittances of the ports
    TComplex Yabr, Yabf;  // admittances of the chambers' air with absorption
    TComplex Zr, Zf;      // port, leak and air of each chamber in parallel
  };

  bool ChambersPresent(const TProject& project) const;
  void PrepareChambers(const TProject& project);
  // Inline: it is most of each evaluation of these boxes.
  TChambers Chambers(double w, const TProject& project) const {
    const TBox& box = project.Box;
    const bool line = project.Options.TLPorts;
    TChambers z;
    z.Ypr = Inv(line ? LinePort(rear.port, w, box.RearVent.Num, box.RearVent.carea, box.RearVent.len)
                     : TComplex(rear.port, w * Mpr));
    z.Ypf = Inv(line ? LinePort(front.port, w, box.FrontVent.Num, box.FrontVent.carea, box.FrontVent.len)
                     : TComplex(front.port, w * Mpf));
    z.Yabr = Inv(TComplex(rear.absorption, -1.0 / (w * Cr)));
    z.Yabf = Inv(TComplex(front.absorption, -1.0 / (w * Cf)));
    z.Zr = Inv(z.Ypr + 1.0 / rear.leakage + z.Yabr);
    z.Zf = Inv(z.Ypf + 1.0 / front.leakage + z.Yabf);
    return z;
  }

  double Cr = 0.0, Cf = 0.0;    // chamber compliances
  double Mpr = 0.0, Mpf = 0.0;  // port masses from the tunings
  double Ricl = 0.0;            // leak between the chambers
  TChamberLosses rear{}, front{};
};

}  // namespace bextor
