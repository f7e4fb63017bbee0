#include "filter_crossover.h"

#include "common/NumberFormat.h"

#include <cmath>
#include <numbers>

namespace bextor {
namespace {

constexpr int kMaxOrder = 10;  // the highest degree the coefficient record holds

// Normalised Bessel polynomials B(s) = 1 + c1·s + … + s^n, coefficients c1..c(n−1).
constexpr std::array<std::array<double, 9>, kMaxOrder + 1> kBessel = {{
    {},
    {},
    {1.7320508076},
    {2.4662120743, 2.4328807982},
    {3.2010858729, 4.3915503283, 3.1239399369},
    {3.9362834270, 6.8863676524, 6.7766737157, 3.8107012053},
    {4.6716548509, 9.9201632029, 12.3582876131, 9.6222757128, 4.4951951011},
    {5.4071302986, 13.4940268000, 20.2677669891, 19.9255376314, 12.9287973892, 5.1783475621},
    {6.1426728797, 17.6084673831, 30.9037300135, 36.5060585067, 29.8993034044, 16.6965127403, 5.8606409140},
    {6.8782612886, 22.2637545195, 44.6646435813, 61.4430177828, 60.3744472384, 42.5919203343, 20.9255969173,
     6.5423510553},
    {7.6138823665, 27.4600443272, 61.9489028996, 97.1088710552, 110.9063281436, 93.8253040205, 58.3163124745,
     25.6161659555, 7.2236471950},
}};

constexpr std::array<std::string_view, 4> kShortNames = {"Butterworth", "Linkwitz-Riley", "Bessel", "User SOS"};

TRationalCoeffs Unity() {
  TRationalCoeffs c;
  c.Num[0] = c.Den[0] = 1.0;
  return c;
}

TRationalCoeffs Section(std::initializer_list<double> num, std::initializer_list<double> den) {
  TRationalCoeffs c;
  c.NumOrder = static_cast<std::int32_t>(num.size()) - 1;
  c.DenOrder = static_cast<std::int32_t>(den.size()) - 1;
  std::copy(num.begin(), num.end(), c.Num.begin());
  std::copy(den.begin(), den.end(), c.Den.begin());
  return c;
}

TRationalCoeffs Butterworth(int n, double wc, bool highpass) {
  TRationalCoeffs h = Unity();
  if (n % 2 == 1)
    h = MultiplyRational(h, highpass ? Section({0.0, 1.0 / wc}, {1.0, 1.0 / wc}) : Section({1.0}, {1.0, 1.0 / wc}));
  for (int k = 1; k <= n / 2; ++k) {
    const double theta = (2.0 * k - 1.0) * std::numbers::pi / (2.0 * n);
    const double q = 1.0 / (2.0 * std::sin(theta));
    const double a1 = 1.0 / (wc * q), a2 = 1.0 / (wc * wc);
    h = MultiplyRational(h, highpass ? Section({0.0, 0.0, a2}, {1.0, a1, a2}) : Section({1.0}, {1.0, a1, a2}));
  }
  return h;
}

TRationalCoeffs LinkwitzRiley(double wc, bool highpass) {
  constexpr double q = 0.7071067811865476;
  const double wc2 = wc * wc;
  const std::initializer_list<double> den = {wc2 * wc2, 2.0 * wc2 * wc / q, wc2 / (q * q) + 2.0 * wc2, 2.0 * wc / q, 1.0};
  return highpass ? Section({0.0, 0.0, 0.0, 0.0, 1.0}, den) : Section({wc2 * wc2}, den);
}

TRationalCoeffs Bessel(int n, double wc, bool highpass) {
  TRationalCoeffs h;
  h.DenOrder = n;
  h.Den[0] = 1.0;
  for (int i = 1; i < n; ++i) h.Den[static_cast<std::size_t>(i)] = kBessel[static_cast<std::size_t>(n)][static_cast<std::size_t>(i - 1)];
  h.Den[static_cast<std::size_t>(n)] = 1.0;
  h.NumOrder = highpass ? n : 0;
  h.Num[static_cast<std::size_t>(h.NumOrder)] = 1.0;
  return ScaleRational(h, wc);
}

}  // namespace

TFilter_Crossover::TFilter_Crossover(TFilterType type, bool highpass, double cutoff)
    : TFilterBase(type, {"Butterworth", "Linkwitz-Riley (4th order only)", "Bessel", "SOS, User specified fc and Q"}),
      FOrder(2.0),
      FCutoff(cutoff),
      FQ(0.707),
      FHighpass(highpass) {
  FParams = {{&FOrder, "Order", ""}, {&FCutoff, "Cutoff", "Hz"}, {&FQ, "Q", ""}};
}

void TFilter_Crossover::Calculate() {
  if (!(FOrder > 0.0) || !(FCutoff > 0.0)) return;
  const double wc = 2.0 * std::numbers::pi * FCutoff;
  const int n = RoundedOrder(FOrder);
  switch (FSubType) {
    case caButterworth:
      if (n >= 1 && n <= kMaxOrder) SetCoeffs(Butterworth(n, wc, FHighpass));
      break;
    case caLinkwitzRiley:
      FOrder = 4.0;
      SetCoeffs(LinkwitzRiley(wc, FHighpass));
      break;
    case caBessel:
      if (n >= 1 && n <= kMaxOrder) SetCoeffs(Bessel(n, wc, FHighpass));
      break;
    case caUserSOS:
      if (FQ > 0.0)
        SetCoeffs(FHighpass ? Section({0.0, 0.0, 1.0}, {wc * wc, wc / FQ, 1.0})
                            : Section({wc * wc}, {wc * wc, wc / FQ, 1.0}));
      break;
    default:
      SetCoeffs(Unity());
  }
}

std::string TFilter_Crossover::GetDescription() const {
  const std::string_view name =
      FSubType >= 0 && FSubType < static_cast<int>(kShortNames.size()) ? kShortNames[static_cast<std::size_t>(FSubType)] : "";
  std::string text = std::string(name) + ", n=" + std::to_string(RoundedOrder(FOrder)) + ", fc=" + FixedText(FCutoff, 2) + " Hz";
  if (FSubType == caUserSOS) text += ", Q=" + FixedText(FQ, 3);
  return text;
}

}  // namespace bextor
