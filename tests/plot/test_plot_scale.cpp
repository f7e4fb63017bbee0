#include "plot/PlotScale.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace bextor {
namespace {

TEST(PlotScale, FrequencyGridAndLabels) {
  EXPECT_EQ(FrequencyGridLines(10.0, 500.0),
            (std::vector<double>{10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 200, 300, 400}));
  EXPECT_EQ(FrequencyGridLines(4.0, 25.0), (std::vector<double>{10, 20}));  // log10 4 rounds up
  EXPECT_EQ(FrequencyGridLines(3.0, 12.0), (std::vector<double>{3, 4, 5, 6, 7, 8, 9, 10}));
  EXPECT_TRUE(FrequencyGridLines(0.0, 100.0).empty());
  std::vector<std::string> texts;
  for (const auto& label : FrequencyLabels(10.0, 500.0)) texts.push_back(label.Text);
  EXPECT_EQ(texts, (std::vector<std::string>{"10", "20", "50", "100", "200", "500"}));
  texts.clear();
  for (const auto& label : FrequencyLabels(0.4, 25000.0)) texts.push_back(label.Text);
  EXPECT_EQ(texts, (std::vector<std::string>{"500m", "1", "2", "5", "10", "20", "50", "100", "200", "500", "1k",
                                             "2k", "5k", "10k", "20k"}));
}

TEST(PlotScale, ValueGridStepsAndLabels) {
  // −30..6 dB over 300 pixels with an 11-pixel font: 1.32 dB per font height, step 2 dB.
  const double step = ValueGridStep(36.0 / 300.0, 11);
  EXPECT_DOUBLE_EQ(step, 2.0);
  const auto values = ValueGridLines(-30.0, 6.0, step);
  ASSERT_EQ(values.size(), 18u);
  EXPECT_EQ(values.front(), 6.0);
  EXPECT_EQ(values.back(), -28.0);
  EXPECT_DOUBLE_EQ(ValueGridStep(0.0004, 11), 0.005);
  EXPECT_DOUBLE_EQ(ValueGridStep(0.95, 11), 20.0);
  EXPECT_DOUBLE_EQ(ValueGridStep(0.5, 11), 10.0);  // 5.5 per font: 10
  EXPECT_TRUE(ValueGridLines(0.0, 1.0, 0.0).empty());
  test::TDecimalSeparatorScope separator(',');
  EXPECT_EQ(ValueLabelText(2.5), "2,5");
  EXPECT_EQ(ValueLabelText(-0.000001), "0");
  EXPECT_EQ(ValueLabelText(0.00001), "0,00001");
  EXPECT_EQ(ValueLabelText(100.0), "100");
  EXPECT_EQ(ValueLabelText(-28.0), "-28");
}

}  // namespace
}  // namespace bextor
