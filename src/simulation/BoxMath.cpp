#include "BoxMath.h"

#include "app/Project.h"
#include "common/MathConstants.h"
#include "common/MessageSink.h"
#include "simulation/AirProperties.h"
#include "simulation/BoxRoutines.h"
#include "simulation/DriverModel.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace bextor {
namespace {

const double kSqrt2 = std::sqrt(2.0);

TComplex FiniteOrZero(TComplex value) {
  return std::isfinite(value.real()) && std::isfinite(value.imag()) ? value : TComplex();
}

}  // namespace

std::unique_ptr<TBoxSimFunc> BoxMath_GetFunc(int box_type) {
  switch (box_type) {
    case btClosed: return MakeClosedBoxRoutine();
    case btVented: return MakeVentedBoxRoutine();
    case btBandpass4: return MakeBandpass4Routine();
    case btBandpass6: return MakeBandpass6Routine();
    case btPassiveRadiator: return MakePassiveRadiatorRoutine();
    case btABC: return MakeABCRoutine();
    default:
      ShowMessage("Unknown boxtype in : BoxMath_GetFunc()");
      return nullptr;
  }
}

TComplex TBoxSimFunc::operator()(int kind, TProject& project, const TSimInfoEvent& info) {
  if (!Preconditions(project)) {
    FPrepared = false;  // a later evaluation must not use another project's elements
    return {};
  }
  if (kind == skEvaluate) return FPrepared ? Evaluate(project) : TComplex();

  FKind = kind;
  FPrepared = false;
  const TBox& box = project.Box;
  rho = AirDensity(box.T, box.p, box.phi);
  c = SoundVelocity(box.p, rho);
  TDriverObject& driver = project.Driver;
  driver.Sim.SimRho = rho;
  driver.Sim.SimC = c;
  driver.Sim.SimNd = box.Nd;
  driver.Sim.SimMed = box.Med;
  driver.Sim.SimRg = project.Signal.Rg;
  driver.Sim.SimdTVC = box.dTVC;
  driver.Data.alfaVC = box.alfaVC;
  driver.Sim.SimIsobarik = box.Isobarik;
  PrepareDriverModel(driver);
  if (!driver.Sim.CanSimulate) return {};
  PrepareBox(project, info);
  FPrepared = true;
  return {};
}

void TBoxSimFunc::Report(const TSimInfoEvent& info, const TProject& project, int code, double value) {
  if (info && std::isfinite(value)) info(project, code, value);
}

TComplex TBoxSimFunc::LinePort(double resistance, double w, int ports, double area, double length) const {
  return {resistance, rho * c / (ports * area) * std::tan(w * length / c)};
}

double TBoxSimFunc::Directivity(const TProject& project, double w) const {
  const double Sd = project.Driver.Data.Sd;
  const double theta = project.Box.theta;
  if (!(Sd > 0.0) || theta == 0.0) return 1.0;
  // Far field of a rigid circular piston: 2·J1(x)/x, an even function of x.
  const double x = std::abs(std::sqrt(Sd / std::numbers::pi) * (w / c) * std::sin(theta));
  return x > 0.0 ? 2.0 * std::cyl_bessel_j(1.0, x) / x : 1.0;
}

double TBoxSimFunc::MaxPower(const TProject& project, TComplex p1, const TNetwork& net, double w) const {
  const TDriverObject& driver = project.Driver;
  // Each limit takes part only when its data exist (0 means missing).
  double limit = INFINITY;
  if (driver.Data.Xmax > 0.0) {
    const double x1 = kSqrt2 * ConeExcursionMagnitude(driver, p1, net.Zload, w, 1.0);
    limit = std::min(limit, std::pow(driver.Data.Xmax / x1, 2.0));
  }
  if (FRadiatorArea > 0.0 && FRadiatorXmax > 0.0) {
    const TComplex xr1 = PlainDiv(net.Radiator * p1 * (driver.Sim.XExcursion / FRadiatorArea), TComplex(0.0, w));
    limit = std::min(limit, std::pow(FRadiatorXmax / (kSqrt2 * Magnitude(xr1)), 2.0));
  }
  if (driver.Data.Pe > 0.0)
    limit = std::min(limit, project.Box.Nd * driver.Data.Pe * (project.Box.Isobarik ? 2.0 : 1.0));
  return std::isfinite(limit) ? limit : 0.0;
}

