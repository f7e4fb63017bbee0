#pragma once
// What the parameter solver and the consistency checks share to write their relations as
// tables of data.

#include "drivers/Driver.h"

#include <array>
#include <initializer_list>

namespace bextor {

// Up to seven status positions; −1 ends the list.
using TParameterList = std::array<int, 7>;

constexpr TParameterList Parameters(std::initializer_list<int> positions) {
  TParameterList list{-1, -1, -1, -1, -1, -1, -1};
  std::size_t i = 0;
  for (int p : positions) list[i++] = p;
  return list;
}

// Whether every listed parameter is known (strictly positive).
bool AllKnown(const TDriverData& d, const TParameterList& positions);

// H: the shorter of voice-coil winding and magnetic gap.
inline double ShorterOfCoilAndGap(const TDriverData& d) { return d.Hc < d.Hg ? d.Hc : d.Hg; }

}  // namespace bextor
