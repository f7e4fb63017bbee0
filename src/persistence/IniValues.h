#pragma once
// Value conventions of the driver and project files.

#include "common/Clock.h"

#include <string>
#include <string_view>

namespace bextor {

// The number in a stored text, accepting "." or "," as the decimal mark; an empty or
// unparsable text (for example one holding both marks) gives 0, without a report.
double StrToFloatAny(std::string_view text);

// The written float format (15 significant digits, general) but always with "."; "0" for a
// value that is not finite. Builds the default text of keys whose default is not zero.
std::string FloatToStrDot(double value);

// "yyyymmdd" of the date; today's date in that form for a date that cannot be formatted.
std::string DateToIniStr(TDateTime date);

// An 8-byte text "yyyymmdd" gives that date at midnight; a part that is not an integer or
// a combination that is no date (month 13, 30 February, year 0) raises EConvertError. Any
// other length gives the current date and time.
TDateTime IniStrToDate(std::string_view text);

// Multi-line text <-> one INI value. Every line break (CR LF, lone LF, lone CR) becomes the
// byte 0xA4; on reading, a 0xA4 becomes CR LF only where it is not part of a valid UTF-8
// character, so "ä" (C3 A4) and "¤" (C2 A4) survive.
std::string TextToIni(std::string_view text);
std::string IniToText(std::string_view text);

// False for an empty text or one holding any of  " * / : < > ? \ |
bool IsValidFileName(std::string_view text);
// The text with each of those nine characters replaced by "_".
std::string SafeFileName(std::string_view text);

// Days since 1899-12-30 of a calendar date (no validation).
TDateTime EncodeDate(int year, int month, int day);

}  // namespace bextor
