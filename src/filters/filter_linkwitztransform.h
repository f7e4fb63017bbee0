#pragma once

#include "filters/filter.h"

namespace bextor {

// Linkwitz transform: moves a second-order resonance f0, Q0 to fp, Qp.
// Defaults 50 Hz, 0.707 → 20 Hz, 0.707.
class TFilter_LinkwitzTransform : public TFilterBase {
public:
  TFilter_LinkwitzTransform();
  void Calculate() override;
  std::string GetDescription() const override;

  double Ff0 = 50.0;  // Hz
  double FQ0 = 0.707;
  double Ffp = 20.0;  // Hz
  double FQp = 0.707;
};

}  // namespace bextor
