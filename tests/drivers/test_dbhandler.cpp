#include "drivers/DBHandler.h"

#include "drivers/ConsistencyCheck.h"

#include "settings/Settings.h"
#include "support/TestSupport.h"

#include <QDir>

#include <gtest/gtest.h>

namespace bextor {
namespace {

using test::WriteFile;

class DriverDatabase : public ::testing::Test {
protected:
  void Driver(const std::string& name, const std::string& brand, const std::string& model) {
    WriteFile(folder_.File(name), "[Driver]\r\nBrand=" + brand + "\r\nModel=" + model + "\r\nFs=30\r\n");
  }
  std::vector<int> Scan() {
    std::vector<int> reported;
    database_.FOnProgress = [&](int percent) { reported.push_back(percent); };
    database_.SetPath(folder_.Path());
    database_.EnsureLoaded();
    database_.FOnProgress = nullptr;
    return reported;
  }
  test::TTempFolder folder_;
  TEnvironment environment_;
  TDBHandler database_{environment_};
};

TEST_F(DriverDatabase, BrandsMergeWithoutLetterCaseInFileNameOrder) {
  Driver("d.bdr", "ACME", "D4");
  Driver("a.bdr", "Acme", "A1");
  Driver("b.BDR", "Zeta", "B2");
  Driver("c.bdr", "acme", "C3");
  Driver("notes.txt", "Other", "X");
  QDir().mkpath(QString::fromStdString(folder_.File("folder.bdr")));
  EXPECT_EQ(Scan(), (std::vector<int>{25, 50, 75, 100}));
  EXPECT_TRUE(database_.Loaded());
  const auto tree = database_.FillTree();
  ASSERT_EQ(tree.size(), 2u);
  EXPECT_EQ(tree[0].Brand, "Acme");
  ASSERT_EQ(tree[0].Models.size(), 3u);
  EXPECT_EQ(tree[0].Models[0]->Data.Model, "A1");
  EXPECT_EQ(tree[0].Models[1]->Data.Model, "C3");
  EXPECT_EQ(tree[0].Models[2]->Data.Model, "D4");
  EXPECT_EQ(tree[1].Brand, "Zeta");
  EXPECT_EQ(tree[0].Models[0]->FileName(), folder_.File("a.bdr"));
  EXPECT_EQ(tree[0].Models[0]->Data.Fs, 30.0);
}

TEST_F(DriverDatabase, ProgressIsReportedOncePerPercentage) {
  for (const char* name : {"1.bdr", "2.bdr", "3.bdr"}) Driver(name, "B", name);
  EXPECT_EQ(Scan(), (std::vector<int>{33, 66, 100}));
  database_.Invalidate();
  EXPECT_EQ(Scan(), (std::vector<int>{33, 66, 100}));  // a rescan reports from the start again
  EXPECT_EQ(database_.Drivers().size(), 3u);
}

TEST_F(DriverDatabase, AnEmptyPathOrFolderGivesAnEmptyList) {
  database_.EnsureLoaded();
  EXPECT_FALSE(database_.Loaded());
  EXPECT_TRUE(database_.FillTree().empty());
  EXPECT_TRUE(Scan().empty());
  EXPECT_TRUE(database_.Loaded());
  EXPECT_TRUE(database_.Drivers().empty());
}

TEST_F(DriverDatabase, AFileThatCannotBeReadIsSkippedAndReported) {
  Driver("a.bdr", "Acme", "A1");
  WriteFile(folder_.File("b.bdr"), "[Driver]\r\nBrand=Broken\r\nDateAdded=20230230\r\n");
  Driver("c.bdr", "Acme", "C3");
  Scan();
  EXPECT_TRUE(database_.Loaded());
  ASSERT_EQ(database_.Drivers().size(), 2u);
  ASSERT_EQ(database_.Problems().size(), 1u);
  EXPECT_NE(database_.Problems()[0].find(folder_.File("b.bdr") + ": "), std::string::npos);
  EXPECT_NE(database_.Problems()[0].find("20230230"), std::string::npos);
  // A new driver appears after the list was marked stale.
  Driver("d.bdr", "Delta", "D");
  EXPECT_EQ(database_.FillTree().size(), 1u);
  database_.Invalidate();
  EXPECT_EQ(database_.FillTree().size(), 2u);
}

}  // namespace
}  // namespace bextor

namespace bextor {
namespace {

TEST(SampleDrivers, EveryDeliveredDriverReadsAndIsConsistent) {
  const TEnvironment environment;
  TDBHandler database(environment);
  database.SetPath(DefaultSharedDataFolder() + "drivers/");
  database.EnsureLoaded();
  EXPECT_GE(database.Drivers().size(), 10u);
  EXPECT_TRUE(database.Problems().empty());
  for (const auto& sample : database.Drivers()) {
    TDriverObject driver(environment);
    driver.Assign(*sample);
    EXPECT_TRUE(CheckConsistency(driver)) << sample->Data.Model << ": "
                                          << testing::PrintToString(FailedConsistencyGroups(driver));
    EXPECT_GT(driver.Data.Fs, 0.0);
    EXPECT_GT(driver.Data.BL, 0.0);
    EXPECT_NE(driver.Data.Comment.find("\r\n"), std::string::npos);
  }
}

}  // namespace
}  // namespace bextor
