#pragma once
// Rational transfer functions in s = jω: H(s) = (Num[0] + Num[1]·s + … ) / (Den[0] + Den[1]·s + … ).
// Used by the filters and by the driver's acoustic model.

#include <array>
#include <cmath>
#include <complex>
#include <cstdint>

namespace bextor {

using TComplex = std::complex<double>;

// a/b as the textbook formula a·conj(b)/|b|². The library's division guards against
// overflow at several times the cost; the impedances, masses and compliances here stay far
// from the range where that matters. A zero b gives a non-finite result.
inline TComplex PlainDiv(TComplex a, TComplex b) {
  const double r = 1.0 / (b.real() * b.real() + b.imag() * b.imag());
  return {(a.real() * b.real() + a.imag() * b.imag()) * r, (a.imag() * b.real() - a.real() * b.imag()) * r};
}
inline TComplex Inv(TComplex b) { return PlainDiv(TComplex(1.0, 0.0), b); }
// |z| without the library's overflow-safe hypot, for the same reason.
inline double Magnitude(TComplex z) { return std::sqrt(z.real() * z.real() + z.imag() * z.imag()); }

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
