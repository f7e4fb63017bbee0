#pragma once
// The "Driver" section of driver files (.bdr) and project files: 56 keys in a fixed order.

#include <string>
#include <vector>

namespace bextor {

class TDriverObject;
class TEnvironment;
class TIniFile;

constexpr const char* kDriverSection = "Driver";
constexpr const char* kDriverExtension = ".bdr";

// Writes the driver's stored fields into section "Driver"; changes nothing in the driver.
void WriteDriverIni(TIniFile& ini, const TDriverObject& driver);

// Reads section "Driver" into the driver without resetting it first. Missing keys take
// their defaults ("roo" and "c" those of `environment`; status letters 'E'); a status text
// of n letters replaces the first n. A voice-coil count below 1 or a connection other than
// 1 or 2 is replaced by 1 and reported in `warnings`. A malformed 8-character date raises
// EConvertError; the keys before it are then read, the rest not.
void ReadDriverIni(const TIniFile& ini, TDriverObject& driver, const TEnvironment& environment,
                   std::vector<std::string>& warnings);

// "file: [section] key=value is out of range; default is used", the text of such a warning.
std::string RangeWarning(const TIniFile& ini, const std::string& section, const std::string& key,
                         long long value, long long replacement);

}  // namespace bextor
