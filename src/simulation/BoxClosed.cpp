// Closed box: the driver on a sealed chamber with absorption and leakage losses.

#include "app/Project.h"
#include "common/MathConstants.h"
#include "simulation/BoxRoutines.h"

#include <algorithm>
#include <cmath>

namespace bextor {
namespace {

class TClosedBox : public TBoxSimFunc {
public:
  TClosedBox() : TBoxSimFunc(btClosed, Kinds({0, 8, 10, 11, 12, 13, 14})) {}

protected:
  bool Preconditions(const TProject& project) const override { return project.Box.Vr > 0.0; }

  void PrepareBox(const TProject& project, const TSimInfoEvent& info) override {
    const TBox& box = project.Box;
    const TDriverSimulation& s = project.Driver.Sim;
    Cab = box.Vr / (c * c * rho);
    const double Cat = 1.0 / (1.0 / Cab + 1.0 / s.Cas);
    const double fc0 = 1.0 / (kTwoPi * std::sqrt(s.Mas * Cat));
    Rab = std::sqrt(s.Mas / (box.Qar * box.Qar * Cat));
    Ral = box.Qlr / (kTwoPi * fc0 * Cab);

    // The system's characteristic cubic a3·s³ + a2·s² + a1·s + 1.
    const double R = s.Rae, Rs = s.Ras, C = s.Cas, M = s.Mas;
    const double a3 = C * Cab * M * (Rab + Ral);
    const double a2 = M * C + C * Cab * (Rab * R + Rab * Ral + R * Ral + Rab * Rs + Ral * Rs);
    const double a1 = Rab * Cab + R * C + Ral * Cab + Ral * C + Rs * C;
    const TCubicRoots cubic = SolveMonicCubic(a2 / a3, a1 / a3, 1.0 / a3);
    double Fc = 0.0, Qtc = 0.0;
    if (!cubic.three_real) {
      const TComplex p = cubic.roots[1];
      Fc = std::abs(p) / kTwoPi;
      Qtc = std::abs(p) / (-2.0 * p.real());
    } else {
      // Drop the root strictly closest to zero (the leak's); with a tie nothing is reported.
      std::array<double, 3> r = {cubic.roots[0].real(), cubic.roots[1].real(), cubic.roots[2].real()};
      std::sort(r.begin(), r.end());
      if (r[2] == r[1]) return;
      const double fa = -r[0] / kTwoPi, fb = -r[1] / kTwoPi;
      Fc = std::sqrt(fa * fb);
      Qtc = Fc / (fa + fb);
    }
    Report(info, project, icQtc, Qtc);
    Report(info, project, icResonance, Fc);
  }

  TNetwork Network(double w, const TProject&, bool) const override {
    const TComplex Zb1(Rab, -1.0 / (w * Cab));
    TNetwork net{};
    net.Zload = Inv(Inv(Zb1) + 1.0 / Ral);
    net.Uo = Inv(Zb1);
    return net;
  }

private:
  double Cab = 0.0, Rab = 0.0, Ral = 0.0;
};

}  // namespace

std::unique_ptr<TBoxSimFunc> MakeClosedBoxRoutine() { return std::make_unique<TClosedBox>(); }

TCubicRoots SolveMonicCubic(double b, double c, double d) {
  // Depressed cubic t³ + p·t + q with s = t − b/3.
  const double shift = b / 3.0;
  const double p = c - b * b / 3.0;
  const double q = 2.0 * b * b * b / 27.0 - b * c / 3.0 + d;
  const double discriminant = q * q / 4.0 + p * p * p / 27.0;
  TCubicRoots result{};
  if (discriminant < 0.0) {
    result.three_real = true;
    const double m = 2.0 * std::sqrt(-p / 3.0);
    const double angle = std::acos(std::clamp(3.0 * q / (p * m), -1.0, 1.0)) / 3.0;
    for (int k = 0; k < 3; ++k) result.roots[static_cast<std::size_t>(k)] = m * std::cos(angle - kTwoPi * k / 3.0) - shift;
    return result;
  }
  const double root = std::sqrt(discriminant);
  const double u = std::cbrt(-q / 2.0 + root), v = std::cbrt(-q / 2.0 - root);
  result.three_real = false;
  result.roots[0] = u + v - shift;
  result.roots[1] = TComplex(-(u + v) / 2.0 - shift, std::sqrt(3.0) / 2.0 * (u - v));
  result.roots[2] = std::conj(result.roots[1]);
  return result;
}

}  // namespace bextor
