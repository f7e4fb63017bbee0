#pragma once

#include "filters/filter.h"

namespace bextor {

// Parametric EQ: boost or cut of Gain dB at fc with quality Q; the magnitude at fc is
// exactly Gain dB, and a cut is the exact inverse of the same boost. Defaults 30 Hz, 2, 6 dB.
class TFilter_ParametricEQ : public TFilterBase {
public:
  TFilter_ParametricEQ();
  void Calculate() override;
  std::string GetDescription() const override;

  double FCenter = 30.0;  // Hz
  double FQ = 2.0;
  double FGain = 6.0;  // dB
};

}  // namespace bextor
