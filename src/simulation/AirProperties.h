#pragma once
// Properties of the (moist) air in and around an enclosure.
//   T: temperature in K, p: static pressure in Pa, phi: relative humidity as a fraction.

namespace bextor {

// Saturation vapour pressure of water in Pa (Hyland–Wexler; over ice up to 273.15 K
// inclusive, over liquid water above). No guard: T must be positive.
double SatVapourPressure(double T);

// Density of moist air in kg/m³. phi is not clamped.
double AirDensity(double T, double p, double phi);

// Speed of sound in m/s, sqrt(1.4·p/rho); 340 m/s when p is 0 or rho is not positive.
double SoundVelocity(double p, double rho);

}  // namespace bextor
