#include "PlotScale.h"

#include "common/NumberFormat.h"

#include <array>
#include <cmath>

namespace bextor {
namespace {

constexpr int kMaxLines = 1000;
constexpr std::array<const char*, 13> kPrefixes = {"a", "f", "p", "n", "u", "m", "", "k", "M", "G", "T", "P", "E"};

long FloorDiv(long a, long b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0); }

}  // namespace

std::vector<double> FrequencyGridLines(double xmin, double xmax) {
  std::vector<double> lines;
  if (!(xmin > 0.0) || !std::isfinite(xmin) || !std::isfinite(xmax)) return lines;
  double e = std::pow(10.0, std::nearbyint(std::log10(xmin)));
  int i = static_cast<int>(std::ceil(xmin / e));
  double f = i * e;
  while (f < xmax && lines.size() < kMaxLines) {
    lines.push_back(f);
    if (++i > 9) {
      i = 1;
      e *= 10.0;
    }
    f = i * e;
  }
  return lines;
}

double ValueGridStep(double value_per_pixel, int font_height) {
  const double h = font_height * value_per_pixel;
  const double base = std::pow(10.0, std::floor(std::log10(h)));
  for (double k : {1.0, 2.0, 5.0})
    if (k * base >= h) return k * base;
  return 10.0 * base;
}

std::vector<double> ValueGridLines(double ymin, double ymax, double step) {
  std::vector<double> values;
  if (!(step > 0.0) || !std::isfinite(step)) return values;
  for (double t = std::nearbyint(ymax / step) * step; t > ymin && values.size() < kMaxLines; t -= step)
    values.push_back(t);
  return values;
}

std::vector<TFrequencyLabel> FrequencyLabels(double xmin, double xmax) {
  std::vector<TFrequencyLabel> labels;
  if (!(xmin > 0.0) || !(xmax >= xmin) || !std::isfinite(xmax)) return labels;
  const long first = static_cast<long>(std::floor(std::log10(xmin)));
  const long last = static_cast<long>(std::trunc(std::log10(xmax)));
  for (long i = first; i <= last && labels.size() < kMaxLines; ++i) {
    for (int k : {1, 2, 5}) {
      const double f = k * std::pow(10.0, static_cast<double>(i));
      if (f < xmin || f > xmax) continue;
      const long p = FloorDiv(i, 3);
      if (p + 6 < 0 || p + 6 >= static_cast<long>(kPrefixes.size())) continue;
      const double mantissa = k * std::pow(10.0, static_cast<double>(i - 3 * p));
      labels.push_back({f, FormatFixed(mantissa, 0, DecimalSeparator()).value_or("") + kPrefixes[static_cast<std::size_t>(p + 6)]});
    }
  }
  return labels;
}

std::string ValueLabelText(double value) {
  std::string text = FormatFixed(value, 5, DecimalSeparator()).value_or("");
  const auto separator = text.find(DecimalSeparator());
  if (separator != std::string::npos) {
    while (text.back() == '0') text.pop_back();
    if (text.back() == DecimalSeparator()) text.pop_back();
  }
  if (text == "-0") text = "0";
  return text;
}

}  // namespace bextor
