#pragma once
// The pure geometry of the plot: where grid lines fall and what the labels say. The plot
// helper draws what these return; they are tested without drawing.

#include <string>
#include <vector>

namespace bextor {

// Frequencies of the vertical grid lines, 1..9 times each power of ten from the decade of
// xmin (its logarithm rounded to the nearest) up to below xmax. At most 1000 lines.
std::vector<double> FrequencyGridLines(double xmin, double xmax);

// The value step of the horizontal grid: the first of 1, 2, 5, 10 times a power of ten
// that is at least one font height in values (`value_per_pixel`·`font_height`).
double ValueGridStep(double value_per_pixel, int font_height);

// The grid values from round(ymax/step)·step down while above ymin. At most 1000 values.
std::vector<double> ValueGridLines(double ymin, double ymax, double step);

struct TFrequencyLabel {
  double Frequency;
  std::string Text;  // "20", "500", "1k", "500m"
};
// Labels at 1, 2 and 5 times each power of ten inside [xmin, xmax].
std::vector<TFrequencyLabel> FrequencyLabels(double xmin, double xmax);

// A value label: at most five decimals, no trailing zeros, the locale's separator, "0"
// rather than "-0".
std::string ValueLabelText(double value);

}  // namespace bextor
