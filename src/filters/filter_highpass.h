#pragma once

#include "filters/filter_crossover.h"

namespace bextor {

// Highpass: order 2, cutoff 20 Hz, Q 0.707 by default.
class TFilter_Highpass : public TFilter_Crossover {
public:
  TFilter_Highpass() : TFilter_Crossover(ftHighpass, true, 20.0) {}
};

}  // namespace bextor
