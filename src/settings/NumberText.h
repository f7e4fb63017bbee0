#pragma once
// Value <-> text in a quantity kind and display unit, as every value field shows and reads it.

#include <string>
#include <string_view>

namespace bextor {

// The base value that `text` denotes in unit `unit_index` of `kind`. Either "." or "," is
// the decimal mark. An empty or blank text gives 0 (no unit conversion). A text that does
// not parse shows "Can't convert floating point number" through the message sink and
// counts as display value 0 (for "°C": 273.15 K).
double Str2Val(std::string_view text, int kind, int unit_index);

// The text showing base value `value` in unit `unit_index` of `kind`: fixed-point with the
// unit's decimals and the locale's decimal separator. A value that cannot be shown (not
// finite) shows "Conversion error in module Val2Str, inform author!" and gives "".
std::string Val2Str(int kind, int unit_index, double value);

}  // namespace bextor
