#include "AirProperties.h"

#include <cmath>

namespace bextor {

double SatVapourPressure(double T) {
  double ln_p = 0.0;
  if (T <= 273.15) {
    ln_p = -5674.5359 / T +
           (6.3925247 + T * (-0.009677843 + T * (6.2215701e-7 + T * (2.0747825e-9 + T * -9.484024e-13)))) +
           4.1635019 * std::log(T);
  } else {
    ln_p = -5800.2206 / T + (1.3914993 + T * (-0.048640239 + T * (4.1764768e-5 + T * -1.4452093e-8))) +
           6.5459673 * std::log(T);
  }
  return std::exp(ln_p);
}

double AirDensity(double T, double p, double phi) {
  constexpr double kMolarMassDryAir = 0.028965;         // kg/mol
  constexpr double kMolarMassDifference = 0.010945;     // dry air minus water vapour, kg/mol
  constexpr double kGasConstant = 8.31451;              // J/(mol·K)
  return (kMolarMassDryAir * p - kMolarMassDifference * phi * SatVapourPressure(T)) / (kGasConstant * T);
}

double SoundVelocity(double p, double rho) {
  constexpr double kHeatCapacityRatio = 1.4;
  if (p != 0.0 && rho > 0.0) return std::sqrt(kHeatCapacityRatio * p / rho);
  return 340.0;
}

}  // namespace bextor
