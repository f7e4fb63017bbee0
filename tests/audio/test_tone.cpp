// The test tone as it reaches the audio output: OpenAL Soft's "wave" backend writes what
// would have been played into a WAV file, which these tests analyse.

#include "audio/SignalGenerator.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <numbers>
#include <string>
#include <thread>
#include <vector>

namespace bextor {
namespace {

using Clock = std::chrono::steady_clock;
constexpr double kRate = 48000.0;
std::string wave_file;  // set by main

void Sleep(double seconds) { std::this_thread::sleep_for(std::chrono::duration<double>(seconds)); }

// The 16-bit samples of the WAV file's data chunk.
std::vector<std::int16_t> ReadWave() {
  std::ifstream in(wave_file, std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  std::vector<std::int16_t> samples;
  for (std::size_t at = 12; at + 8 <= bytes.size();) {
    std::uint32_t size = 0;
    std::memcpy(&size, bytes.data() + at + 4, 4);
    if (bytes.compare(at, 4, "data") == 0) {
      const std::size_t count = std::min<std::size_t>(size, bytes.size() - at - 8) / 2;
      samples.resize(count);
      std::memcpy(samples.data(), bytes.data() + at + 8, count * 2);
      break;
    }
    at += 8 + size;
  }
  return samples;
}

// Frequency in Hz from the upward zero crossings in [begin, end).
double FrequencyOf(const std::vector<std::int16_t>& s, std::size_t begin, std::size_t end) {
  std::vector<std::size_t> crossings;
  for (std::size_t i = begin + 1; i < end && i < s.size(); ++i)
    if (s[i - 1] < 0 && s[i] >= 0) crossings.push_back(i);
  if (crossings.size() < 2) return 0.0;
  return (crossings.size() - 1) * kRate / static_cast<double>(crossings.back() - crossings.front());
}

std::size_t FirstSound(const std::vector<std::int16_t>& s, std::size_t from = 0) {
  for (std::size_t i = from; i < s.size(); ++i)
    if (s[i] != 0) return i;
  return s.size();
}

TEST(SineWave, PhaseRunsOnAcrossBuffersAndFrequencies) {
  TSignal_SineWave sine(48000);
  sine.SetFrequency(1000.0);
  std::vector<std::int16_t> a(480), b(480);
  sine.Generate(a.data(), 480);
  EXPECT_EQ(a[0], 0);
  EXPECT_EQ(a[12], 32767);  // a quarter period of 48 samples
  sine.SetFrequency(2000.0);
  sine.Generate(b.data(), 480);
  // The new buffer continues where the old one stopped: 10 whole periods, so at phase 0.
  EXPECT_EQ(b[0], 0);
  EXPECT_EQ(b[6], 32767);
  for (std::size_t i = 1; i < b.size(); ++i) EXPECT_LE(std::abs(b[i] - b[i - 1]), 8580);
}

TEST(SineWave, NoFrequencyIsSilenceAndThePhaseStaysBounded) {
  TSignal_SineWave sine(48000);
  sine.SetFrequency(1234.0);
  std::vector<std::int16_t> buffer(1000);
  sine.Generate(buffer.data(), 1000);
  const double phase = sine.Phase();
  for (double f : {0.0, -50.0}) {
    sine.SetFrequency(f);
    sine.Generate(buffer.data(), 1000);
    for (std::int16_t v : buffer) ASSERT_EQ(v, 0);
    EXPECT_EQ(sine.Phase(), phase);
  }
  sine.SetFrequency(1e7);  // a step of many turns per sample
  sine.Generate(buffer.data(), 1000);
  EXPECT_GE(sine.Phase(), 0.0);
  EXPECT_LE(sine.Phase(), 2.0 * std::numbers::pi);
}

TEST(TestTone, PlaysAFullScaleSineAndSwitchesFrequencyWithoutAJump) {
  double change = 0.0;  // seconds from Start to the frequency change
  {
    TSignalGenerator generator;
    ASSERT_EQ(generator.State(), TSignalGenerator::gsReady);
    EXPECT_EQ(generator.Frequency(), 1000.0);
    Sleep(0.2);
    const auto start = Clock::now();
    ASSERT_TRUE(generator.Start());
    EXPECT_EQ(generator.State(), TSignalGenerator::gsPlaying);
    Sleep(1.2);
    change = std::chrono::duration<double>(Clock::now() - start).count();
    generator.SetFrequency(2000.0);
    Sleep(1.2);
    generator.Stop();
    EXPECT_EQ(generator.State(), TSignalGenerator::gsStopped);
    Sleep(0.4);
  }  // closing the device completes the WAV file
  const auto s = ReadWave();
  const std::size_t begin = FirstSound(s);
  ASSERT_LT(begin + static_cast<std::size_t>(2.4 * kRate), s.size());
  const auto at = [&](double seconds) { return begin + static_cast<std::size_t>(seconds * kRate); };
  EXPECT_NEAR(FrequencyOf(s, at(0.1), at(0.6)), 1000.0, 2.0);
  std::int16_t peak = 0;
  for (std::size_t i = at(0.1); i < at(0.6); ++i) peak = std::max(peak, s[i]);
  EXPECT_GE(peak, 32700);
  // The switch: the first 20 ms window that sounds at 2000 Hz.
  double switched = -1.0;
  for (double t = 0.0; t < 2.3; t += 0.02)
    if (std::abs(FrequencyOf(s, at(t), at(t + 0.02)) - 2000.0) < 60.0) {
      switched = t;
      break;
    }
  ASSERT_GE(switched, 0.0);
  EXPECT_GE(switched, change - 0.05);
  EXPECT_LE(switched, change + 0.6 + 0.25);
  EXPECT_NEAR(FrequencyOf(s, at(switched + 0.1), at(switched + 0.5)), 2000.0, 4.0);
  // While it plays, never a jump larger than the steepest step of a full-scale 2000 Hz
  // sine (the stop itself cuts the wave off).
  std::size_t last = s.size() - 1;
  while (last > begin && s[last] == 0) --last;
  int steepest = 0;
  std::size_t where = 0;
  for (std::size_t i = begin + 1; i + 16 < last; ++i)
    if (std::abs(s[i] - s[i - 1]) > steepest) steepest = std::abs(s[i] - s[i - 1]), where = i;
  EXPECT_LE(steepest, static_cast<int>(32767 * 2.0 * std::numbers::pi * 2000.0 / kRate) + 2)
      << "at " << (where - begin) / kRate << " s of " << (s.size() - begin) / kRate;
  // After the stop only silence.
  const std::size_t end = s.size() - static_cast<std::size_t>(0.15 * kRate);
  EXPECT_EQ(FirstSound(s, end), s.size());
}

TEST(TestTone, StopAndStartAgainPlaysAtOnce) {
  {
    TSignalGenerator generator;
    generator.SetFrequency(500.0);
    generator.SetFrequency(500.0);  // the same value: nothing to do
    ASSERT_TRUE(generator.Start());
    Sleep(0.5);
    generator.Stop();
    Sleep(0.8);
    ASSERT_TRUE(generator.Start());
    Sleep(0.5);
    generator.Stop();
    Sleep(0.3);
  }
  const auto s = ReadWave();
  const std::size_t first = FirstSound(s);
  // Silence between the two tones, then the tone again for about half a second.
  std::size_t gap_begin = first;
  while (gap_begin < s.size() && FirstSound(s, gap_begin) < gap_begin + 4800) gap_begin = FirstSound(s, gap_begin) + 1;
  const std::size_t second = FirstSound(s, gap_begin);
  ASSERT_LT(second, s.size());
  const double gap = (second - gap_begin) / kRate;
  EXPECT_GT(gap, 0.2);
  EXPECT_LT(gap, 1.2);
  EXPECT_NEAR(FrequencyOf(s, second + 2400, second + 14400), 500.0, 3.0);
}

TEST(TestTone, ZeroAndNegativeFrequenciesAreSilentAndHighOnesPlay) {
  {
    TSignalGenerator generator;
    ASSERT_TRUE(generator.Start());
    Sleep(0.45);  // stopped mid-cycle of the 1000 Hz tone
    generator.SetFrequency(0.0);
    Sleep(1.0);
    generator.SetFrequency(-50.0);
    Sleep(0.8);
    generator.SetFrequency(30000.0);  // above half the sample rate: accepted, aliases
    EXPECT_EQ(generator.Frequency(), 30000.0);
    Sleep(0.9);
    generator.Stop();
    Sleep(0.2);
  }
  const auto s = ReadWave();
  const std::size_t begin = FirstSound(s);
  const auto at = [&](double seconds) { return begin + static_cast<std::size_t>(seconds * kRate); };
  ASSERT_LT(at(2.4), s.size());
  for (std::size_t i = at(1.15); i < at(2.15); ++i) ASSERT_EQ(s[i], 0) << "sample " << i - begin;
  EXPECT_LT(FirstSound(s, at(2.3)), at(3.0));  // the 30 kHz tone sounds (aliased)
}

TEST(TestTone, HammeringFromTheCallingThreadAndDestroyingWhilePlaying) {
  TSignalGenerator generator;
  const auto until = Clock::now() + std::chrono::milliseconds(1500);
  for (int i = 0; Clock::now() < until; ++i) {
    generator.SetFrequency(100.0 + i % 900);
    if (i % 7 == 0) generator.Start();
    if (i % 11 == 0) generator.Stop();
    if (i % 13 == 0) std::this_thread::sleep_for(std::chrono::milliseconds(3));
  }
  EXPECT_TRUE(generator.Start());
  Sleep(0.2);
}  // destroyed while playing: must end promptly

}  // namespace
}  // namespace bextor

int main(int argc, char** argv) {
  const auto folder = std::filesystem::temp_directory_path() / ("bextor-tone-" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  bextor::wave_file = (folder / "out.wav").string();
  const std::string config = (folder / "alsoft.conf").string();
  std::ofstream(config) << "[general]\ndrivers=wave\nfrequency=48000\nchannels=mono\nsample-type=int16\n"
                           "output-limiter=false\ndither=false\n[wave]\nfile=" << bextor::wave_file << "\n";
  setenv("ALSOFT_CONF", config.c_str(), 1);
  ::testing::InitGoogleTest(&argc, argv);
  const int result = RUN_ALL_TESTS();
  std::filesystem::remove_all(folder);
  return result;
}
