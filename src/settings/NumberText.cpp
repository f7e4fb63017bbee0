#include "NumberText.h"

#include "common/MessageSink.h"
#include "common/NumberFormat.h"
#include "settings/Units.h"

namespace bextor {

double Str2Val(std::string_view text, int kind, int unit_index) {
  if (text.find_first_not_of(" \t") == std::string_view::npos) return 0.0;
  auto display = ParseDecimal(text);
  if (!display) {
    ShowMessage("Can't convert floating point number");
    display = 0.0;
  }
  return FromDisplay(kind, unit_index, *display);
}

std::string Val2Str(int kind, int unit_index, double value) {
  const auto text = FormatFixed(ToDisplay(kind, unit_index, value),
                                GetUnitInfo(kind, unit_index).Digits, DecimalSeparator());
  if (!text) {
    ShowMessage("Conversion error in module Val2Str, inform author!");
    return {};
  }
  return *text;
}

}  // namespace bextor
