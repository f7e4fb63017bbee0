#pragma once
// Number text primitives shared by files and windows. The locale contributes only the
// decimal separator (one core setting); digits and the minus sign are ASCII and numbers are
// never grouped. Nothing here depends on the C library's LC_NUMERIC.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace bextor {

// The decimal separator used for every number the program writes or shows: '.' or ','.
char DecimalSeparator();
void SetDecimalSeparator(char separator);
// Takes the separator from the system locale; called once when a program starts.
void InitDecimalSeparatorFromSystem();

// Reads a decimal number: blanks around it, an optional sign, digits with at most one
// decimal mark ('.' or ',', whichever the system uses) and an optional exponent (E or e,
// optional sign, digits). Anything else, "inf", "nan", hex and values too large for a
// double are rejected; values too small for a double read as 0.
std::optional<double> ParseDecimal(std::string_view text);

// A decimal integer: blanks around it, an optional sign, digits, within 64 bits.
std::optional<std::int64_t> ParseInteger(std::string_view text);

// General format: 15 significant digits, trailing zeros dropped, plain decimal notation for
// magnitudes from 1e-5 up to 1e15, otherwise mantissa, "E" and the exponent ("1.5E-6",
// "2E20"). Empty for a value that is not finite.
std::optional<std::string> FormatGeneral(double value, char separator);

// Fixed-point notation with exactly `digits` decimals (0..30), no exponent, no grouping.
// The value's 15-significant-digit decimal form is rounded half away from zero, so what
// reads as 110.25 shows as 110.3 and 1.005 as 1.01. A value that rounds to zero shows
// without a minus sign. Empty for a value that is not finite.
std::optional<std::string> FormatFixed(double value, int digits, char separator);

// What the user sees of a fixed format ("%1.2f", "%4.3f"): FormatFixed with the locale's
// separator, "N/A" for a value that is not finite.
std::string FixedText(double value, int digits);

// Scientific notation with 17 significant digits as the filter parameter strings store
// floats: "1.0000000000000000E+002" (one digit, separator, 16 digits, "E", sign, at least
// three exponent digits). A value that is not finite is written as 0.
std::string FormatScientific17(double value, char separator);

}  // namespace bextor
