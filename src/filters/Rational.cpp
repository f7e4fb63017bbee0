#include "Rational.h"

#include "common/Errors.h"

#include <algorithm>

namespace bextor {
namespace {

int ValidOrder(std::int32_t order) { return std::clamp(order, 0, TRationalCoeffs::kMaxOrder); }

TComplex Horner(const std::array<double, TRationalCoeffs::kMaxOrder + 1>& coeffs, int order, TComplex s) {
  TComplex sum = coeffs[static_cast<std::size_t>(order)];
  for (int k = order - 1; k >= 0; --k) sum = sum * s + coeffs[static_cast<std::size_t>(k)];
  return sum;
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
  const TComplex s(0.0, omega);
  return Horner(c.Num, ValidOrder(c.NumOrder), s) / Horner(c.Den, ValidOrder(c.DenOrder), s);
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
