#include "app/NewProject.h"

#include "app/Project.h"
#include "enclosure/Alignments.h"
#include "settings/Settings.h"
#include "support/DriverFixtures.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace bextor {
namespace {

TEST(NewProject, EfficiencyBandwidthProductSuggestsTheBox) {
  TDriverObject driver{TEnvironment()};
  driver.Data.Fs = 40.0;
  driver.Data.Qes = 0.5;
  EXPECT_DOUBLE_EQ(ComputeEBP(driver), 80.0);
  EXPECT_EQ(SuggestBoxType(ComputeEBP(driver)), btVented);
  driver.Data.Qes = 1.0;
  EXPECT_EQ(SuggestBoxType(ComputeEBP(driver)), btClosed);
  EXPECT_EQ(SuggestBoxType(55.0), btVented);
  driver.Data.Qes = 0.0;
  driver.Data.Qts = 0.4;  // Qms missing: 4
  EXPECT_NEAR(ComputeEBP(driver), 40.0 * (1.0 / 0.4 - 0.25), 1e-12);
  driver.Data.Qts = 0.0;  // no usable Q
  EXPECT_EQ(ComputeEBP(driver), 0.0);
  driver.Data.Qts = 4.0;  // 1/Qts = 1/Qm
  EXPECT_EQ(ComputeEBP(driver), 0.0);
  driver.Data.Fs = 0.0;
  EXPECT_EQ(ComputeEBP(driver), 0.0);
}

class FinishNewProjectTest : public ::testing::Test {
protected:
  TDriverObject WizardDriver() {
    TDriverObject driver = test::ConsistentDriver();
    PrepareWizardDriver(driver, settings_.Environment);
    return driver;
  }
  test::TTempFolder folder_;
  TSettings settings_{folder_.Path(), folder_.Path()};
  TProjectManager manager_{settings_};
  test::TFixedNowScope now_{46000.5};
};

TEST_F(FinishNewProjectTest, AVentedDesignFromItsAlignment) {
  const TDriverObject driver = WizardDriver();
  EXPECT_NEAR(driver.Sim.FsT, 30.0, 1e-9);
  TNewProjectChoices choices;
  choices.BoxType = btVented;
  choices.DriverCount = "2";
  choices.Name = "Sub 1";
  choices.Description = "two\r\nlines";
  choices.Creator = "Ada";
  std::vector<std::string> list;
  EXPECT_EQ(FillAlignments(btVented, driver, list), 0);  // QtsT ≈ 0.37 with the 0.1 Ω: QB3
  choices.Alignment = "BB4/SBB4 (Super-)boom-box";
  TProject* project = FinishNewProject(manager_, driver, choices);
  EXPECT_EQ(manager_.ActiveProject(), project);
  EXPECT_TRUE(project->Modified());
  EXPECT_EQ(project->GetName(), "Sub 1");
  EXPECT_EQ(project->ProjectInfo.Creator, "Ada");
  EXPECT_EQ(project->ProjectInfo.CreateDate, 46000.5);
  EXPECT_EQ(project->Color, 0x14AF14);
  const TBox& box = project->Box;
  EXPECT_EQ(box.Nd, 2);
  EXPECT_EQ(project->Signal.P, 1.0);
  EXPECT_EQ(project->Signal.Rg, 0.1);
  EXPECT_EQ(box.d, 1.0);
  EXPECT_EQ(box.alfaVC, 0.0039);
  EXPECT_EQ(box.Qlr, 10.0);
  EXPECT_EQ(box.Qpr, 100.0);
  EXPECT_EQ(box.Qiclfr, 100.0);
  EXPECT_EQ(box.T, settings_.Environment.Temperature);
  // The alignment sizes the box for both drivers together.
  const TVentedAlignment alignment = VentedAlignment(1, project->Driver.Sim.QtsT, 10.0);
  EXPECT_NEAR(project->Driver.Sim.VasT, 0.2, 1e-12);
  EXPECT_NEAR(box.Vr, 0.2 / alignment.alpha, 1e-12);
  EXPECT_NEAR(box.Fr, 30.0, 1e-9);
}

TEST_F(FinishNewProjectTest, TypesWithoutAlignmentsTakeFixedValues) {
  const TDriverObject driver = WizardDriver();
  std::vector<std::string> list;
  EXPECT_EQ(FillAlignments(btABC, driver, list), 0);
  EXPECT_EQ(list, std::vector<std::string>{"<None available>"});
  TNewProjectChoices choices;
  choices.BoxType = btABC;
  choices.Alignment = list[0];
  const TProject* abc = FinishNewProject(manager_, driver, choices);
  EXPECT_EQ(abc->Box.Vf, 0.02);
  EXPECT_EQ(abc->Box.Vr, 0.03);
  EXPECT_EQ(abc->Box.Ff, 25.0);
  EXPECT_EQ(abc->Box.Fr, 35.0);
  EXPECT_EQ(abc->Box.IntraVent.len, 0.05);
  EXPECT_EQ(abc->Color, 0x00CF00);
  choices.BoxType = btPassiveRadiator;
  choices.PassiveRadiator.Vas = 0.03;
  choices.Isobarik = true;
  const TProject* pr = FinishNewProject(manager_, driver, choices);
  EXPECT_EQ(pr->Box.Vr, 0.05);
  EXPECT_EQ(pr->Box.Npr, 1);
  EXPECT_EQ(pr->Box.PassiveRadiator.Vas, 0.03);
  EXPECT_TRUE(pr->Box.Isobarik);
  EXPECT_EQ(pr->Color, 0x00CFCF);
}

TEST_F(FinishNewProjectTest, ADriverCountThatIsNoWholeNumberIsReported) {
  test::TRecordingSink sink;
  TNewProjectChoices choices;
  choices.DriverCount = "two";
  choices.Alignment = "0.707 Max flat amplitude response";
  const TProject* project = FinishNewProject(manager_, WizardDriver(), choices);
  EXPECT_EQ(sink.Messages, std::vector<std::string>{"Something went wrong when trying to start new design!"});
  EXPECT_EQ(project->Box.Nd, 1);
  EXPECT_GT(project->Box.Vr, 0.0);
  EXPECT_EQ(project->Box.Fr, project->Driver.Sim.FsT);
}

}  // namespace
}  // namespace bextor
