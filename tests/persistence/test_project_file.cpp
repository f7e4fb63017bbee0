#include "persistence/ProjectFile.h"

#include "app/Project.h"
#include "common/Errors.h"
#include "filters/filter_crossover.h"
#include "filters/filter_parametriceq.h"
#include "persistence/IniFile.h"
#include "persistence/IniValues.h"
#include "settings/Settings.h"
#include "support/DriverFixtures.h"
#include "support/TestSupport.h"

#include <QDir>

#include <gtest/gtest.h>

namespace bextor {
namespace {

using test::ReadFile;
using test::WriteFile;

class ProjectFile : public ::testing::Test {
protected:
  // A project of the given box type with every stored field set to something not default.
  TProject* Filled(int box_type) {
    TProject* p = manager_.AddProject();
    p->Driver.Assign(test::ConsistentDriver());
    p->Driver.Data.Brand = "Acme";
    p->Driver.Data.Comment = "two\r\nlines";
    TBox& b = p->Box;
    b.BType = box_type;
    double value = 0.1;
    for (double* field : {&b.Vf, &b.Ff, &b.Qlf, &b.Qaf, &b.Qpf, &b.Vr, &b.Fr, &b.Qlr, &b.Qar, &b.Qpr, &b.Vc,
                          &b.Fc, &b.Qlc, &b.Qac, &b.Qpc, &b.Qiclfr, &b.Qiclfc, &b.Qiclcr, &b.T, &b.p, &b.phi,
                          &b.d, &b.theta, &b.Med, &b.alfaVC, &b.dTVC, &b.Sdfport, &b.Sdrport})
      *field = (value *= 1.37);
    b.Nd = 2;
    b.Npr = 3;
    b.Isobarik = true;
    for (TVent* vent : {&b.FrontVent, &b.RearVent, &b.IntraVent}) {
      vent->Num = 2;
      vent->Shape = 2;
      vent->Fb = (value *= 1.1);
      vent->Vb = 0.04;
      vent->dia1 = 0.05;
      vent->dia2 = 0.07;
      vent->carea = 0.0035;
      vent->len = 0.21;
      vent->k = 0.6;
      vent->CrossCalc = false;
    }
    b.PassiveRadiator = TPassiveRadiator();
    b.PassiveRadiator.Vas = 0.02;
    b.PassiveRadiator.Qms = 5.0;
    b.PassiveRadiator.fs = 22.0;
    b.PassiveRadiator.Sd = 0.05;
    b.PassiveRadiator.Xmax = 0.012;
    b.PassiveRadiator.Me = 0.04;
    p->Color = 0x0000FF;
    p->Signal.Rg = 0.3;
    p->Signal.P = 2.5;
    p->Options.VCInd = p->Options.FlatResponse = p->Options.TLPorts = true;
    p->ProjectInfo.Creator = "Ada";
    p->ProjectInfo.Description = "A sub\r\nfor the den";
    p->ProjectInfo.CreateDate = EncodeDate(2025, 1, 2);
    for (int type = 0; type < kFilterTypeCount; ++type) {
      p->Filters.push_back(CreateFilter(type));
      p->Filters.back()->FEnabled = type % 2 == 0;
      p->Filters.back()->Calculate();
    }
    return p;
  }

