#include "Alignments.h"

#include "drivers/Driver.h"
#include "enclosure/Box.h"

#include <array>
#include <cmath>
#include <initializer_list>
#include <string_view>

namespace bextor {
namespace {

struct TClosedAlignment {
  std::string_view Text;
  double Qtc;
  double OfferedBelow;  // offered when QtsT is below this
};

constexpr std::array<TClosedAlignment, 9> kClosed = {{
    {"0.500 Critically damped", 0.5, 0.5},
    {"0.577 Max flat delay response", 0.577, 0.577},
    {"0.707 Max flat amplitude response", 0.7071067811865476, 0.707106781188},
    {"0.800 Equal ripple response", 0.8, 0.8},
    {"0.900 Equal ripple response", 0.9, 0.9},
    {"1.000 Equal ripple response", 1.0, 1.0},
    {"1.100 Equal ripple response", 1.1, 1.1},
    {"1.200 Equal ripple response", 1.2, 1.2},
    {"1.500 Equal ripple response", 1.5, 1.5},
}};
constexpr int kClosedFallback = 8;
constexpr int kClosedPreferred = 2;

struct TBandpassAlignment {
  std::string_view Text;
  double G;  // passband gain, dB
  double S;  // design value
};

constexpr std::array<TBandpassAlignment, 8> kBandpass = {{
    {"0.00 dB passband ripple, 0 dB passband gain", 0.0, 0.7},
    {"0.35 dB passband ripple, 0 dB passband gain", 0.0, 0.6},
    {"1.25 dB passband ripple, 0 dB passband gain", 0.0, 0.5},
    {"2.70 dB passband ripple, 0 dB passband gain", 0.0, 0.4},
    {"0.00 dB passband ripple, -3 dB passband gain", -3.0, 0.7},
    {"0.35 dB passband ripple, -3 dB passband gain", -3.0, 0.6},
    {"1.25 dB passband ripple, -3 dB passband gain", -3.0, 0.5},
    {"2.70 dB passband ripple, -3 dB passband gain", -3.0, 0.4},
}};

struct TVentedEntry {
  std::string_view Text;
  int Formula;
};

constexpr std::array<TVentedEntry, 5> kVented = {{
    {"QB3 Quasi-butterworth", 0},
    {"BB4/SBB4 (Super-)boom-box", 1},
    {"C4/SC4 (Sub-)Chebyshev", 4},
    {"EBS3 extended bass shelf -3 dB", 2},
    {"EBS6 extended bass shelf -6 dB", 3},
}};

// The bandpass design values of an alignment with the chamber absorption Qs.
struct TBandpassDesign {
  double Qe, ratio, A, B;
};

TBandpassDesign BandpassDesign(const TBandpassAlignment& alignment, double QtsT, double Qaf, double Qar) {
  const double Qe = 1.0 / (1.0 / QtsT + 1.0 / Qaf + 1.0 / Qar);
  const double b = 1.0 / (2.0 * alignment.S * std::pow(10.0, -alignment.G / 40.0));
  const double ratio = b / Qe;
  return {Qe, ratio, ratio * ratio - 1.0, std::pow(2.0 * alignment.S * Qe, -2.0)};
}

// The wizard's loss factors, with which the bandpass list is offered.
constexpr double kWizardAbsorptionQ = 100.0;

// Σ coefficients·x^k by Horner's scheme, highest power first.
double Horner(std::initializer_list<double> coefficients, double x) {
  double sum = 0.0;
  for (double c : coefficients) sum = sum * x + c;
  return sum;
}

template <class Table>
int IndexOfText(const Table& table, const std::string& text, int fallback) {
  for (std::size_t i = 0; i < table.size(); ++i)
    if (table[i].Text == text) return static_cast<int>(i);
  return fallback;
}

}  // namespace

int FillClosedAlignments(std::vector<std::string>& list, const TDriverObject& driver) {
  list.clear();
  int preselected = 0;
  for (std::size_t n = 0; n < kClosed.size(); ++n) {
    if (!(kClosed[n].OfferedBelow > driver.Sim.QtsT)) continue;
    if (n == kClosedPreferred) preselected = static_cast<int>(list.size());
    list.emplace_back(kClosed[n].Text);
  }
  return preselected;
}

void ApplyClosedAlignment(const std::string& text, const TDriverObject& driver, TBox& box) {
  const TClosedAlignment& alignment = kClosed[static_cast<std::size_t>(IndexOfText(kClosed, text, kClosedFallback))];
  const double Qe = 1.0 / (1.0 / driver.Sim.QtsT + 1.0 / box.Qar);
  const double r = alignment.Qtc / Qe;
  const double Vr = driver.Sim.VasT / (r * r - 1.0);
  if (!(Vr > 0.0) || !std::isfinite(Vr)) return;
  box.Vr = Vr;
  box.Fr = 1.0 * driver.Sim.FsT;
}

int FillBandpassAlignments(std::vector<std::string>& list, const TDriverObject& driver) {
  list.clear();
  for (const auto& alignment : kBandpass) {
    const TBandpassDesign design = BandpassDesign(alignment, driver.Sim.QtsT, kWizardAbsorptionQ, kWizardAbsorptionQ);
    if (design.ratio > 0.0 && design.A > 0.0 && design.B > 0.0) list.emplace_back(alignment.Text);
  }
  return 0;
}

void ApplyBandpassAlignment(const std::string& text, const TDriverObject& driver, TBox& box) {
  const TBandpassAlignment& alignment = kBandpass[static_cast<std::size_t>(IndexOfText(kBandpass, text, 0))];
  const TBandpassDesign design = BandpassDesign(alignment, driver.Sim.QtsT, box.Qaf, box.Qar);
  if (!(design.A > 0.0 && design.B > 0.0 && design.ratio > 0.0)) return;
  box.Vf = driver.Sim.VasT / design.B;
  box.Vr = driver.Sim.VasT / design.A;
  box.Ff = design.ratio * driver.Sim.FsT;
}

int FillVentedAlignments(std::vector<std::string>& list, const TDriverObject& driver) {
  list.clear();
  for (const auto& entry : kVented) list.emplace_back(entry.Text);
  const double Qts = driver.Sim.QtsT;
  if (Qts < 0.2) return 4;
  if (Qts <= 0.35) return 1;
  if (Qts <= 0.4) return 0;
  return 2;
}

void ApplyVentedAlignment(const std::string& text, const TDriverObject& driver, TBox& box) {
  const int formula = kVented[static_cast<std::size_t>(IndexOfText(kVented, text, 0))].Formula;
  const TVentedAlignment alignment = VentedAlignment(formula, driver.Sim.QtsT, box.Qlr);
  const double Vr = driver.Sim.VasT / alignment.alpha;
  const double Fr = alignment.h * driver.Sim.FsT;
  if (!(Vr > 0.0) || !std::isfinite(Vr) || !(Fr > 0.0) || !std::isfinite(Fr)) return;
  box.Vr = Vr;
  box.Fr = Fr;
}

TVentedAlignment VentedAlignment(int formula, double Qts, double Ql) {
  const double l = std::log(Qts);
  switch (formula) {
    case 0:
      return {std::exp(Horner({-0.527653766418192, -4.045037842606329, -10.388310807896415, -5.25594713440707,
                               21.601394321188952, 40.33530712040413, 22.661419872287436, 2.717622080740771}, l)),
              std::exp(Horner({-0.029801244681591, -0.195366397032358, -0.437959753294342, -1.355136486318576,
                               -0.999127306592246}, l))};
    case 1: {
      const double g = (Qts + Ql) / (Qts * Ql);
      return {4.0 * (g / 4.0) * (g / 4.0) - (g * Ql - 1.0) / (Ql * Ql), 1.0};
    }
    case 2:
      return {std::exp(Horner({0.006359580444886, 0.284719820427248, 1.201995900184085, -0.509649345433783,
                               -1.784408772362153}, l)),
              std::exp(Horner({0.015424255373668, 0.172186160819739, 0.620617168304417, -0.084975509883162,
                               -0.76456030458537}, l))};
    case 3:
      return {std::exp(Horner({-0.229471801052817, -0.901670322424065, -0.410672175645899, -0.41030467280452,
                               -1.207690336319967}, l)),
              std::exp(Horner({-0.229066066258841, -1.231981240907907, -2.116888241589388, -2.07475979269649,
                               -1.434673514434639}, l))};
    case 4:
      return {std::exp(Horner({2.042092829582793, -0.285129728592432, -25.76924674836319, -53.426473674138194,
                               -41.84812814959069, -16.515214504570608, -4.222667174871261}, l)),
              std::exp(Horner({-2.661465684928509, -17.790020226363403, -45.116813494746765, -54.76142489283109,
                               -33.41178255237291, -10.570811827917767, -1.866019821604128}, l))};
    default:
      return {1.0, 1.0};
  }
}

}  // namespace bextor
