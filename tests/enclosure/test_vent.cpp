#include "enclosure/Vent.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace bextor {
namespace {

TEST(Vent, DefaultsInTheGivenOrder) {
  const TVent vent;
  EXPECT_EQ(vent.Num, 1);
  EXPECT_EQ(vent.Shape, 1);
  EXPECT_EQ(vent.dia1, 0.102);
  EXPECT_EQ(vent.dia2, 0.102);
  EXPECT_EQ(vent.k, 0.732);
  EXPECT_TRUE(vent.CrossCalc);
  EXPECT_EQ(vent.Fb, 0.0);
  EXPECT_EQ(vent.len, 0.0);
}

TEST(Vent, LengthFromTuning) {
  TVent vent;
  vent.Vb = 0.05;
  vent.Fb = 30.0;
  vent.CalculateVent(343.68);
  EXPECT_NEAR(vent.carea, 0.0081713, 1e-7);
  EXPECT_NEAR(vent.len, 0.4686, 1e-4);
  EXPECT_NEAR(vent.FirstResonance, 366.7, 0.05);
  EXPECT_EQ(vent.Fb, 30.0);

  TVent two = TVent();
  two.Num = 2;
  two.Vb = 0.05;
  two.Fb = 30.0;
  two.CalculateVent(343.68);
  const double end = 2.0 * 0.732 * std::sqrt(vent.carea / std::numbers::pi);
  EXPECT_NEAR(two.len + end, 2.0 * (vent.len + end), 1e-12);  // twice the acoustic length
}

TEST(Vent, TuningFromLengthAndRectangularPorts) {
  TVent vent;
  vent.Shape = 2;
  vent.dia1 = 0.05;
  vent.dia2 = 0.2;
  vent.Vb = 0.05;
  vent.len = 0.3;
  vent.CalculateVent(343.68);
  EXPECT_DOUBLE_EQ(vent.carea, 0.01);
  const double effective = 0.3 + 2.0 * 0.732 * std::sqrt(0.01 / std::numbers::pi);
  EXPECT_DOUBLE_EQ(vent.Fb, 343.68 / (2.0 * std::numbers::pi) * std::sqrt(0.01 / (effective * 0.05)));
  EXPECT_DOUBLE_EQ(vent.FirstResonance, 343.68 / 0.6);

  // With both tuning and length set only the area and the pipe resonance change.
  vent.Fb = 99.0;
  vent.len = 0.25;
  vent.Shape = 1;
  vent.CalculateVent(343.68);
  EXPECT_EQ(vent.Fb, 99.0);
  EXPECT_EQ(vent.len, 0.25);
  EXPECT_DOUBLE_EQ(vent.carea, std::numbers::pi * 0.05 * 0.05 / 4.0);
  EXPECT_DOUBLE_EQ(vent.FirstResonance, 343.68 / 0.5);
}

TEST(Vent, PreconditionsLeaveEverythingUnchanged) {
  const auto with = [](auto change) {
    TVent vent;
    vent.Vb = 0.05;
    vent.Fb = 30.0;
    vent.carea = 0.123;
    change(vent);
    return vent;
  };
  const TVent cases[] = {
      with([](TVent& v) { v.Vb = 0.0; }),  with([](TVent& v) { v.Num = 0; }),
      with([](TVent& v) { v.Shape = 3; }), with([](TVent& v) { v.Fb = 0.0; }),
      with([](TVent& v) { v.dia1 = 0.0; }),
  };
  for (const TVent& before : cases) {
    TVent vent = before;
    vent.CalculateVent(343.68);
    EXPECT_EQ(vent.carea, 0.123);
    EXPECT_EQ(vent.len, 0.0);
    EXPECT_EQ(vent.Fb, before.Fb);
    EXPECT_EQ(vent.FirstResonance, 0.0);
  }
}

TEST(Vent, ImpossibleTuningsAreStoredAsComputed) {
  TVent wide;  // too wide a port for a big chamber tuned high
  wide.dia1 = 0.3;
  wide.Vb = 0.5;
  wide.Fb = 80.0;
  wide.CalculateVent(343.68);
  EXPECT_LT(wide.len, 0.0);
  EXPECT_LT(wide.FirstResonance, 0.0);

  // A port whose length comes out exactly 0 has no pipe resonance to report.
  const double pi = std::numbers::pi;
  TVent flush;
  flush.dia1 = 2.0;  // area π, equivalent radius 1
  flush.k = 0.5;     // end correction 1
  flush.Fb = 1.0;
  flush.Vb = pi;     // acoustic length exactly 1 at this speed of sound
  flush.CalculateVent(2.0 * pi * 1.0);
  EXPECT_EQ(flush.len, 0.0);
  EXPECT_EQ(flush.FirstResonance, 0.0);
}

}  // namespace
}  // namespace bextor
