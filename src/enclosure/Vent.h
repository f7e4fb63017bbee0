#pragma once
// The ports of one chamber: their number, cross-section, length, the tuning they give with
// the chamber volume, and the first pipe resonance of the port tube.

#include "common/Persistent.h"

#include <cstdint>

namespace bextor {

class TVent : public TPersistent {
public:
  std::string ClassName() const override { return "TVent"; }
  void Assign(const TPersistent& source) override;

  // Derives the port length from the tuning (len = 0) or the tuning from the length
  // (Fb = 0) by the Helmholtz formula with an end correction of k·r at each end, c being
  // the speed of sound in m/s. Nothing changes without a tuning or length, a volume, a
  // port, or a cross-section. A length that comes out zero or negative (a port too wide
  // for the tuning) is stored as computed.
  void CalculateVent(double c);

  std::int32_t Num = 1;      // number of identical ports
  std::int32_t Shape = 1;    // 1 circular, 2 rectangular
  double Fb = 0.0;           // Hz, tuning frequency
  double Vb = 0.0;           // m³, chamber volume
  double dia1 = 0.102;       // m, diameter or first side
  double dia2 = 0.102;       // m, second side of a rectangular port
  double carea = 0.0;        // m², cross-section of one port
  double len = 0.0;          // m, physical length of one port
  double k = 0.732;          // end correction per port end, in equivalent radii
  double FirstResonance = 0.0;  // Hz, first half-wave resonance of the tube; 0 for no length
  bool CrossCalc = true;
};

}  // namespace bextor
