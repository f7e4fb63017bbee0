#pragma once

#include "filters/filter.h"

namespace bextor {

// A frequency-independent gain in dB (default 0).
class TFilter_StaticGain : public TFilterBase {
public:
  TFilter_StaticGain();
  void Calculate() override;
  std::string GetDescription() const override;

  double FGain = 0.0;  // dB
};

// Num = [10^(gain/20)], Den = [1], both of order 1 with a zero first-power term.
TRationalCoeffs StaticGainCoeffs(double gain_db);

}  // namespace bextor
