#include "filters/Rational.h"

#include "common/Errors.h"

#include <gtest/gtest.h>

namespace bextor {
namespace {

TRationalCoeffs Make(std::initializer_list<double> num, std::initializer_list<double> den) {
  TRationalCoeffs c;
  c.NumOrder = static_cast<int>(num.size()) - 1;
  c.DenOrder = static_cast<int>(den.size()) - 1;
  std::copy(num.begin(), num.end(), c.Num.begin());
  std::copy(den.begin(), den.end(), c.Den.begin());
  return c;
}

TEST(Rational, EvaluatesAtJOmega) {
  const TRationalCoeffs c = Make({1.0, 2.0}, {3.0, 0.5, 0.25});
  for (double w : {0.0, 0.5, 3.0, 1000.0}) {
    const TComplex s(0.0, w);
    const TComplex expected = (1.0 + 2.0 * s) / (3.0 + 0.5 * s + 0.25 * s * s);
    EXPECT_NEAR(std::abs(EvalRational(c, w) - expected), 0.0, 1e-15 * std::abs(expected)) << w;
  }
  TRationalCoeffs bad = c;
  bad.NumOrder = 99;  // read as order 10: the unused entries are 0
  EXPECT_EQ(EvalRational(bad, 2.0), EvalRational(c, 2.0));
}

TEST(Rational, ProductAndScaling) {
  const TRationalCoeffs a = Make({1.0, 2.0}, {3.0, 0.5, 0.25});
  const TRationalCoeffs b = Make({0.0, 0.0, 4.0}, {1.0, 1.0});
  const TRationalCoeffs ab = MultiplyRational(a, b);
  EXPECT_EQ(ab.NumOrder, 3);
  EXPECT_EQ(ab.DenOrder, 3);
  const TRationalCoeffs scaled = ScaleRational(a, 100.0);
  for (double w : {0.3, 7.0, 250.0}) {
    const TComplex expected = EvalRational(a, w) * EvalRational(b, w);
    EXPECT_NEAR(std::abs(EvalRational(ab, w) - expected), 0.0, 1e-14 * std::abs(expected));
    EXPECT_NEAR(std::abs(EvalRational(scaled, w) - EvalRational(a, w / 100.0)), 0.0, 1e-15);
  }
  TRationalCoeffs high = Make({1.0}, {1.0});
  high.NumOrder = high.DenOrder = 6;
  EXPECT_THROW(MultiplyRational(high, high), EBextorError);
}

}  // namespace
}  // namespace bextor
