#pragma once
// Drivers for the model tests.

#include "drivers/Driver.h"
#include "settings/Settings.h"

namespace bextor::test {

// A driver whose Thiele–Small and electro-mechanical parameters agree exactly in the
// default air: Fs 30 Hz, Qes 0.4, Qms 4, Vas 100 l, Re 6 Ω, Sd 0.05 m², with Qts, Cms, Mms
// and BL derived from them, and Le 1 mH. The simulation inputs are the default air.
TDriverObject ConsistentDriver(const TEnvironment& environment = TEnvironment());

}  // namespace bextor::test
