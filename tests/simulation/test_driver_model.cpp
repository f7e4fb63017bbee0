#include "simulation/DriverModel.h"

#include "app/ProjectRecords.h"
#include "support/DriverFixtures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace bextor {
namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

// A driver prepared in a project with the given mounting.
class DriverModel : public ::testing::Test {
protected:
  TDriverObject Prepared(int drivers, bool isobaric, double med = 0.0) {
    TDriverObject driver = test::ConsistentDriver();
    driver.SetProjectRecords(&signal_, &options_);
    driver.Sim.SimNd = drivers;
    driver.Sim.SimIsobarik = isobaric;
    driver.Sim.SimMed = med;
    driver.Sim.SimRg = signal_.Rg;
    PrepareDriverModel(driver);
    return driver;
  }
  TSignalSource signal_;
  TSimulatorOptions options_;
};

struct TMounting {
  int drivers;
  bool isobaric;
};
constexpr TMounting kMountings[] = {{1, false}, {2, false}, {3, false}, {1, true}, {2, true}};

TEST_F(DriverModel, WithoutQesTheQValuesComeFromQts) {
  signal_.Rg = 1.0;
  TDriverObject driver = test::ConsistentDriver();
  driver.Data.Qes = 0.0;
  driver.Data.Qts = 0.35;
  driver.Sim.SimRg = 1.0;
  PrepareDriverModel(driver);
  EXPECT_NEAR(driver.Sim.QesT, 0.70, 1e-12);
  EXPECT_NEAR(driver.Sim.QmsT, 0.70, 1e-12);
  EXPECT_NEAR(driver.Sim.QtsT, 0.35, 1e-12);
  // The drive scale still uses the whole circuit resistance, not a stale zero.
  EXPECT_DOUBLE_EQ(driver.Sim.Rtot, 7.0);
  EXPECT_DOUBLE_EQ(driver.Sim.SqrtRae, driver.Data.BL / (std::sqrt(7.0) * driver.Data.Sd));
  EXPECT_TRUE(driver.Sim.CanSimulate);
}

TEST_F(DriverModel, SeriesResistanceAndCoilHeatingRaiseQes) {
  signal_.Rg = 0.1;
  TDriverObject driver = test::ConsistentDriver();
  driver.Data.alfaVC = 0.0039;
  driver.Sim.SimRg = 0.1;
  PrepareDriverModel(driver);
  EXPECT_NEAR(driver.Sim.QesT, 0.4 * 6.1 / 6.0, 1e-12);
  EXPECT_NEAR(driver.Sim.QmsT, 4.0, 1e-12);

  driver.Sim.SimdTVC = 50.0;
  PrepareDriverModel(driver);
  EXPECT_NEAR(driver.Sim.dRe, 0.0039 * 6.0 * 50.0, 1e-12);
  EXPECT_NEAR(driver.Sim.QesT, 0.4 * (6.1 + 1.17) / 6.0, 1e-12);
}

TEST_F(DriverModel, AddedMassLowersTheResonanceAndRaisesBothQ) {
  const TDriverObject plain = Prepared(1, false);
  const TDriverObject loaded = Prepared(1, false, 0.02);
  EXPECT_NEAR(plain.Sim.FsT, 30.0, 1e-9);
  EXPECT_LT(loaded.Sim.FsT, 30.0);
  // Mms grows from 0.0998 kg by 0.02 kg: the resonance falls with the square root.
  EXPECT_NEAR(loaded.Sim.FsT, 30.0 * std::sqrt(plain.Data.Mms / (plain.Data.Mms + 0.02)), 1e-9);
  EXPECT_NEAR(loaded.Sim.QmsT * loaded.Sim.FsT, 4.0 * 30.0, 1e-9);
  EXPECT_NEAR(loaded.Sim.QesT * loaded.Sim.FsT, 0.4 * 30.0, 1e-9);
}

