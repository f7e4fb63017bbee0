#include "settings/Settings.h"

#include "common/Errors.h"
#include "persistence/IniFile.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <algorithm>

namespace bextor {
namespace {

using test::ReadFile;
using test::WriteFile;

class SettingsTest : public ::testing::Test {
protected:
  test::TTempFolder documents_;
  test::TTempFolder shared_;
  TSettings settings_{documents_.Path(), shared_.Path()};

  void WriteSettingsFile(const std::string& text) { WriteFile(settings_.SettingsFileName(), text); }
};

TEST_F(SettingsTest, CreationMakesTheUserFolders) {
  EXPECT_EQ(settings_.FUserFolder, documents_.Path() + "Bextor/");
  EXPECT_EQ(settings_.FProjectsFolder, documents_.Path() + "Bextor/projects/");
  EXPECT_EQ(settings_.FDriversFolder, documents_.Path() + "Bextor/drivers/");
  EXPECT_EQ(settings_.FSettingsFolder, documents_.Path() + "Bextor/settings/");
  EXPECT_EQ(settings_.FAllUsersFolder, shared_.Path());
  for (const auto* folder : {&settings_.FProjectsFolder, &settings_.FDriversFolder, &settings_.FSettingsFolder})
    EXPECT_TRUE(QFileInfo(QString::fromStdString(*folder)).isDir()) << *folder;
  EXPECT_FALSE(settings_.UserName.empty());
}

TEST_F(SettingsTest, CreationInstallsTheDeliveredDefaultUnitChoices) {
  WriteFile(shared_.File("unitindex_default_metric.dat"), "delivered");
  const TSettings again(documents_.Path(), shared_.Path());
  EXPECT_EQ(ReadFile(again.FSettingsFolder + "unitindex_default_metric.dat"), "delivered");
}

TEST_F(SettingsTest, EmptyUserFoldersReceiveTheDeliveredExamples) {
  struct TCase {
    const char* folder;
    const char* extension;
    std::string TSettings::*target;
  };
  for (const TCase& c : {TCase{"drivers", ".bdr", &TSettings::FDriversFolder},
                         TCase{"projects", ".BPR", &TSettings::FProjectsFolder}}) {
    SCOPED_TRACE(c.folder);
    const test::TTempFolder documents;
    const std::string one = std::string(c.folder) + "/one" + c.extension;
    const std::string two = std::string(c.folder) + "/two" + c.extension;
    QDir().mkpath(QString::fromStdString(shared_.File(c.folder)));
    WriteFile(shared_.File(one), "[Section]\r\nKey=S\r\n");
    WriteFile(shared_.File(two), "[Section]\r\nKey=T\r\n");
    const TSettings first(documents.Path(), shared_.Path());
    EXPECT_EQ(ReadFile(first.*c.target + "one" + c.extension), "[Section]\r\nKey=S\r\n");
    QFile::remove(QString::fromStdString(first.*c.target + "two" + c.extension));
    const TSettings second(documents.Path(), shared_.Path());  // not empty: left alone
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(second.*c.target + "two" + c.extension)));
  }
}

TEST_F(SettingsTest, WithoutAFileTheDefaultsHold) {
  EXPECT_TRUE(settings_.LoadSettings().empty());
  const TLimits& limits = settings_.Plot.Limits;
  EXPECT_EQ(limits.FreqStart(), 10.0);
  EXPECT_EQ(limits.FreqEnd, 500.0);
  EXPECT_EQ(limits.GainStart, -30.0);
  EXPECT_EQ(limits.GainEnd, 6.0);
  EXPECT_EQ(limits.ExcursionStart, 0.0);
  EXPECT_EQ(limits.ExcursionEnd, 0.03);
  EXPECT_EQ(settings_.ExcursionScaling, 1);  // peak
  EXPECT_EQ(settings_.Plot.Colors.LineOther, 11513775);
  EXPECT_EQ(settings_.Environment.Humidy, 0.3);
}

class SettingsFileBothSeparators : public SettingsTest, public ::testing::WithParamInterface<char> {
protected:
  test::TDecimalSeparatorScope separator_{GetParam()};
};

