#include "DriverModel.h"

#include "app/ProjectRecords.h"
#include "common/MathConstants.h"

#include <cmath>

namespace bextor {
namespace {

constexpr double kReferencePressure = 2e-5;  // Pa, 0 dB SPL

bool SimulatesInductance(const TDriverObject& driver) { return driver.Options() && driver.Options()->VCInd; }

// The model is usable when every element it divides by is positive and every working value
// finite; otherwise the evaluation functions answer 0 + 0j instead of inf or NaN.
bool ModelIsUsable(const TDriverSimulation& s) {
  for (double value : {s.FsT, s.QesT, s.QmsT, s.QtsT, s.Cas, s.Mas, s.Ras, s.Rae, s.Lace, s.SqrtRae,
                       s.SPLConst, s.MotionalFactor, s.XTransfer, s.XExcursion, s.XSPL})
    if (!std::isfinite(value)) return false;
  return s.Cas > 0.0 && s.Mas > 0.0 && s.Rae > 0.0 && s.SimNd > 0;
}

TComplex FiniteOrZero(TComplex value) {
  return std::isfinite(value.real()) && std::isfinite(value.imag()) ? value : TComplex();
}

}  // namespace

void PrepareDriverModel(TDriverObject& driver) {
  const TDriverData& d = driver.Data;
  TDriverSimulation& s = driver.Sim;
  const double isobaric_pairs = s.SimIsobarik ? 2.0 : 1.0;  // drivers per position

  // 1. Totals of all drivers.
  s.dRe = 0.0;
  s.FsT = d.Fs;
  s.VasT = s.SimNd * d.Vas;
  s.SdT = s.SimNd * d.Sd;
  s.CanShowVelocity = true;
  s.CanShowImpedance = false;
  s.CanShowExcursion = false;
  if (s.SimIsobarik) s.VasT = s.VasT / 2.0;

  // The resistance in the drive circuit: the voice coil, warmed by SimdTVC, and the
  // series resistance. It is needed whenever Re is known, whatever Q data there is.
  if (d.Re > 0.0) {
    s.dRe = d.alfaVC * d.Re * s.SimdTVC;
    s.Rtot = d.Re + s.SimRg + s.dRe;
  } else {
    s.Rtot = 0.0;
  }

  // 2. Working Q values.
  if (d.Qes > 0.0 && d.Qms > 0.0) {
    s.QmsT = d.Qms;
    s.QesT = d.Re > 0.0 ? (s.Rtot / d.Re) * d.Qes : d.Qes;
    s.QtsT = 1.0 / (1.0 / s.QesT + 1.0 / s.QmsT);
  } else {
    s.QesT = 2.0 * d.Qts;
    s.QmsT = 2.0 * d.Qts;
    s.QtsT = d.Qts;
  }

  // 3. The acoustic elements.
  bool acoustic = false;
  if (s.SimC > 0.0 && s.SimRho > 0.0 && s.FsT > 0.0 && s.VasT > 0.0) {
    acoustic = true;
    const double ws = kTwoPi * s.FsT;
    s.Cas = s.VasT / (s.SimC * s.SimRho * s.SimC);
    s.Mas = 1.0 / (ws * s.Cas * ws);
    if (s.SdT > 0.0) {
      // Each driver carries SimMed; the SimNd positions work in parallel, and an iso-baric
      // position moves two drivers' added mass.
      s.Mas += isobaric_pairs * s.SimNd * s.SimMed / (s.SdT * s.SdT);
      s.CanShowExcursion = true;
    }
    s.Ras = 1.0 / (ws * s.QmsT * s.Cas);
    s.Rae = 1.0 / (ws * s.QesT * s.Cas);
    s.FsT = 1.0 / (kTwoPi * std::sqrt(s.Cas * s.Mas));
    s.QmsT = 1.0 / (kTwoPi * s.FsT * s.Ras * s.Cas);
    s.QesT = 1.0 / (kTwoPi * s.FsT * s.Rae * s.Cas);
    s.QtsT = 1.0 / (1.0 / s.QmsT + 1.0 / s.QesT);
  }

  // 4. Voice-coil inductance: the corner Rae·Lace is Le/Rtot for any number of drivers.
  if (d.Le > 0.0 && d.BL > 0.0 && d.Sd > 0.0 && SimulatesInductance(driver)) {
    s.Lace = s.SimNd * d.Sd * d.Sd * d.Le / (d.BL * d.BL) / isobaric_pairs;
  } else {
    s.Lace = 0.0;
  }

  // 5. Drive scale: sqrt(Rae) per watt; an iso-baric pair has twice the Rae.
  if (d.Re > 0.0 && d.BL > 0.0 && d.Sd > 0.0) {
    s.SqrtRae = d.BL / (std::sqrt(s.SimNd * s.Rtot) * d.Sd) * std::sqrt(isobaric_pairs);
  } else {
    s.SqrtRae = std::sqrt(s.SimRho * s.SimC * s.SimC / (kTwoPi * s.FsT * s.VasT * s.QesT));
  }
  s.SPLConst = s.SqrtRae * s.SimRho / (kTwoPi * kReferencePressure);

  // 6. Motional part of the electrical impedance.
  if (d.BL > 0.0 && d.Sd > 0.0) {
    s.MotionalFactor = d.BL * d.BL / (s.SdT * s.SdT);
    s.CanShowImpedance = true;
  } else if (d.Re > 0.0) {
    s.MotionalFactor = s.Rtot * s.Rae / s.SimNd / isobaric_pairs;
    s.CanShowImpedance = d.Qes > 0.0;
  } else {
    s.MotionalFactor = 0.0;
  }

  // 7. ZDriver = Rs + jωM + 1/(jωC) + R/(1 + jωRL) and PSource = R/(1 + jωRL).
  const double R = s.Rae, Rs = s.Ras, C = s.Cas, M = s.Mas, L = s.Lace;
  s.ZDriver = TRationalCoeffs();
  s.ZDriver.NumOrder = 3;
  s.ZDriver.Num[0] = 1.0;
  s.ZDriver.Num[1] = Rs * C + R * C + R * L;
  s.ZDriver.Num[2] = C * L * R * Rs + M * C;
  s.ZDriver.Num[3] = C * L * M * R;
  s.ZDriver.DenOrder = 2;
  s.ZDriver.Den[0] = 0.0;
  s.ZDriver.Den[1] = C;
  s.ZDriver.Den[2] = C * L * R;
  s.PSource = TRationalCoeffs();
  s.PSource.NumOrder = 0;
  s.PSource.Num[0] = R;
  s.PSource.DenOrder = 1;
  s.PSource.Den[0] = 1.0;
  s.PSource.Den[1] = R * L;

  // 8. Output scales.
  s.XTransfer = s.Mas / s.Rae;
  s.XExcursion = s.SqrtRae / s.Rae;
  s.XSPL = s.SPLConst / s.Rae;

  s.CanSimulate = acoustic && ModelIsUsable(s);
}

TComplex SourcePressure(const TDriverObject& driver, TComplex Z, double w) {
  const TDriverSimulation& s = driver.Sim;
  if (!s.CanSimulate) return {};
  // PSource and ZDriver in their factored forms R/(1 + jωRL) and Rs + jωM + 1/(jωC) + PSource:
  // the same functions as the coefficient records, with one division fewer per frequency.
  const TComplex source = PlainDiv(TComplex(s.Rae, 0.0), TComplex(1.0, w * s.Rae * s.Lace));
  const TComplex driver_impedance = TComplex(s.Ras, w * s.Mas - 1.0 / (w * s.Cas)) + source;
  return FiniteOrZero(PlainDiv(source * Z, Z + driver_impedance));
}

TComplex BoxPressure(const TDriverObject& driver, TComplex Z, double f, double X) {
  return FiniteOrZero(X * SourcePressure(driver, Z, kTwoPi * f));
}

TComplex ElectricalImpedance(const TDriverObject& driver, TComplex Z, double f) {
  const TDriverData& d = driver.Data;
  const TDriverSimulation& s = driver.Sim;
  if (!s.CanSimulate) return {};
  const double w = kTwoPi * f;
  const TComplex Zm = s.Ras + TComplex(0.0, w * s.Mas - 1.0 / (w * s.Cas)) + Z;
  TComplex Ze = static_cast<double>(s.SimNd) * s.MotionalFactor * Inv(Zm);
  if (s.SimIsobarik) Ze = 2.0 * Ze;
  Ze += d.Re + s.dRe;
  if (SimulatesInductance(driver)) Ze += TComplex(0.0, w * d.Le);
  if (driver.Options() && driver.Options()->RgIsAtDriver && driver.Signal()) Ze += driver.Signal()->Rg;
  return FiniteOrZero(Ze);
}

TComplex ConeExcursionFrom(const TDriverObject& driver, TComplex p1, TComplex Z, double w, double P) {
  const TDriverSimulation& s = driver.Sim;
  if (!s.CanSimulate) return {};
  const TComplex V = s.SdT > 0.0 ? p1 * (s.XExcursion / s.SdT) : TComplex(1.0, 0.0);
  return FiniteOrZero(PlainDiv(V, Z * TComplex(0.0, w)) * std::sqrt(P));
}

double ConeExcursionMagnitude(const TDriverObject& driver, TComplex p1, TComplex Z, double w, double sqrt_P) {
  const TDriverSimulation& s = driver.Sim;
  if (!s.CanSimulate) return 0.0;
  const double V = s.SdT > 0.0 ? Magnitude(p1) * (s.XExcursion / s.SdT) : 1.0;
  return V / (Magnitude(Z) * w) * sqrt_P;
}

TComplex ConeExcursion(const TDriverObject& driver, TComplex Z, double f, double P) {
  const double w = kTwoPi * f;
  return ConeExcursionFrom(driver, SourcePressure(driver, Z, w), Z, w, P);
}

}  // namespace bextor
