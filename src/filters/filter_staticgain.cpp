#include "filter_staticgain.h"

#include "common/NumberFormat.h"

#include <cmath>

namespace bextor {

TRationalCoeffs StaticGainCoeffs(double gain_db) {
  TRationalCoeffs c;
  c.NumOrder = c.DenOrder = 1;
  c.Num[0] = std::pow(10.0, gain_db / 20.0);
  c.Den[0] = 1.0;
  return c;
}

TFilter_StaticGain::TFilter_StaticGain() : TFilterBase(ftStaticGain) { FParams = {{&FGain, "Gain", "dB"}}; }

void TFilter_StaticGain::Calculate() { SetCoeffs(StaticGainCoeffs(FGain)); }

std::string TFilter_StaticGain::GetDescription() const { return "Gain=" + FixedText(FGain, 2) + " dB"; }

}  // namespace bextor