TEST_P(SettingsFileBothSeparators, SaveWritesEverySectionSortedByName) {
  settings_.UserName = "Ada";
  settings_.SaveSettings();
  std::string expected =
            "[Settings]\r\nEnvironment=\r\nExcursionScaling=1\r\nUserName=Ada\r\nVelocityScaling=1\r\n\r\n"
            "[Settings.Plot.Limits]\r\nDelayEnd=40\r\nDelayStart=0\r\nExcursionEnd=0.03\r\nExcursionStart=0\r\nFilterEQGainMax=20\r\nFilterEQGainMin=-40\r\nFreqEnd=500\r\nFreqStart=10\r\n"
            "GainEnd=6\r\nGainPhaseEnd=180\r\nGainPhaseStart=-180\r\nGainStart=-30\r\nImpedanceEnd=50\r\n"
            "ImpedancePhaseEnd=90\r\nImpedancePhaseStart=-90\r\nImpedanceStart=0\r\nMaxPowerEnd=500\r\n"
            "MaxPowerStart=0\r\nSPLEnd=105\r\nSPLStart=75\r\nVelocityEnd=20\r\nVelocityStart=0\r\n\r\n"
            "[Settings.Plot.Colors]\r\nBackground=16777215\r\nLabels=0\r\nLine0dB=0\r\nLine3dB=8355711\r\n"
            "LineOther=11513775\r\nLineXmax=255\r\n\r\n"
            "[Settings.Environment]\r\nAirPressure=101325\r\nHumidy=0.3\r\nTemperature=293.15\r\n";
  for (std::size_t at = expected.find('='); at != std::string::npos; at = expected.find('=', at + 1))
    std::replace(expected.begin() + at, expected.begin() + expected.find('\r', at), '.', GetParam());
  EXPECT_EQ(ReadFile(settings_.SettingsFileName()), expected);
}

TEST_P(SettingsFileBothSeparators, AFileWrittenUnderTheOtherSeparatorLoadsCompletely) {
  {
    test::TDecimalSeparatorScope writer(GetParam() == '.' ? ',' : '.');
    settings_.Environment.Temperature = 296.65;
    settings_.Plot.Limits.ExcursionEnd = 0.0125;
    settings_.Plot.Limits.SetFreqStart(2.5);
    settings_.Plot.Colors.Background = 0x00332211;
    settings_.VelocityScaling = 2;
    settings_.SaveSettings();
  }
  TSettings loaded(documents_.Path(), shared_.Path());
  EXPECT_TRUE(loaded.LoadSettings().empty());
  EXPECT_EQ(loaded.Environment.Temperature, 296.65);
  EXPECT_EQ(loaded.Plot.Limits.ExcursionEnd, 0.0125);
  EXPECT_EQ(loaded.Plot.Limits.FreqStart(), 2.5);
  EXPECT_EQ(loaded.Plot.Colors.Background, 0x00332211);
  EXPECT_EQ(loaded.VelocityScaling, 2);
}

INSTANTIATE_TEST_SUITE_P(Separators, SettingsFileBothSeparators, ::testing::Values('.', ','));

TEST_F(SettingsTest, AStartFrequencyOfZeroBecomesTenHertz) {
  WriteSettingsFile("[Settings.Plot.Limits]\r\nFreqStart=0\r\n");
  EXPECT_TRUE(settings_.LoadSettings().empty());
  EXPECT_EQ(settings_.Plot.Limits.FreqStart(), 10.0);
  settings_.Plot.Limits.SetFreqStart(-5.0);
  EXPECT_EQ(settings_.Plot.Limits.FreqStart(), 10.0);
}

TEST_F(SettingsTest, OnlyTheKeysInTheFileChange) {
  WriteSettingsFile("[Settings.Environment]\r\nTemperature=300\r\n");
  settings_.LoadSettings();
  EXPECT_EQ(settings_.Environment.Temperature, 300.0);
  EXPECT_EQ(settings_.Environment.AirPressure, 101325.0);
  EXPECT_EQ(settings_.Environment.Humidy, 0.3);
  EXPECT_EQ(settings_.Plot.Limits.FreqEnd, 500.0);
  EXPECT_EQ(settings_.ExcursionScaling, 1);
}

