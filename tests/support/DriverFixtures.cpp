#include "DriverFixtures.h"

#include <cmath>
#include <numbers>

namespace bextor::test {

TDriverObject ConsistentDriver(const TEnvironment& environment) {
  TDriverObject driver(environment);
  TDriverData& d = driver.Data;
  d.Fs = 30.0;
  d.Qes = 0.4;
  d.Qms = 4.0;
  d.Qts = 1.0 / (1.0 / d.Qes + 1.0 / d.Qms);
  d.Vas = 0.1;
  d.Re = 6.0;
  d.Sd = 0.05;
  d.Le = 0.001;
  d.Cms = d.Vas / (d.roo * d.c * d.c * d.Sd * d.Sd);
  const double ws = 2.0 * std::numbers::pi * d.Fs;
  d.Mms = 1.0 / (ws * ws * d.Cms);
  d.BL = std::sqrt(ws * d.Mms * d.Re / d.Qes);
  driver.Sim.SimRho = d.roo;
  driver.Sim.SimC = d.c;
  return driver;
}

}  // namespace bextor::test
