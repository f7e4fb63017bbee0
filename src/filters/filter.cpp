#include "filter.h"

#include "app/Project.h"
#include "common/Errors.h"
#include "common/NumberFormat.h"
#include "filters/filter_allpass.h"
#include "filters/filter_highpass.h"
#include "filters/filter_linkwitztransform.h"
#include "filters/filter_lowpass.h"
#include "filters/filter_parametriceq.h"
#include "filters/filter_peakhighpass.h"
#include "filters/filter_raisedcosine.h"
#include "filters/filter_staticgain.h"
#include "persistence/IniValues.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace bextor {

const std::array<std::string_view, kFilterTypeCount> FilterTypeNames = {
    "Lowpass", "Highpass", "Allpass", "Linkwitz transform", "Parametric EQ",
    "Peaking 2nd order highpass", "Static gain", "DLP Raised Cosine"};

TFilterBase::TFilterBase(TFilterType type, std::vector<std::string> sub_type_names)
    : FFilterType(type), FSubTypeNames(std::move(sub_type_names)) {}

TComplex TFilterBase::GetResponse(double f) const {
  if (!FHasCoeffs) return {1.0, 0.0};
  return EvalRational(FCoeffs, 2.0 * std::numbers::pi * f);
}

double TFilterBase::GetGroupDelay(double f) const {
  if (!FHasCoeffs) return 0.0;
  // The step actually representable at f (kept literal: no reassociation).
  volatile double shifted = f + 1e-10;
  const double df = shifted - f;
  if (df == 0.0) return 0.0;
  constexpr double pi = std::numbers::pi;
  double phase_plus = std::arg(EvalRational(FCoeffs, 2.0 * pi * (f + df)));
  const double phase_minus = std::arg(EvalRational(FCoeffs, 2.0 * pi * (f - df)));
  if (phase_plus - phase_minus > pi) phase_plus -= 2.0 * pi;
  if (phase_plus - phase_minus < -pi) phase_plus += 2.0 * pi;
  return (phase_minus - phase_plus) / (2.0 * 2.0 * pi * df);
}

bool TFilterBase::SetCoeffs(const TRationalCoeffs& coeffs) {
  const auto finite = [](const auto& values) {
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
  };
  const bool zero_denominator = std::all_of(coeffs.Den.begin(), coeffs.Den.end(), [](double v) { return v == 0.0; });
  if (!finite(coeffs.Num) || !finite(coeffs.Den) || zero_denominator) return false;
  FCoeffs = coeffs;
  FHasCoeffs = true;
  return true;
}

namespace {

// The order is the one integer parameter.
bool IsOrder(const TFilterParam& param) { return param.FName == "Order"; }

std::int32_t IntegerField(const std::string& piece) {
  const auto value = ParseInteger(piece);
  if (!value || *value < std::numeric_limits<std::int32_t>::min() || *value > std::numeric_limits<std::int32_t>::max())
    throw EConvertError("'" + piece + "' is not a valid integer value");
  return static_cast<std::int32_t>(*value);
}

}  // namespace

std::vector<const TFilterParam*> TFilterBase::StringParams() const {
  std::vector<const TFilterParam*> params;
  if (FStringOrder.empty()) {
    for (const auto& param : FParams) params.push_back(&param);
  } else {
    for (std::size_t i : FStringOrder) params.push_back(&FParams.at(i));
  }
  return params;
}

std::string TFilterBase::SaveToString() const {
  std::string text = std::to_string(FSubType) + ";" + (FEnabled ? "1" : "0");
  for (const TFilterParam* param : StringParams())
    text += ";" + (IsOrder(*param) ? std::to_string(RoundedOrder(*param->FValue))
                                   : FormatScientific17(*param->FValue, DecimalSeparator()));
  return text;
}

void TFilterBase::LoadFromString(std::string_view s) {
  const auto params = StringParams();
  const std::vector<std::string> pieces = SplitFilterString(s);
  if (pieces.size() < 2 + params.size()) return;
  FSubType = IntegerField(pieces[0]);
  FEnabled = IntegerField(pieces[1]) != 0;
  for (std::size_t i = 0; i < params.size(); ++i)
    *params[i]->FValue = IsOrder(*params[i]) ? IntegerField(pieces[2 + i]) : StrToFloatAny(pieces[2 + i]);
}

std::unique_ptr<TFilterBase> CreateFilter(int type_index, const TProject* project) {
  switch (type_index) {
    case ftLowpass: return std::make_unique<TFilter_Lowpass>();
    case ftHighpass: return std::make_unique<TFilter_Highpass>();
    case ftAllpass: return std::make_unique<TFilter_Allpass>();
    case ftLinkwitzTransform: {
      auto transform = std::make_unique<TFilter_LinkwitzTransform>();
      if (project && project->Box.BType == btClosed) {
        // The closed box's resonance as last reported, and the driver's total Q; a value
        // not known yet keeps the ordinary default.
        if (project->Box.CurrFsc > 0.0) transform->Ff0 = project->Box.CurrFsc;
        if (project->Driver.Data.Qts > 0.0) transform->FQ0 = project->Driver.Data.Qts;
      }
      return transform;
    }
    case ftParametricEQ: return std::make_unique<TFilter_ParametricEQ>();
    case ftPeakHighpass: return std::make_unique<TFilter_PeakHighpass>();
    case ftStaticGain: return std::make_unique<TFilter_StaticGain>();
    case ftRaisedCosine: return std::make_unique<TFilter_RaisedCosine>();
    default: throw EBextorError("Filter class not found!");
  }
}

std::vector<std::string> SplitFilterString(std::string_view s) {
  std::vector<std::string> pieces;
  std::string piece;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const char c = s[i];
    if (c == '"' || c == '\'') {
      const std::size_t close = s.find(c, i + 1);
      const std::size_t end = close == std::string_view::npos ? s.size() : close;
      piece.append(s.substr(i + 1, end - i - 1));
      i = end;
    } else if (c == ';' || c == '\r' || c == '\n') {
      if (!piece.empty()) pieces.push_back(std::move(piece));
      piece.clear();
    } else {
      piece += c;
    }
  }
  if (!piece.empty()) pieces.push_back(std::move(piece));
  return pieces;
}

int RoundedOrder(double order) {
  if (!std::isfinite(order)) return 0;
  return static_cast<int>(std::clamp(std::nearbyint(order), -1000.0, 1000.0));
}

}  // namespace bextor
