// Vented box: one chamber with port(s) to the outside, the port a lumped mass from the
// tuning or, with the transmission-line option, a short line of the vent's geometry.

#include "app/Project.h"
#include "simulation/BoxRoutines.h"

#include <cmath>
#include <numbers>

namespace bextor {
namespace {

class TVentedBox : public TBoxSimFunc {
public:
  TVentedBox() : TBoxSimFunc(btVented, Kinds({0, 3, 4, 6, 8, 10, 11, 12, 13, 14})) {}

protected:
  bool Preconditions(const TProject& project) const override {
    return project.Box.Vr > 0.0 && project.Box.Fr > 0.0;
  }

  void PrepareBox(const TProject& project, const TSimInfoEvent&) override {
    const TBox& box = project.Box;
    Cab = box.Vr / (c * c * rho);
    const double wb = 2.0 * std::numbers::pi * box.Fr;
    Map = 1.0 / (wb * wb * Cab);
    const TChamberLosses losses = ChamberLosses(Map, Cab, box.Qlr, box.Qar, box.Qpr);
    Ral = losses.leakage;
    Rab = losses.absorption;
    Rap = losses.port;
  }

  TNetwork Network(double w, const TProject& project, bool) const override {
    const TVent& vent = project.Box.RearVent;
    const TComplex Zp = project.Options.TLPorts ? LinePort(Rap, w, vent.Num, vent.carea, vent.len)
                                                : TComplex(Rap, w * Map);
    const TComplex Zab(Rab, -1.0 / (w * Cab));
    TNetwork net{};
    net.Uo = Inv(Zab);
    net.Rear = Inv(Zp);
    net.Zload = Inv(net.Uo + 1.0 / Ral + net.Rear);
    return net;
  }

private:
  double Cab = 0.0, Map = 0.0, Rab = 0.0, Ral = 0.0, Rap = 0.0;
};

}  // namespace

std::unique_ptr<TBoxSimFunc> MakeVentedBoxRoutine() { return std::make_unique<TVentedBox>(); }

TChamberLosses ChamberLosses(double mass, double compliance, double Ql, double Qa, double Qp) {
  const double A = std::sqrt(compliance / mass);
  return {Ql / A, 1.0 / (A * Qa), 1.0 / (A * Qp)};
}

}  // namespace bextor
