#include "signal_sinewave.h"

#include "common/MathConstants.h"

#include <cmath>

namespace bextor {

bool TSignal_SineWave::Generate(std::int16_t* buffer, int count) {
  const double frequency = FFrequency.load();
  if (!(frequency > 0.0)) {
    for (int i = 0; i < count; ++i) buffer[i] = 0;
    return true;
  }
  const double delta = kTwoPi * frequency / FSampleRate;
  double phase = FPhase;
  for (int i = 0; i < count; ++i) {
    buffer[i] = static_cast<std::int16_t>(std::nearbyint(std::sin(phase) * 32767.0));
    phase += delta;
    if (phase > kTwoPi) phase = std::fmod(phase, kTwoPi);
  }
  FPhase = phase;
  return true;
}

}  // namespace bextor
