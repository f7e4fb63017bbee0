// ABC box: the driver's back works into a ported rear chamber, joined by intra-chamber
// port(s) to a ported front chamber; the cone's front radiates directly.

#include "app/Project.h"
#include "simulation/BoxRoutines.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace bextor {
namespace {

class TABCBox : public TTwoChamberBox {
public:
  TABCBox() : TTwoChamberBox(btABC, Kinds({0, 2, 3, 5, 6, 7, 8, 10, 11, 12, 13, 14})) {}

protected:
  bool Preconditions(const TProject& project) const override {
    return ChambersPresent(project) && project.Box.Sdiport > 0.0 && project.Box.IntraVent.len > 0.0;
  }

  void PrepareBox(const TProject& project, const TSimInfoEvent&) override {
    PrepareChambers(project);
    // The intra port's mass from its geometry: the end correction k at each end of one
    // port (equivalent radius of one port's area), the air of all ports in parallel.
    const TBox& box = project.Box;
    const TVent& intra = box.IntraVent;
    const double one_port = intra.carea > 0.0 ? intra.carea : box.Sdiport / std::max(intra.Num, 1);
    Mpi = (std::sqrt(one_port / std::numbers::pi) * (2.0 * intra.k) + intra.len) * rho / box.Sdiport;
  }

  TNetwork Network(double w, const TProject& project, bool with_ports) const override {
    const TChambers z = Chambers(w, project);
    const TComplex Zi(0.0, w * Mpi);
    const TComplex Zir = Inv(Inv(Zi) + 1.0 / Ricl);
    const TComplex front_share = PlainDiv(z.Zf, z.Zf + Zir);  // front pressure per rear pressure
    TNetwork net{};
    net.Zload = Inv(Inv(z.Zr) + Inv(Zir + z.Zf));
    net.Uo = z.Yabr + front_share * z.Yabf;
    if (with_ports) {
      net.Rear = z.Ypr;
      net.Front = front_share * z.Ypf;
      net.Intra = PlainDiv(1.0 - front_share, Zi);  // the pressure across the port over its impedance
    }
    return net;
  }

private:
  double Mpi = 0.0;
};

}  // namespace

std::unique_ptr<TBoxSimFunc> MakeABCRoutine() { return std::make_unique<TABCBox>(); }

}  // namespace bextor
