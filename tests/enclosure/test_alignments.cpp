#include "enclosure/Alignments.h"

#include "drivers/Driver.h"
#include "enclosure/Box.h"
#include "settings/Settings.h"

#include <gtest/gtest.h>

namespace bextor {
namespace {

class Alignments : public ::testing::Test {
protected:
  void Working(double Qts, double Vas = 0.1, double Fs = 30.0) {
    driver_.Sim.QtsT = Qts;
    driver_.Sim.VasT = Vas;
    driver_.Sim.FsT = Fs;
  }
  TEnvironment environment_;
  TDriverObject driver_{environment_};
  TBox box_{environment_};
  std::vector<std::string> list_;
};

TEST_F(Alignments, ClosedListOffersTargetsAboveTheDriversQ) {
  Working(0.75);
  EXPECT_EQ(FillClosedAlignments(list_, driver_), 0);
  ASSERT_EQ(list_.size(), 6u);
  EXPECT_EQ(list_.front(), "0.800 Equal ripple response");
  Working(0.35);
  EXPECT_EQ(FillClosedAlignments(list_, driver_), 2);
  EXPECT_EQ(list_[2], "0.707 Max flat amplitude response");
  EXPECT_EQ(list_.size(), 9u);
}

TEST_F(Alignments, ClosedAlignmentSizesTheBox) {
  Working(0.35);
  box_.Qar = 100.0;
  ApplyClosedAlignment("0.707 Max flat amplitude response", driver_, box_);
  const double Qe = 1.0 / (1.0 / 0.35 + 1.0 / 100.0);
  EXPECT_NEAR(Qe, 0.34878, 1e-5);
  EXPECT_NEAR(box_.Vr, 0.03215, 1e-5);
  EXPECT_EQ(box_.Fr, 30.0);
  ApplyClosedAlignment("no such text", driver_, box_);  // falls back to 1.500
  EXPECT_NEAR(box_.Vr, 0.1 / ((1.5 / Qe) * (1.5 / Qe) - 1.0), 1e-12);
  Working(0.9);
  const double before = box_.Vr;
  ApplyClosedAlignment("0.500 Critically damped", driver_, box_);  // out of reach: unchanged
  EXPECT_EQ(box_.Vr, before);
}

TEST_F(Alignments, VentedFormulasAndPreselection) {
  const struct {
    int formula;
    double alpha, h;
  } cases[] = {{0, 2.868, 1.318}, {2, 1.092, 0.970}, {3, 0.804, 0.714}, {4, 2.818, 1.104}, {1, 2.614, 1.0}};
  for (const auto& c : cases) {
    const TVentedAlignment a = VentedAlignment(c.formula, 0.3, 10.0);
    EXPECT_NEAR(a.alpha, c.alpha, 0.001) << c.formula;
    EXPECT_NEAR(a.h, c.h, 0.001) << c.formula;
  }
  EXPECT_EQ(VentedAlignment(7, 0.3, 10.0).alpha, 1.0);
  const struct {
    double Qts;
    int position;
  } preselect[] = {{0.1, 4}, {0.2, 1}, {0.35, 1}, {0.36, 0}, {0.4, 0}, {0.41, 2}};
  for (const auto& p : preselect) {
    Working(p.Qts);
    EXPECT_EQ(FillVentedAlignments(list_, driver_), p.position) << p.Qts;
  }
  EXPECT_EQ(list_[1], "BB4/SBB4 (Super-)boom-box");
  Working(0.3);
  box_.Qlr = 10.0;
  ApplyVentedAlignment("EBS3 extended bass shelf -3 dB", driver_, box_);
  EXPECT_NEAR(box_.Vr, 0.1 / 1.092, 1e-3);
  EXPECT_NEAR(box_.Fr, 0.970 * 30.0, 0.03);
}

TEST_F(Alignments, Bandpass) {
  Working(0.3);
  EXPECT_EQ(FillBandpassAlignments(list_, driver_), 0);
  EXPECT_EQ(list_.size(), 8u);
  box_.Qaf = box_.Qar = 100.0;
  ApplyBandpassAlignment(list_[0], driver_, box_);
  EXPECT_NEAR(box_.Ff, 2.395 * 30.0, 0.03);
  EXPECT_NEAR(box_.Vr, 0.2111 * 0.1, 1e-4);
  EXPECT_NEAR(box_.Vf, 0.1743 * 0.1, 1e-4);
  Working(0.8);  // offered only where b = 1/(2·S·10^(−G/40)) exceeds Qe ≈ 0.79
  FillBandpassAlignments(list_, driver_);
  EXPECT_EQ(list_, (std::vector<std::string>{"0.35 dB passband ripple, 0 dB passband gain",
                                             "1.25 dB passband ripple, 0 dB passband gain",
                                             "2.70 dB passband ripple, 0 dB passband gain",
                                             "1.25 dB passband ripple, -3 dB passband gain",
                                             "2.70 dB passband ripple, -3 dB passband gain"}));
}

}  // namespace
}  // namespace bextor
