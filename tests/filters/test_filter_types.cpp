#include "filters/filter.h"

#include "common/Errors.h"
#include "filters/filter_allpass.h"
#include "filters/filter_crossover.h"
#include "filters/filter_linkwitztransform.h"
#include "filters/filter_parametriceq.h"
#include "filters/filter_peakhighpass.h"
#include "filters/filter_raisedcosine.h"
#include "filters/filter_staticgain.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace bextor {
namespace {

constexpr double pi = std::numbers::pi;

double Db(TComplex h) { return 20.0 * std::log10(std::abs(h)); }

template <class T>
std::unique_ptr<T> Make(int type) {
  auto filter = CreateFilter(type);
  return std::unique_ptr<T>(static_cast<T*>(filter.release()));
}

TEST(FilterFactory, EveryTypeWithItsParametersAndDefaults) {
  const struct {
    int type;
    std::vector<std::string> captions, units;
    std::vector<double> defaults;
    std::size_t sub_types;
  } cases[] = {
      {0, {"Order", "Cutoff", "Q"}, {"", "Hz", ""}, {2, 50, 0.707}, 4},
      {1, {"Order", "Cutoff", "Q"}, {"", "Hz", ""}, {2, 20, 0.707}, 4},
      {2, {"Order", "Delay time", "Q"}, {"", "s", ""}, {1, 0.001, 0.707}, 0},
      {3, {"f0", "Q0", "fp", "Qp"}, {"Hz", "", "Hz", ""}, {50, 0.707, 20, 0.707}, 0},
      {4, {"Center freq", "Q", "Gain"}, {"Hz", "", "dB"}, {30, 2.0, 6.0}, 0},
      {5, {"Peak mag", "Peak freq"}, {"dB", "Hz"}, {6.0, 20}, 0},
      {6, {"Gain"}, {"dB"}, {0}, 0},
      {7, {"Center freq", "Bandwidth", "Gain"}, {"Hz", "oct", "dB"}, {100, 0.3333333333333333, 6.0}, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.type);
    const auto filter = CreateFilter(c.type);
    EXPECT_EQ(filter->FFilterType, c.type);
    EXPECT_TRUE(filter->FEnabled);
    EXPECT_EQ(filter->FSubType, 0);
    EXPECT_EQ(filter->FSubTypeNames.size(), c.sub_types);
    ASSERT_EQ(filter->FParams.size(), c.captions.size());
    for (std::size_t i = 0; i < c.captions.size(); ++i) {
      EXPECT_EQ(filter->FParams[i].FName, c.captions[i]);
      EXPECT_EQ(filter->FParams[i].FUnit, c.units[i]);
      EXPECT_EQ(*filter->FParams[i].FValue, c.defaults[i]);
    }
  }
  EXPECT_EQ(CreateFilter(0)->FSubTypeNames[3], "SOS, User specified fc and Q");
  EXPECT_EQ(FilterTypeNames[5], "Peaking 2nd order highpass");
  for (int bad : {-1, 8, 100}) {
    try {
      CreateFilter(bad);
      FAIL() << bad;
    } catch (const EBextorError& error) {
      EXPECT_STREQ(error.what(), "Filter class not found!");
    }
  }
}

TEST(FilterTypes, ButterworthMatchesItsClosedFormForEveryOrder) {
  for (int type : {ftLowpass, ftHighpass}) {
    for (int n = 1; n <= 10; ++n) {
      auto filter = Make<TFilter_Crossover>(type);
      filter->FOrder = n;
      filter->FCutoff = 100.0;
      filter->Calculate();
      for (double f : {3.0, 50.0, 100.0, 170.0, 2000.0}) {
        const double r = std::pow(f / 100.0, 2.0 * n);
        const double expected = type == ftLowpass ? 1.0 / (1.0 + r) : r / (1.0 + r);
        EXPECT_NEAR(std::norm(filter->GetResponse(f)), expected, 1e-9 * expected) << type << " n=" << n << " f=" << f;
      }
    }
  }
  auto third = Make<TFilter_Crossover>(ftLowpass);
  third->FOrder = 3;
  third->FCutoff = 100.0;
  third->Calculate();
  EXPECT_NEAR(Db(third->GetResponse(100.0)), -3.0103, 1e-4);
  EXPECT_NEAR(Db(third->GetResponse(10000.0)) - Db(third->GetResponse(20000.0)), 18.06, 0.01);
}

TEST(FilterTypes, TheOrderIsItsRoundedInteger) {
  for (int type : {ftLowpass, ftHighpass}) {
    auto whole = Make<TFilter_Crossover>(type), fraction = Make<TFilter_Crossover>(type);
    whole->FOrder = 3.0;
    fraction->FOrder = 3.4;
    whole->Calculate();
    fraction->Calculate();
    for (double f : {10.0, 20.0, 80.0}) EXPECT_EQ(whole->GetResponse(f), fraction->GetResponse(f));
    fraction->FOrder = 2.5;  // ties to even
    fraction->Calculate();
    EXPECT_EQ(fraction->FCoeffs.DenOrder, 2);
  }
  auto allpass = Make<TFilter_Allpass>(ftAllpass);
  allpass->FOrder = 1.4;
  allpass->Calculate();
  EXPECT_EQ(allpass->FCoeffs.DenOrder, 1);
}

TEST(FilterTypes, LinkwitzRileyIsFourthOrderAndSumsFlat) {
  auto low = Make<TFilter_Crossover>(ftLowpass), high = Make<TFilter_Crossover>(ftHighpass);
  for (auto* filter : {low.get(), high.get()}) {
    filter->FSubType = caLinkwitzRiley;
    filter->FCutoff = 80.0;
    filter->Calculate();
    EXPECT_EQ(filter->FOrder, 4.0);
    EXPECT_NEAR(Db(filter->GetResponse(80.0)), -6.0206, 1e-4);
  }
  for (double f : {10.0, 60.0, 80.0, 150.0, 1000.0})
    EXPECT_NEAR(std::abs(low->GetResponse(f) + high->GetResponse(f)), 1.0, 1e-12) << f;
}

TEST(FilterTypes, BesselHasFlatDelayAndUnityPassband) {
  const double c1[] = {0, 1.0, 1.7320508076, 2.4662120743, 3.2010858729, 3.9362834270};
  for (int n = 1; n <= 5; ++n) {
    auto low = Make<TFilter_Crossover>(ftLowpass), high = Make<TFilter_Crossover>(ftHighpass);
    for (auto* filter : {low.get(), high.get()}) {
      filter->FSubType = caBessel;
      filter->FOrder = n;
      filter->FCutoff = 1000.0;
      filter->Calculate();
    }
    const double dc_delay = c1[n] / (2.0 * pi * 1000.0);
    EXPECT_NEAR(low->GetGroupDelay(2.0), dc_delay, 1e-4 * dc_delay) << n;
    EXPECT_NEAR(low->GetGroupDelay(50.0), dc_delay, 1e-2 * dc_delay) << n;
    EXPECT_NEAR(std::abs(low->GetResponse(1.0)), 1.0, 1e-6);
    EXPECT_NEAR(std::abs(high->GetResponse(1e6)), 1.0, 1e-2) << n;  // (s/ωc)^n/B(s/ωc)
  }
}

TEST(FilterTypes, UserSecondOrderSection) {
  auto low = Make<TFilter_Crossover>(ftLowpass);
  low->FSubType = caUserSOS;
  low->FCutoff = 40.0;
  low->FQ = 2.0;
  low->Calculate();
  EXPECT_NEAR(std::abs(low->GetResponse(40.0)), 2.0, 1e-12);
  EXPECT_NEAR(std::abs(low->GetResponse(0.01)), 1.0, 1e-6);
}

TEST(FilterTypes, RejectedParametersKeepThePreviousCoefficients) {
  auto filter = Make<TFilter_Crossover>(ftLowpass);
  const TComplex never = filter->GetResponse(30.0);
  EXPECT_EQ(never, TComplex(1.0, 0.0));  // nothing calculated yet: unity
  EXPECT_EQ(filter->GetGroupDelay(30.0), 0.0);
  filter->Calculate();
  const TComplex before = filter->GetResponse(30.0);
  const auto reject = [&](auto change) {
    change(*filter);
    filter->Calculate();
    EXPECT_EQ(filter->GetResponse(30.0), before);
    filter->FOrder = 2.0;
    filter->FCutoff = 50.0;
    filter->FQ = 0.707;
    filter->FSubType = caButterworth;
  };
  reject([](TFilter_Crossover& f) { f.FOrder = 11.0; });
  reject([](TFilter_Crossover& f) { f.FOrder = 0.4; });
  reject([](TFilter_Crossover& f) { f.FCutoff = 0.0; });
  reject([](TFilter_Crossover& f) { f.FSubType = caLinkwitzRiley; f.FCutoff = 1e100; });  // ωc⁴ overflows
  reject([](TFilter_Crossover& f) { f.FSubType = caBessel; f.FOrder = 11.0; });
  reject([](TFilter_Crossover& f) { f.FSubType = caUserSOS; f.FQ = 0.0; });

  TFilter_Allpass allpass;
  allpass.FDelay = 0.0;
  allpass.Calculate();
  EXPECT_EQ(allpass.GetResponse(100.0), TComplex(1.0, 0.0));
  TFilter_ParametricEQ eq;
  eq.FQ = 0.0;
  eq.Calculate();
  EXPECT_EQ(eq.GetResponse(30.0), TComplex(1.0, 0.0));
  TFilter_PeakHighpass peak;
  peak.FPeakGain = 0.0;
  peak.Calculate();
  EXPECT_EQ(peak.GetResponse(30.0), TComplex(1.0, 0.0));
  TFilter_LinkwitzTransform transform;
  transform.FQp = 0.0;
  transform.Calculate();
  EXPECT_EQ(transform.GetResponse(30.0), TComplex(1.0, 0.0));
}

TEST(FilterTypes, Allpass) {
  TFilter_Allpass first;
  first.FDelay = 0.002;
  first.Calculate();
  const double f90 = 1.0 / (pi * 0.002);
  EXPECT_NEAR(std::abs(first.GetResponse(f90)), 1.0, 1e-12);
  EXPECT_NEAR(std::arg(first.GetResponse(f90)) * 180.0 / pi, -90.0, 1e-9);
  // The numerical derivative is good to about 1e-4 at low frequency.
  const double w = 2.0 * pi * 1.0;
  EXPECT_NEAR(first.GetGroupDelay(1.0), 0.002 / (1.0 + (w * 0.001) * (w * 0.001)), 2e-4 * 0.002);
  TFilter_Allpass second;
  second.FOrder = 2.0;
  second.FDelay = 0.002;
  second.FQ = 0.5;
  second.Calculate();
  EXPECT_NEAR(std::abs(second.GetResponse(333.0)), 1.0, 1e-12);
  EXPECT_NEAR(second.GetGroupDelay(1.0), 0.004, 2e-4 * 0.004);
  EXPECT_TRUE(std::isfinite(second.GetGroupDelay(5e6)));  // step too small to represent
}

TEST(FilterTypes, LinkwitzTransformMovesTheResonance) {
  TFilter_LinkwitzTransform transform;
  transform.Calculate();
  EXPECT_NEAR(std::abs(transform.GetResponse(1e-3)), (50.0 * 50.0) / (20.0 * 20.0), 1e-6);
  EXPECT_NEAR(std::abs(transform.GetResponse(1e6)), 1.0, 1e-6);
}

TEST(FilterTypes, ParametricBoostAndCutAreExactInverses) {
  TFilter_ParametricEQ boost, cut;
  cut.FGain = -6.0;
  boost.Calculate();
  cut.Calculate();
  EXPECT_NEAR(Db(boost.GetResponse(30.0)), 6.0, 1e-12);
  EXPECT_NEAR(Db(cut.GetResponse(30.0)), -6.0, 1e-12);
  for (double f : {1.0, 10.0, 30.0, 45.0, 1000.0}) {
    const TComplex product = boost.GetResponse(f) * cut.GetResponse(f);
    EXPECT_NEAR(std::abs(product - 1.0), 0.0, 1e-12) << f;
  }
}

TEST(FilterTypes, PeakingHighpassPeaksAtItsFrequency) {
  TFilter_PeakHighpass peak;
  peak.FPeakFreq = 40.0;
  peak.Calculate();
  const double top = Db(peak.GetResponse(40.0));
  EXPECT_NEAR(top, 6.0, 1e-9);
  EXPECT_LT(Db(peak.GetResponse(39.6)), top);
  EXPECT_LT(Db(peak.GetResponse(40.4)), top);
}

TEST(FilterTypes, StaticGainAndRaisedCosine) {
  TFilter_StaticGain gain;
  gain.FGain = -3.0;
  gain.Calculate();
  EXPECT_NEAR(Db(gain.GetResponse(123.0)), -3.0, 1e-12);
  EXPECT_EQ(gain.GetGroupDelay(123.0), 0.0);

  TFilter_RaisedCosine bump;
  bump.Calculate();
  EXPECT_EQ(bump.GetResponse(79.3), TComplex(1.0, 0.0));
  EXPECT_EQ(bump.GetResponse(126.1), TComplex(1.0, 0.0));
  EXPECT_GT(std::abs(bump.GetResponse(79.5)), 1.0);
  EXPECT_NEAR(Db(bump.GetResponse(100.0)), 6.0, 1e-12);
  EXPECT_EQ(bump.GetResponse(100.0).imag(), 0.0);
  EXPECT_EQ(bump.GetGroupDelay(100.0), 0.0);
}

TEST(FilterTypes, Descriptions) {
  for (const char separator : {'.', ','}) {
    test::TDecimalSeparatorScope scope(separator);
    const auto local = [&](std::string text) {
      for (std::size_t at = text.find('#'); at != std::string::npos; at = text.find('#')) text[at] = separator;
      return text;
    };
    EXPECT_EQ(CreateFilter(ftLowpass)->GetDescription(), local("Butterworth, n=2, fc=50#00 Hz"));
    auto sos = Make<TFilter_Crossover>(ftHighpass);
    sos->FSubType = caUserSOS;
    EXPECT_EQ(sos->GetDescription(), local("User SOS, n=2, fc=20#00 Hz, Q=0#707"));
    sos->FSubType = 9;
    EXPECT_EQ(sos->GetDescription(), local(", n=2, fc=20#00 Hz"));
    EXPECT_EQ(CreateFilter(ftAllpass)->GetDescription(), local("n=1, t=0#001 s"));
    auto allpass = Make<TFilter_Allpass>(ftAllpass);
    allpass->FOrder = 2;
    EXPECT_EQ(allpass->GetDescription(), local("n=2, t=0#001 s, Q=0#71"));
    EXPECT_EQ(CreateFilter(ftLinkwitzTransform)->GetDescription(), local("f0=50#00 Q0=0#71 fp=20#00 Qp=0#71"));
    EXPECT_EQ(CreateFilter(ftParametricEQ)->GetDescription(), local("fc=30#00 Hz, Q=2#00, Gain=6#00 dB"));
    EXPECT_EQ(CreateFilter(ftPeakHighpass)->GetDescription(), local("Gpk=6#00 dB fpk=20#00 Hz"));
    EXPECT_EQ(CreateFilter(ftStaticGain)->GetDescription(), local("Gain=0#00 dB"));
    EXPECT_EQ(CreateFilter(ftRaisedCosine)->GetDescription(), local("fc=100#00 Hz, BW=0#33 oct, Gain=6#00 dB"));
  }
}

}  // namespace
}  // namespace bextor
