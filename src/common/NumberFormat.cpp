#include "NumberFormat.h"

#include <QLocale>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace bextor {
namespace {

char decimal_separator = '.';

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

void ReplaceDot(std::string& text, char separator) {
  for (char& c : text)
    if (c == '.') c = separator;
}

// A finite value as 15 significant decimal digits d.dddddddddddddd × 10^Exponent
// (all zeros with exponent 0 for zero).
struct TDecimal15 {
  bool Negative;
  std::string Digits;
  int Exponent;
};

TDecimal15 ToDecimal15(double value) {
  std::array<char, 32> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                    std::chars_format::scientific, 14);
  const std::string_view text(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data()));
  const std::size_t e_at = text.find('e');
  TDecimal15 decimal{text.front() == '-', {}, 0};
  for (char c : text.substr(0, e_at))
    if (IsDigit(c)) decimal.Digits += c;
  const std::size_t exponent_at = e_at + (text[e_at + 1] == '+' ? 2 : 1);
  std::from_chars(text.data() + exponent_at, text.data() + text.size(), decimal.Exponent);
  return decimal;
}

}  // namespace

char DecimalSeparator() { return decimal_separator; }

void SetDecimalSeparator(char separator) { decimal_separator = separator == ',' ? ',' : '.'; }

void InitDecimalSeparatorFromSystem() {
  const QString point = QLocale::system().decimalPoint();
  SetDecimalSeparator(point == QStringLiteral(",") ? ',' : '.');
}

std::optional<double> ParseDecimal(std::string_view text) {
  text = Trim(text);
  std::size_t i = 0;
  const bool negative = i < text.size() && text[i] == '-';
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;

  std::string integer_digits;
  std::string fraction_digits;
  while (i < text.size() && IsDigit(text[i])) integer_digits += text[i++];
  if (i < text.size() && (text[i] == '.' || text[i] == ',')) {
    ++i;
    while (i < text.size() && IsDigit(text[i])) fraction_digits += text[i++];
  }
  if (integer_digits.empty() && fraction_digits.empty()) return std::nullopt;

  std::string_view exponent_text;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    const std::size_t exponent_start = ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    const std::size_t digits_start = i;
    while (i < text.size() && IsDigit(text[i])) ++i;
    if (i == digits_start) return std::nullopt;
    exponent_text = text.substr(exponent_start, i - exponent_start);
  }
  if (i != text.size()) return std::nullopt;

  std::string normal = negative ? "-" : "";
  normal += (integer_digits.empty() ? "0" : integer_digits) + "." + fraction_digits;
  if (!exponent_text.empty()) normal += "e" + std::string(exponent_text);

  double value = 0.0;
  const auto [end, ec] = std::from_chars(normal.data(), normal.data() + normal.size(), value);
  if (end != normal.data() + normal.size()) return std::nullopt;
  if (ec == std::errc::result_out_of_range) {
    // Too large is a failure, too small is zero: the decimal order of magnitude tells which.
    const std::size_t first_integer = integer_digits.find_first_not_of('0');
    const std::size_t first_fraction = fraction_digits.find_first_not_of('0');
    if (first_integer == std::string::npos && first_fraction == std::string::npos)
      return negative ? -0.0 : 0.0;
    const long long lead = first_integer != std::string::npos
                               ? static_cast<long long>(integer_digits.size() - first_integer) - 1
                               : -static_cast<long long>(first_fraction) - 1;
    constexpr std::int64_t kHuge = 1000000;
    std::int64_t exponent = 0;
    if (!exponent_text.empty()) {
      const auto parsed = ParseInteger(exponent_text);
      exponent = parsed ? std::clamp(*parsed, -kHuge, kHuge) : (exponent_text.front() == '-' ? -kHuge : kHuge);
    }
    const long long magnitude = lead + exponent;
    if (magnitude > 0) return std::nullopt;
    return negative ? -0.0 : 0.0;
  }
  if (ec != std::errc() || !std::isfinite(value)) return std::nullopt;
  return value;
}

std::optional<std::int64_t> ParseInteger(std::string_view text) {
  text = Trim(text);
  if (!text.empty() && text.front() == '+') {
    text.remove_prefix(1);
    if (!text.empty() && text.front() == '-') return std::nullopt;
  }
  std::int64_t value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<std::string> FormatGeneral(double value, char separator) {
  if (!std::isfinite(value)) return std::nullopt;
  if (value == 0.0) return std::string("0");
  const TDecimal15 decimal = ToDecimal15(value);
  std::string digits = decimal.Digits;
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  const int exponent = decimal.Exponent;

  std::string text = decimal.Negative ? "-" : "";
  if (exponent >= -5 && exponent < 15) {
    if (exponent >= 0) {
      const std::size_t integer_length = static_cast<std::size_t>(exponent) + 1;
      if (digits.size() <= integer_length) {
        text += digits + std::string(integer_length - digits.size(), '0');
      } else {
        text += digits.substr(0, integer_length) + '.' + digits.substr(integer_length);
      }
    } else {
      text += "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    }
  } else {
    text += digits.substr(0, 1);
    if (digits.size() > 1) text += '.' + digits.substr(1);
    text += 'E' + std::to_string(exponent);
  }
  ReplaceDot(text, separator);
  return text;
}

std::optional<std::string> FormatFixed(double value, int digits, char separator) {
  if (!std::isfinite(value) || digits < 0 || digits > 30) return std::nullopt;
  const TDecimal15 decimal = ToDecimal15(value);
  // Keep the digits down to the last shown decimal; the next digit rounds half up.
  const int kept = decimal.Exponent + 1 + digits;
  std::string shown;
  if (kept >= 0) {
    const auto keep = static_cast<std::size_t>(kept);
    shown = decimal.Digits.substr(0, keep);
    if (keep > decimal.Digits.size()) shown.append(keep - decimal.Digits.size(), '0');
    if (keep < decimal.Digits.size() && decimal.Digits[keep] >= '5') {
      std::size_t i = shown.size();
      while (i > 0 && shown[i - 1] == '9') shown[--i] = '0';
      if (i == 0) shown.insert(shown.begin(), '1');
      else ++shown[i - 1];
    }
  }
  // `shown` is the value in units of the last decimal: split off the decimals.
  const auto decimals = static_cast<std::size_t>(digits);
  if (shown.size() < decimals + 1) shown.insert(0, decimals + 1 - shown.size(), '0');
  const bool zero = shown.find_first_not_of('0') == std::string::npos;
  std::string text = decimal.Negative && !zero ? "-" : "";
  text += shown.substr(0, shown.size() - decimals);
  if (digits > 0) text += separator + shown.substr(shown.size() - decimals);
  return text;
}

std::string FormatScientific17(double value, char separator) {
  if (!std::isfinite(value)) value = 0.0;
  std::array<char, 40> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                    std::chars_format::scientific, 16);
  std::string text(buffer.data(), result.ptr);
  const std::size_t e_at = text.find('e');
  std::string exponent = text.substr(e_at + 2);
  if (exponent.size() < 3) exponent.insert(0, 3 - exponent.size(), '0');
  text = text.substr(0, e_at) + 'E' + text[e_at + 1] + exponent;
  ReplaceDot(text, separator);
  return text;
}

std::string FixedText(double value, int digits) {
  return FormatFixed(value, digits, DecimalSeparator()).value_or("N/A");
}

}  // namespace bextor
