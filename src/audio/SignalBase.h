#pragma once
// A generator of 16-bit signed audio samples.

#include <atomic>
#include <cstdint>

namespace bextor {

class TSignalBase {
public:
  explicit TSignalBase(int sample_rate) : FSampleRate(sample_rate) {}
  virtual ~TSignalBase() = default;

  // Fills `count` samples; true when it did.
  virtual bool Generate(std::int16_t* buffer, int count) = 0;

  // Read by the audio thread while the user-interface thread sets it: atomic.
  void SetFrequency(double frequency) {
    if (frequency != FFrequency.load()) FFrequency.store(frequency);
  }
  double Frequency() const { return FFrequency.load(); }
  int SampleRate() const { return FSampleRate; }

protected:
  std::atomic<double> FFrequency{0.0};  // Hz
  int FSampleRate;                      // samples per second
};

}  // namespace bextor
