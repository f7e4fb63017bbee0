#pragma once
// Signal-path filters (equalisers and crossovers ahead of the loudspeaker). Each filter
// describes itself by editable parameters, computes a rational transfer function from them,
// answers its response and group delay at any frequency, and serialises its parameters to
// one line of text for the project file.

#include "filters/Rational.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace bextor {

// One editable parameter: the filter's double that holds it, its caption and unit caption.
struct TFilterParam {
  double* FValue;
  std::string FName;
  std::string FUnit;
};

// Type indices as stored in project files.
enum TFilterType : std::int32_t {
  ftLowpass = 0,
  ftHighpass = 1,
  ftAllpass = 2,
  ftLinkwitzTransform = 3,
  ftParametricEQ = 4,
  ftPeakHighpass = 5,
  ftStaticGain = 6,
  ftRaisedCosine = 7,
};
constexpr int kFilterTypeCount = 8;
extern const std::array<std::string_view, kFilterTypeCount> FilterTypeNames;

class TFilterBase {
public:
  virtual ~TFilterBase() = default;
  TFilterBase(const TFilterBase&) = delete;  // FParams point into the object itself
  TFilterBase& operator=(const TFilterBase&) = delete;

  // Complex response at f Hz. A filter whose parameters never passed Calculate's guard
  // answers 1 + 0j.
  virtual TComplex GetResponse(double f) const;
  // Group delay in s at f Hz: the numerical derivative of the phase.
  virtual double GetGroupDelay(double f) const;
  // One-line summary of the parameters, with the locale's decimal separator.
  virtual std::string GetDescription() const { return "(No description)"; }
  // The parameter string of the project file: "sub-type;enabled;" and the parameters in
  // string order, the order as an integer and every other value in scientific notation.
  virtual std::string SaveToString() const;
  // Sets the parameters from a parameter string. With fewer fields than the layout has,
  // nothing changes; a malformed integer field raises EConvertError; an unreadable float
  // reads as 0.
  virtual void LoadFromString(std::string_view s);
  // Recomputes FCoeffs; parameters that fail the type's guard keep the previous ones.
  virtual void Calculate() = 0;

  bool FEnabled = true;
  std::int32_t FSubType = 0;
  std::int32_t FFilterType = 0;
  std::vector<TFilterParam> FParams;
  std::vector<std::string> FSubTypeNames;
  TRationalCoeffs FCoeffs;

protected:
  TFilterBase(TFilterType type, std::vector<std::string> sub_type_names = {});

  // Takes new coefficients when they are finite and the denominator is not zero; returns
  // whether it did. Every Calculate stores its result through this.
  bool SetCoeffs(const TRationalCoeffs& coeffs);
  bool HasCoeffs() const { return FHasCoeffs; }

  // Positions in FParams of the parameter string's fields, where they differ from the
  // editor order (empty: the editor order).
  std::vector<std::size_t> FStringOrder;

private:
  std::vector<const TFilterParam*> StringParams() const;

  bool FHasCoeffs = false;
};

class TProject;

// A filter of type `type_index` with its default parameters, enabled, not yet calculated.
// A Linkwitz transform made for a closed-box project starts from that box's resonance and
// the driver's Qts. Raises EBextorError "Filter class not found!" for an index outside 0..7.
std::unique_ptr<TFilterBase> CreateFilter(int type_index, const TProject* project = nullptr);

// Splits a parameter string at ";" and line breaks, drops empty pieces, keeps quoted text
// together.
std::vector<std::string> SplitFilterString(std::string_view s);
// The integer an order stands for: the stored value rounded to the nearest, ties to even.
int RoundedOrder(double order);

}  // namespace bextor
