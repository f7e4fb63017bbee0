#include "simulation/BoxMath.h"

#include "app/Project.h"
#include "simulation/AirProperties.h"
#include "simulation/BoxRoutines.h"
#include "support/DriverFixtures.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <numbers>

namespace bextor {
namespace {

constexpr double pi = std::numbers::pi;
const TEnvironment kAir;
using test::Design;

// Prepares for `kind` and evaluates at f; the reports go into `reports`.
struct TRun {
  std::unique_ptr<TBoxSimFunc> routine;
  std::map<int, double> reports;
  TComplex operator()(TProject& project, int kind, double f) {
    if (!routine) routine = BoxMath_GetFunc(project.Box.BType);
    (*routine)(kind, project, [this](const TProject&, int code, double value) { reports[code] = value; });
    project.Signal.Freq = f;
    return (*routine)(skEvaluate, project);
  }
};

TComplex Eval(TProject& project, int kind, double f) { return TRun()(project, kind, f); }

TEST(BoxMath, RoutinesByBoxType) {
  for (int type = btClosed; type <= btABC; ++type) EXPECT_NE(BoxMath_GetFunc(type), nullptr);
  test::TRecordingSink sink;
  EXPECT_EQ(BoxMath_GetFunc(6), nullptr);
  EXPECT_EQ(BoxMath_GetFunc(-1), nullptr);
  EXPECT_EQ(sink.Messages, std::vector<std::string>(2, "Unknown boxtype in : BoxMath_GetFunc()"));
}

TEST(BoxMath, UnsupportedKindsAreZero) {
  const std::map<int, std::vector<int>> supported = {
      {btClosed, {0, 8, 10, 11, 12, 13, 14}},       {btVented, {0, 3, 4, 6, 8, 10, 11, 12, 13, 14}},
      {btBandpass4, {0, 2, 5, 8, 10, 11, 12, 13, 14}}, {btBandpass6, {0, 2, 3, 5, 6, 8, 10, 11, 12, 13, 14}},
      {btPassiveRadiator, {0, 1, 8, 9, 10, 11, 12, 13, 14}}, {btABC, {0, 2, 3, 5, 6, 7, 8, 10, 11, 12, 13, 14}}};
  for (const auto& [type, kinds] : supported) {
    auto project = Design(type);
    for (int kind = 0; kind < 15; ++kind) {
      const bool listed = std::find(kinds.begin(), kinds.end(), kind) != kinds.end();
      const TComplex value = Eval(*project, kind, 45.0);
      EXPECT_EQ(value != TComplex(), listed) << "type " << type << " kind " << kind;
    }
  }
  auto vented = Design(btVented);
  EXPECT_EQ(Eval(*vented, skReserved, 45.0), TComplex(1.0, 0.0));
}

TEST(ClosedBox, ReportsApproachTheLosslessAlignment) {
  auto project = Design(btClosed);
  project->Driver.Assign(test::ConsistentDriver(30.0, 0.35 * 20.0 / 19.0, 7.0, 0.1));  // Qts 0.35
  project->Box.Vr = 0.05;
  project->Box.Qlr = project->Box.Qar = 1e7;
  project->Box.alfaVC = 0.0;
  TRun run;
  run(*project, skTransfer, 50.0);
  EXPECT_NEAR(run.reports.at(icResonance), 30.0 * std::sqrt(3.0), 0.01);  // 51.96 Hz
  EXPECT_NEAR(run.reports.at(icQtc), 0.35 * std::sqrt(3.0), 1e-3);       // 0.606
}

TEST(ClosedBox, AStronglyDampedBoxReportsQBelowOneHalf) {
  auto project = Design(btClosed);
  project->Driver.Assign(test::ConsistentDriver(30.0, 0.2, 3.0, 0.05));
  project->Box.Vr = 0.5;
  TRun run;
  run(*project, skTransfer, 50.0);
  ASSERT_TRUE(run.reports.count(icQtc));
  EXPECT_LT(run.reports.at(icQtc), 0.5);
  EXPECT_GT(run.reports.at(icQtc), 0.15);
}

TEST(ClosedBox, ImpedancePeaksAtTheReportedResonanceAndTheResponseLevelsOff) {
  auto project = Design(btClosed);
  project->Box.Qlr = project->Box.Qar = 1e6;  // the peak is the resonance of the lossless box
  TRun run;
  run(*project, skImpedance, 50.0);
  const double Fc = run.reports.at(icResonance);
  double peak_f = 0.0, peak = 0.0;
  for (double f = 20.0; f < 150.0; f *= 1.0005) {
    project->Signal.Freq = f;
    const double z = std::abs((*run.routine)(skEvaluate, *project));
    if (z > peak) peak = z, peak_f = f;
  }
  EXPECT_NEAR(peak_f, Fc, 0.01 * Fc);

  // Far above resonance the chamber losses alone set the level: Ral/(Rab + Ral).
  project->Box.Qlr = 10.0;
  project->Box.Qar = 5.0;
  Eval(*project, skTransfer, 50.0);
  const TBox& box = project->Box;
  const double rho = AirDensity(box.T, box.p, box.phi), c = SoundVelocity(box.p, rho);
  const double Cab = box.Vr / (c * c * rho);
  const TDriverSimulation& s = project->Driver.Sim;
  const double Cat = 1.0 / (1.0 / Cab + 1.0 / s.Cas);
  const double Rab = std::sqrt(s.Mas / (box.Qar * box.Qar * Cat));
  const double Ral = box.Qlr / (2.0 * pi * (1.0 / (2.0 * pi * std::sqrt(s.Mas * Cat))) * Cab);
  EXPECT_NEAR(std::abs(Eval(*project, skTransfer, 3000.0)), Ral / (Rab + Ral), 2e-3);
}

TEST(CubicRoots, ClosedFormsAgainstKnownPolynomials) {
  // (s + 1)(s + 2)(s + 3) = s³ + 6s² + 11s + 6
  const TCubicRoots real = SolveMonicCubic(6.0, 11.0, 6.0);
  ASSERT_TRUE(real.three_real);
  std::vector<double> r = {real.roots[0].real(), real.roots[1].real(), real.roots[2].real()};
  std::sort(r.begin(), r.end());
  EXPECT_NEAR(r[0], -3.0, 1e-12);
  EXPECT_NEAR(r[1], -2.0, 1e-12);
  EXPECT_NEAR(r[2], -1.0, 1e-12);
  // (s + 2)(s² + 2s + 5): roots −2 and −1 ± 2j
  const TCubicRoots mixed = SolveMonicCubic(4.0, 9.0, 10.0);
  ASSERT_FALSE(mixed.three_real);
  EXPECT_NEAR(std::abs(mixed.roots[0] - TComplex(-2.0, 0.0)), 0.0, 1e-12);
  EXPECT_NEAR(std::abs(mixed.roots[1] - TComplex(-1.0, 2.0)), 0.0, 1e-12);
}

TEST(VentedBox, ThePortTakesOverAtTheTuning) {
  auto project = Design(btVented);
  double min_f = 0.0, min_x = INFINITY;
  TRun run;
  run(*project, skExcursion, 30.0);
  for (double f = 15.0; f < 60.0; f *= 1.001) {
    project->Signal.Freq = f;
    const double x = std::abs((*run.routine)(skEvaluate, *project));
    if (x < min_x) min_x = x, min_f = f;
  }
  EXPECT_NEAR(min_f, 30.0, 1.5);
  // The impedance dip between its two peaks lies there too.
  TRun impedance;
  impedance(*project, skImpedance, 30.0);
  double dip_f = 0.0, dip = INFINITY;
  for (double f = 20.0; f < 45.0; f *= 1.001) {
    project->Signal.Freq = f;
    const double z = std::abs((*impedance.routine)(skEvaluate, *project));
    if (z < dip) dip = z, dip_f = f;
  }
  EXPECT_NEAR(dip_f, 30.0, 1.5);
  // At the tuning the cone's own contribution is small beside the port's. The chamber's
  // compression (H) is the cone's flow less the port's, and kind 3 is ω·Up.
  const TComplex H = Eval(*project, skTransfer, min_f);
  const TComplex port = Eval(*project, skRearPortGain, min_f);
  const TComplex cone = H + TComplex(0.0, 1.0) * port;
  EXPECT_LT(std::abs(cone), 0.3 * std::abs(port));
}

TEST(VentedBox, TransmissionLinePortsInParallel) {
  auto one = Design(btVented), two = Design(btVented);
  one->Options.TLPorts = two->Options.TLPorts = true;
  TVent& a = one->Box.RearVent;
  TVent& b = two->Box.RearVent;
  b.Num = 2;
  b.carea = a.carea / 2.0;  // two ports of half the area: the same line
  b.len = a.len;
  for (double f : {20.0, 30.0, 80.0, 300.0})
    EXPECT_NEAR(std::abs(Eval(*two, skTransfer, f) - Eval(*one, skTransfer, f)), 0.0, 1e-12) << f;

  // Lengths derived from the tuning differ only by the end corrections.
  auto derived = Design(btVented);
  derived->Options.TLPorts = true;
  TVent& c = derived->Box.RearVent;
  c.Num = 2;
  c.dia1 = a.dia1 / std::sqrt(2.0);
  c.len = 0.0;
  c.CalculateVent(derived->Box.GetSoundVelocity());
  for (double f : {25.0, 30.0, 40.0})
    EXPECT_NEAR(std::abs(Eval(*derived, skTransfer, f)), std::abs(Eval(*one, skTransfer, f)), 0.1) << f;
}

TEST(Bandpass4, WithoutLeaksTheFrontPortIsTheOutput) {
  auto project = Design(btBandpass4);
  project->Box.Qlr = project->Box.Qlf = 1e9;
  TRun run;
  run(*project, skTransfer, 50.0);
  const TDriverSimulation& s = project->Driver.Sim;
  const double Cr = project->Box.Vr / (s.SimC * s.SimC * s.SimRho);
  const double Cat = 1.0 / (1.0 / s.Cas + 1.0 / Cr);
  EXPECT_NEAR(run.reports.at(icResonance), 1.0 / (2.0 * pi * std::sqrt(Cat * s.Mas)), 1e-9);
  for (double f : {20.0, 50.0, 70.0, 200.0}) {
    const TComplex H = Eval(*project, skTransfer, f);
    EXPECT_NEAR(std::abs(Eval(*project, skFrontPortGain, f) - H), 0.0, 1e-6 * std::abs(H)) << f;
  }
}

TEST(Bandpass6, WithoutLeaksTheOutputIsFrontMinusRear) {
  auto project = Design(btBandpass6);
  project->Box.Qlr = project->Box.Qlf = 1e9;
  for (double f : {20.0, 45.0, 90.0, 200.0}) {
    const TComplex H = Eval(*project, skTransfer, f);
    const TComplex parts = Eval(*project, skFrontPortGain, f) - Eval(*project, skRearPortGain, f);
    EXPECT_NEAR(std::abs(parts - H), 0.0, 1e-6 * std::abs(H)) << f;
  }
}

TEST(ABCBox, ALongClosedIntraPortLeavesTheVentedBox) {
  auto abc = Design(btABC);
  abc->Box.IntraVent.len = 1e6;
  abc->Box.Qiclfr = 1e12;
  auto vented = Design(btVented);
  for (double f : {15.0, 30.0, 60.0, 150.0}) {
    const TComplex a = Eval(*abc, skTransfer, f), v = Eval(*vented, skTransfer, f);
    EXPECT_NEAR(std::abs(a - v), 0.0, 1e-4 * std::abs(v)) << f;
  }
  abc->Box.IntraVent.len = 0.0;
  EXPECT_EQ(Eval(*abc, skTransfer, 30.0), TComplex());
}

TEST(PassiveRadiatorBox, Reports) {
  auto project = Design(btPassiveRadiator);
  TRun run;
  run(*project, skTransfer, 40.0);
  EXPECT_GT(run.reports.at(icResonance), run.reports.at(icPRResonance));
  project->Box.PassiveRadiator.Me = 0.0;
  TRun bare;
  bare(*project, skTransfer, 40.0);
  EXPECT_NEAR(bare.reports.at(icPRResonance), 20.0, 1e-9);
  for (auto zero : {&TPassiveRadiator::Vas, &TPassiveRadiator::fs, &TPassiveRadiator::Qms, &TPassiveRadiator::Sd}) {
    auto broken = Design(btPassiveRadiator);
    broken->Box.PassiveRadiator.*zero = 0.0;
    TRun none;
    EXPECT_EQ(none(*broken, skTransfer, 40.0), TComplex());
    EXPECT_TRUE(none.reports.empty());
  }
}

TEST(PassiveRadiatorBox, TheRadiatorLimitsPowerAndSPL) {
  auto project = Design(btPassiveRadiator);
  project->Driver.Data.Xmax = 1.0;  // only the radiator and the thermal limit count
  project->Driver.Data.Pe = 1e6;
  project->Options.SPLisXmaxLimited = true;
  const double f = 20.0;  // near the radiator's own resonance, where it moves most
  const double pmax = Eval(*project, skMaxPower, f).real();
  const double xr = std::sqrt(2.0) * std::abs(Eval(*project, skExcursionPR, f));  // at P = 1 W
  EXPECT_NEAR(pmax, std::pow(0.015 / xr, 2.0), 1e-9 * pmax);
  project->Signal.P = 2.0 * pmax;
  const double limited = std::abs(Eval(*project, skSPL, f));
  project->Signal.P = 4.0 * pmax;
  EXPECT_NEAR(std::abs(Eval(*project, skSPL, f)), limited, 1e-9 * limited);
}

TEST(BoxMath, MissingLimitsAreSkipped) {
  auto project = Design(btClosed);
  const double f = 40.0;
  const double both = Eval(*project, skMaxPower, f).real();
  project->Driver.Data.Pe = 0.0;
  const double excursion_only = Eval(*project, skMaxPower, f).real();
  EXPECT_GT(excursion_only, 0.0);
  EXPECT_GE(excursion_only, both);
  project->Driver.Data.Xmax = 0.0;
  EXPECT_EQ(Eval(*project, skMaxPower, f), TComplex());
  EXPECT_EQ(Eval(*project, skMaxSPL, f), TComplex());
  project->Options.SPLisXmaxLimited = true;
  project->Signal.P = 1000.0;
  const TComplex limited = Eval(*project, skSPL, f);
  project->Options.SPLisXmaxLimited = false;
  EXPECT_EQ(limited, Eval(*project, skSPL, f));  // no Xmax: nothing to limit by
}

TEST(BoxMath, FlatResponse) {
  for (int type : {btClosed, btVented, btBandpass4, btABC}) {
    auto project = Design(type);
    const double f = 47.0;
    const TComplex H = Eval(*project, skTransfer, f);
    std::map<int, TComplex> plain;
    for (int kind : {skExcursion, skSPL, skImpedance, skMaxPower, skMaxSPL, skGroupDelay})
      plain[kind] = Eval(*project, kind, f);
    project->Options.FlatResponse = true;
    EXPECT_EQ(Eval(*project, skTransfer, f), TComplex(1.0, 0.0));
    EXPECT_NEAR(std::abs(Eval(*project, skExcursion, f) - plain[skExcursion] / H), 0.0, 1e-12 * std::abs(plain[skExcursion] / H));
    EXPECT_NEAR(std::abs(Eval(*project, skSPL, f) - plain[skSPL] / H), 0.0, 1e-9 * std::abs(plain[skSPL] / H));
    for (int kind : {skImpedance, skMaxPower, skMaxSPL, skGroupDelay}) EXPECT_EQ(Eval(*project, kind, f), plain[kind]) << kind;
  }
}

TEST(BoxMath, PistonDirectivity) {
  auto project = Design(btClosed);
  project->Driver.Data.Sd = 0.0133;
  const double f = 1000.0;
  const TComplex on_axis = Eval(*project, skTransfer, f);
  project->Box.theta = pi / 2.0;
  EXPECT_NEAR(std::abs(Eval(*project, skTransfer, f)) / std::abs(on_axis), 0.833, 0.002);
  project->Options.FlatResponse = true;
  EXPECT_NEAR(Eval(*project, skTransfer, f).real(), 0.833, 0.002);
  auto bandpass = Design(btBandpass4);  // no directivity for this type
  const TComplex front = Eval(*bandpass, skTransfer, f);
  bandpass->Box.theta = pi / 2.0;
  EXPECT_EQ(Eval(*bandpass, skTransfer, f), front);
}

TEST(BoxMath, GroupDelayIsContinuousThroughPhaseWraps) {
  for (int type = btClosed; type <= btABC; ++type) {
    auto project = Design(type);
    TRun run;
    run(*project, skGroupDelay, 10.0);
    for (double f = 5.0; f < 2000.0; f *= 1.003) {
      project->Signal.Freq = f;
      const double tau = (*run.routine)(skEvaluate, *project).real();
      ASSERT_LT(std::abs(tau), 0.5) << "type " << type << " at " << f << " Hz";
    }
  }
}

TEST(BoxMath, MissingOrZeroInputsGiveZeroNeverNaN) {
  std::vector<std::unique_ptr<TProject>> cases;
  for (int type = btClosed; type <= btABC; ++type) {
    auto no_driver = Design(type);
    no_driver->Driver.Reset(kAir);
    cases.push_back(std::move(no_driver));
    for (auto field : {&TBox::Vr, &TBox::Fr, &TBox::Vf, &TBox::Ff, &TBox::Qlr, &TBox::Qar, &TBox::Qpr, &TBox::Qlf,
                       &TBox::Qaf, &TBox::Qpf, &TBox::Qiclfr, &TBox::Sdfport, &TBox::Sdrport, &TBox::Sdiport, &TBox::d,
                       &TBox::T}) {
      auto zeroed = Design(type);
      zeroed->Box.*field = 0.0;
      cases.push_back(std::move(zeroed));
    }
    auto no_ports = Design(type);
    no_ports->Options.TLPorts = true;
    no_ports->Box.RearVent.carea = no_ports->Box.FrontVent.carea = 0.0;
    cases.push_back(std::move(no_ports));
    auto no_drivers = Design(type);
    no_drivers->Box.Nd = 0;
    cases.push_back(std::move(no_drivers));
  }
  for (auto& project : cases) {
    for (int kind = 0; kind < 15; ++kind) {
      TRun run;
      for (double f : {0.0, 1e-3, 10.0, 30.0, 1000.0, 1e6}) {
        const TComplex value = run(*project, kind, f);
        ASSERT_TRUE(std::isfinite(value.real()) && std::isfinite(value.imag()))
            << "type " << project->Box.BType << " kind " << kind << " f " << f;
      }
      for (const auto& [code, value] : run.reports) ASSERT_TRUE(std::isfinite(value));
    }
  }
  auto empty = Design(btVented);
  empty->Driver.Reset(kAir);
  EXPECT_EQ(Eval(*empty, skTransfer, 30.0), TComplex());
  auto closed = Design(btClosed);
  closed->Box.Vr = 0.0;
  TRun run;
  EXPECT_EQ(run(*closed, skTransfer, 30.0), TComplex());
  EXPECT_TRUE(run.reports.empty());
}

TEST(BoxMath, ACurveDoesNotDependOnWhatWasPreparedBefore) {
  auto a = Design(btVented), b = Design(btVented);
  b->Box.Vr = 0.2;
  b->Box.Fr = 22.0;
  auto routine = BoxMath_GetFunc(btVented);
  (*routine)(skSPL, *a);
  (*routine)(skSPL, *b);
  b->Signal.Freq = 25.0;
  EXPECT_EQ((*routine)(skEvaluate, *b), Eval(*b, skSPL, 25.0));
  auto broken = Design(btVented);
  broken->Box.Fr = 0.0;
  (*routine)(skSPL, *a);
  (*routine)(skSPL, *broken);  // fails: the routine is no longer prepared
  broken->Box.Fr = 30.0;
  broken->Signal.Freq = 25.0;
  EXPECT_EQ((*routine)(skEvaluate, *broken), TComplex());
}

}  // namespace
}  // namespace bextor
