// 4th-order bandpass: a sealed rear chamber and a ported front chamber on either side of
// the driver, bridged by a leak; all sound leaves through the front port(s).

#include "app/Project.h"
#include "common/MathConstants.h"
#include "simulation/BoxRoutines.h"

#include <cmath>

namespace bextor {
namespace {

class TBandpass4 : public TBoxSimFunc {
public:
  TBandpass4() : TBoxSimFunc(btBandpass4, Kinds({0, 2, 5, 8, 10, 11, 12, 13, 14})) {}

protected:
  bool Preconditions(const TProject& project) const override {
    const TBox& box = project.Box;
    return box.Vr > 0.0 && box.Vf > 0.0 && box.Ff > 0.0;
  }

  void PrepareBox(const TProject& project, const TSimInfoEvent& info) override {
    const TBox& box = project.Box;
    const TDriverSimulation& s = project.Driver.Sim;
    Cr = box.Vr / (c * c * rho);
    Cf = box.Vf / (c * c * rho);
    const double wf = kTwoPi * box.Ff;
    Mpf = 1.0 / (wf * wf * Cf);
    const double Cat = 1.0 / (1.0 / s.Cas + 1.0 / Cr);
    const double fc = 1.0 / (kTwoPi * std::sqrt(Cat * s.Mas));
    Report(info, project, icResonance, fc);
    const TChamberLosses front = ChamberLosses(Mpf, Cf, box.Qlf, box.Qaf, box.Qpf);
    Ralf = front.leakage;
    Rabf = front.absorption;
    Rapf = front.port;
    Ricl = box.Qiclfr / std::sqrt(s.Cas / s.Mas);
    Ralr = box.Qlr / (kTwoPi * fc * Cr);
    Rabr = std::sqrt(s.Mas / (box.Qar * box.Qar * Cat));
  }

  TNetwork Network(double w, const TProject& project, bool with_ports) const override {
    const TVent& vent = project.Box.FrontVent;
    const TComplex Yabr = Inv(TComplex(Rabr, -1.0 / (w * Cr)));
    const TComplex Zr = Inv(1.0 / Ralr + Yabr);
    const TComplex Zpf = project.Options.TLPorts ? LinePort(Rapf, w, vent.Num, vent.carea, vent.len)
                                                 : TComplex(Rapf, w * Mpf);
    const TComplex Ypf = Inv(Zpf);
    const TComplex Yabf = Inv(TComplex(Rabf, -1.0 / (w * Cf)));
    const TComplex Zf = Inv(Ypf + 1.0 / Ralf + Yabf);
    const TComplex U = Inv(Zf + Zr);  // through both chambers, per unit pressure
    TNetwork net{};
    net.Zload = Inv(U + 1.0 / Ricl);
    net.Uo = U * (Zr * Yabr - Zf * Yabf);
    if (with_ports) net.Front = U * Zf * Ypf;
    return net;
  }

private:
  double Cr = 0.0, Cf = 0.0, Mpf = 0.0, Ralf = 0.0, Rabf = 0.0, Rapf = 0.0, Ricl = 0.0, Ralr = 0.0, Rabr = 0.0;
};

}  // namespace

std::unique_ptr<TBoxSimFunc> MakeBandpass4Routine() { return std::make_unique<TBandpass4>(); }

}  // namespace bextor
