// Passive-radiator box: one chamber tuned by Npr identical passive radiators, a series
// mass–compliance–resistance branch in parallel with the chamber.

#include "app/Project.h"
#include "common/MathConstants.h"
#include "simulation/BoxRoutines.h"

#include <cmath>

namespace bextor {
namespace {

class TPassiveRadiatorBox : public TBoxSimFunc {
public:
  TPassiveRadiatorBox() : TBoxSimFunc(btPassiveRadiator, Kinds({0, 1, 8, 9, 10, 11, 12, 13, 14})) {}

protected:
  bool Preconditions(const TProject& project) const override {
    const TBox& box = project.Box;
    const TPassiveRadiator& pr = box.PassiveRadiator;
    // Without radiators or their data the model has nothing to divide by.
    return box.Vr > 0.0 && box.Npr > 0 && pr.Vas > 0.0 && pr.fs > 0.0 && pr.Qms > 0.0 && pr.Sd > 0.0;
  }

  void PrepareBox(const TProject& project, const TSimInfoEvent& info) override {
    const TBox& box = project.Box;
    const TPassiveRadiator& pr = box.PassiveRadiator;
    FRadiatorArea = box.Npr * pr.Sd;
    FRadiatorXmax = pr.Xmax;
    Cap = box.Npr * pr.Vas / (c * c * rho);
    const double wp = kTwoPi * pr.fs;
    Rap = 1.0 / (wp * pr.Qms * Cap);
    Map = 1.0 / (wp * Cap * wp) + box.Npr * pr.Me / (FRadiatorArea * FRadiatorArea);
    const double Fsm = 1.0 / (kTwoPi * std::sqrt(Map * Cap));
    Cab = box.Vr / (c * c * rho);
    const double Ct = 1.0 / (1.0 / Cab + 1.0 / Cap);
    const double A = std::sqrt(Ct / Map);
    Ral = box.Qlr / A;
    Rab = 1.0 / (A * box.Qar);
    const double Fh = 1.0 / (kTwoPi * std::sqrt(Map * Ct));
    Report(info, project, icResonance, Fh);
    Report(info, project, icPRResonance, Fsm);
  }

  TNetwork Network(double w, const TProject&, bool) const override {
    const TComplex Zpr(Rap, w * Map - 1.0 / (w * Cap));
    const TComplex Zab(Rab, -1.0 / (w * Cab));
    TNetwork net{};
    net.Uo = Inv(Zab);
    net.Radiator = Inv(Zpr);
    net.Zload = Inv(net.Radiator + 1.0 / Ral + net.Uo);
    return net;
  }

private:
  double Cap = 0.0, Rap = 0.0, Map = 0.0, Cab = 0.0, Ral = 0.0, Rab = 0.0;
};

}  // namespace

std::unique_ptr<TBoxSimFunc> MakePassiveRadiatorRoutine() { return std::make_unique<TPassiveRadiatorBox>(); }

}  // namespace bextor
