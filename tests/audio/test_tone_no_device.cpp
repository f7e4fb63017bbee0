// Without an audio device the generator exists, reports that it is unavailable and plays
// nothing.

#include "audio/SignalGenerator.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace bextor {
namespace {

TEST(TestToneWithoutDevice, IsUnavailableAndHarmless) {
  TSignalGenerator generator;
  EXPECT_EQ(generator.State(), TSignalGenerator::gsUnavailable);
  EXPECT_FALSE(generator.Start());
  EXPECT_EQ(generator.State(), TSignalGenerator::gsUnavailable);
  generator.SetFrequency(440.0);
  generator.Stop();
  EXPECT_EQ(generator.State(), TSignalGenerator::gsStopped);
}

}  // namespace
}  // namespace bextor

int main(int argc, char** argv) {
  setenv("ALSOFT_DRIVERS", "no-such-backend", 1);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
