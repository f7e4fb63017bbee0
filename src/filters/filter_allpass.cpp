#include "filter_allpass.h"

#include "common/NumberFormat.h"

namespace bextor {

TFilter_Allpass::TFilter_Allpass() : TFilterBase(ftAllpass) {
  FParams = {{&FOrder, "Order", ""}, {&FDelay, "Delay time", "s"}, {&FQ, "Q", ""}};
}

void TFilter_Allpass::Calculate() {
  if (!(FDelay > 0.0) || !(FQ > 0.0)) return;
  const double w0 = 2.0 / FDelay;
  TRationalCoeffs c;
  if (RoundedOrder(FOrder) == 1) {
    c.NumOrder = c.DenOrder = 1;
    c.Num = {1.0, -1.0 / w0};
    c.Den = {1.0, 1.0 / w0};
  } else {
    c.NumOrder = c.DenOrder = 2;
    c.Num = {w0 * w0, -w0 / FQ, 1.0};
    c.Den = {w0 * w0, w0 / FQ, 1.0};
  }
  SetCoeffs(c);
}

std::string TFilter_Allpass::GetDescription() const {
  const int n = RoundedOrder(FOrder);
  std::string text = "n=" + std::to_string(n) + ", t=" + FixedText(FDelay, 3) + " s";
  if (n != 1) text += ", Q=" + FixedText(FQ, 2);
  return text;
}

}  // namespace bextor
