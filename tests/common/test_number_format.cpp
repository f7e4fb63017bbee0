#include "common/NumberFormat.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace bextor {
namespace {

TEST(ParseDecimal, AcceptsTheNumberGrammarWithEitherDecimalMark) {
  const struct {
    const char* text;
    double value;
  } cases[] = {
      {"0.35", 0.35},   {"0,35", 0.35},      {"1E-5", 0.00001}, {"1e-5", 0.00001},
      {"  -2.5 ", -2.5}, {"+3", 3.0},        {".5", 0.5},       {"5.", 5.0},
      {"1e+3", 1000.0}, {"007", 7.0},        {"-0", -0.0},      {"1e-400", 0.0},
      {"\t12,5e2", 1250.0}, {"1.7976931348623157e308", std::numeric_limits<double>::max()},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const auto value = ParseDecimal(c.text);
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(*value, c.value);
  }
}

TEST(ParseDecimal, RejectsEverythingElse) {
  for (const char* text : {"", " ", "abc", "1,000.5", "1.2.3", "1e", "1e+", "e5", "-", "+-1", "1 2",
                           "inf", "nan", "infinity", "0x1p3", "1e400", "-1e400", "12abc", "1,5,",
                           "1.8e308", "1000e306"}) {
    SCOPED_TRACE(text);
    EXPECT_FALSE(ParseDecimal(text).has_value());
  }
}

TEST(ParseInteger, ReadsSignedDecimalsOnly) {
  EXPECT_EQ(ParseInteger(" 42 "), 42);
  EXPECT_EQ(ParseInteger("-7"), -7);
  EXPECT_EQ(ParseInteger("+7"), 7);
  for (const char* text : {"", "4.2", "0x10", "+-1", "99999999999999999999", "1 2"}) {
    SCOPED_TRACE(text);
    EXPECT_FALSE(ParseInteger(text).has_value());
  }
}

TEST(FormatGeneral, FifteenSignificantDigitsPlainWhereItFits) {
  const struct {
    double value;
    const char* text;
  } cases[] = {
      {293.15, "293.15"},
      {101325.0, "101325"},
      {0.03, "0.03"},
      {0.1 + 0.2, "0.3"},  // 15 digits, not the shortest round trip
      {0.00005, "0.00005"},
      {0.00001, "0.00001"},
      {0.0000099, "9.9E-6"},
      {-1.5e-7, "-1.5E-7"},
      {123456789012345.0, "123456789012345"},
      {1e15, "1E15"},
      {2.5e20, "2.5E20"},
      {999999999999999.9, "1E15"},  // rounding to 15 digits carries into the next decade
      {0.0, "0"},
      {-0.0, "0"},
      {1.0 / 3.0, "0.333333333333333"},
      {-12.5, "-12.5"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(FormatGeneral(c.value, '.'), c.text);
  }
  EXPECT_EQ(FormatGeneral(0.0039, ','), "0,0039");
  EXPECT_EQ(FormatGeneral(1.5e-7, ','), "1,5E-7");
  EXPECT_FALSE(FormatGeneral(std::nan(""), '.').has_value());
  EXPECT_FALSE(FormatGeneral(-INFINITY, '.').has_value());
}

TEST(FormatGeneral, EveryWrittenValueReadsBack) {
  for (double value : {293.15, 1.0 / 3.0, 6.02214076e23, 1.234e-9, 0.0039, -98765.4321, 1e-5, 9.99999e14}) {
    for (char separator : {'.', ','}) {
      const auto text = FormatGeneral(value, separator);
      ASSERT_TRUE(text.has_value());
      const auto back = ParseDecimal(*text);
      ASSERT_TRUE(back.has_value()) << *text;
      EXPECT_NEAR(*back, value, std::abs(value) * 1e-14) << *text;
    }
  }
}

TEST(FormatFixed, RoundsToTheGivenDecimals) {
  const struct {
    double value;
    int digits;
    const char* text;
  } cases[] = {
      {1.23, 1, "1.2"},      {20.0, 2, "20.00"},   {-0.125, 3, "-0.125"},
      {1234567.0, 0, "1234567"}, {2.5, 0, "3"},   {3.5, 0, "4"},  {-2.5, 0, "-3"},
      {-0.04, 1, "0.0"},     {-0.05, 1, "-0.1"},   {-0.0, 2, "0.00"},
      {1e20, 1, "100000000000000000000.0"},      {0.0, 0, "0"},  {7e-20, 3, "0.000"},
      {110.25, 1, "110.3"},  {1.005, 2, "1.01"},   {99.96, 1, "100.0"}, {0.96, 0, "1"},
      {0.0999999999999999, 2, "0.10"}, {123.456, 30, "123.456000000000000000000000000000"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(FormatFixed(c.value, c.digits, '.'), c.text);
  }
  EXPECT_EQ(FormatFixed(-2.75, 2, ','), "-2,75");
  EXPECT_FALSE(FormatFixed(INFINITY, 2, '.').has_value());
}

TEST(FormatScientific17, FilterParameterStringFloats) {
  EXPECT_EQ(FormatScientific17(100.0, '.'), "1.0000000000000000E+002");
  EXPECT_EQ(FormatScientific17(0.001, ','), "1,0000000000000000E-003");
  EXPECT_EQ(FormatScientific17(-0.707, '.'), "-7.0699999999999996E-001");
  EXPECT_EQ(FormatScientific17(1.5e-300, '.'), "1.5000000000000001E-300");
  EXPECT_EQ(FormatScientific17(0.0, '.'), "0.0000000000000000E+000");
  EXPECT_EQ(FormatScientific17(NAN, '.'), "0.0000000000000000E+000");
  EXPECT_EQ(ParseDecimal(FormatScientific17(1.0 / 3.0, ',')), 1.0 / 3.0);  // 17 digits round-trip
}

}  // namespace
}  // namespace bextor
