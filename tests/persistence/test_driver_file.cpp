#include "persistence/DriverFile.h"

#include "common/Errors.h"
#include "drivers/DriverParameters.h"
#include "persistence/IniFile.h"
#include "persistence/IniValues.h"
#include "settings/Settings.h"
#include "simulation/AirProperties.h"
#include "support/DriverFixtures.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <sstream>

namespace bextor {
namespace {

class DriverFile : public ::testing::Test {
protected:
  TDriverObject Read(const TIniFile& ini) {
    TDriverObject driver(environment_);
    ReadDriverIni(ini, driver, environment_, warnings_);
    return driver;
  }
  test::TFixedNowScope now_{EncodeDate(2026, 12, 11) + 0.5};
  TEnvironment environment_;
  std::vector<std::string> warnings_;
};

TEST_F(DriverFile, KeysAreWrittenInTheirOrder) {
  test::TDecimalSeparatorScope separator('.');
  TDriverObject driver = test::ConsistentDriver();
  driver.Data.Brand = "Acme";
  driver.Data.Xlim = 0.01;  // never stored
  TIniFile ini = TIniFile::FromText("");
  WriteDriverIni(ini, driver);
  std::vector<std::string> keys;
  const std::string text = ini.Text();
  std::istringstream lines(text);
  std::string line;
  std::getline(lines, line);  // [Driver]
  while (std::getline(lines, line)) keys.push_back(line.substr(0, line.find('=')));
  const std::vector<std::string> expected = {
      "Brand", "DateAdded", "DateModified", "Qts", "Znom", "Fs", "Pe", "SPL", "Re", "Le", "fLe", "KLe", "BL",
      "Xmax", "Cms", "Qms", "Qes", "Rms", "Mms", "Sd", "Vas", "Dia", "Vd", "no", "Dd", "EBP", "numVC", "Hc",
      "Hg", "SPLmax", "SPLmaxLF", "USPL", "alfaVC", "Rt", "Ct", "gamma", "Rme", "Mpow", "Mcost", "Gloss",
      "VCCon", "c", "roo", "Thick", "Depth", "MagDepth", "Magnet", "Basket", "Outer", "Vcd", "DVol", "ParState"};
  EXPECT_EQ(keys, expected);  // empty texts write no key
  EXPECT_NE(text.find("\r\nFs=30\r\n"), std::string::npos);
  EXPECT_NE(text.find("\r\nDateAdded=20261211\r\n"), std::string::npos);
  EXPECT_NE(text.find("\r\nParState=" + std::string(23, 'N') + "E" + std::string(23, 'N') + "CC\r\n"),
            std::string::npos);
}

TEST_F(DriverFile, RoundTripReproducesEveryStoredField) {
  for (const char separator : {'.', ','}) {
    test::TDecimalSeparatorScope scope(separator);
    TDriverObject driver(environment_);
    driver.Data.Brand = "Acme";
    driver.Data.Model = "W200 \xC3\xA4";
    driver.Data.Manufacturer = "Acme GmbH";
    driver.Data.ProvidedBy = "Grace";
    driver.Data.Comment = "line 1\r\nline 2 \xC2\xA4";
    driver.Data.DateAdded = EncodeDate(2011, 3, 4);
    driver.Data.DateModified = EncodeDate(2012, 5, 6);
    for (const auto& parameter : DriverParameters())
      SetParameterValue(driver.Data, parameter, 0.001 * (parameter.Pos + 1) / 3.0);
    driver.Data.numVC = 2;
    driver.Data.VCCon = 2;
    for (std::size_t i = 0; i < driver.Data.ParState.size(); ++i) driver.Data.ParState[i] = "ECN"[i % 3];
    TIniFile ini = TIniFile::FromText("");
    WriteDriverIni(ini, driver);
    test::TDecimalSeparatorScope other(separator == '.' ? ',' : '.');
    const TDriverObject back = Read(TIniFile::FromText(ini.Text()));
    EXPECT_EQ(back.Data.Brand, driver.Data.Brand);
    EXPECT_EQ(back.Data.Model, driver.Data.Model);
    EXPECT_EQ(back.Data.Manufacturer, driver.Data.Manufacturer);
    EXPECT_EQ(back.Data.ProvidedBy, driver.Data.ProvidedBy);
    EXPECT_EQ(back.Data.Comment, driver.Data.Comment);
    EXPECT_EQ(back.Data.DateAdded, driver.Data.DateAdded);
    EXPECT_EQ(back.Data.DateModified, driver.Data.DateModified);
    for (const auto& parameter : DriverParameters()) {
      const double expected = parameter.Pos == ppXlim ? 0.0 : GetParameterValue(driver.Data, parameter);
      EXPECT_NEAR(GetParameterValue(back.Data, parameter), expected, 1e-14 * std::abs(expected)) << parameter.Name;
    }
    EXPECT_EQ(back.Data.ParState, driver.Data.ParState);
  }
  EXPECT_TRUE(warnings_.empty());
}

TEST_F(DriverFile, AnEmptySectionGivesTheDefaults) {
  const TDriverObject driver = Read(TIniFile::FromText(""));
  EXPECT_EQ(driver.Data.Fs, 0.0);
  EXPECT_EQ(driver.Data.numVC, 1);
  EXPECT_EQ(driver.Data.VCCon, 1);
  EXPECT_EQ(driver.Data.DateAdded, EncodeDate(2026, 12, 11));  // today at midnight
  // The defaults are texts in the file's float format (15 digits).
  EXPECT_EQ(driver.Data.roo, StrToFloatAny(FloatToStrDot(AirDensity(293.15, 101325.0, 0.3))));
  EXPECT_EQ(driver.Data.c, StrToFloatAny(FloatToStrDot(SoundVelocity(101325.0, driver.Data.roo))));
  EXPECT_EQ(std::string(driver.Data.ParState.begin(), driver.Data.ParState.end()), std::string(49, 'E'));
}

TEST_F(DriverFile, AnOlderFileWithCommasAndAMarker) {
  test::TDecimalSeparatorScope separator('.');
  environment_.Temperature = 300.0;
  const TDriverObject driver = Read(TIniFile(test::TestData("driver_comma_old.bdr")));
  EXPECT_EQ(driver.Data.Brand, "Acme");
  EXPECT_EQ(driver.Data.Model, "W 200,\xC3\xA4");
  EXPECT_EQ(driver.Data.Comment, "Paper cone\r\nF\xC3\xBCr kleine Geh\xC3\xA4use");
  EXPECT_EQ(driver.Data.DateAdded, EncodeDate(2012, 2, 29));
  EXPECT_EQ(driver.Data.DateModified, EncodeDate(2026, 12, 11));
  EXPECT_EQ(driver.Data.Qts, 0.38);
  EXPECT_EQ(driver.Data.Fs, 32.5);
  EXPECT_EQ(driver.Data.Re, 5.6);
  EXPECT_EQ(driver.Data.Vas, 0.042);
  EXPECT_EQ(driver.Data.Sd, 0.0214);
  EXPECT_EQ(driver.Data.numVC, 2);
  // No "roo" or "c": the parameters refer to the settings' air (here 300 K); the default
  // text goes through the writer's float format first.
  EXPECT_EQ(driver.Data.roo, StrToFloatAny(FloatToStrDot(AirDensity(300.0, 101325.0, 0.3))));
  EXPECT_EQ(driver.Data.c, StrToFloatAny(FloatToStrDot(SoundVelocity(101325.0, driver.Data.roo))));
  EXPECT_EQ(driver.Data.ParState[ppFs], 'E');
}

TEST_F(DriverFile, ShortStatusTextsReplaceOnlyTheirPositions) {
  TDriverObject driver(environment_);  // 'N' everywhere but numVC, c and roo
  ReadDriverIni(TIniFile::FromText("[Driver]\nParState=CCCCCCCCCC\n"), driver, environment_, warnings_);
  EXPECT_EQ(std::string(driver.Data.ParState.begin(), driver.Data.ParState.end()),
            std::string(10, 'C') + std::string(13, 'N') + "E" + std::string(23, 'N') + "CC");
  ReadDriverIni(TIniFile::FromText("[Driver]\nParState=" + std::string(60, 'x') + "\n"), driver, environment_, warnings_);
  EXPECT_EQ(std::string(driver.Data.ParState.begin(), driver.Data.ParState.end()), std::string(49, 'x'));
}

TEST_F(DriverFile, IntegersOutOfRangeAreReplacedAndReported) {
  const TDriverObject driver = Read(TIniFile::FromText("[Driver]\nnumVC=0\nVCCon=7\n"));
  EXPECT_EQ(driver.Data.numVC, 1);
  EXPECT_EQ(driver.Data.VCCon, 1);
  ASSERT_EQ(warnings_.size(), 2u);
  EXPECT_EQ(warnings_[0], ": [Driver] numVC=0 is out of range; 1 is used");
}

TEST_F(DriverFile, AMalformedDateStopsTheRead) {
  TDriverObject driver(environment_);
  const TIniFile ini = TIniFile::FromText("[Driver]\nBrand=B\nDateAdded=20120230\nFs=40\n");
  EXPECT_THROW(ReadDriverIni(ini, driver, environment_, warnings_), EConvertError);
  EXPECT_EQ(driver.Data.Brand, "B");
  EXPECT_EQ(driver.Data.Fs, 0.0);
}

}  // namespace
}  // namespace bextor
