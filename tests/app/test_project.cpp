#include "app/Project.h"

#include "common/Errors.h"
#include "filters/filter_parametriceq.h"
#include "filters/filter_linkwitztransform.h"
#include "settings/Settings.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace bextor {
namespace {

class ProjectManager : public ::testing::Test {
protected:
  test::TTempFolder documents_;
  TSettings settings_{documents_.Path(), documents_.Path()};
  TProjectManager manager_{settings_};
  std::string InProjects(const std::string& name) const { return settings_.FProjectsFolder + name; }
};

TEST_F(ProjectManager, ANewProject) {
  TProject* project = manager_.AddProject();
  EXPECT_EQ(project->FileName, "");
  EXPECT_TRUE(project->Visible);
  EXPECT_FALSE(project->Modified());
  EXPECT_TRUE(project->Filters.empty());
  EXPECT_EQ(project->Box.T, settings_.Environment.Temperature);
  EXPECT_EQ(project->Driver.Signal(), &project->Signal);
  EXPECT_EQ(project->Driver.Options(), &project->Options);
  EXPECT_EQ(project->Owner(), &manager_);
}

TEST_F(ProjectManager, NamesComeFromTheFileOrTheName) {
  TProject* project = manager_.AddProject();
  project->Name = "abc";
  EXPECT_EQ(project->GetName(), "abc");
  project->FileName = "/designs/My sub.bpr";
  EXPECT_EQ(project->GetName(), "My sub");
  project->FileName = "/designs/v1.2 final.bpr";
  EXPECT_EQ(project->GetName(), "v1.2 final");
}

TEST_F(ProjectManager, CopiesAreIndependentModifiedAndActive) {
  TProject* source = manager_.AddProject();
  source->FileName = "/designs/My sub.bpr";
  source->Box.BType = btPassiveRadiator;
  source->Box.RearVent.len = 0.2;
  source->Box.PassiveRadiator.Sd = 0.03;
  source->Driver.Data.Fs = 28.0;
  source->Signal.Rg = 0.4;
  source->Options.VCInd = true;
  source->Color = 0x00FF00;
  source->ProjectInfo.Creator = "Ada";
  source->Filters.push_back(CreateFilter(ftParametricEQ));
  static_cast<TFilter_ParametricEQ&>(*source->Filters[0]).FGain = -4.5;
  source->Filters[0]->Calculate();
  manager_.AddProject();

  TProject* copy = manager_.DuplicateProject(*source);
  EXPECT_EQ(manager_.ActiveProject(), copy);
  EXPECT_EQ(copy->GetName(), "Copy of My sub");
  EXPECT_EQ(copy->FileName, "");
  EXPECT_TRUE(copy->Modified());
  EXPECT_EQ(copy->Box.BType, btPassiveRadiator);
  EXPECT_EQ(copy->Box.RearVent.len, 0.2);
  EXPECT_EQ(copy->Driver.Data.Fs, 28.0);
  EXPECT_EQ(copy->Signal.Rg, 0.4);
  EXPECT_TRUE(copy->Options.VCInd);
  EXPECT_EQ(copy->Color, 0x00FF00);
  EXPECT_EQ(copy->ProjectInfo.Creator, "Ada");
  EXPECT_EQ(copy->Driver.Signal(), &copy->Signal);  // re-pointed at the copy's own records
  ASSERT_EQ(copy->Filters.size(), 1u);
  EXPECT_NE(copy->Filters[0].get(), source->Filters[0].get());
  EXPECT_EQ(copy->Filters[0]->GetResponse(30.0), source->Filters[0]->GetResponse(30.0));

  copy->Box.Vr = 0.5;
  copy->Box.RearVent.len = 0.3;
  copy->Box.PassiveRadiator.Sd = 0.05;
  copy->Driver.Data.Fs = 40.0;
  EXPECT_EQ(source->Box.Vr, 0.0);
  EXPECT_EQ(source->Box.RearVent.len, 0.2);
  EXPECT_EQ(source->Box.PassiveRadiator.Sd, 0.03);
  EXPECT_EQ(source->Driver.Data.Fs, 28.0);
  EXPECT_FALSE(source->Modified());
  EXPECT_THROW(copy->Assign(copy->Box), EAssignError);
}

TEST_F(ProjectManager, OpenProjectsAndNameChecks) {
  TProject* project = manager_.AddProject();
  project->FileName = InProjects("sub.bpr");
  manager_.AddProject();  // never saved: never matches
  EXPECT_TRUE(manager_.IsProjectOpen("SUB"));
  EXPECT_TRUE(manager_.IsProjectOpen("Sub.BPR"));
  EXPECT_TRUE(manager_.IsProjectOpen(InProjects("sub")));
  EXPECT_FALSE(manager_.IsProjectOpen("sub.txt"));
  EXPECT_FALSE(manager_.IsProjectOpen("/elsewhere/sub.bpr"));
  EXPECT_FALSE(manager_.IsProjectOpen(""));

  std::string message = "old";
  EXPECT_FALSE(manager_.ValidateProjectName("", message));
  EXPECT_EQ(message, "Empty name not allowed");
  EXPECT_FALSE(manager_.ValidateProjectName("a/b", message));
  EXPECT_EQ(message, "Contains invalid characters [\\/:*?\"<>|]");
  EXPECT_FALSE(manager_.ValidateProjectName("sub", message));
  EXPECT_EQ(message, "Project with same name already open");
  EXPECT_TRUE(manager_.ValidateProjectName("good", message));
  EXPECT_EQ(message, "");
}

TEST_F(ProjectManager, ActiveIndexFollowsAddingAndRemoving) {
  EXPECT_EQ(manager_.ActiveProject(), nullptr);
  TProject* a = manager_.AddProject();
  TProject* b = manager_.AddProject();
  TProject* c = manager_.AddProject();
  EXPECT_EQ(manager_.ActiveProject(), c);
  manager_.RemoveProject(c);
  EXPECT_EQ(manager_.ActiveProject(), b);
  manager_.SetActiveProject(a);
  manager_.RemoveProject(a);  // the one that followed becomes active
  EXPECT_EQ(manager_.ActiveProject(), b);
  manager_.SetActiveProjectIndex(5);
  manager_.SetActiveProjectIndex(-1);
  EXPECT_EQ(manager_.ActiveProjectIndex(), 0);
  manager_.RemoveProject(b);
  EXPECT_EQ(manager_.ActiveProjectIndex(), -1);
  EXPECT_EQ(manager_.ActiveProject(), nullptr);
  EXPECT_EQ(manager_.Count(), 0);
}

TEST_F(ProjectManager, ModifiedFlagsNotifyOncePerChange) {
  int changes = 0;
  manager_.OnChange = [&] { ++changes; };
  TProject* project = manager_.AddProject();
  EXPECT_EQ(changes, 0);
  project->SetModified(true);
  project->SetModified(true);
  EXPECT_EQ(changes, 1);
  EXPECT_TRUE(manager_.Changed());
  project->SetModified(false);
  EXPECT_EQ(changes, 2);
  EXPECT_FALSE(manager_.Changed());
}

TEST_F(ProjectManager, PowerAndVoltage) {
  TProject* project = manager_.AddProject();
  project->Driver.Data.Re = 8.0;
  project->Box.Nd = 1;
  project->Signal.P = 1.0;
  project->UpdatePowerAndVoltage();
  EXPECT_NEAR(project->Signal.U, std::sqrt(8.0), 1e-12);
  project->Box.Nd = 2;
  project->Signal.U = 0.0;
  project->UpdatePowerAndVoltage();
  EXPECT_NEAR(project->Signal.U, 2.0, 1e-12);
  project->Box.Nd = 1;
  project->Signal.P = 0.0;
  project->Signal.U = 2.828;
  project->UpdatePowerAndVoltage();
  EXPECT_NEAR(project->Signal.P, 2.828 * 2.828 / 8.0, 1e-12);
  project->Driver.Data.Re = 0.0;  // without Re nothing changes
  project->Signal.U = 0.0;
  project->UpdatePowerAndVoltage();
  EXPECT_EQ(project->Signal.U, 0.0);
}

TEST_F(ProjectManager, LinkwitzTransformStartsFromTheClosedBox) {
  TProject* project = manager_.AddProject();
  project->Box.CurrFsc = 62.0;
  project->Driver.Data.Qts = 0.42;
  auto closed = CreateFilter(ftLinkwitzTransform, project);
  EXPECT_EQ(static_cast<TFilter_LinkwitzTransform&>(*closed).Ff0, 62.0);
  EXPECT_EQ(static_cast<TFilter_LinkwitzTransform&>(*closed).FQ0, 0.42);
  project->Box.BType = btVented;
  auto vented = CreateFilter(ftLinkwitzTransform, project);
  EXPECT_EQ(static_cast<TFilter_LinkwitzTransform&>(*vented).Ff0, 50.0);
  EXPECT_EQ(static_cast<TFilter_LinkwitzTransform&>(*vented).FQ0, 0.707);
}

}  // namespace
}  // namespace bextor