TComplex TBoxSimFunc::Evaluate(const TProject& project) const {
  const int kind = FKind;
  if (!Supports(kind)) return {};
  const TDriverObject& driver = project.Driver;
  const TDriverSimulation& sim = driver.Sim;
  const TBox& box = project.Box;
  const double f = project.Signal.Freq;
  const double P = project.Signal.P;
  const double sqrt_P = std::sqrt(P);
  const double w = kTwoPi * f;
  const TComplex jw(0.0, w);
  const bool ports = kind == skTransferPR || kind == skFrontPortGain || kind == skRearPortGain ||
                     kind == skFrontPortVelocity || kind == skRearPortVelocity || kind == skIntraPortVelocity;
  const TNetwork net = Network(w, project, ports);
  const TComplex p1 = SourcePressure(driver, net.Zload, w);
  const bool flat = project.Options.FlatResponse;
  const bool directional = FBoxType == btClosed || FBoxType == btVented || FBoxType == btPassiveRadiator;
  const double D = directional ? Directivity(project, w) : 1.0;
  const auto H = [&] { return jw * net.Uo * p1 * sim.XTransfer; };  // without the directivity factor
  const auto flatten = [&](TComplex value) { return flat ? PlainDiv(value, H()) : value; };
  // Shares: times jω, except the vented box's port and the passive radiator (real ω).
  const TComplex share_factor = FBoxType == btVented || FBoxType == btPassiveRadiator ? TComplex(w, 0.0) : jw;
  const auto radiator_excursion = [&](double sqrt_power) {
    return PlainDiv(net.Radiator * p1 * (sim.XExcursion / FRadiatorArea), jw) * sqrt_power;
  };
  const auto pressure = [&](double sqrt_power) { return jw * net.Uo * p1 * (sim.XSPL * sqrt_power / box.d * D); };

  TComplex value;
  switch (kind) {
    case skTransfer: value = flat ? TComplex(D, 0.0) : H() * D; break;
    case skTransferPR: value = flatten(net.Radiator * p1 * sim.XTransfer * share_factor); break;
    case skFrontPortGain: value = flatten(net.Front * p1 * sim.XTransfer * share_factor); break;
    case skRearPortGain: value = flatten(net.Rear * p1 * sim.XTransfer * share_factor); break;
    case skReserved: value = FBoxType == btVented ? TComplex(1.0, 0.0) : TComplex(); break;
    case skFrontPortVelocity: value = flatten(net.Front * p1 * (sim.XExcursion / box.Sdfport * sqrt_P)); break;
    case skRearPortVelocity: value = flatten(net.Rear * p1 * (sim.XExcursion / box.Sdrport * sqrt_P)); break;
    case skIntraPortVelocity: value = flatten(net.Intra * p1 * (sim.XExcursion / box.Sdiport * sqrt_P)); break;
    case skExcursion: value = flatten(ConeExcursionFrom(driver, p1, net.Zload, w, P)); break;
    case skExcursionPR: value = flatten(radiator_excursion(sqrt_P)); break;
    case skImpedance: value = ElectricalImpedance(driver, net.Zload, f); break;
    case skMaxPower: value = MaxPower(project, p1, net, w); break;
    case skMaxSPL: value = pressure(std::sqrt(MaxPower(project, p1, net, w))); break;
    case skSPL: {
      value = pressure(sqrt_P);
      if (project.Options.SPLisXmaxLimited && !flat) {
        const double x = kSqrt2 * ConeExcursionMagnitude(driver, p1, net.Zload, w, sqrt_P);
        if (driver.Data.Xmax > 0.0 && driver.Data.Xmax < x) value *= driver.Data.Xmax / x;
        if (FRadiatorArea > 0.0 && FRadiatorXmax > 0.0) {
          const double xr = kSqrt2 * Magnitude(radiator_excursion(sqrt_P));
          if (FRadiatorXmax < xr) value *= FRadiatorXmax / xr;
        }
      }
      value = flatten(value);
      break;
    }
    case skGroupDelay: {
      volatile double shifted = f + 1e-10;  // the step actually representable at f
      const double df = shifted - f;
      if (df == 0.0) return {};
      const auto phase = [&](double frequency) {
        const double wf = kTwoPi * frequency;
        const TNetwork n = Network(wf, project, false);
        return std::arg(n.Uo * SourcePressure(driver, n.Zload, wf));
      };
      double phase_plus = phase(f + df);
      const double phase_minus = phase(f - df);
      if (phase_plus - phase_minus > std::numbers::pi) phase_plus -= 2.0 * std::numbers::pi;
      if (phase_plus - phase_minus < -std::numbers::pi) phase_plus += 2.0 * std::numbers::pi;
      value = (phase_minus - phase_plus) / (4.0 * std::numbers::pi * df);
      break;
    }
    default: break;
  }
  return FiniteOrZero(value);
}

}  // namespace bextor
