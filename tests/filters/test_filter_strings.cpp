#include "filters/filter.h"

#include "common/Errors.h"
#include "filters/filter_crossover.h"
#include "filters/filter_parametriceq.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace bextor {
namespace {

TEST(FilterStrings, DefaultLayouts) {
  test::TDecimalSeparatorScope scope('.');
  const std::string strings[] = {
      "0;1;2;5.0000000000000000E+001;7.0699999999999996E-001",
      "0;1;2;2.0000000000000000E+001;7.0699999999999996E-001",
      "0;1;1;1.0000000000000000E-003;7.0699999999999996E-001",
      "0;1;5.0000000000000000E+001;7.0699999999999996E-001;2.0000000000000000E+001;7.0699999999999996E-001",
      "0;1;3.0000000000000000E+001;2.0000000000000000E+000;6.0000000000000000E+000",
      "0;1;2.0000000000000000E+001;6.0000000000000000E+000",
      "0;1;0.0000000000000000E+000",
      "0;1;1.0000000000000000E+002;3.3333333333333331E-001;6.0000000000000000E+000",
  };
  for (int type = 0; type < kFilterTypeCount; ++type) EXPECT_EQ(CreateFilter(type)->SaveToString(), strings[type]);
}

// Changes every parameter of a filter to another value, so a round trip must carry them.
void ChangeAll(TFilterBase& filter) {
  filter.FSubType = filter.FSubTypeNames.empty() ? 0 : 3;
  filter.FEnabled = false;
  double value = 1.2345678901234567;
  for (auto& param : filter.FParams) *param.FValue = (value *= 1.7) * (param.FName == "Order" ? 1.0 : 3.3);
  if (filter.FParams[0].FName == "Order") *filter.FParams[0].FValue = 2.0;
}

class FilterRoundTrip : public ::testing::TestWithParam<std::tuple<int, char>> {};

TEST_P(FilterRoundTrip, SavedStringsLoadTheSameFilter) {
  const auto [type, separator] = GetParam();
  test::TDecimalSeparatorScope scope(separator);
  auto source = CreateFilter(type);
  ChangeAll(*source);
  source->Calculate();
  const std::string text = source->SaveToString();
  EXPECT_EQ(text.find(separator == '.' ? ',' : '.'), std::string::npos) << text;

  test::TDecimalSeparatorScope reader(separator == '.' ? ',' : '.');  // read under the other one
  auto copy = CreateFilter(type);
  copy->LoadFromString(text);
  copy->Calculate();
  EXPECT_EQ(copy->FSubType, source->FSubType);
  EXPECT_FALSE(copy->FEnabled);
  for (std::size_t i = 0; i < source->FParams.size(); ++i)
    EXPECT_EQ(*copy->FParams[i].FValue, *source->FParams[i].FValue) << source->FParams[i].FName;
  for (double f : {5.0, 50.0, 500.0}) {
    const TComplex a = source->GetResponse(f), b = copy->GetResponse(f);
    EXPECT_LE(std::abs(a - b), 1e-12 * std::abs(a)) << f;
  }
}

INSTANTIATE_TEST_SUITE_P(AllTypes, FilterRoundTrip,
                         ::testing::Combine(::testing::Range(0, kFilterTypeCount), ::testing::Values('.', ',')));

TEST(FilterStrings, TolerantSplittingAndShortStrings) {
  TFilter_ParametricEQ eq;
  eq.LoadFromString("0;1;40");  // too few fields: defaults and sub-type stay
  EXPECT_EQ(eq.FCenter, 30.0);
  EXPECT_TRUE(eq.FEnabled);
  eq.LoadFromString(";;0;\r\n0;'4,5E1';\"1.5\";;-3;extra;fields");
  EXPECT_FALSE(eq.FEnabled);
  EXPECT_EQ(eq.FCenter, 45.0);
  EXPECT_EQ(eq.FQ, 1.5);
  EXPECT_EQ(eq.FGain, -3.0);
  eq.LoadFromString("0;1;abc;2;3");  // an unreadable float reads as 0
  EXPECT_EQ(eq.FCenter, 0.0);

  auto low = CreateFilter(ftLowpass);
  EXPECT_THROW(low->LoadFromString("0;1;2.5;100;0.7"), EConvertError);  // the order is an integer
  EXPECT_THROW(low->LoadFromString("x;1;2;100;0.7"), EConvertError);
  EXPECT_THROW(eq.LoadFromString("0;yes;30;2;6"), EConvertError);
}

}  // namespace
}  // namespace bextor