TEST_F(SettingsTest, BadValuesKeepTheirDefaultsAndTheLoadGoesOn) {
  WriteSettingsFile(
      "[Settings]\r\nExcursionScaling=1.5\r\nUserName=Grace\r\nVelocityScaling=0\r\n"
      "[Settings.Plot.Limits]\r\nFreqEnd=abc\r\nGainEnd=1,000.5\r\nSPLEnd=110\r\n"
      "[Settings.Plot.Colors]\r\nBackground=99999999999\r\n"
      "[Settings.Environment]\r\nTemperature=inf\r\nHumidy=0,45\r\n");
  const auto warnings = settings_.LoadSettings();
  ASSERT_EQ(warnings.size(), 5u);
  EXPECT_NE(warnings[0].find("settings.ini: [Settings] ExcursionScaling=1.5 is not a valid number"), std::string::npos);
  EXPECT_NE(warnings[0].find("ExcursionScaling stays 1"), std::string::npos);
  EXPECT_NE(warnings[1].find("FreqEnd=abc"), std::string::npos);
  EXPECT_EQ(settings_.ExcursionScaling, 1);
  EXPECT_EQ(settings_.UserName, "Grace");
  EXPECT_EQ(settings_.VelocityScaling, 0);
  EXPECT_EQ(settings_.Plot.Limits.FreqEnd, 500.0);
  EXPECT_EQ(settings_.Plot.Limits.GainEnd, 6.0);
  EXPECT_EQ(settings_.Plot.Limits.SPLEnd, 110.0);
  EXPECT_EQ(settings_.Plot.Colors.Background, 16777215);
  EXPECT_EQ(settings_.Environment.Temperature, 293.15);
  EXPECT_EQ(settings_.Environment.Humidy, 0.45);
}

TEST_F(SettingsTest, AnUnreadableFileIsAWarningAndSavingKeepsOtherContent) {
  QDir().mkpath(QString::fromStdString(settings_.SettingsFileName()));  // a folder in its place
  const auto warnings = settings_.LoadSettings();
  ASSERT_EQ(warnings.size(), 1u);
  EXPECT_NE(warnings[0].find("settings.ini"), std::string::npos);
  QDir().rmdir(QString::fromStdString(settings_.SettingsFileName()));

  WriteSettingsFile("[Mine]\r\nKeep=1\r\n");
  settings_.SaveSettings();
  EXPECT_EQ(TIniFile(settings_.SettingsFileName()).ReadString("Mine", "Keep", ""), "1");
}

// A small class with every property kind, for the generic property routines.
class TAllKinds : public TPersistent {
public:
  std::string ClassName() const override { return "TAllKinds"; }
  std::vector<TPropInfo> PublishedProperties() override {
    return {{"Flag", TPropKind::Boolean, [this] { return TPropValue(Flag); },
             [this](const TPropValue& v) { Flag = std::get<bool>(v); }},
            ObjectProp("Gadget", Child),
            FloatProp("Zeta", Zeta),
            ObjectProp("Alpha", Child)};
  }
  bool Flag = true;
  double Zeta = 1.5e-7;
  TEnvironment Child;
};

TEST(PropertiesInIni, EveryKindByNameWithObjectsRepeatingThePreviousText) {
  test::TDecimalSeparatorScope separator('.');
  TIniFile ini = TIniFile::FromText("");
  TAllKinds object;
  WritePropertiesToIni(ini, object, "S");
  EXPECT_EQ(ini.Text(), "[S]\r\nAlpha=\r\nFlag=True\r\nGadget=True\r\nZeta=1.5E-7\r\n");

  std::vector<std::string> warnings;
  TAllKinds read;
  ReadPropertiesFromIni(TIniFile::FromText("[S]\nFlag=yes\nZeta=2\n"), read, "S", warnings);
  EXPECT_FALSE(read.Flag);
  EXPECT_EQ(read.Zeta, 2.0);
  ReadPropertiesFromIni(TIniFile::FromText("[S]\nflag=TRUE\n"), read, "S", warnings);
  EXPECT_TRUE(read.Flag);
  EXPECT_TRUE(warnings.empty());
}

TEST(PropertiesInIni, AssignBetweenUnrelatedKindsIsAnError) {
  TEnvironment environment;
  TColors colors;
  try {
    environment.Assign(colors);
    FAIL() << "no error";
  } catch (const EAssignError& error) {
    EXPECT_STREQ(error.what(), "Cannot assign a TColors to a TEnvironment");
  }
}

}  // namespace
}  // namespace bextor
