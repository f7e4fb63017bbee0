#pragma once

#include "filters/filter_crossover.h"

namespace bextor {

// Lowpass: order 2, cutoff 50 Hz, Q 0.707 by default.
class TFilter_Lowpass : public TFilter_Crossover {
public:
  TFilter_Lowpass() : TFilter_Crossover(ftLowpass, false, 50.0) {}
};

}  // namespace bextor
