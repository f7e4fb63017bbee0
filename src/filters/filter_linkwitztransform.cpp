#include "filter_linkwitztransform.h"

#include "common/NumberFormat.h"

#include <numbers>

namespace bextor {

TFilter_LinkwitzTransform::TFilter_LinkwitzTransform() : TFilterBase(ftLinkwitzTransform) {
  FParams = {{&Ff0, "f0", "Hz"}, {&FQ0, "Q0", ""}, {&Ffp, "fp", "Hz"}, {&FQp, "Qp", ""}};
}

void TFilter_LinkwitzTransform::Calculate() {
  if (!(FQ0 > 0.0) || !(Ff0 > 0.0) || !(FQp > 0.0) || !(Ffp > 0.0)) return;
  const double w0 = 2.0 * std::numbers::pi * Ff0;
  const double wp = 2.0 * std::numbers::pi * Ffp;
  TRationalCoeffs c;
  c.NumOrder = c.DenOrder = 2;
  c.Num = {w0 * w0, w0 / FQ0, 1.0};
  c.Den = {wp * wp, wp / FQp, 1.0};
  SetCoeffs(c);
}

std::string TFilter_LinkwitzTransform::GetDescription() const {
  return "f0=" + FixedText(Ff0, 2) + " Q0=" + FixedText(FQ0, 2) + " fp=" + FixedText(Ffp, 2) + " Qp=" + FixedText(FQp, 2);
}

}  // namespace bextor
