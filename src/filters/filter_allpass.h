#pragma once

#include "filters/filter.h"

namespace bextor {

// Allpass of order 1 ((1 − s·t/2)/(1 + s·t/2), group delay t at low frequency) or 2
// (group delay t/Q at low frequency). Defaults: order 1, delay 1 ms, Q 0.707.
class TFilter_Allpass : public TFilterBase {
public:
  TFilter_Allpass();
  void Calculate() override;
  std::string GetDescription() const override;

  double FOrder = 1.0;
  double FDelay = 0.001;  // s
  double FQ = 0.707;
};

}  // namespace bextor