  static void ExpectSameStoredFields(const TProject& a, const TProject& b) {
    EXPECT_EQ(a.Driver.Data.Brand, b.Driver.Data.Brand);
    EXPECT_EQ(a.Driver.Data.Comment, b.Driver.Data.Comment);
    EXPECT_NEAR(a.Driver.Data.BL, b.Driver.Data.BL, 1e-14 * a.Driver.Data.BL);  // 15 digits in the file
    EXPECT_EQ(a.Driver.Data.ParState, b.Driver.Data.ParState);
    const TBox &x = a.Box, &y = b.Box;
    EXPECT_EQ(x.BType, y.BType);
    for (auto field : {&TBox::Vf, &TBox::Ff, &TBox::Qlf, &TBox::Qaf, &TBox::Qpf, &TBox::Vr, &TBox::Fr, &TBox::Qlr,
                       &TBox::Qar, &TBox::Qpr, &TBox::Vc, &TBox::Fc, &TBox::Qlc, &TBox::Qac, &TBox::Qpc,
                       &TBox::Qiclfr, &TBox::Qiclfc, &TBox::Qiclcr, &TBox::T, &TBox::p, &TBox::phi, &TBox::d,
                       &TBox::theta, &TBox::Med, &TBox::alfaVC, &TBox::dTVC, &TBox::Sdfport, &TBox::Sdrport})
      EXPECT_NEAR(x.*field, y.*field, 1e-14 * std::abs(x.*field));
    EXPECT_EQ(x.Nd, y.Nd);
    EXPECT_EQ(x.Isobarik, y.Isobarik);
    if (x.BType == btPassiveRadiator) {
      EXPECT_EQ(x.Npr, y.Npr);
      EXPECT_EQ(x.PassiveRadiator.Vas, y.PassiveRadiator.Vas);
      EXPECT_EQ(x.PassiveRadiator.fs, y.PassiveRadiator.fs);
      EXPECT_EQ(x.PassiveRadiator.Me, y.PassiveRadiator.Me);
    }
    for (auto vent : {&TBox::FrontVent, &TBox::RearVent, &TBox::IntraVent}) {
      const TVent &v = x.*vent, &w = y.*vent;
      EXPECT_EQ(v.Num, w.Num);
      EXPECT_EQ(v.Shape, w.Shape);
      EXPECT_NEAR(v.Fb, w.Fb, 1e-14 * v.Fb);
      EXPECT_EQ(v.dia2, w.dia2);
      EXPECT_EQ(v.k, w.k);
      EXPECT_EQ(v.CrossCalc, w.CrossCalc);
    }
    EXPECT_EQ(a.Color, b.Color);
    EXPECT_EQ(a.Signal.Rg, b.Signal.Rg);
    EXPECT_EQ(a.Signal.P, b.Signal.P);
    EXPECT_EQ(a.Options.VCInd, b.Options.VCInd);
    EXPECT_EQ(a.Options.FlatResponse, b.Options.FlatResponse);
    EXPECT_EQ(a.Options.TLPorts, b.Options.TLPorts);
    EXPECT_EQ(a.ProjectInfo.Creator, b.ProjectInfo.Creator);
    EXPECT_EQ(a.ProjectInfo.Description, b.ProjectInfo.Description);
    EXPECT_EQ(a.ProjectInfo.CreateDate, b.ProjectInfo.CreateDate);
    ASSERT_EQ(a.Filters.size(), b.Filters.size());
    for (std::size_t i = 0; i < a.Filters.size(); ++i) {
      EXPECT_EQ(a.Filters[i]->SaveToString(), b.Filters[i]->SaveToString());
      EXPECT_EQ(a.Filters[i]->GetResponse(77.0), b.Filters[i]->GetResponse(77.0));
    }
  }

