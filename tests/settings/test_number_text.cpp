#include "settings/NumberText.h"

#include "settings/Units.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace bextor {
namespace {

class NumberText : public ::testing::TestWithParam<char> {
protected:
  // Writes the expected text with the separator under test.
  std::string Local(std::string text) const {
    for (char& c : text)
      if (c == '.') c = GetParam();
    return text;
  }
  test::TDecimalSeparatorScope separator_{GetParam()};
  test::TRecordingSink sink_;
};

TEST_P(NumberText, Val2StrShowsTheUnitsDecimals) {
  const struct {
    int kind, index;
    double value;
    const char* text;
  } cases[] = {
      {qkLength, 1, 0.00123, "1.2"},   {qkVolume, 1, 0.02, "20.00"},  {qkTemperature, 1, 293.15, "20.00"},
      {qkPercent, 0, 0.5, "50.0000"},  {qkFrequency, 1, 100.0, "0.10000"}, {qkLength, 0, -0.125, "-0.125"},
      {qkVolume, 4, 0.0123456, "12346"}, {qkTemperature, 2, 293.15, "68.00"}, {0, 0, 1.23456, "1.235"},
      {qkLength, 0, 1e20, "100000000000000000000.000"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(Val2Str(c.kind, c.index, c.value), Local(c.text));
  }
  EXPECT_TRUE(sink_.Messages.empty());
}

TEST_P(NumberText, Val2StrOfAValueItCannotShowReportsAndGivesNothing) {
  EXPECT_EQ(Val2Str(qkLength, 0, std::nan("")), "");
  EXPECT_EQ(Val2Str(qkVolume, 4, 1e308), "");  // overflows in the display unit
  EXPECT_EQ(sink_.Messages, std::vector<std::string>(2, "Conversion error in module Val2Str, inform author!"));
}

TEST_P(NumberText, Str2ValReadsEitherMarkInTheUnit) {
  EXPECT_DOUBLE_EQ(Str2Val("2,5", qkLength, 1), 0.0025);
  EXPECT_DOUBLE_EQ(Str2Val("2.5", qkLength, 1), 0.0025);
  EXPECT_DOUBLE_EQ(Str2Val(" 20 ", qkTemperature, 1), 293.15);
  EXPECT_DOUBLE_EQ(Str2Val("50", qkPercent, 0), 0.5);
  EXPECT_DOUBLE_EQ(Str2Val("1e-3", qkVolume, 1), 1e-6);
  EXPECT_EQ(Str2Val("", qkTemperature, 1), 0.0);  // empty: 0 without unit conversion
  EXPECT_EQ(Str2Val("   ", qkTemperature, 2), 0.0);
  EXPECT_TRUE(sink_.Messages.empty());
}

TEST_P(NumberText, Str2ValOfTextThatDoesNotParseReportsAndReadsDisplayZero) {
  EXPECT_DOUBLE_EQ(Str2Val("abc", qkTemperature, 2), 255.37);
  EXPECT_DOUBLE_EQ(Str2Val("1,000.5", qkTemperature, 1), 273.15);
  EXPECT_EQ(Str2Val("1e400", qkLength, 0), 0.0);
  EXPECT_EQ(Str2Val("nan", qkLength, 0), 0.0);
  EXPECT_EQ(sink_.Messages, std::vector<std::string>(4, "Can't convert floating point number"));
}

TEST_P(NumberText, EachArrowStepStartsFromTheShownText) {
  // The slide multiplies the value read from the text by 1.05 and shows it again.
  std::string text = Local("100.0");
  std::vector<std::string> shown;
  for (int press = 0; press < 3; ++press) {
    text = Val2Str(qkPower, 0, Str2Val(text, qkPower, 0) * 1.05);
    shown.push_back(text);
  }
  EXPECT_EQ(shown, (std::vector<std::string>{Local("105.0"), Local("110.3"), Local("115.8")}));
}

INSTANTIATE_TEST_SUITE_P(Separators, NumberText, ::testing::Values('.', ','));

}  // namespace
}  // namespace bextor
