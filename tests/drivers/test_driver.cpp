#include "drivers/Driver.h"

#include "app/ProjectRecords.h"
#include "common/Errors.h"
#include "drivers/DriverParameters.h"
#include "enclosure/Box.h"
#include "settings/Settings.h"
#include "settings/Units.h"
#include "simulation/AirProperties.h"
#include "support/DriverFixtures.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace bextor {
namespace {

TEST(DriverRecord, ANewDriverIsReset) {
  test::TFixedNowScope now(46000.25);
  TEnvironment environment;
  const TDriverObject driver(environment);
  EXPECT_EQ(driver.Data.numVC, 1);
  EXPECT_EQ(driver.Data.VCCon, 1);
  EXPECT_EQ(std::string(driver.Data.ParState.begin(), driver.Data.ParState.end()),
            std::string(23, 'N') + "E" + std::string(23, 'N') + "CC");
  EXPECT_NEAR(driver.Data.roo, 1.2009522, 1e-7);
  EXPECT_NEAR(driver.Data.c, 343.68412, 1e-5);
  EXPECT_EQ(driver.Data.DateAdded, 46000.25);
  EXPECT_EQ(driver.Data.DateModified, 46000.25);
  EXPECT_EQ(driver.Data.Fs, 0.0);
  EXPECT_EQ(driver.Sim.SimNd, 1);
  EXPECT_EQ(driver.FileName(), "");

  environment.Temperature = 310.0;
  environment.AirPressure = 95000.0;
  environment.Humidy = 0.8;
  const TDriverObject warm(environment);
  EXPECT_EQ(warm.Data.roo, AirDensity(310.0, 95000.0, 0.8));
  EXPECT_EQ(warm.Data.c, SoundVelocity(95000.0, warm.Data.roo));
}

TEST(DriverRecord, ParameterTableCoversEveryPositionOnce) {
  std::set<std::string_view> names;
  TDriverData data;
  for (int pos = 0; pos < kDriverParameterCount; ++pos) {
    const TDriverParameter& parameter = DriverParameter(pos);
    EXPECT_EQ(parameter.Pos, pos);
    EXPECT_TRUE(names.insert(parameter.Name).second) << parameter.Name;
    EXPECT_NE(parameter.Field == nullptr, parameter.IntField == nullptr) << parameter.Name;
    SetParameterValue(data, parameter, pos + 0.25);
  }
  // Each row reaches its own field.
  EXPECT_EQ(data.Znom, 0.25);
  EXPECT_EQ(data.Fs, 1.25);
  EXPECT_EQ(data.Gloss, 37.25);
  EXPECT_EQ(data.Thick, 38.25);
  EXPECT_EQ(data.DVol, 45.25);
  EXPECT_EQ(data.c, 47.25);
  EXPECT_EQ(data.roo, 48.25);
  EXPECT_EQ(data.numVC, 23);  // integers are rounded
  EXPECT_EQ(data.VCCon, 46);
  EXPECT_EQ(DriverParameter(ppVas).Name, "Vas");
  EXPECT_EQ(DriverParameter(ppalfaVC).Kind, qkTempCoefficient);
  EXPECT_EQ(DriverParameter(ppQts).Kind, 0);
}

TEST(DriverRecord, VoiceCoilConnection) {
  TDriverObject driver{TEnvironment()};
  driver.Data.numVC = 2;
  driver.Data.Re = 3.2;
  driver.Data.BL = 10.0;
  driver.SetVCConnection(2);
  EXPECT_DOUBLE_EQ(driver.Data.Re, 12.8);
  EXPECT_DOUBLE_EQ(driver.Data.BL, 20.0);
  EXPECT_EQ(driver.Data.VCCon, 2);
  driver.SetVCConnection(2);  // already series
  EXPECT_DOUBLE_EQ(driver.Data.Re, 12.8);
  driver.SetVCConnection(3);
  EXPECT_EQ(driver.Data.VCCon, 2);
  driver.SetVCConnection(1);
  EXPECT_DOUBLE_EQ(driver.Data.Re, 3.2);
  EXPECT_DOUBLE_EQ(driver.Data.BL, 10.0);
  EXPECT_EQ(driver.Data.VCCon, 1);
  EXPECT_EQ(driver.Data.ParState[ppRe], 'N');  // statuses are not touched

  const struct {
    int numVC;
    double Re, BL;
  } unchanged[] = {{1, 3.2, 10.0}, {2, 0.0, 10.0}, {2, 3.2, 0.0}, {3, -1.0, 10.0}};
  for (const auto& c : unchanged) {
    TDriverObject other{TEnvironment()};
    other.Data.numVC = c.numVC;
    other.Data.Re = c.Re;
    other.Data.BL = c.BL;
    other.SetVCConnection(2);
    EXPECT_EQ(other.Data.Re, c.Re);
    EXPECT_EQ(other.Data.BL, c.BL);
    EXPECT_EQ(other.Data.VCCon, 1);
  }
}

TEST(DriverRecord, AssignMakesAnIndependentPreparedCopy) {
  TSignalSource source_signal, copy_signal;
  TSimulatorOptions source_options, copy_options;
  TDriverObject source = test::ConsistentDriver();
  source.SetProjectRecords(&source_signal, &source_options);
  source.Data.Brand = "Acme";
  source.Data.Comment = "two\r\nlines";
  source.Data.ParErrors[3] = 0.5;
  source.Data.ParState[ppFs] = 'E';
  source.SetFileName("/drivers/acme.bdr");
  source.Sim.SimNd = 2;

  TDriverObject copy{TEnvironment()};
  copy.SetProjectRecords(&copy_signal, &copy_options);
  copy.Assign(source);
  EXPECT_EQ(copy.FileName(), "/drivers/acme.bdr");
  EXPECT_EQ(copy.Data.Brand, "Acme");
  EXPECT_EQ(copy.Data.Comment, "two\r\nlines");
  EXPECT_EQ(copy.Data.ParErrors[3], 0.5);
  EXPECT_EQ(copy.Data.ParState[ppFs], 'E');
  EXPECT_EQ(copy.Sim.SimNd, 2);
  EXPECT_EQ(copy.Signal(), &copy_signal);  // the copy keeps its own project's records
  EXPECT_EQ(copy.Options(), &copy_options);
  EXPECT_TRUE(copy.Sim.CanSimulate);  // prepared on assignment
  EXPECT_DOUBLE_EQ(copy.Sim.VasT, 0.2);

  copy.Data.Brand = "Other";
  copy.Data.Fs = 40.0;
  EXPECT_EQ(source.Data.Brand, "Acme");
  EXPECT_EQ(source.Data.Fs, 30.0);

  TDriverObject unnamed{TEnvironment()};
  copy.Assign(unnamed);
  EXPECT_EQ(copy.FileName(), "");
}

TEST(DriverRecord, AssignFromAnotherKindIsAnError) {
  TDriverObject driver{TEnvironment()};
  const TBox box{TEnvironment()};
  EXPECT_THROW(driver.Assign(box), EAssignError);
}

}  // namespace
}  // namespace bextor
