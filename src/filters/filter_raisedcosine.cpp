#include "filter_raisedcosine.h"

#include "common/NumberFormat.h"

#include "filters/filter_staticgain.h"

#include <cmath>
#include <numbers>

namespace bextor {

TFilter_RaisedCosine::TFilter_RaisedCosine() : TFilterBase(ftRaisedCosine) {
  FParams = {{&FCenter, "Center freq", "Hz"}, {&FBandwidth, "Bandwidth", "oct"}, {&FGain, "Gain", "dB"}};
}

TComplex TFilter_RaisedCosine::GetResponse(double f) const {
  const double bandwidth = FBandwidth > 0.0 ? FBandwidth : 1e-6;
  const double center = FCenter > 0.0 ? FCenter : 1e-6;
  const double x = std::log10(f / center) / (std::log10(2.0) * bandwidth);
  if (x >= -1.0 && x <= 1.0) return {std::pow(10.0, (std::cos(std::numbers::pi * x) + 1.0) * (FGain / 20.0 * 0.5)), 0.0};
  return {1.0, 0.0};
}

void TFilter_RaisedCosine::Calculate() { SetCoeffs(StaticGainCoeffs(FGain)); }

std::string TFilter_RaisedCosine::GetDescription() const {
  return "fc=" + FixedText(FCenter, 2) + " Hz, BW=" + FixedText(FBandwidth, 2) + " oct, Gain=" + FixedText(FGain, 2) + " dB";
}

}  // namespace bextor