TEST_F(DriverModel, AddedMassGivesTheSameResonanceForAnyNumberOfDrivers) {
  const double single = Prepared(1, false, 0.02).Sim.FsT;
  for (const auto& m : kMountings) {
    SCOPED_TRACE(testing::Message() << m.drivers << (m.isobaric ? " iso-baric" : ""));
    EXPECT_NEAR(Prepared(m.drivers, m.isobaric, 0.02).Sim.FsT, single, 1e-9);
  }
}

TEST_F(DriverModel, SeveralDriversAndIsobaricPairs) {
  const TDriverObject two = Prepared(2, false);
  EXPECT_DOUBLE_EQ(two.Sim.VasT, 0.2);
  EXPECT_DOUBLE_EQ(two.Sim.SdT, 0.1);
  const TDriverObject pairs = Prepared(2, true);
  EXPECT_DOUBLE_EQ(pairs.Sim.VasT, 0.1);
  EXPECT_DOUBLE_EQ(pairs.Sim.SdT, 0.1);
  EXPECT_NEAR(pairs.Sim.FsT, 30.0, 1e-9);
  EXPECT_NEAR(pairs.Sim.QtsT, two.Sim.QtsT, 1e-12);
  // An iso-baric pair's doubled motional term meets its doubled acoustic impedance: at no
  // acoustic load its impedance curve is that of one driver.
  const TDriverObject one = Prepared(1, false);
  const TDriverObject pair = Prepared(1, true);
  for (double f : {10.0, 30.0, 100.0}) {
    const TComplex z1 = ElectricalImpedance(one, {}, f), z2 = ElectricalImpedance(pair, {}, f);
    EXPECT_NEAR(std::abs(z2 - z1), 0.0, 1e-9 * std::abs(z1)) << f;
  }
}

TEST_F(DriverModel, BothDriveScaleBranchesAgreeForAConsistentDriver) {
  signal_.Rg = 0.3;
  for (const auto& m : kMountings) {
    SCOPED_TRACE(testing::Message() << m.drivers << (m.isobaric ? " iso-baric" : ""));
    const TDriverObject full = Prepared(m.drivers, m.isobaric);
    EXPECT_NEAR(full.Sim.SqrtRae, std::sqrt(full.Sim.Rae), 1e-12 * full.Sim.SqrtRae);

    TDriverObject no_bl = full;  // the fallbacks: drive scale and motional factor from Rae
    no_bl.Data.BL = 0.0;
    PrepareDriverModel(no_bl);
    EXPECT_NEAR(no_bl.Sim.SqrtRae, full.Sim.SqrtRae, 1e-12 * full.Sim.SqrtRae);
    EXPECT_NEAR(no_bl.Sim.MotionalFactor, full.Sim.MotionalFactor, 1e-12 * full.Sim.MotionalFactor);
  }
}

TEST_F(DriverModel, InductanceCornerIsLeOverRtotForAnyMounting) {
  options_.VCInd = true;
  signal_.Rg = 0.5;
  for (const auto& m : kMountings) {
    SCOPED_TRACE(testing::Message() << m.drivers << (m.isobaric ? " iso-baric" : ""));
    const TDriverObject driver = Prepared(m.drivers, m.isobaric);
    EXPECT_NEAR(driver.Sim.Rae * driver.Sim.Lace, 0.001 / 6.5, 1e-15);
  }
}

