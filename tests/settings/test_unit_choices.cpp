#include "settings/UnitChoices.h"

#include "settings/Units.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cstring>

namespace bextor {
namespace {

using test::ReadFile;
using test::WriteFile;

class UnitChoices : public ::testing::Test {
protected:
  test::TTempFolder folder_;
  test::TRecordingSink sink_;
  TUnitChoices choices_{folder_.File("unitindex.dat")};
  std::string File() const { return ReadFile(choices_.FilePath()); }
};

TEST_F(UnitChoices, RecordLayoutIsFixed) {
  const std::string record = EncodeUnitChoiceRecord("edVas", qkVolume, 1);
  ASSERT_EQ(record.size(), 264u);
  EXPECT_EQ(record[0], 5);
  EXPECT_EQ(record.substr(1, 5), "edVas");
  EXPECT_EQ(record.substr(6, 250), std::string(250, '\0'));
  EXPECT_EQ(record.substr(256, 8), std::string("\x02\0\0\0\x01\0\0\0", 8));
  EXPECT_EQ(EncodeUnitChoiceRecord("x", -2, 0x01020304).substr(256, 8),
            std::string("\xFE\xFF\xFF\xFF\x04\x03\x02\x01", 8));
  EXPECT_EQ(EncodeUnitChoiceRecord(std::string(300, 'n'), 1, 0).substr(0, 2), "\xFFn");
}

TEST_F(UnitChoices, LookupOfAMissingNameAppendsItWithIndexZero) {
  EXPECT_EQ(choices_.GetUnitIndex("edXmax"), 0);  // creates the file
  EXPECT_EQ(File(), EncodeUnitChoiceRecord("edXmax", 0, 0));
  choices_.SetUnitIndex("edVas", 1, qkVolume);
  choices_.SetUnitIndex("edXmax", 2, qkLength);  // overwrites in place
  EXPECT_EQ(File(), EncodeUnitChoiceRecord("edXmax", qkLength, 2) + EncodeUnitChoiceRecord("edVas", qkVolume, 1));
  EXPECT_EQ(choices_.GetUnitIndex("edVas"), 1);
  EXPECT_EQ(choices_.GetUnitIndex("edvas"), 0);  // names are case-sensitive
  EXPECT_EQ(File().size(), 3u * 264u);
}

TEST_F(UnitChoices, ReadsTheFirstRecordAndIgnoresBytesAfterTheName) {
  std::string first = EncodeUnitChoiceRecord("edFs", qkFrequency, 1);
  std::memset(first.data() + 10, 'z', 100);  // junk after the name
  WriteFile(choices_.FilePath(), first + EncodeUnitChoiceRecord("edFs", qkFrequency, 0) + "partial");
  EXPECT_EQ(choices_.GetUnitIndex("edFs"), 1);
  // A new record is appended aligned: the partial tail is dropped.
  EXPECT_EQ(choices_.GetUnitIndex("edRe"), 0);
  EXPECT_EQ(File().size(), 3u * 264u);
  EXPECT_EQ(choices_.GetUnitIndex("edRe"), 0);
  EXPECT_EQ(File().size(), 3u * 264u);
}

TEST_F(UnitChoices, CyclingReexpressesTheShownValue) {
  choices_.SetUnitIndex("edXmax", 1, qkLength);
  auto cycled = choices_.CycleUnit("edXmax", qkLength, "10.0");
  EXPECT_EQ(cycled.UnitName, "cm");
  EXPECT_EQ(cycled.Text, "1.00");
  EXPECT_EQ(choices_.GetUnitIndex("edXmax"), 2);

  choices_.SetUnitIndex("edXmax", 5, qkLength);
  cycled = choices_.CycleUnit("edXmax", qkLength, "1.000");
  EXPECT_EQ(cycled.UnitName, "m");
  EXPECT_EQ(cycled.Text, "0.914");

  choices_.SetUnitIndex("edTemperature", 1, qkTemperature);
  cycled = choices_.CycleUnit("edTemperature", qkTemperature, "20.00");
  EXPECT_EQ(cycled.UnitName, "\u00B0F");
  EXPECT_EQ(cycled.Text, "68.00");
  cycled = choices_.CycleUnit("edTemperature", qkTemperature, cycled.Text);
  EXPECT_EQ(cycled.UnitName, "K");
  EXPECT_EQ(cycled.Text, "293.15");
  EXPECT_TRUE(sink_.Messages.empty());
}

TEST_F(UnitChoices, OneUnitKindsDamagedIndicesAndUnknownKinds) {
  auto cycled = choices_.CycleUnit("edRe", qkResistance, "8");
  EXPECT_EQ(cycled.UnitName, "ohm");
  EXPECT_EQ(cycled.Text, "8.000");
  EXPECT_EQ(choices_.GetUnitIndex("edRe"), 0);

  choices_.SetUnitIndex("edVas", 9, qkVolume);  // beyond the list: shown in m^3, restarts at 0
  EXPECT_EQ(choices_.UnitNameOf("edVas", qkVolume), "m^3");
  cycled = choices_.CycleUnit("edVas", qkVolume, "0.0500");
  EXPECT_EQ(cycled.UnitName, "m^3");
  EXPECT_EQ(cycled.Text, "0.0500");
  EXPECT_EQ(choices_.GetUnitIndex("edVas"), 0);

  cycled = choices_.CycleUnit("edPRQms", 0, "abc");  // no kind: no unit, and display 0
  EXPECT_EQ(cycled.UnitName, "");
  EXPECT_EQ(cycled.Text, "0.000");
  EXPECT_EQ(sink_.Messages, std::vector<std::string>{"Can't convert floating point number"});
}

TEST_F(UnitChoices, TwoWindowsSharingANameSeeOneChoice) {
  TUnitChoices other_window(choices_.FilePath());
  choices_.CycleUnit("edTemperature", qkTemperature, "293.15");
  EXPECT_EQ(other_window.UnitNameOf("edTemperature", qkTemperature), "\u00B0C");
}

TEST_F(UnitChoices, ResetToMetricCopiesTheDefaultFile) {
  choices_.SetUnitIndex("edVas", 3, qkVolume);
  EXPECT_FALSE(ResetUnitsToMetric(folder_.Path()));  // no default file: nothing happens
  EXPECT_EQ(choices_.GetUnitIndex("edVas"), 3);

  const std::string defaults = EncodeUnitChoiceRecord("edVas", qkVolume, 1);
  WriteFile(folder_.File("unitindex_default_metric.dat"), defaults);
  EXPECT_TRUE(ResetUnitsToMetric(folder_.Path()));
  EXPECT_EQ(File(), defaults);
  EXPECT_EQ(choices_.UnitNameOf("edVas", qkVolume), "l");
}

}  // namespace
}  // namespace bextor
