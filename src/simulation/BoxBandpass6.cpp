// 6th-order bandpass: the driver between two ported chambers, bridged by a leak; sound
// leaves through both ports.

#include "app/Project.h"
#include "simulation/BoxRoutines.h"

namespace bextor {
namespace {

class TBandpass6 : public TTwoChamberBox {
public:
  TBandpass6() : TTwoChamberBox(btBandpass6, Kinds({0, 2, 3, 5, 6, 8, 10, 11, 12, 13, 14})) {}

protected:
  bool Preconditions(const TProject& project) const override { return ChambersPresent(project); }

  void PrepareBox(const TProject& project, const TSimInfoEvent&) override { PrepareChambers(project); }

  TNetwork Network(double w, const TProject& project, bool with_ports) const override {
    const TChambers z = Chambers(w, project);
    const TComplex U = Inv(z.Zf + z.Zr);  // through both chambers, per unit pressure
    TNetwork net{};
    net.Zload = Inv(U + 1.0 / Ricl);
    net.Uo = U * (z.Zr * z.Yabr - z.Zf * z.Yabf);
    if (with_ports) {
      net.Front = U * z.Zf * z.Ypf;
      net.Rear = U * z.Zr * z.Ypr;
    }
    return net;
  }
};

}  // namespace

std::unique_ptr<TBoxSimFunc> MakeBandpass6Routine() { return std::make_unique<TBandpass6>(); }

}  // namespace bextor
