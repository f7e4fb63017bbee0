#include "filter_parametriceq.h"

#include "common/NumberFormat.h"

#include <cmath>
#include <numbers>

namespace bextor {

TFilter_ParametricEQ::TFilter_ParametricEQ() : TFilterBase(ftParametricEQ) {
  FParams = {{&FCenter, "Center freq", "Hz"}, {&FQ, "Q", ""}, {&FGain, "Gain", "dB"}};
}

void TFilter_ParametricEQ::Calculate() {
  if (!(FCenter > 0.0) || !(FQ > 0.0)) return;
  const double w0 = 2.0 * std::numbers::pi * FCenter;
  const double A = std::pow(10.0, std::abs(FGain) / 20.0);
  TRationalCoeffs c;
  c.NumOrder = c.DenOrder = 2;
  const double boost = FGain >= 0.0 ? A : 1.0, cut = FGain >= 0.0 ? 1.0 : A;
  c.Num = {FQ * w0 * w0, boost * w0, FQ};
  c.Den = {FQ * w0 * w0, cut * w0, FQ};
  SetCoeffs(c);
}

std::string TFilter_ParametricEQ::GetDescription() const {
  return "fc=" + FixedText(FCenter, 2) + " Hz, Q=" + FixedText(FQ, 2) + ", Gain=" + FixedText(FGain, 2) + " dB";
}

}  // namespace bextor
