#include "Rational.h"

#include "common/Errors.h"

#include <algorithm>

namespace bextor {
namespace {

int ValidOrder(std::int32_t order) { return std::clamp(order, 0, TRationalCoeffs::kMaxOrder); }

// The polynomial at s = jω by Horner's scheme; multiplying by jω is (re, im) → (−ω·im, ω·re).
TComplex Horner(const std::array<double, TRationalCoeffs::kMaxOrder + 1>& coeffs, int order, double omega) {
  double re = coeffs[static_cast<std::size_t>(order)], im = 0.0;
  for (int k = order - 1; k >= 0; --k) {
    const double next_re = -omega * im + coeffs[static_cast<std::size_t>(k)];
    im = omega * re;
    re = next_re;
  }
  return {re, im};
}

void MultiplyPolynomials(const std::array<double, TRationalCoeffs::kMaxOrder + 1>& a, int a_order,
                         const std::array<double, TRationalCoeffs::kMaxOrder + 1>& b, int b_order,
                         std::array<double, TRationalCoeffs::kMaxOrder + 1>& out) {
  out.fill(0.0);
  for (int i = 0; i <= a_order; ++i)
    for (int j = 0; j <= b_order; ++j)
      out[static_cast<std::size_t>(i + j)] += a[static_cast<std::size_t>(i)] * b[static_cast<std::size_t>(j)];
}

}  // namespace

TComplex EvalRational(const TRationalCoeffs& c, double omega) {
  return PlainDiv(Horner(c.Num, ValidOrder(c.NumOrder), omega), Horner(c.Den, ValidOrder(c.DenOrder), omega));
}

TRationalCoeffs MultiplyRational(const TRationalCoeffs& a, const TRationalCoeffs& b) {
  const int num_order = ValidOrder(a.NumOrder) + ValidOrder(b.NumOrder);
  const int den_order = ValidOrder(a.DenOrder) + ValidOrder(b.DenOrder);
  if (num_order > TRationalCoeffs::kMaxOrder || den_order > TRationalCoeffs::kMaxOrder)
    throw EBextorError("A transfer function of order above 10 cannot be formed");
  TRationalCoeffs product;
  product.NumOrder = num_order;
  product.DenOrder = den_order;
  MultiplyPolynomials(a.Num, ValidOrder(a.NumOrder), b.Num, ValidOrder(b.NumOrder), product.Num);
  MultiplyPolynomials(a.Den, ValidOrder(a.DenOrder), b.Den, ValidOrder(b.DenOrder), product.Den);
  return product;
}

TRationalCoeffs ScaleRational(const TRationalCoeffs& c, double omega_c) {
  TRationalCoeffs scaled = c;
  double power = 1.0;
  for (int i = 0; i <= ValidOrder(c.NumOrder); ++i, power *= omega_c) scaled.Num[static_cast<std::size_t>(i)] /= power;
  power = 1.0;
  for (int j = 0; j <= ValidOrder(c.DenOrder); ++j, power *= omega_c) scaled.Den[static_cast<std::size_t>(j)] /= power;
  return scaled;
}

}  // namespace bextor
