#include "drivers/ParameterSolver.h"

#include "common/Errors.h"
#include "drivers/ConsistencyCheck.h"
#include "drivers/DriverParameters.h"
#include "settings/Settings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace bextor {
namespace {

class Solver : public ::testing::Test {
protected:
  // Enters a value as the user does: the value and the letter 'E'.
  void Enter(int pos, double value) {
    SetParameterValue(driver_.Data, DriverParameter(pos), value);
    driver_.Data.ParState[static_cast<std::size_t>(pos)] = value > 0.0 ? 'E' : 'N';
  }
  double Value(int pos) const { return GetParameterValue(driver_.Data, DriverParameter(pos)); }
  char Letter(int pos) const { return driver_.Data.ParState[static_cast<std::size_t>(pos)]; }

  TEnvironment environment_;
  TDriverObject driver_{environment_};
};

TEST_F(Solver, TheWorkedExampleCompletesInThreePasses) {
  Enter(ppFs, 30.0);
  Enter(ppQes, 0.4);
  Enter(ppQms, 4.0);
  Enter(ppVas, 0.1);
  Enter(ppRe, 6.0);
  Enter(ppSd, 0.05);
  EXPECT_EQ(CalculateUnknowns(driver_, environment_), 3);
  const struct {
    int pos;
    double value, tolerance;
  } expected[] = {
      {ppQts, 0.363636, 1e-6},   {ppEBP, 75.0, 1e-12},        {ppCms, 2.81978e-4, 1e-9},
      {ppMms, 0.0998119, 1e-7},  {ppBL, 16.7992, 1e-4},       {ppRms, 4.70353, 1e-5},
      {ppno, 0.00656425, 1e-8},  {ppSPL, 90.3263, 1e-4},      {ppUSPL, 91.5805, 1e-4},
      {ppDd, 0.252313, 1e-6},    {ppRme, 47.0353, 1e-4},      {ppgamma, 168.308, 1e-3},
      {ppMpow, 6.85823, 1e-5},   {ppZnom, 8.0, 0.0},  // 0.75·6 = 4.5 rounds to 4
  };
  for (const auto& e : expected) {
    SCOPED_TRACE(DriverParameter(e.pos).Name);
    EXPECT_NEAR(Value(e.pos), e.value, e.tolerance);
    EXPECT_EQ(Letter(e.pos), 'C');
  }
  for (int pos : {ppPe, ppXmax, ppVd, ppSPLmax, ppSPLmaxLF, ppGloss, ppMcost, ppDVol, ppMagnet, ppDepth}) {
    EXPECT_EQ(Value(pos), 0.0) << DriverParameter(pos).Name;
    EXPECT_EQ(Letter(pos), 'N') << DriverParameter(pos).Name;
  }
  EXPECT_EQ(Letter(ppFs), 'E');
  // Everything the solver derived from a consistent set passes the checks.
  EXPECT_TRUE(CheckConsistency(driver_));
  for (double error : driver_.Data.ParErrors) EXPECT_LT(std::abs(error), 1e-13);
}

TEST_F(Solver, CalculatedValuesFollowTheEnteredOnes) {
  Enter(ppDd, 0.2);
  CalculateUnknowns(driver_, environment_);
  EXPECT_NEAR(Value(ppSd), std::numbers::pi * 0.01, 1e-15);
  EXPECT_EQ(Letter(ppSd), 'C');
  Enter(ppDd, 0.0);
  CalculateUnknowns(driver_, environment_);
  EXPECT_EQ(Value(ppSd), 0.0);
  EXPECT_EQ(Letter(ppSd), 'C');  // a calculated value that no relation can give shows as 0

  // Relation 16 and its kin mark their results as calculated too, so they follow changes.
  TDriverObject other{environment_};
  other.Data.Fs = 30.0;
  other.Data.Mms = 0.05;
  other.Data.Rme = 20.0;
  CalculateUnknowns(other, environment_);
  EXPECT_EQ(other.Data.ParState[ppQes], 'C');
  other.Data.Rme = 40.0;
  CalculateUnknowns(other, environment_);
  EXPECT_NEAR(other.Data.Qes, 2.0 * std::numbers::pi * 30.0 * 0.05 / 40.0, 1e-15);
}

TEST_F(Solver, CoilAndGap) {
  Enter(ppHg, 0.006);
  Enter(ppXmax, 0.004);
  CalculateUnknowns(driver_, environment_);
  EXPECT_NEAR(Value(ppHc), 0.014, 1e-15);
  TDriverObject under{environment_};
  under.Data.Hg = 0.012;
  under.Data.Xmax = 0.004;
  CalculateUnknowns(under, environment_);
  EXPECT_NEAR(under.Data.Hc, 0.004, 1e-15);
}

TEST_F(Solver, SmallResistanceGivesNominalZeroAndTheOtherValuesStillCome) {
  Enter(ppRe, 0.5);
  Enter(ppFs, 30.0);
  Enter(ppQes, 0.4);
  Enter(ppVas, 0.1);
  CalculateUnknowns(driver_, environment_);
  EXPECT_EQ(Value(ppZnom), 0.0);
  EXPECT_EQ(Letter(ppZnom), 'C');
  EXPECT_NEAR(Value(ppSPL), 90.33, 0.005);
  EXPECT_NEAR(Value(ppUSPL), 102.37, 0.005);
}

TEST_F(Solver, NominalImpedanceRoundsTiesToEven) {
  const struct {
    double Re, Znom;
  } cases[] = {{3.2, 4.0}, {5.6, 8.0}, {6.4, 10.0}, {6.0, 8.0}, {2.0, 4.0}, {0.6, 0.0}};
  for (const auto& c : cases) {
    TDriverObject driver{environment_};
    driver.Data.Re = c.Re;
    CalculateUnknowns(driver, environment_);
    EXPECT_EQ(driver.Data.Znom, c.Znom) << c.Re;
  }
}

TEST_F(Solver, ExactZeroResultsEndThePasses) {
  const auto finishes = [&](auto setup) {
    TDriverObject driver{environment_};
    setup(driver.Data);
    const int passes = CalculateUnknowns(driver, environment_);
    EXPECT_LT(passes, 10);
  };
  finishes([](TDriverData& d) { d.Hg = d.Hc = 0.01; });                         // relation 40
  finishes([](TDriverData& d) { d.Rme = d.Mcost = 30.0; d.Hc = 0.01; d.Hg = 0.02; });  // relation 42
  finishes([](TDriverData& d) { d.Hc = 0.008; d.Xmax = 0.004; });              // relation 45
  finishes([](TDriverData& d) { d.Pe = 1.0; d.SPLmax = 3.0; d.SPL = 0.0; d.no = 0.0; d.SPLmaxLF = 0.0; });
}

TEST_F(Solver, ArithmeticFaultsStopTheRunNamingTheParameter) {
  Enter(ppQts, 0.5);
  Enter(ppQms, 0.5);
  Enter(ppFs, 30.0);
  try {
    CalculateUnknowns(driver_, environment_);
    FAIL();
  } catch (const EMathError& error) {
    EXPECT_NE(std::string(error.what()).find("Qes"), std::string::npos) << error.what();
  }
  EXPECT_EQ(Value(ppQes), 0.0);

  TDriverObject body{environment_};
  body.Data.Dd = 0.2;
  body.Data.Depth = 0.1;
  body.Data.MagDepth = 0.05;
  body.Data.Vcd = 0.05;
  body.Data.DVol = 1e-6;  // too small for that body: a negative square
  EXPECT_THROW(CalculateUnknowns(body, environment_), EMathError);
}

TEST_F(Solver, AirIsFilledFromTheEnvironmentWhenMissing) {
  driver_.Data.roo = driver_.Data.c = 0.0;
  environment_.Temperature = 310.0;
  CalculateUnknowns(driver_, environment_);
  EXPECT_GT(driver_.Data.roo, 1.1);
  EXPECT_LT(driver_.Data.roo, 1.16);
  EXPECT_EQ(Letter(ppRoo), 'C');
  EXPECT_GT(driver_.Data.c, 350.0);
}

TEST(Consistency, ExamplesAndLabels) {
  TEnvironment environment;
  TDriverObject driver{environment};
  EXPECT_TRUE(CheckConsistency(driver));  // nothing known: nothing fails
  driver.Data.Qts = 0.38;
  driver.Data.Qms = 4.0;
  driver.Data.Qes = 0.4;
  EXPECT_FALSE(CheckConsistency(driver));
  EXPECT_EQ(FailedConsistencyGroups(driver), std::vector<std::string>{"Qts, Qms, Qes"});
  EXPECT_NEAR(driver.Data.ParErrors[4], (0.38 - 1.0 / 2.75) / 0.38, 1e-15);

  TDriverObject coil{environment};
  coil.Data.Hc = coil.Data.Hg = 0.01;
  coil.Data.Xmax = 0.004;
  EXPECT_FALSE(CheckConsistency(coil));
  EXPECT_DOUBLE_EQ(coil.Data.ParErrors[18], 1.0);
  EXPECT_EQ(FailedConsistencyGroups(coil), std::vector<std::string>{"Xmax, Hc, Hg"});

  TDriverObject efficiency{environment};  // no SPL: no relation with SPL is evaluated
  efficiency.Data.no = 0.01;
  efficiency.Data.Pe = 100.0;
  efficiency.Data.SPLmax = 100.0;
  EXPECT_TRUE(CheckConsistency(efficiency));
  EXPECT_EQ(ConsistencyLabels[21], "SPLmaxLF, rho, Vd");
}

TEST(Consistency, SolverResultsPassTheirOwnChecks) {
  TEnvironment environment;
  TDriverObject driver{environment};
  driver.Data.SPLmaxLF = 105.0;
  driver.Data.Fs = 25.0;
  driver.Data.Mms = 0.12;
  driver.Data.BL = 15.0;
  driver.Data.Re = 3.6;
  driver.Data.Sd = 0.08;
  driver.Data.Hg = 0.008;
  driver.Data.Pe = 300.0;
  CalculateUnknowns(driver, environment);
  EXPECT_GT(driver.Data.Vd, 0.0);  // from relation 37, then Xmax from Vd and Hc from Xmax
  EXPECT_GT(driver.Data.Hc, 0.0);
  EXPECT_TRUE(CheckConsistency(driver)) << testing::PrintToString(FailedConsistencyGroups(driver));
}

}  // namespace
}  // namespace bextor
