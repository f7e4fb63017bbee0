#include "filter_peakhighpass.h"

#include "common/NumberFormat.h"

#include <cmath>
#include <numbers>

namespace bextor {

TFilter_PeakHighpass::TFilter_PeakHighpass() : TFilterBase(ftPeakHighpass) {
  FParams = {{&FPeakGain, "Peak mag", "dB"}, {&FPeakFreq, "Peak freq", "Hz"}};
  FStringOrder = {1, 0};  // the string stores the frequency first
}

void TFilter_PeakHighpass::Calculate() {
  if (!(FPeakFreq > 0.0) || !(FPeakGain > 0.0)) return;
  const double G = std::pow(10.0, FPeakGain / 20.0);
  const double Q = std::sqrt(G * G + std::sqrt(G * G * G * G - G * G)) / 1.4142135623730951;
  const double w0 = std::sqrt(1.0 - 1.0 / (2.0 * Q * Q)) * 2.0 * std::numbers::pi * FPeakFreq;
  TRationalCoeffs c;
  c.NumOrder = c.DenOrder = 2;
  c.Num = {0.0, 0.0, 1.0};
  c.Den = {w0 * w0, w0 / Q, 1.0};
  SetCoeffs(c);
}

std::string TFilter_PeakHighpass::GetDescription() const {
  return "Gpk=" + FixedText(FPeakGain, 2) + " dB fpk=" + FixedText(FPeakFreq, 2) + " Hz";
}

}  // namespace bextor
