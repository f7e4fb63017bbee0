#include "DriverFile.h"

#include "drivers/Driver.h"
#include "drivers/DriverParameters.h"
#include "persistence/IniFile.h"
#include "persistence/IniValues.h"
#include "settings/Settings.h"
#include "simulation/AirProperties.h"

#include <algorithm>
#include <array>
#include <limits>

namespace bextor {
namespace {

// The numeric keys in file order (rows 8 to 55 of the driver section).
constexpr std::array<int, 48> kFileOrder = {
    ppQts,    ppZnom,   ppFs,       ppPe,     ppSPL,   ppRe,    ppLe,    ppfLe,    ppKLe,   ppBL,
    ppXmax,   ppCms,    ppQms,      ppQes,    ppRms,   ppMms,   ppSd,    ppVas,    ppDia,   ppVd,
    ppno,     ppDd,     ppEBP,      ppnumVC,  ppHc,    ppHg,    ppSPLmax, ppSPLmaxLF, ppUSPL, ppalfaVC,
    ppRt,     ppCt,     ppgamma,    ppRme,    ppMpow,  ppMcost, ppGloss, ppVCCon,  ppc,     ppRoo,
    ppThick,  ppDepth,  ppMagDepth, ppMagnet, ppBasket, ppOuter, ppVcd,  ppDVol};

std::string ParameterKey(int pos) { return std::string(DriverParameter(pos).Name); }

// An integer key whose value must lie in [low, high]; otherwise 1 and a warning.
std::int32_t ReadCount(const TIniFile& ini, int pos, std::int32_t low, std::int32_t high,
                       std::vector<std::string>& warnings) {
  const std::string key = ParameterKey(pos);
  const std::int32_t value = ini.ReadInteger(kDriverSection, key, 1);
  if (value >= low && value <= high) return value;
  warnings.push_back(RangeWarning(ini, kDriverSection, key, value, 1));
  return 1;
}

}  // namespace

std::string RangeWarning(const TIniFile& ini, const std::string& section, const std::string& key,
                         long long value, long long replacement) {
  return ini.FileName() + ": [" + section + "] " + key + "=" + std::to_string(value) + " is out of range; " +
         std::to_string(replacement) + " is used";
}

void WriteDriverIni(TIniFile& ini, const TDriverObject& driver) {
  const TDriverData& d = driver.Data;
  ini.WriteString(kDriverSection, "Brand", d.Brand);
  ini.WriteString(kDriverSection, "Model", d.Model);
  ini.WriteString(kDriverSection, "Manufacturer", d.Manufacturer);
  ini.WriteString(kDriverSection, "ProvidedBy", d.ProvidedBy);
  ini.WriteString(kDriverSection, "Comment", TextToIni(d.Comment));
  ini.WriteString(kDriverSection, "DateAdded", DateToIniStr(d.DateAdded));
  ini.WriteString(kDriverSection, "DateModified", DateToIniStr(d.DateModified));
  for (int pos : kFileOrder) {
    const TDriverParameter& parameter = DriverParameter(pos);
    if (parameter.IntField) {
      ini.WriteInteger(kDriverSection, parameter.Name, d.*parameter.IntField);
    } else {
      ini.WriteFloat(kDriverSection, parameter.Name, d.*parameter.Field);
    }
  }
  ini.WriteString(kDriverSection, "ParState", std::string(d.ParState.begin(), d.ParState.end()));
}

void ReadDriverIni(const TIniFile& ini, TDriverObject& driver, const TEnvironment& environment,
                   std::vector<std::string>& warnings) {
  TDriverData& d = driver.Data;
  d.Brand = ini.ReadString(kDriverSection, "Brand", "");
  d.Model = ini.ReadString(kDriverSection, "Model", "");
  d.Manufacturer = ini.ReadString(kDriverSection, "Manufacturer", "");
  d.ProvidedBy = ini.ReadString(kDriverSection, "ProvidedBy", "");
  d.Comment = IniToText(ini.ReadString(kDriverSection, "Comment", ""));
  const std::string today = DateToIniStr(Today());
  d.DateAdded = IniStrToDate(ini.ReadString(kDriverSection, "DateAdded", today));
  d.DateModified = IniStrToDate(ini.ReadString(kDriverSection, "DateModified", today));

  for (int pos : kFileOrder) {
    const TDriverParameter& parameter = DriverParameter(pos);
    if (pos == ppnumVC) {
      d.numVC = ReadCount(ini, pos, 1, std::numeric_limits<std::int32_t>::max(), warnings);
    } else if (pos == ppVCCon) {
      d.VCCon = ReadCount(ini, pos, 1, 2, warnings);
    } else if (pos == ppc) {
      // The speed of sound defaults to the one of the air density read next.
      const std::string roo_default =
          FloatToStrDot(AirDensity(environment.Temperature, environment.AirPressure, environment.Humidy));
      d.roo = StrToFloatAny(ini.ReadString(kDriverSection, "roo", roo_default));
      d.c = StrToFloatAny(ini.ReadString(kDriverSection, "c", FloatToStrDot(SoundVelocity(environment.AirPressure, d.roo))));
    } else if (pos != ppRoo) {
      d.*parameter.Field = StrToFloatAny(ini.ReadString(kDriverSection, parameter.Name, "0"));
    }
  }

  const std::string states = ini.ReadString(kDriverSection, "ParState", std::string(kDriverParameterCount, 'E'));
  std::copy_n(states.begin(), std::min<std::size_t>(states.size(), kDriverParameterCount), d.ParState.begin());
}

}  // namespace bextor