  test::TTempFolder folder_;
  TSettings settings_{folder_.Path(), folder_.Path()};
  TProjectManager manager_{settings_};
  test::TFixedNowScope now_{EncodeDate(2026, 12, 11) + 0.25};
};

TEST_F(ProjectFile, EveryBoxTypeRoundTrips) {
  for (const char separator : {'.', ','}) {
    test::TDecimalSeparatorScope scope(separator);
    for (int type = btClosed; type <= btABC; ++type) {
      SCOPED_TRACE(testing::Message() << "type " << type << " separator " << separator);
      TProject* source = Filled(type);
      source->SetModified(true);
      const std::string path = settings_.FProjectsFolder + "design" + std::to_string(type) + ".bpr";
      SaveProjectToFile(path, *source);
      EXPECT_FALSE(source->Modified());
      EXPECT_EQ(source->FileName, path);
      EXPECT_EQ(source->ProjectInfo.ModifyDate, EncodeDate(2026, 12, 11) + 0.25);

      TProject* loaded = manager_.AddProject();
      EXPECT_TRUE(LoadProjectFromFile(path, *loaded).empty());
      EXPECT_EQ(loaded->FileName, path);
      EXPECT_EQ(loaded->ProjectInfo.ModifyDate, EncodeDate(2026, 12, 11));
      ExpectSameStoredFields(*source, *loaded);

      const std::string text = ReadFile(path);
      EXPECT_EQ(text.find("[PassiveRadiator]") != std::string::npos, type == btPassiveRadiator);
      EXPECT_EQ(text.find("\r\nNpr=") != std::string::npos, type == btPassiveRadiator);
      EXPECT_NE(text.find("[PlotSettings]\r\nColor=255\r\nWidth=1\r\n"), std::string::npos);
      EXPECT_NE(text.find("Description=A sub\xA4" "for the den\r\n"), std::string::npos);
    }
  }
}

TEST_F(ProjectFile, SectionsAreWrittenInOrderAndSavingTwiceGivesTheSameBytes) {
  TProject* project = Filled(btPassiveRadiator);
  const std::string path = folder_.File("twice.bpr");
  SaveProjectToFile(path, *project);
  const std::string first = ReadFile(path);
  std::vector<std::size_t> positions;
  for (const char* section : {"[ProjectInfo]", "[Driver]", "[Box]", "[VentFront]", "[VentRear]", "[VentIntra]",
                              "[PlotSettings]", "[SignalSource]", "[Filters]", "[PassiveRadiator]", "[SimulatorOptions]"})
    positions.push_back(first.find(section));
  EXPECT_TRUE(std::is_sorted(positions.begin(), positions.end()));
  EXPECT_EQ(positions.front(), 0u);
  SetFixedNow(EncodeDate(2027, 3, 4));
  SaveProjectToFile(path, *project);
  std::string second = ReadFile(path);
  const auto at = second.find("ModifyDate=20270304");
  ASSERT_NE(at, std::string::npos);
  second.replace(at, 19, "ModifyDate=20261211");
  EXPECT_EQ(second, first);
}

TEST_F(ProjectFile, ASaveKeepsWhatItDoesNotWrite) {
  TProject* project = Filled(btPassiveRadiator);
  const std::string path = folder_.File("kept.bpr");
  SaveProjectToFile(path, *project);
  project->Box.BType = btVented;
  project->Filters.resize(1);
  SaveProjectToFile(path, *project);
  const TIniFile ini(path);
  EXPECT_TRUE(ini.SectionExists("PassiveRadiator"));
  EXPECT_EQ(ini.ReadString("Box", "Npr", ""), "3");
  EXPECT_EQ(ini.ReadString("Filters", "Count", ""), "1");
  EXPECT_TRUE(ini.ValueExists("Filters", "filter7params"));
  TProject* loaded = manager_.AddProject();
  LoadProjectFromFile(path, *loaded);
  EXPECT_EQ(loaded->Filters.size(), 1u);
  EXPECT_EQ(loaded->Box.PassiveRadiator.Vas, 0.0);  // read only for a passive-radiator box
}

TEST_F(ProjectFile, AnOlderHandWrittenFileTakesTheDefaults) {
  test::TDecimalSeparatorScope separator(',');
  TProject* project = manager_.AddProject();
  project->ProjectInfo.Description = "kept";
  const auto warnings = LoadProjectFromFile(test::TestData("project_old.bpr"), *project);
  EXPECT_TRUE(warnings.empty());
  const TBox& box = project->Box;
  EXPECT_EQ(box.BType, btVented);
  EXPECT_EQ(box.Vr, 0.045);
  EXPECT_EQ(box.Fr, 35.5);
  EXPECT_EQ(box.T, 293.15);
  EXPECT_EQ(box.p, 101325.0);
  EXPECT_EQ(box.phi, 0.3);
  EXPECT_EQ(box.d, 1.0);
  EXPECT_EQ(box.alfaVC, 0.0039);
  EXPECT_EQ(box.Nd, 2);
  EXPECT_EQ(box.RearVent.dia1, 0.07);
  EXPECT_EQ(box.RearVent.len, 0.2);
  EXPECT_EQ(box.RearVent.dia2, 0.0);
  for (const TVent* vent : {&box.FrontVent, &box.RearVent, &box.IntraVent}) {
    EXPECT_EQ(vent->k, 0.732);
    EXPECT_EQ(vent->Num, 1);
    EXPECT_EQ(vent->Shape, 1);
    EXPECT_FALSE(vent->CrossCalc);
  }
  EXPECT_EQ(project->Driver.Data.Fs, 30.0);
  EXPECT_EQ(std::string(project->Driver.Data.ParState.begin(), project->Driver.Data.ParState.begin() + 10),
            std::string(10, 'E'));
  EXPECT_EQ(project->Signal.Rg, 0.25);
  EXPECT_EQ(project->Signal.P, 1.0);
  EXPECT_TRUE(project->Options.TLPorts);
  EXPECT_FALSE(project->Options.VCInd);
  EXPECT_EQ(project->ProjectInfo.Creator, "Ada");
  EXPECT_EQ(project->ProjectInfo.Description, "kept");
  EXPECT_EQ(project->ProjectInfo.CreateDate, EncodeDate(2024, 1, 15));
  EXPECT_EQ(project->ProjectInfo.ModifyDate, EncodeDate(2026, 12, 11));
  EXPECT_EQ(project->Color, 0);
  ASSERT_EQ(project->Filters.size(), 2u);
  EXPECT_EQ(project->Filters[0]->FFilterType, ftParametricEQ);
  EXPECT_EQ(static_cast<TFilter_ParametricEQ&>(*project->Filters[0]).FCenter, 40.0);
  EXPECT_FALSE(project->Filters[1]->FEnabled);
  EXPECT_FALSE(project->Modified());
}

TEST_F(ProjectFile, ValuesOutOfRangeAreReplacedAndReported) {
  const std::string path = folder_.File("odd.bpr");
  WriteFile(path, "[Box]\r\nBType=9\r\nNd=0\r\n[Filters]\r\nCount=2000000000\r\n");
  TProject* project = manager_.AddProject();
  const auto warnings = LoadProjectFromFile(path, *project);
  EXPECT_EQ(project->Box.BType, btClosed);
  EXPECT_EQ(project->Box.Nd, 1);
  EXPECT_TRUE(project->Filters.empty());
  ASSERT_EQ(warnings.size(), 3u);
  EXPECT_EQ(warnings[0], path + ": [Box] BType=9 is out of range; 0 is used");
  EXPECT_EQ(warnings[1], path + ": [Box] Nd=0 is out of range; 1 is used");
}

TEST_F(ProjectFile, FailedLoadsNameTheFileAndTheProjectCanBeDropped) {
  const struct {
    std::string name, content, reason;
  } cases[] = {
      {"baddate.bpr", "[ProjectInfo]\r\nCreateDate=20240230\r\n", "20240230"},
      {"badfilter.bpr", "[Box]\r\nBType=0\r\n[Filters]\r\nCount=1\r\nfilter0type=12\r\n", "Filter class not found!"},
      {"baddriver.bpr", "[Driver]\r\nDateModified=2024x101\r\n", "2024x101"},
      {"notes.bpr", "Shopping list\r\n[Groceries]\r\nmilk=2\r\n", "not a Bextor project"},
  };
  for (const auto& c : cases) {
    const std::string path = folder_.File(c.name);
    WriteFile(path, c.content);
    TProject* kept = manager_.AddProject();
    TProject* project = manager_.AddProject();
    try {
      LoadProjectFromFile(path, *project);
      FAIL() << c.name;
    } catch (const EFileError& error) {
      EXPECT_NE(std::string(error.what()).find(path + ": "), std::string::npos) << error.what();
      EXPECT_NE(std::string(error.what()).find(c.reason), std::string::npos) << error.what();
    }
    manager_.RemoveProject(project);  // what the main window does with a half-read project
    EXPECT_EQ(manager_.ActiveProject(), kept);
  }
  TProject* project = manager_.AddProject();
  try {
    LoadProjectFromFile(folder_.File("absent.bpr"), *project);
    FAIL();
  } catch (const EFileError& error) {
    EXPECT_EQ(std::string(error.what()), folder_.File("absent.bpr") + ": file not found");
  }
}

TEST_F(ProjectFile, AFailedSaveKeepsTheOldFileAndTheModifiedFlag) {
  TProject* project = Filled(btVented);
  const std::string path = folder_.File("saved.bpr");
  SaveProjectToFile(path, *project);
  const std::string before = ReadFile(path);
  const TDateTime saved_date = project->ProjectInfo.ModifyDate;

  project->Box.Vr = 0.123;
  project->ProjectInfo.Description = std::string(200000, 'x');  // too big for the limit below
  project->SetModified(true);
  SetFixedNow(EncodeDate(2027, 1, 1));
  {
    test::TFileSizeLimit limit(8192);
    EXPECT_THROW(SaveProjectToFile(path, *project), EFileError);
  }
  EXPECT_EQ(ReadFile(path), before);
  EXPECT_TRUE(project->Modified());
  EXPECT_EQ(project->FileName, path);
  EXPECT_EQ(project->ProjectInfo.ModifyDate, saved_date);

  const std::string nowhere = folder_.File("missing folder/new.bpr");
  try {
    SaveProjectToFile(nowhere, *project);
    FAIL();
  } catch (const EFileError& error) {
    EXPECT_EQ(std::string(error.what()).rfind(nowhere + ": ", 0), 0u) << error.what();
  }
  EXPECT_TRUE(project->Modified());
  EXPECT_EQ(project->FileName, path);
  QDir().mkpath(QString::fromStdString(folder_.File("dir.bpr")));  // a folder in the file's place
  EXPECT_THROW(SaveProjectToFile(folder_.File("dir.bpr"), *project), EFileError);
}

}  // namespace
}  // namespace bextor
