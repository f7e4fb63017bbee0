#include "enclosure/Box.h"

#include "common/Errors.h"
#include "settings/Settings.h"
#include "simulation/AirProperties.h"

#include <gtest/gtest.h>

namespace bextor {
namespace {

TEST(Box, ANewBoxTakesTheAirOfTheEnvironment) {
  TEnvironment environment;
  environment.Temperature = 300.0;
  environment.AirPressure = 98000.0;
  environment.Humidy = 0.6;
  const TBox box(environment);
  EXPECT_EQ(box.BType, btClosed);
  EXPECT_EQ(box.T, 300.0);
  EXPECT_EQ(box.p, 98000.0);
  EXPECT_EQ(box.phi, 0.6);
  EXPECT_EQ(box.Nd, 0);
  EXPECT_FALSE(box.Isobarik);
  EXPECT_EQ(box.RearVent.dia1, 0.102);
  EXPECT_EQ(box.PassiveRadiator.Vas, 0.0);
  EXPECT_EQ(box.GetAirDensity(), AirDensity(300.0, 98000.0, 0.6));
  EXPECT_EQ(box.GetSoundVelocity(), SoundVelocity(98000.0, box.GetAirDensity()));
}

TEST(Box, AssignCopiesEverythingIntoIndependentObjects) {
  TBox source{TEnvironment()};
  source.BType = btABC;
  source.Vc = 0.01;
  source.Qiclcr = 7.0;
  source.CurrQtc = 0.707;
  source.CurrFsc = 55.0;
  source.theta = 0.5;
  source.Isobarik = true;
  source.RearVent.len = 0.3;
  source.IntraVent.Num = 4;
  source.PassiveRadiator.Sd = 0.03;
  TBox copy{TEnvironment()};
  copy.Assign(source);
  EXPECT_EQ(copy.BType, btABC);
  EXPECT_EQ(copy.Vc, 0.01);
  EXPECT_EQ(copy.Qiclcr, 7.0);
  EXPECT_EQ(copy.CurrQtc, 0.707);
  EXPECT_EQ(copy.CurrFsc, 55.0);
  EXPECT_EQ(copy.theta, 0.5);
  EXPECT_TRUE(copy.Isobarik);
  EXPECT_EQ(copy.RearVent.len, 0.3);
  EXPECT_EQ(copy.IntraVent.Num, 4);
  EXPECT_EQ(copy.PassiveRadiator.Sd, 0.03);

  copy.Vr = 1.0;
  copy.FrontVent.dia1 = 0.2;
  copy.PassiveRadiator.Me = 0.1;
  EXPECT_EQ(source.Vr, 0.0);
  EXPECT_EQ(source.FrontVent.dia1, 0.102);
  EXPECT_EQ(source.PassiveRadiator.Me, 0.0);
}

TEST(Box, OwnedRecordsAssignOnlyFromTheirOwnKind) {
  TBox box{TEnvironment()};
  TVent vent;
  vent.len = 0.4;
  box.FrontVent.Assign(vent);
  EXPECT_EQ(box.FrontVent.len, 0.4);
  EXPECT_THROW(box.RearVent.Assign(box.PassiveRadiator), EAssignError);
  EXPECT_THROW(box.PassiveRadiator.Assign(vent), EAssignError);
  EXPECT_THROW(box.Assign(vent), EAssignError);
}

}  // namespace
}  // namespace bextor
