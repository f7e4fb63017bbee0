#include "ConsistencyCheck.h"

#include "common/MathConstants.h"
#include "drivers/DriverParameters.h"
#include "drivers/DriverRelations.h"

#include <cmath>
#include <numbers>

namespace bextor {
namespace {

constexpr double pi = std::numbers::pi;

using D = TDriverData;

double H(const D& d) { return ShorterOfCoilAndGap(d); }

struct TCheck {
  TParameterList Requires;
  double (*Error)(const D&);
};

constexpr TParameterList R(std::initializer_list<int> positions) { return Parameters(positions); }

const std::array<TCheck, kConsistencyRelationCount> kChecks = {{
    {R({ppQms, ppFs, ppCms, ppRms}), [](const D& d) { return (d.Qms - 1.0 / (kTwoPi * d.Fs * d.Cms * d.Rms)) / d.Qms; }},
    {R({ppBL, ppFs, ppMms, ppRe, ppQes}), [](const D& d) { return (d.Qes - kTwoPi * d.Fs * d.Mms * d.Re / (d.BL * d.BL)) / d.Qes; }},
    {R({ppRme, ppBL, ppRe}), [](const D& d) { return (d.Rme - d.BL * d.BL / d.Re) / d.Rme; }},
    {R({ppRme, ppFs, ppMms, ppQes}), [](const D& d) { return (d.Rme - kTwoPi * d.Fs * d.Mms / d.Qes) / d.Rme; }},
    {R({ppQts, ppQms, ppQes}), [](const D& d) { return (d.Qts - 1.0 / (1.0 / d.Qms + 1.0 / d.Qes)) / d.Qts; }},
    {R({ppSd, ppDd}), [](const D& d) { return (d.Sd - pi * d.Dd * d.Dd / 4.0) / d.Sd; }},
    {R({ppMcost, ppRme, ppHc, ppHg, ppXmax}), [](const D& d) { return (d.Mcost - (H(d) + d.Xmax) * d.Rme / H(d)) / d.Mcost; }},
    {R({ppMpow, ppBL, ppRe}), [](const D& d) { return (d.Mpow - d.BL / std::sqrt(d.Re)) / d.Mpow; }},
    {R({ppMpow, ppRme}), [](const D& d) { return (d.Mpow - std::sqrt(d.Rme)) / d.Mpow; }},
    {R({ppCms, ppVas, ppSd, ppRoo, ppc}), [](const D& d) { return (d.Cms - d.Vas / (d.c * d.c * d.roo * d.Sd * d.Sd)) / d.Cms; }},
    {R({ppMms, ppCms, ppFs}), [](const D& d) { return (d.Mms - 1.0 / ((kTwoPi * d.Fs) * (kTwoPi * d.Fs) * d.Cms)) / d.Mms; }},
    {R({ppEBP, ppFs, ppQes}), [](const D& d) { return (d.EBP - d.Fs / d.Qes) / d.EBP; }},
    {R({ppgamma, ppBL, ppMms}), [](const D& d) { return (d.gamma - d.BL / d.Mms) / d.gamma; }},
    {R({ppno, ppc, ppFs, ppQes, ppVas}),
     [](const D& d) { return (d.no - kTwoPi * kTwoPi * d.Fs * d.Fs * d.Fs * d.Vas / (d.c * d.c * d.c * d.Qes)) / d.no; }},
    {R({ppno, ppSd, ppBL, ppMms, ppRe, ppc, ppRoo}),
     [](const D& d) { return (d.no - d.BL * d.BL * d.Sd * d.Sd * d.roo / (d.Mms * d.Mms * kTwoPi * d.c * d.Re)) / d.no; }},
    {R({ppSPLmax, ppPe, ppSPL}), [](const D& d) { return (d.SPLmax - (10.0 * std::log10(d.Pe) + d.SPL - 3.0)) / d.SPLmax; }},
    {R({ppUSPL, ppSPL, ppRe}), [](const D& d) { return (d.USPL - (10.0 * std::log10(8.0089 / d.Re) + d.SPL)) / d.USPL; }},
    {R({ppno, ppSPL, ppRoo, ppc}),
     [](const D& d) { return (d.SPL - 10.0 * std::log10(d.no / ((4e-10 / (d.c * d.roo)) * kTwoPi))) / d.SPL; }},
    {R({ppXmax, ppHc, ppHg}), [](const D& d) { return (d.Xmax - std::abs(d.Hg - d.Hc) / 2.0) / d.Xmax; }},
    {R({ppVd, ppSd, ppXmax}), [](const D& d) { return (d.Vd - d.Sd * d.Xmax) / d.Vd; }},
    {R({ppGloss, ppFs, ppXmax}), [](const D& d) { return (d.Gloss - 9.80665 / ((kTwoPi * d.Fs) * (kTwoPi * d.Fs) * d.Xmax)) / d.Gloss; }},
    {R({ppSPLmaxLF, ppRoo, ppVd}), [](const D& d) {
       return (d.SPLmaxLF - 20.0 * std::log10(kTwoPi * d.roo * d.Vd * 400.0 / 1.4142135623730951 / 2e-05)) / d.SPLmaxLF;
     }},
}};

}  // namespace

const std::array<std::string_view, kConsistencyRelationCount> ConsistencyLabels = {
    "Qms, Fs, Cms, Rms",        "Bl, Fs, Mms, Re, Qes", "Rme, Bl, Re",         "Rme, Fs, Mms, Qes",
    "Qts, Qms, Qes",            "Sd, Dd",               "Mcost, Rme, Hc, Hg, Xmax", "Mpow, Bl, Re",
    "Mpow, Rme",                "Cms, Vas, Sd",         "fs, Mms, Cms",        "EBP, fs, Qes",
    "Gamma, Bl, Mms",           "no, c, Fs, Qes, Vas",  "no, Sd, Bl, Mms, Re", "SPLmax, Pe, SPL",
    "USPL, SPL, Re",            "no, SPL, rho, c",      "Xmax, Hc, Hg",        "Vd, Sd, Xmax",
    "Gloss, fs, Xmax",          "SPLmaxLF, rho, Vd"};

bool CheckConsistency(TDriverObject& driver) {
  TDriverData& d = driver.Data;
  bool result = true;
  for (std::size_t i = 0; i < kChecks.size(); ++i) {
    d.ParErrors[i] = AllKnown(d, kChecks[i].Requires) ? kChecks[i].Error(d) : 0.0;
    if (!(std::abs(d.ParErrors[i]) <= kConsistencyTolerance)) result = false;
  }
  return result;
}

std::vector<std::string> FailedConsistencyGroups(const TDriverObject& driver) {
  std::vector<std::string> labels;
  for (std::size_t i = 0; i < ConsistencyLabels.size(); ++i)
    if (std::abs(driver.Data.ParErrors[i]) > kConsistencyTolerance) labels.emplace_back(ConsistencyLabels[i]);
  return labels;
}

}  // namespace bextor
