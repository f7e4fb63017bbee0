#pragma once
// A full-scale sine (±32767) whose phase runs on across buffers and frequency changes, so
// a new frequency continues the waveform without a jump.

#include "audio/SignalBase.h"

namespace bextor {

class TSignal_SineWave : public TSignalBase {
public:
  using TSignalBase::TSignalBase;

  // The frequency is read once per buffer. A frequency of 0 Hz or below gives silence
  // (zeros) and keeps the phase; the phase stays within 0..2π however large the step.
  bool Generate(std::int16_t* buffer, int count) override;

  double Phase() const { return FPhase; }

private:
  double FPhase = 0.0;  // radians
};

}  // namespace bextor
