#pragma once
// Constants of the formulas: ω = 2π·f everywhere.

#include <numbers>

namespace bextor {

inline constexpr double kTwoPi = 2.0 * std::numbers::pi;

}  // namespace bextor
