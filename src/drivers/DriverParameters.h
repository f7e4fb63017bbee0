#pragma once
// The driver parameter table: one row per status position, with the parameter's name (its
// file key), quantity kind, field and reset state. The solver, the checks, the driver file
// and the editor all read the parameters through this table.

#include "drivers/Driver.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace bextor {

struct TDriverParameter {
  int Pos;                // status position in ParState
  std::string_view Name;  // field name and file key
  int Kind;               // quantity kind; 0 for a plain number, an integer or a choice
  double TDriverData::*Field;           // the double field, or nullptr for an integer
  std::int32_t TDriverData::*IntField;  // the integer field (numVC, VCCon), or nullptr
  double ResetValue;      // c and roo are filled from the environment after the reset
  char ResetLetter;
};

const std::array<TDriverParameter, kDriverParameterCount>& DriverParameters();
// The row of a status position (0..48).
const TDriverParameter& DriverParameter(int pos);

// A parameter's value as a double, and setting it (integers are rounded to the nearest).
double GetParameterValue(const TDriverData& data, const TDriverParameter& parameter);
void SetParameterValue(TDriverData& data, const TDriverParameter& parameter, double value);

// Status positions used by name elsewhere.
enum TDriverParameterPos : int {
  ppZnom = 0, ppFs = 1, ppPe = 2, ppSPL = 3, ppRe = 4, ppLe = 5, ppfLe = 6, ppKLe = 7, ppBL = 8,
  ppXmax = 9, ppXlim = 10, ppCms = 11, ppQms = 12, ppQes = 13, ppQts = 14, ppRms = 15, ppMms = 16,
  ppSd = 17, ppVd = 18, ppVas = 19, ppDia = 20, ppDd = 21, ppno = 22, ppnumVC = 23, ppHc = 24,
  ppHg = 25, ppSPLmax = 26, ppSPLmaxLF = 27, ppUSPL = 28, ppalfaVC = 29, ppRt = 30, ppCt = 31,
  ppgamma = 32, ppEBP = 33, ppRme = 34, ppMpow = 35, ppMcost = 36, ppGloss = 37, ppThick = 38,
  ppDepth = 39, ppMagDepth = 40, ppMagnet = 41, ppBasket = 42, ppOuter = 43, ppVcd = 44,
  ppDVol = 45, ppVCCon = 46, ppc = 47, ppRoo = 48,
};

}  // namespace bextor
