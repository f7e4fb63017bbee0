#pragma once
// Quantity kinds and their display units. Every model value is held in its SI base unit;
// a control shows it in the unit the user chose for that control:
//   display = (base + Offset) * Factor,   base = display / Factor - Offset.
// The kind numbers and unit indices are stored in "unitindex.dat" and must not change.

#include <cstdint>
#include <string_view>

namespace bextor {

enum TQuantityKind : int {
  qkLength = 1,
  qkVolume = 2,
  qkArea = 3,
  qkFrequency = 4,
  qkResistance = 5,
  qkInductance = 6,
  qkLevel = 7,
  qkPower = 8,
  qkVelocity = 9,
  qkTemperature = 10,
  qkPressure = 11,
  qkMass = 12,
  qkMechResistance = 13,
  qkCompliance = 14,
  qkPercent = 15,
  qkTempCoefficient = 16,
  qkForceFactor = 17,
  qkThermalResistance = 18,
  qkHeatCapacity = 19,
  qkGamma = 20,
  qkMotorConstant = 21,
  qkSemiInductance = 22,
  qkDensity = 23,
  qkTempDifference = 24,
  qkAngle = 25,
  qkVoltage = 26,
};

constexpr int kFirstQuantityKind = qkLength;
constexpr int kLastQuantityKind = qkVoltage;

struct TUnitInfo {
  std::string_view Name;  // UTF-8; the degree sign is U+00B0
  double Factor;
  std::uint8_t Digits;  // decimals shown in this unit
  double Offset;
};

bool IsQuantityKind(int kind);
// Number of units of a kind; 1 for a kind outside 1..26 (the unit-less record).
int UnitCount(int kind);
// Row `index` of the kind's unit list. A kind outside 1..26 gives the unit-less record
// {"", 1.0, 3, 0.0}; an index outside the kind's list gives its base unit (index 0), so a
// damaged choice file never reads past the table.
const TUnitInfo& GetUnitInfo(int kind, int index);
// Index of the unit named `name` in the kind's list, or -1.
int FindUnitIndex(int kind, std::string_view name);

double ToDisplay(int kind, int index, double base_value);
double FromDisplay(int kind, int index, double display_value);

// Amplitude scales of the excursion and air-velocity plots: 0 "rms", 1 "peak", 2 "p-p".
struct TAmplitudeScale {
  std::string_view Name;
  double Factor;
};
constexpr int kAmplitudeScaleCount = 3;
// An index outside 0..2 gives row 0 ("rms").
const TAmplitudeScale& GetAmplitudeScale(int index);
double AmplitudeScaleFactor(int index);

}  // namespace bextor
