#include "ParameterSolver.h"

#include "common/Errors.h"
#include "common/MathConstants.h"
#include "common/NumberFormat.h"
#include "drivers/Driver.h"
#include "drivers/DriverParameters.h"
#include "drivers/DriverRelations.h"
#include "settings/Settings.h"
#include "simulation/AirProperties.h"

#include <array>
#include <cmath>
#include <numbers>
#include <set>

namespace bextor {
namespace {

constexpr double pi = std::numbers::pi;
constexpr double g = 9.80665;           // standard gravity, m/s²
constexpr double kPref2 = 4e-10;        // square of the 20 µPa reference pressure
constexpr double kPref = 2e-05;         // reference pressure, Pa
constexpr double kF20Squared = 400.0;   // (20 Hz)²
constexpr double kSqrt2 = 1.4142135623730951;
constexpr double kPower283 = 8.0089;    // watts in 1 Ω at 2.83 V

using D = TDriverData;

double H(const D& d) { return ShorterOfCoilAndGap(d); }
// F of the driver body: Dd² + Vcd·Dd + Vcd².
double F(const D& d) { return d.Dd * d.Dd + d.Vcd * d.Dd + d.Vcd * d.Vcd; }

struct TRelation {
  int Target;
  TParameterList Requires;
  double (*Formula)(const D&);
};

constexpr TParameterList R(std::initializer_list<int> positions) { return Parameters(positions); }

// The relations in the order they are tried.
const std::array<TRelation, 71> kRelations = {{
    /* 1 */ {ppQts, R({ppQms, ppQes}), [](const D& d) { return d.Qes * d.Qms / (d.Qes + d.Qms); }},
    /* 2 */ {ppSPL, R({ppno, ppRoo, ppc}), [](const D& d) { return 10.0 * std::log10(d.no / ((kPref2 / (d.c * d.roo)) * kTwoPi)); }},
    /* 3 */ {ppBL, R({ppRe, ppSd, ppFs, ppQes, ppVas, ppRoo, ppc}),
             [](const D& d) { return std::sqrt(d.c * d.c * d.Re * d.Sd * d.Sd * d.roo / (kTwoPi * d.Fs * d.Qes * d.Vas)); }},
    /* 4 */ {ppBL, R({ppno, ppSd, ppMms, ppRe, ppRoo, ppc}),
             [](const D& d) { return std::sqrt(d.Mms * d.Mms * d.no * kTwoPi * d.c * d.Re / (d.Sd * d.Sd * d.roo)); }},
    /* 5 */ {ppBL, R({ppFs, ppMms, ppRe, ppQes}), [](const D& d) { return std::sqrt(kTwoPi * d.Fs * d.Mms * d.Re / d.Qes); }},
    /* 6 */ {ppBL, R({ppgamma, ppMms}), [](const D& d) { return d.Mms * d.gamma; }},
    /* 7 */ {ppBL, R({ppMpow, ppRe}), [](const D& d) { return std::sqrt(d.Re) * d.Mpow; }},
    /* 8 */ {ppBL, R({ppRme, ppRe}), [](const D& d) { return std::sqrt(d.Re * d.Rme); }},
    /* 9 */ {ppFs, R({ppMms, ppCms}), [](const D& d) { return 1.0 / (kTwoPi * std::sqrt(d.Cms * d.Mms)); }},
    /* 10 */ {ppFs, R({ppQes, ppVas, ppno}),
              [](const D& d) { return std::cbrt(d.c * d.c * d.c * d.no * d.Qes / (kTwoPi * kTwoPi * d.Vas)); }},
    /* 11 */ {ppFs, R({ppQes, ppBL, ppMms, ppRe}), [](const D& d) { return d.BL * d.BL * d.Qes / (kTwoPi * d.Mms * d.Re); }},
    /* 12 */ {ppFs, R({ppRme, ppQes, ppMms}), [](const D& d) { return d.Qes * d.Rme / (kTwoPi * d.Mms); }},
    /* 13 */ {ppFs, R({ppEBP, ppQes}), [](const D& d) { return d.Qes * d.EBP; }},
    /* 14 */ {ppFs, R({ppGloss, ppXmax}), [](const D& d) { return std::sqrt(g / (4.0 * pi * pi * d.Gloss * d.Xmax)); }},
    /* 15 */ {ppQes, R({ppFs, ppMms, ppRe, ppBL}), [](const D& d) { return kTwoPi * d.Fs * d.Mms * d.Re / (d.BL * d.BL); }},
    /* 16 */ {ppQes, R({ppFs, ppMms, ppRme}), [](const D& d) { return kTwoPi * d.Fs * d.Mms / d.Rme; }},
    /* 17 */ {ppQes, R({ppno, ppFs, ppVas}),
              [](const D& d) { return d.Fs * d.Fs * d.Fs * kTwoPi * kTwoPi * d.Vas / (d.c * d.c * d.c * d.no); }},
    /* 18 */ {ppQes, R({ppQts, ppQms}), [](const D& d) { return 1.0 / (1.0 / d.Qts - 1.0 / d.Qms); }},
    /* 19 */ {ppQes, R({ppFs, ppEBP}), [](const D& d) { return d.Fs / d.EBP; }},
    /* 20 */ {ppQms, R({ppFs, ppCms, ppRms}), [](const D& d) { return 1.0 / (kTwoPi * d.Fs * d.Cms * d.Rms); }},
    /* 21 */ {ppQms, R({ppQts, ppQes}), [](const D& d) { return 1.0 / (1.0 / d.Qts - 1.0 / d.Qes); }},
    /* 22 */ {ppCms, R({ppVas, ppSd, ppRoo, ppc}), [](const D& d) { return d.Vas / (d.c * d.c * d.roo * d.Sd * d.Sd); }},
    /* 23 */ {ppCms, R({ppFs, ppMms}), [](const D& d) { return 1.0 / ((kTwoPi * d.Fs) * (kTwoPi * d.Fs) * d.Mms); }},
    /* 24 */ {ppMms, R({ppFs, ppCms}), [](const D& d) { return 1.0 / ((kTwoPi * d.Fs) * (kTwoPi * d.Fs) * d.Cms); }},
    /* 25 */ {ppMms, R({ppno, ppSd, ppBL, ppRe, ppRoo, ppc}),
              [](const D& d) { return std::sqrt(d.BL * d.BL * d.Sd * d.Sd * d.roo / (2.0 * d.no * pi * d.c * d.Re)); }},
    /* 26 */ {ppMms, R({ppQes, ppBL, ppRe, ppFs}), [](const D& d) { return d.BL * d.BL * d.Qes / (kTwoPi * d.Fs * d.Re); }},
    /* 27 */ {ppMms, R({ppRme, ppQes, ppFs}), [](const D& d) { return d.Qes * d.Rme / (kTwoPi * d.Fs); }},
    /* 28 */ {ppMms, R({ppgamma, ppBL}), [](const D& d) { return d.BL / d.gamma; }},
    /* 29 */ {ppRms, R({ppFs, ppCms, ppQms}), [](const D& d) { return 1.0 / (kTwoPi * d.Fs * d.Cms * d.Qms); }},
    /* 30 */ {ppEBP, R({ppFs, ppQes}), [](const D& d) { return d.Fs / d.Qes; }},
    /* 31 */ {ppno, R({ppFs, ppQes, ppVas}),
              [](const D& d) { return kTwoPi * kTwoPi * d.Fs * d.Fs * d.Fs * d.Vas / (d.c * d.c * d.c * d.Qes); }},
    /* 32 */ {ppno, R({ppSd, ppBL, ppMms, ppRe, ppRoo, ppc}),
              [](const D& d) { return d.BL * d.BL * d.Sd * d.Sd * d.roo / (d.Mms * d.Mms * kTwoPi * d.c * d.Re); }},
    /* 33 */ {ppno, R({ppSPL, ppRoo, ppc}), [](const D& d) { return std::pow(10.0, d.SPL / 10.0) * (kPref2 / (d.c * d.roo)) * kTwoPi; }},
    /* 34 */ {ppVas, R({ppFs, ppno, ppQes, ppc}),
              [](const D& d) { return d.c * d.c * d.c * d.Qes * d.no / (d.Fs * d.Fs * d.Fs * kTwoPi * kTwoPi); }},
    /* 35 */ {ppVas, R({ppCms, ppSd, ppRoo, ppc}), [](const D& d) { return d.Sd * d.Sd * d.Cms * d.c * d.c * d.roo; }},
    /* 36 */ {ppVd, R({ppSd, ppXmax}), [](const D& d) { return d.Sd * d.Xmax; }},
    /* 37 */ {ppVd, R({ppSPLmaxLF, ppRoo}),
              [](const D& d) { return std::pow(10.0, d.SPLmaxLF / 20.0) * kPref * kSqrt2 / (kTwoPi * d.roo * kF20Squared); }},
    // Nominal impedance: 0.75·Re rounded to the nearest integer (ties to even), doubled.
    /* 38 */ {ppZnom, R({ppRe}), [](const D& d) { return 2.0 * std::nearbyint(0.75 * d.Re); }},
    /* 39 */ {ppSPLmax, R({ppSPL, ppPe}), [](const D& d) { return 10.0 * std::log10(d.Pe) + d.SPL - 3.0; }},
    /* 40 */ {ppXmax, R({ppHg, ppHc}), [](const D& d) { return std::abs(d.Hg - d.Hc) / 2.0; }},
    /* 41 */ {ppXmax, R({ppSd, ppVd}), [](const D& d) { return d.Vd / d.Sd; }},
    /* 42 */ {ppXmax, R({ppRme, ppHc, ppHg, ppMcost}), [](const D& d) { return (d.Mcost / d.Rme - 1.0) * H(d); }},
    /* 43 */ {ppXmax, R({ppFs, ppGloss}), [](const D& d) { return g / ((kTwoPi * d.Fs) * (kTwoPi * d.Fs) * d.Gloss); }},
    /* 44 */ {ppHc, R({ppHg, ppXmax}), [](const D& d) { return d.Hg > 2.0 * d.Xmax ? d.Hg - 2.0 * d.Xmax : d.Hg + 2.0 * d.Xmax; }},
    /* 45 */ {ppHg, R({ppHc, ppXmax}), [](const D& d) { return d.Hc >= 2.0 * d.Xmax ? d.Hc - 2.0 * d.Xmax : d.Hc + 2.0 * d.Xmax; }},
    /* 46 */ {ppSd, R({ppDd}), [](const D& d) { return pi * d.Dd * d.Dd / 4.0; }},
    /* 47 */ {ppSd, R({ppXmax, ppVd}), [](const D& d) { return d.Vd / d.Xmax; }},
    /* 48 */ {ppSd, R({ppno, ppBL, ppMms, ppRe, ppRoo, ppc}),
              [](const D& d) { return std::sqrt(d.Mms * d.Mms * d.no * kTwoPi * d.c * d.Re / (d.BL * d.BL * d.roo)); }},
    /* 49 */ {ppSd, R({ppVas, ppCms, ppRoo, ppc}), [](const D& d) { return std::sqrt(d.Vas / (d.roo * d.Cms * d.c * d.c)); }},
    /* 50 */ {ppUSPL, R({ppRe, ppSPL}), [](const D& d) { return 10.0 * std::log10(kPower283 / d.Re) + d.SPL; }},
    /* 51 */ {ppDd, R({ppSd}), [](const D& d) { return std::sqrt(4.0 * d.Sd / pi); }},
    /* 52 */ {ppRe, R({ppno, ppSd, ppBL, ppMms, ppRoo, ppc}),
              [](const D& d) { return d.BL * d.BL * d.Sd * d.Sd * d.roo / (d.Mms * d.Mms * kTwoPi * d.c * d.no); }},
    /* 53 */ {ppRe, R({ppMms, ppQes, ppBL, ppFs}), [](const D& d) { return d.BL * d.BL * d.Qes / (kTwoPi * d.Mms * d.Fs); }},
    /* 54 */ {ppRe, R({ppMpow, ppBL}), [](const D& d) { return (d.BL / d.Mpow) * (d.BL / d.Mpow); }},
    /* 55 */ {ppRe, R({ppRme, ppBL}), [](const D& d) { return d.BL * d.BL / d.Rme; }},
    /* 56 */ {ppRme, R({ppFs, ppMms, ppQes}), [](const D& d) { return kTwoPi * d.Fs * d.Mms / d.Qes; }},
    /* 57 */ {ppRme, R({ppBL, ppRe}), [](const D& d) { return d.BL * d.BL / d.Re; }},
    /* 58 */ {ppRme, R({ppMpow}), [](const D& d) { return d.Mpow * d.Mpow; }},
    /* 59 */ {ppRme, R({ppMcost, ppHc, ppHg, ppXmax}), [](const D& d) { return d.Mcost / ((H(d) + d.Xmax) / H(d)); }},
    /* 60 */ {ppSPLmaxLF, R({ppVd, ppRoo}),
              [](const D& d) { return 20.0 * std::log10(kTwoPi * d.roo * d.Vd * kF20Squared / kSqrt2 / kPref); }},
    /* 61 */ {ppgamma, R({ppBL, ppMms}), [](const D& d) { return d.BL / d.Mms; }},
    /* 62 */ {ppMpow, R({ppBL, ppRe}), [](const D& d) { return d.BL / std::sqrt(d.Re); }},
    /* 63 */ {ppMpow, R({ppRme}), [](const D& d) { return std::sqrt(d.Rme); }},
    /* 64 */ {ppPe, R({ppSPL, ppSPLmax}), [](const D& d) { return std::pow(10.0, (d.SPLmax - d.SPL + 3.0) / 10.0); }},
    /* 65 */ {ppMcost, R({ppRme, ppHc, ppHg, ppXmax}), [](const D& d) { return (H(d) + d.Xmax) * d.Rme / H(d); }},
    /* 66 */ {ppKLe, R({ppLe, ppfLe}), [](const D& d) { return std::sqrt(kTwoPi * d.fLe) * d.Le; }},
    /* 67 */ {ppGloss, R({ppFs, ppXmax}), [](const D& d) { return g / ((kTwoPi * d.Fs) * (kTwoPi * d.Fs) * d.Xmax); }},
    /* 68 */ {ppDVol, R({ppDd, ppDepth, ppMagDepth, ppMagnet, ppVcd}), [](const D& d) {
              return (d.Magnet * d.Magnet * d.MagDepth + (d.Dd * d.Dd + d.Vcd * d.Vcd + d.Vcd * d.Dd) * (d.Depth - d.MagDepth) / 3.0) * pi / 4.0;
            }},
    /* 69 */ {ppMagnet, R({ppDd, ppDepth, ppMagDepth, ppDVol, ppVcd}), [](const D& d) {
              return std::sqrt((12.0 * d.DVol - F(d) * (d.Depth - d.MagDepth) * pi) / (3.0 * d.MagDepth * pi));
            }},
    /* 70 */ {ppDepth, R({ppDd, ppDVol, ppMagDepth, ppMagnet, ppVcd}), [](const D& d) {
              return ((F(d) - 3.0 * d.Magnet * d.Magnet) * pi * d.MagDepth + 12.0 * d.DVol) / (pi * F(d));
            }},
    /* 71 */ {ppMagDepth, R({ppDd, ppDepth, ppDVol, ppMagnet, ppVcd}), [](const D& d) {
              return (F(d) * d.Depth * pi - 12.0 * d.DVol) / (pi * (F(d) - 3.0 * d.Magnet * d.Magnet));
            }},
}};

bool Applies(const TRelation& relation, const D& d) {
  return GetParameterValue(d, DriverParameter(relation.Target)) == 0.0 && AllKnown(d, relation.Requires);
}

std::string Number(double value) { return FormatGeneral(value, DecimalSeparator()).value_or("?"); }

}  // namespace

int CalculateUnknowns(TDriverObject& driver, const TEnvironment& environment) {
  TDriverData& d = driver.Data;
  const auto letter = [&d](int pos) -> char& { return d.ParState[static_cast<std::size_t>(pos)]; };

  // Values calculated last time follow the values entered now.
  std::set<int> computable;
  for (const auto& relation : kRelations) computable.insert(relation.Target);
  for (int pos : computable)
    if (letter(pos) == 'C') SetParameterValue(d, DriverParameter(pos), 0.0);

  int passes = 0;
  bool changed = true;
  while (changed) {
    ++passes;
    changed = false;
    if (d.roo == 0.0) {
      d.roo = AirDensity(environment.Temperature, environment.AirPressure, environment.Humidy);
      letter(ppRoo) = 'C';
    }
    if (d.c == 0.0) {
      d.c = SoundVelocity(environment.AirPressure, d.roo);
      letter(ppc) = 'C';
    }
    for (const auto& relation : kRelations) {
      if (!Applies(relation, d)) continue;
      const TDriverParameter& target = DriverParameter(relation.Target);
      const double value = relation.Formula(d);
      if (!std::isfinite(value)) {
        std::string inputs;
        for (int pos : relation.Requires)
          if (pos >= 0) inputs += (inputs.empty() ? "" : ", ") + std::string(DriverParameter(pos).Name) + " = " + Number(GetParameterValue(d, DriverParameter(pos)));
        throw EMathError("Arithmetic error while calculating " + std::string(target.Name) + " from " + inputs);
      }
      SetParameterValue(d, target, value);
      letter(relation.Target) = 'C';
      // A result of exactly 0 leaves the target missing: it does not count as progress,
      // so the passes always end.
      if (value != 0.0) changed = true;
    }
  }
  return passes;
}

}  // namespace bextor
