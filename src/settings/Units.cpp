#include "Units.h"

#include <array>
#include <span>

namespace bextor {
namespace {

// Factors are exactly these values: they are what the user's stored unit choices mean.
constexpr TUnitInfo kLength[] = {{"m", 1.0, 3, 0.0},          {"mm", 1000.0, 1, 0.0},
                                 {"cm", 100.0, 2, 0.0},       {"in", 39.37007874015748, 2, 0.0},
                                 {"ft", 3.2808398950131235, 3, 0.0}, {"yd", 1.0936132983377078, 3, 0.0}};
constexpr TUnitInfo kVolume[] = {{"m^3", 1.0, 4, 0.0},       {"l", 1000.0, 2, 0.0},
                                 {"in^3", 61023.744, 1, 0.0}, {"ft^3", 35.3147, 3, 0.0},
                                 {"cm^3", 1000000.0, 0, 0.0}};
constexpr TUnitInfo kArea[] = {{"m^2", 1.0, 4, 0.0},     {"cm^2", 10000.0, 1, 0.0},
                               {"mm^2", 1000000.0, 0, 0.0}, {"in^2", 1550.0, 2, 0.0},
                               {"ft^2", 10.7639, 4, 0.0},  {"yd^2", 1.19599, 4, 0.0}};
constexpr TUnitInfo kFrequency[] = {{"Hz", 1.0, 2, 0.0}, {"kHz", 0.001, 5, 0.0}};
constexpr TUnitInfo kResistance[] = {{"ohm", 1.0, 3, 0.0}};
constexpr TUnitInfo kInductance[] = {{"H", 1.0, 6, 0.0}, {"mH", 1000.0, 2, 0.0}};
constexpr TUnitInfo kLevel[] = {{"dB", 1.0, 2, 0.0}};
constexpr TUnitInfo kPower[] = {{"W", 1.0, 1, 0.0}};
constexpr TUnitInfo kVelocity[] = {{"m/s", 1.0, 2, 0.0},      {"cm/s", 100.0, 1, 0.0},
                                   {"ft/s", 3.2808399, 2, 0.0}, {"km/h", 3.6, 2, 0.0},
                                   {"mph", 2.2369363, 2, 0.0}};
constexpr TUnitInfo kTemperature[] = {{"K", 1.0, 2, 0.0},
                                      {"\u00B0C", 1.0, 2, -273.15},
                                      {"\u00B0F", 1.8, 2, -255.37}};
constexpr TUnitInfo kPressure[] = {{"Pa", 1.0, 1, 0.0},         {"kPa", 0.001, 3, 0.0},
                                   {"bar", 1e-05, 5, 0.0},       {"atm", 9.86923267e-06, 6, 0.0},
                                   {"psi", 0.00014503774, 5, 0.0}};
constexpr TUnitInfo kMass[] = {{"kg", 1.0, 5, 0.0}, {"g", 1000.0, 1, 0.0}};
constexpr TUnitInfo kMechResistance[] = {{"Ns/m", 1.0, 5, 0.0}, {"kg/s", 1.0, 5, 0.0}};
constexpr TUnitInfo kCompliance[] = {{"m/N", 1.0, 7, 0.0}, {"mm/N", 1000.0, 4, 0.0},
                                     {"um/N", 1000000.0, 1, 0.0}};
constexpr TUnitInfo kPercent[] = {{"%", 100.0, 4, 0.0}};
constexpr TUnitInfo kTempCoefficient[] = {{"1/K", 1.0, 7, 0.0},
                                          {"1000/K", 1000.0, 4, 0.0},
                                          {"1/\u00B0C", 1.0, 7, 0.0},
                                          {"1000/\u00B0C", 1000.0, 4, 0.0},
                                          {"1/\u00B0F", 0.5555555555555556, 7, 0.0},
                                          {"1000/\u00B0F", 555.5555555555555, 4, 0.0}};
constexpr TUnitInfo kForceFactor[] = {{"Tm", 1.0, 5, 0.0}, {"N/A", 1.0, 5, 0.0}};
constexpr TUnitInfo kThermalResistance[] = {{"K/W", 1.0, 5, 0.0}};
constexpr TUnitInfo kHeatCapacity[] = {{"J/K", 1.0, 5, 0.0}};
constexpr TUnitInfo kGamma[] = {{"N/(A*kg)", 1.0, 5, 0.0}};
constexpr TUnitInfo kMotorConstant[] = {{"N/sqrt(W)", 1.0, 5, 0.0}};
constexpr TUnitInfo kSemiInductance[] = {{"H*sqrt(Hz)", 1.0, 6, 0.0}, {"mH*sqrt(Hz)", 1000.0, 3, 0.0}};
constexpr TUnitInfo kDensity[] = {{"kg/m^3", 1.0, 5, 0.0}};
constexpr TUnitInfo kTempDifference[] = {{"K", 1.0, 2, 0.0}, {"\u00B0C", 1.0, 2, 0.0}, {"\u00B0F", 1.8, 2, 0.0}};
constexpr TUnitInfo kAngle[] = {{"rad", 1.0, 4, 0.0}, {"deg", 57.29577951308232, 3, 0.0},
                                {"grad", 63.66197723675813, 3, 0.0}};
constexpr TUnitInfo kVoltage[] = {{"V", 1.0, 1, 0.0}};

constexpr TUnitInfo kUnitless = {"", 1.0, 3, 0.0};

// Indexed by kind - 1.
constexpr std::array<std::span<const TUnitInfo>, 26> kUnitTable = {
    kLength,         kVolume,        kArea,        kFrequency,     kResistance,
    kInductance,     kLevel,         kPower,       kVelocity,      kTemperature,
    kPressure,       kMass,          kMechResistance, kCompliance, kPercent,
    kTempCoefficient, kForceFactor,  kThermalResistance, kHeatCapacity, kGamma,
    kMotorConstant,  kSemiInductance, kDensity,    kTempDifference, kAngle,
    kVoltage};

// The peak factors are stored with these 12 significant digits on purpose.
constexpr TAmplitudeScale kAmplitudeScales[kAmplitudeScaleCount] = {
    {"rms", 1.0}, {"peak", 1.41421356237}, {"p-p", 2.82842712474}};

}  // namespace

bool IsQuantityKind(int kind) { return kind >= kFirstQuantityKind && kind <= kLastQuantityKind; }

int UnitCount(int kind) {
  return IsQuantityKind(kind) ? static_cast<int>(kUnitTable[kind - 1].size()) : 1;
}

const TUnitInfo& GetUnitInfo(int kind, int index) {
  if (!IsQuantityKind(kind)) return kUnitless;
  const auto units = kUnitTable[kind - 1];
  if (index < 0 || index >= static_cast<int>(units.size())) return units[0];
  return units[static_cast<std::size_t>(index)];
}

int FindUnitIndex(int kind, std::string_view name) {
  for (int i = 0; i < UnitCount(kind); ++i)
    if (GetUnitInfo(kind, i).Name == name) return i;
  return -1;
}

double ToDisplay(int kind, int index, double base_value) {
  const TUnitInfo& unit = GetUnitInfo(kind, index);
  return (base_value + unit.Offset) * unit.Factor;
}

double FromDisplay(int kind, int index, double display_value) {
  const TUnitInfo& unit = GetUnitInfo(kind, index);
  return display_value / unit.Factor - unit.Offset;
}

const TAmplitudeScale& GetAmplitudeScale(int index) {
  if (index < 0 || index >= kAmplitudeScaleCount) return kAmplitudeScales[0];
  return kAmplitudeScales[index];
}

double AmplitudeScaleFactor(int index) { return GetAmplitudeScale(index).Factor; }

}  // namespace bextor