TEST_F(DriverModel, RationalFunctionsMatchTheirClosedForms) {
  for (bool inductance : {false, true}) {
    options_.VCInd = inductance;
    const TDriverObject driver = Prepared(1, false);
    const TDriverSimulation& s = driver.Sim;
    EXPECT_EQ(s.Lace == 0.0, !inductance);
    for (double f = 1.0; f <= 20000.0; f *= 1.1) {
      const double w = kTwoPi * f;
      const TComplex jw(0.0, w);
      const TComplex closed = s.Ras + jw * s.Mas + 1.0 / (jw * s.Cas) + s.Rae / (1.0 + jw * s.Rae * s.Lace);
      const TComplex z = EvalRational(s.ZDriver, w);
      ASSERT_LE(std::abs(z - closed), 1e-12 * std::abs(closed)) << f << (inductance ? " with L" : "");
      const TComplex source = EvalRational(s.PSource, w);
      const TComplex source_closed = s.Rae / (1.0 + jw * s.Rae * s.Lace);
      ASSERT_LE(std::abs(source - source_closed), 1e-12 * std::abs(source_closed)) << f;
      if (!inductance) {
        ASSERT_EQ(source, TComplex(s.Rae, 0.0));
      }
      // BoxPressure is X·PSource·Z/(Z + ZDriver) for any load.
      const TComplex load(3e4, -2e4);
      const TComplex expected = 2.5 * source * load / (load + z);
      ASSERT_LE(std::abs(BoxPressure(driver, load, f, 2.5) - expected), 1e-12 * std::abs(expected)) << f;
    }
  }
}

TEST_F(DriverModel, ElectricalImpedance) {
  signal_.Rg = 0.5;
  const TDriverObject driver = Prepared(1, false);
  // At resonance in free air the motional part is real: Re·Qms/Qes on top of Re.
  EXPECT_NEAR(std::abs(ElectricalImpedance(driver, {}, 30.0) - TComplex(6.0 + 60.0, 0.0)), 0.0, 1e-9);
  options_.RgIsAtDriver = true;
  EXPECT_NEAR(std::abs(ElectricalImpedance(driver, {}, 30.0) - TComplex(6.0 + 60.0 + 0.5, 0.0)), 0.0, 1e-9);
  options_.VCInd = true;
  const TDriverObject with_coil = Prepared(1, false);
  const TComplex z = ElectricalImpedance(with_coil, {}, 30.0);
  EXPECT_NEAR(z.imag(), kTwoPi * 30.0 * 0.001, 1e-9);
}

TEST_F(DriverModel, ExcursionFollowsTheSuspensionBelowResonance) {
  const TDriverObject driver = Prepared(1, false);
  const double f = 0.05;
  const TComplex large_box = 1.0 / (TComplex(0.0, kTwoPi * f) * (1e6 * driver.Sim.Cas));
  const double x = std::abs(ConeExcursion(driver, large_box, f, 1.0));
  // Static deflection: BL·i·Cms with i = sqrt(P/Re).
  EXPECT_NEAR(x, driver.Data.BL * std::sqrt(1.0 / 6.0) * driver.Data.Cms, 1e-4 * x);
}

TEST_F(DriverModel, ADriverWithAlmostNoDataGivesZeroNotNaN) {
  TDriverObject sparse{TEnvironment()};
  sparse.Data.Fs = 40.0;
  sparse.Data.Vas = 0.05;  // no Q values: the electrical damping is infinite
  sparse.Sim.SimRho = sparse.Data.roo;
  sparse.Sim.SimC = sparse.Data.c;
  TDriverObject empty{TEnvironment()};
  for (TDriverObject* driver : {&sparse, &empty}) {
    PrepareDriverModel(*driver);
    EXPECT_FALSE(driver->Sim.CanSimulate);
    for (double f : {1.0, 40.0, 1000.0}) {
      EXPECT_EQ(BoxPressure(*driver, TComplex(1e5, 1e4), f, 1.0), TComplex());
      EXPECT_EQ(ElectricalImpedance(*driver, TComplex(1e5, 1e4), f), TComplex());
      EXPECT_EQ(ConeExcursion(*driver, TComplex(1e5, 1e4), f, 1.0), TComplex());
    }
  }
  // A load that cancels the driver's own impedance gives 0, not infinity.
  const TDriverObject driver = Prepared(1, false);
  EXPECT_EQ(ConeExcursion(driver, {}, 30.0, 1.0), TComplex());
}

}  // namespace
}  // namespace bextor
