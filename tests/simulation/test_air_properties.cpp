#include "simulation/AirProperties.h"

#include <gtest/gtest.h>

#include <cmath>

namespace bextor {
namespace {

TEST(AirProperties, SaturationPressureBranchesMeetAtFreezing) {
  // 273.15 K is still over ice; the branches agree there within 0.1 Pa.
  const double ice = SatVapourPressure(273.15);
  const double water = SatVapourPressure(273.16);
  EXPECT_NEAR(ice, 611.15, 0.1);
  EXPECT_NEAR(water, ice, 0.7);  // 0.01 K further up the curve
  const double ice_formula = std::exp(-5674.5359 / 273.15 + 6.3925247 - 0.009677843 * 273.15 +
                                      6.2215701e-7 * std::pow(273.15, 2) + 2.0747825e-9 * std::pow(273.15, 3) -
                                      9.484024e-13 * std::pow(273.15, 4) + 4.1635019 * std::log(273.15));
  EXPECT_NEAR(ice, ice_formula, 1e-9);
  const double water_at_freezing = std::exp(-5800.2206 / 273.15 + 1.3914993 - 0.048640239 * 273.15 +
                                            4.1764768e-5 * 273.15 * 273.15 -
                                            1.4452093e-8 * std::pow(273.15, 3) + 6.5459673 * std::log(273.15));
  EXPECT_NEAR(water_at_freezing, ice, 0.1);
  EXPECT_NEAR(SatVapourPressure(293.15), 2339.0, 1.0);  // the tabled value at 20 °C
}

TEST(AirProperties, DefaultEnvironment) {
  const double rho = AirDensity(293.15, 101325.0, 0.3);
  EXPECT_NEAR(rho, 1.2009522, 1e-7);
  EXPECT_NEAR(SoundVelocity(101325.0, rho), 343.68412, 1e-5);
}

TEST(AirProperties, HumidityIsNotClamped) {
  const double dry = AirDensity(293.15, 101325.0, 0.0);
  EXPECT_DOUBLE_EQ(dry, 0.028965 * 101325.0 / (8.31451 * 293.15));
  EXPECT_LT(AirDensity(293.15, 101325.0, 1.5), AirDensity(293.15, 101325.0, 1.0));
}

TEST(AirProperties, SoundVelocityFallsBackTo340) {
  EXPECT_EQ(SoundVelocity(0.0, 1.2), 340.0);
  EXPECT_EQ(SoundVelocity(101325.0, 0.0), 340.0);
  EXPECT_EQ(SoundVelocity(101325.0, -0.5), 340.0);
  EXPECT_DOUBLE_EQ(SoundVelocity(100000.0, 1.4), std::sqrt(100000.0));
}

}  // namespace
}  // namespace bextor
