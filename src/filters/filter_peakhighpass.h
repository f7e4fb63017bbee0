#pragma once

#include "filters/filter.h"

namespace bextor {

// Second-order highpass whose response peaks at fpk with the height Gpk dB.
// Defaults 6 dB at 20 Hz.
class TFilter_PeakHighpass : public TFilterBase {
public:
  TFilter_PeakHighpass();
  void Calculate() override;
  std::string GetDescription() const override;

  double FPeakGain = 6.0;   // dB
  double FPeakFreq = 20.0;  // Hz
};

}  // namespace bextor
