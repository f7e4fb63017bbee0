#pragma once
// One passive radiator (a driver without motor) of a passive-radiator box; the box's Npr
// says how many identical ones there are.

#include "common/Persistent.h"

namespace bextor {

class TPassiveRadiator : public TPersistent {
public:
  std::string ClassName() const override { return "TPassiveRadiator"; }
  void Assign(const TPersistent& source) override;

  double fs = 0.0;    // Hz, free-air resonance without added mass
  double Fsm = 0.0;   // Hz, resonance with the added mass, as last reported by the simulation
  double Me = 0.0;    // kg, mass added to each radiator
  double Qms = 0.0;
  double Sd = 0.0;    // m², one radiator
  double Vas = 0.0;   // m³, one radiator
  double Xmax = 0.0;  // m, one way
};

}  // namespace bextor
