#pragma once

#include "filters/filter.h"

namespace bextor {

// A zero-phase boost or cut whose level in dB rises as a raised cosine from 0 at
// fc·2^−BW to Gain at fc and back to 0 at fc·2^BW. Defaults 100 Hz, 1/3 octave, 6 dB.
class TFilter_RaisedCosine : public TFilterBase {
public:
  TFilter_RaisedCosine();
  TComplex GetResponse(double f) const override;
  double GetGroupDelay(double) const override { return 0.0; }
  void Calculate() override;
  std::string GetDescription() const override;

  double FCenter = 100.0;                  // Hz
  double FBandwidth = 0.3333333333333333;  // octaves
  double FGain = 6.0;                      // dB
};

}  // namespace bextor
