#pragma once
// What the lowpass and the highpass share: order, cutoff and Q, and the four alignments
// (Butterworth, Linkwitz-Riley, Bessel, second-order section with the user's Q).

#include "filters/filter.h"

namespace bextor {

enum TCrossoverAlignment : std::int32_t {
  caButterworth = 0,
  caLinkwitzRiley = 1,
  caBessel = 2,
  caUserSOS = 3,
};

class TFilter_Crossover : public TFilterBase {
public:
  void Calculate() override;
  std::string GetDescription() const override;

  double FOrder;
  double FCutoff;  // Hz
  double FQ;

protected:
  TFilter_Crossover(TFilterType type, bool highpass, double cutoff);

private:
  bool FHighpass;
};

}  // namespace bextor
