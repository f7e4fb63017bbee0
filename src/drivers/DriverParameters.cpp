#include "DriverParameters.h"

#include "drivers/DriverRelations.h"

#include "settings/Units.h"

#include <algorithm>
#include <cmath>

namespace bextor {
namespace {

using D = TDriverData;

constexpr TDriverParameter Num(int pos, std::string_view name, int kind, double D::*field) {
  return {pos, name, kind, field, nullptr, 0.0, 'N'};
}

const std::array<TDriverParameter, kDriverParameterCount> kParameters = {{
    Num(0, "Znom", qkResistance, &D::Znom),
    Num(1, "Fs", qkFrequency, &D::Fs),
    Num(2, "Pe", qkPower, &D::Pe),
    Num(3, "SPL", qkLevel, &D::SPL),
    Num(4, "Re", qkResistance, &D::Re),
    Num(5, "Le", qkInductance, &D::Le),
    Num(6, "fLe", qkFrequency, &D::fLe),
    Num(7, "KLe", qkSemiInductance, &D::KLe),
    Num(8, "BL", qkForceFactor, &D::BL),
    Num(9, "Xmax", qkLength, &D::Xmax),
    Num(10, "Xlim", qkLength, &D::Xlim),
    Num(11, "Cms", qkCompliance, &D::Cms),
    Num(12, "Qms", 0, &D::Qms),
    Num(13, "Qes", 0, &D::Qes),
    Num(14, "Qts", 0, &D::Qts),
    Num(15, "Rms", qkMechResistance, &D::Rms),
    Num(16, "Mms", qkMass, &D::Mms),
    Num(17, "Sd", qkArea, &D::Sd),
    Num(18, "Vd", qkVolume, &D::Vd),
    Num(19, "Vas", qkVolume, &D::Vas),
    Num(20, "Dia", qkLength, &D::Dia),
    Num(21, "Dd", qkLength, &D::Dd),
    Num(22, "no", qkPercent, &D::no),
    {23, "numVC", 0, nullptr, &D::numVC, 1.0, 'E'},
    Num(24, "Hc", qkLength, &D::Hc),
    Num(25, "Hg", qkLength, &D::Hg),
    Num(26, "SPLmax", qkLevel, &D::SPLmax),
    Num(27, "SPLmaxLF", qkLevel, &D::SPLmaxLF),
    Num(28, "USPL", qkLevel, &D::USPL),
    Num(29, "alfaVC", qkTempCoefficient, &D::alfaVC),
    Num(30, "Rt", qkThermalResistance, &D::Rt),
    Num(31, "Ct", qkHeatCapacity, &D::Ct),
    Num(32, "gamma", qkGamma, &D::gamma),
    Num(33, "EBP", qkFrequency, &D::EBP),
    Num(34, "Rme", qkMechResistance, &D::Rme),
    Num(35, "Mpow", qkMotorConstant, &D::Mpow),
    Num(36, "Mcost", qkMechResistance, &D::Mcost),
    Num(37, "Gloss", qkPercent, &D::Gloss),
    Num(38, "Thick", qkLength, &D::Thick),
    Num(39, "Depth", qkLength, &D::Depth),
    Num(40, "MagDepth", qkLength, &D::MagDepth),
    Num(41, "Magnet", qkLength, &D::Magnet),
    Num(42, "Basket", qkLength, &D::Basket),
    Num(43, "Outer", qkLength, &D::Outer),
    Num(44, "Vcd", qkLength, &D::Vcd),
    Num(45, "DVol", qkVolume, &D::DVol),
    {46, "VCCon", 0, nullptr, &D::VCCon, 1.0, 'N'},
    {47, "c", qkVelocity, &D::c, nullptr, 0.0, 'C'},
    {48, "roo", qkDensity, &D::roo, nullptr, 0.0, 'C'},
}};

}  // namespace

const std::array<TDriverParameter, kDriverParameterCount>& DriverParameters() { return kParameters; }

const TDriverParameter& DriverParameter(int pos) { return kParameters.at(static_cast<std::size_t>(pos)); }

double GetParameterValue(const TDriverData& data, const TDriverParameter& parameter) {
  return parameter.Field ? data.*parameter.Field : static_cast<double>(data.*parameter.IntField);
}

void SetParameterValue(TDriverData& data, const TDriverParameter& parameter, double value) {
  if (parameter.Field) {
    data.*parameter.Field = value;
  } else {
    const double rounded = std::isfinite(value) ? std::nearbyint(value) : 0.0;
    data.*parameter.IntField = static_cast<std::int32_t>(std::clamp(rounded, -2147483648.0, 2147483647.0));
  }
}

bool AllKnown(const TDriverData& data, const TParameterList& positions) {
  for (int pos : positions)
    if (pos >= 0 && !(GetParameterValue(data, DriverParameter(pos)) > 0.0)) return false;
  return true;
}

}  // namespace bextor
