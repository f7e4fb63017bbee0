#include "IniValues.h"

#include "common/Errors.h"
#include "common/NumberFormat.h"

#include <QDate>

#include <cmath>

namespace bextor {
namespace {

constexpr unsigned char kLineBreakMarker = 0xA4;
constexpr std::string_view kFileNameForbidden = "\"*/:<>?\\|";

const QDate& DateEpoch() {
  static const QDate epoch(1899, 12, 30);
  return epoch;
}

// Length of the valid UTF-8 character starting at `at`, or 0 when none starts there.
std::size_t Utf8CharLength(std::string_view text, std::size_t at) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(at);
  std::size_t length = 0;
  unsigned char low = 0x80, high = 0xBF;  // range of the second byte
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) length = 2;
  else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (at + length > text.size()) return 0;
  if (byte(at + 1) < low || byte(at + 1) > high) return 0;
  for (std::size_t i = 2; i < length; ++i)
    if (byte(at + i) < 0x80 || byte(at + i) > 0xBF) return 0;
  return length;
}

}  // namespace

double StrToFloatAny(std::string_view text) { return ParseDecimal(text).value_or(0.0); }

std::string FloatToStrDot(double value) { return FormatGeneral(value, '.').value_or("0"); }

TDateTime EncodeDate(int year, int month, int day) {
  return static_cast<double>(DateEpoch().daysTo(QDate(year, month, day)));
}

std::string DateToIniStr(TDateTime date) {
  QDate day;
  if (std::isfinite(date) && std::abs(date) < 4e6) day = DateEpoch().addDays(static_cast<qint64>(std::floor(date)));
  if (!day.isValid() || day.year() < 1 || day.year() > 9999) day = DateEpoch().addDays(static_cast<qint64>(Today()));
  return day.toString(QStringLiteral("yyyyMMdd")).toStdString();
}

TDateTime IniStrToDate(std::string_view text) {
  if (text.size() != 8) return Now();
  const auto year = ParseInteger(text.substr(0, 4));
  const auto month = ParseInteger(text.substr(4, 2));
  const auto day = ParseInteger(text.substr(6, 2));
  if (!year || !month || !day || *year < 1 || *year > 9999 ||
      !QDate::isValid(static_cast<int>(*year), static_cast<int>(*month), static_cast<int>(*day)))
    throw EConvertError("'" + std::string(text) + "' is not a valid date (yyyymmdd)");
  return EncodeDate(static_cast<int>(*year), static_cast<int>(*month), static_cast<int>(*day));
}

std::string TextToIni(std::string_view text) {
  std::string result;
  result.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' || text[i] == '\n') {
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      result += static_cast<char>(kLineBreakMarker);
    } else {
      result += text[i];
    }
  }
  return result;
}

std::string IniToText(std::string_view text) {
  std::string result;
  result.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length = Utf8CharLength(text, i);
    if (length > 0) {
      result.append(text.substr(i, length));
      i += length;
    } else {
      result += static_cast<unsigned char>(text[i]) == kLineBreakMarker ? std::string("\r\n") : std::string(1, text[i]);
      ++i;
    }
  }
  return result;
}

bool IsValidFileName(std::string_view text) {
  return !text.empty() && text.find_first_of(kFileNameForbidden) == std::string_view::npos;
}

std::string SafeFileName(std::string_view text) {
  std::string result(text);
  for (char& c : result)
    if (kFileNameForbidden.find(c) != std::string_view::npos) c = '_';
  return result;
}

}  // namespace bextor
