#include "settings/Units.h"

#include <gtest/gtest.h>

namespace bextor {
namespace {

TEST(Units, TableHoldsTheStoredFactorsDigitsAndOffsets) {
  const struct {
    int kind, index;
    const char* name;
    double factor;
    int digits;
    double offset;
  } cases[] = {
      {qkLength, 0, "m", 1.0, 3, 0.0},
      {qkLength, 4, "ft", 3.2808398950131235, 3, 0.0},
      {qkLength, 5, "yd", 1.0936132983377078, 3, 0.0},
      {qkVolume, 2, "in^3", 61023.744, 1, 0.0},
      {qkVolume, 4, "cm^3", 1000000.0, 0, 0.0},
      {qkArea, 5, "yd^2", 1.19599, 4, 0.0},
      {qkFrequency, 1, "kHz", 0.001, 5, 0.0},
      {qkVelocity, 2, "ft/s", 3.2808399, 2, 0.0},
      {qkVelocity, 4, "mph", 2.2369363, 2, 0.0},
      {qkTemperature, 1, "\u00B0C", 1.0, 2, -273.15},
      {qkTemperature, 2, "\u00B0F", 1.8, 2, -255.37},
      {qkPressure, 3, "atm", 9.86923267e-06, 6, 0.0},
      {qkPressure, 4, "psi", 0.00014503774, 5, 0.0},
      {qkCompliance, 2, "um/N", 1000000.0, 1, 0.0},
      {qkPercent, 0, "%", 100.0, 4, 0.0},
      {qkTempCoefficient, 4, "1/\u00B0F", 0.5555555555555556, 7, 0.0},
      {qkTempCoefficient, 5, "1000/\u00B0F", 555.5555555555555, 4, 0.0},
      {qkForceFactor, 1, "N/A", 1.0, 5, 0.0},
      {qkSemiInductance, 1, "mH*sqrt(Hz)", 1000.0, 3, 0.0},
      {qkTempDifference, 2, "\u00B0F", 1.8, 2, 0.0},
      {qkAngle, 1, "deg", 57.29577951308232, 3, 0.0},
      {qkAngle, 2, "grad", 63.66197723675813, 3, 0.0},
      {qkVoltage, 0, "V", 1.0, 1, 0.0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const TUnitInfo& unit = GetUnitInfo(c.kind, c.index);
    EXPECT_EQ(unit.Name, c.name);
    EXPECT_EQ(unit.Factor, c.factor);
    EXPECT_EQ(unit.Digits, c.digits);
    EXPECT_EQ(unit.Offset, c.offset);
  }
}

TEST(Units, EveryKindHasItsUnitCountAndABaseUnitFirst) {
  const int counts[] = {6, 5, 6, 2, 1, 2, 1, 1, 5, 3, 5, 2, 2, 3, 1, 6, 2, 1, 1, 1, 1, 2, 1, 3, 3, 1};
  for (int kind = kFirstQuantityKind; kind <= kLastQuantityKind; ++kind) {
    SCOPED_TRACE(kind);
    EXPECT_EQ(UnitCount(kind), counts[kind - 1]);
    EXPECT_EQ(GetUnitInfo(kind, 0).Offset, 0.0);
    if (kind != qkPercent) {
      EXPECT_EQ(GetUnitInfo(kind, 0).Factor, 1.0);
    }
  }
}

TEST(Units, OutsideTheTableIsUnitlessOrTheBaseUnit) {
  for (int kind : {0, 27, -3}) {
    const TUnitInfo& unit = GetUnitInfo(kind, 2);
    EXPECT_EQ(unit.Name, "");
    EXPECT_EQ(unit.Factor, 1.0);
    EXPECT_EQ(unit.Digits, 3);
    EXPECT_EQ(UnitCount(kind), 1);
  }
  // A damaged choice file's index beyond the list shows the base unit, never past the table.
  EXPECT_EQ(GetUnitInfo(qkLength, 6).Name, "m");
  EXPECT_EQ(GetUnitInfo(qkResistance, 200000).Name, "ohm");
  EXPECT_EQ(GetUnitInfo(qkVolume, -1).Name, "m^3");
}

TEST(Units, ConversionAppliesOffsetThenFactor) {
  EXPECT_DOUBLE_EQ(ToDisplay(qkTemperature, 1, 293.15), 20.0);
  EXPECT_DOUBLE_EQ(ToDisplay(qkTemperature, 2, 255.37), 0.0);
  EXPECT_DOUBLE_EQ(ToDisplay(qkTemperature, 2, 273.15), (273.15 - 255.37) * 1.8);  // about 32
  EXPECT_DOUBLE_EQ(FromDisplay(qkTemperature, 2, 68.0), 68.0 / 1.8 + 255.37);
  EXPECT_DOUBLE_EQ(ToDisplay(qkVolume, 1, 0.02), 20.0);
  EXPECT_DOUBLE_EQ(FromDisplay(qkLength, 1, 10.0), 0.01);
  EXPECT_DOUBLE_EQ(ToDisplay(qkPercent, 0, 0.5), 50.0);
}

TEST(Units, AmplitudeScales) {
  EXPECT_EQ(GetAmplitudeScale(0).Name, "rms");
  EXPECT_EQ(GetAmplitudeScale(2).Name, "p-p");
  EXPECT_EQ(AmplitudeScaleFactor(0), 1.0);
  EXPECT_EQ(AmplitudeScaleFactor(1), 1.41421356237);  // twelve digits, not full sqrt(2)
  EXPECT_EQ(AmplitudeScaleFactor(2), 2.82842712474);
  EXPECT_EQ(AmplitudeScaleFactor(7), 1.0);
}

}  // namespace
}  // namespace bextor
