#pragma once
// Rational transfer functions in s = jω: H(s) = (Num[0] + Num[1]·s + … ) / (Den[0] + Den[1]·s + … ).
// Used by the filters and by the driver's acoustic model.

#include <array>
#include <complex>
#include <cstdint>

namespace bextor {

using TComplex = std::complex<double>;

struct TRationalCoeffs {
  static constexpr int kMaxOrder = 10;
  std::array<double, kMaxOrder + 1> Num{};  // lowest power first
  std::array<double, kMaxOrder + 1> Den{};
  std::int32_t NumOrder = 0;
  std::int32_t DenOrder = 0;
};

// N(jω)/D(jω) by Horner's scheme. Orders outside 0..10 are read as the nearest valid order.
// A zero denominator gives a non-finite result; callers that can meet one guard against it.
TComplex EvalRational(const TRationalCoeffs& c, double omega);

// The product a·b. Raises EBextorError when an order would exceed 10.
TRationalCoeffs MultiplyRational(const TRationalCoeffs& a, const TRationalCoeffs& b);

// The same function with s replaced by s/ωc (moves a prototype at 1 rad/s to ωc).
TRationalCoeffs ScaleRational(const TRationalCoeffs& c, double omega_c);

}  // namespace bextor
