#pragma once
// Drivers and designs for the model tests and benchmarks.

#include "app/Project.h"
#include "drivers/Driver.h"
#include "settings/Settings.h"

#include <memory>
#include <string>

namespace bextor::test {

// A driver whose Thiele–Small and electro-mechanical parameters agree exactly in the
// default air: Fs 30 Hz, Qes 0.4, Qms 4, Vas 100 l, Re 6 Ω, Sd 0.05 m², with Qts, Cms, Mms
// and BL derived from them, and Le 1 mH. The simulation inputs are the default air.
TDriverObject ConsistentDriver(const TEnvironment& environment = TEnvironment());
// The same with other Thiele–Small values.
TDriverObject ConsistentDriver(double Fs, double Qes, double Qms, double Vas,
                               const TEnvironment& environment = TEnvironment());

// A project of the given box type with a sensible design for ConsistentDriver(): chambers,
// tunings, usual loss factors, vents calculated, a passive radiator, Xmax 8 mm, Pe 200 W,
// Le 1 mH, 1 W input, listening distance 1 m.
std::unique_ptr<TProject> Design(int box_type);

// Writes `count` driver files "driver<i>.bdr" (variations of ConsistentDriver() under 97
// brands) into `folder` (ending with the separator): a large driver database.
void WriteDriverFiles(const std::string& folder, int count);

}  // namespace bextor::test
