#pragma once
// The program-wide settings: user name, data folders, the air environment new designs start
// from, plot ranges and colours, and the amplitude scales of the excursion and velocity
// plots. Stored in "settings.ini" in the settings folder, one INI section per object, one
// key per published property.

#include "common/Persistent.h"

#include <cstdint>
#include <string>
#include <vector>

namespace bextor {

class TIniFile;

class TEnvironment : public TPersistent {
public:
  std::string ClassName() const override { return "TEnvironment"; }
  std::vector<TPropInfo> PublishedProperties() override;

  double Temperature = 293.15;  // K
  double AirPressure = 101325.0;  // Pa
  double Humidy = 0.3;  // relative humidity, fraction 0..1
};

// Plot ranges: "Start" is the bottom (or left) edge, "End" the top (or right) edge.
class TLimits : public TPersistent {
public:
  std::string ClassName() const override { return "TLimits"; }
  std::vector<TPropInfo> PublishedProperties() override;

  double FreqStart() const { return FFreqStart; }
  // A start frequency <= 0 stores 10 Hz: the logarithmic axis needs a positive start.
  void SetFreqStart(double value);

  double FreqEnd = 500.0;  // Hz
  double GainStart = -30.0;  // dB
  double GainEnd = 6.0;
  double FilterEQGainMin = -40.0;  // dB
  double FilterEQGainMax = 20.0;
  double GainPhaseStart = -180.0;  // deg
  double GainPhaseEnd = 180.0;
  double SPLStart = 75.0;  // dB
  double SPLEnd = 105.0;
  double ExcursionStart = 0.0;  // m
  double ExcursionEnd = 0.03;
  double ImpedanceStart = 0.0;  // ohm
  double ImpedanceEnd = 50.0;
  double ImpedancePhaseStart = -90.0;  // deg
  double ImpedancePhaseEnd = 90.0;
  double DelayStart = 0.0;  // ms
  double DelayEnd = 40.0;
  double MaxPowerStart = 0.0;  // W (also VA)
  double MaxPowerEnd = 500.0;
  double VelocityStart = 0.0;  // m/s
  double VelocityEnd = 20.0;

private:
  double FFreqStart = 10.0;  // Hz
};

// Colours as 0x00BBGGRR (red in the low byte).
class TColors : public TPersistent {
public:
  std::string ClassName() const override { return "TColors"; }
  std::vector<TPropInfo> PublishedProperties() override;

  std::int32_t Line0dB = 0;
  std::int32_t Line3dB = 8355711;
  std::int32_t LineXmax = 255;
  std::int32_t LineOther = 11513775;
  std::int32_t Background = 16777215;
  std::int32_t Labels = 0;
};

class TPlot : public TPersistent {
public:
  std::string ClassName() const override { return "TPlot"; }
  std::vector<TPropInfo> PublishedProperties() override;

  TLimits Limits;
  TColors Colors;
};

class TSettings : public TPersistent {
public:
  // Determines the folders below the user's documents folder and the shared program-data
  // folder, creates the four user folders (with their parents; failures are not reported)
  // installs the delivered default unit choices into the settings folder, and copies the
  // sample drivers into a drivers folder that holds no driver yet and the example projects
  // into a projects folder that holds no project yet.
  TSettings();
  // The same with explicit folders (each ending with the path separator or not).
  TSettings(const std::string& documents_folder, const std::string& shared_data_folder);

  std::string ClassName() const override { return "TSettings"; }
  std::vector<TPropInfo> PublishedProperties() override;

  // Reads "settings.ini". A missing file or key keeps the default. A value that does not
  // parse (either decimal mark is accepted) keeps its value and is reported once in the
  // returned warnings, as is a file that cannot be read; loading goes on.
  std::vector<std::string> LoadSettings();
  // Writes the four sections; raises EFileError when the file cannot be written (the
  // previous file then stays intact).
  void SaveSettings();

  std::string SettingsFileName() const { return FSettingsFolder + "settings.ini"; }
  std::string UnitChoiceFileName() const { return FSettingsFolder + "unitindex.dat"; }

  std::string UserName;
  std::string FAllUsersFolder;  // shared program data: version.ini, readme.txt, help/
  std::string FUserFolder;      // documents folder + "Bextor/"
  std::string FProjectsFolder;
  std::string FDriversFolder;
  std::string FSettingsFolder;  // settings.ini, unitindex.dat, unitindex_default_metric.dat
  TEnvironment Environment;
  TPlot Plot;
  std::int32_t ExcursionScaling = 1;  // amplitude scale index: 0 rms, 1 peak, 2 p-p
  std::int32_t VelocityScaling = 1;
};

// The user's documents folder, and the shared program-data folder next to the program
// ("../share/bextor" from the executable), each ending with the path separator.
std::string DefaultDocumentsFolder();
std::string DefaultSharedDataFolder();
// The logged-in user's name (at most 255 bytes).
std::string OperatingSystemUserName();

// Every published property, sorted by name, as one key of `section`.
void WritePropertiesToIni(TIniFile& ini, TPersistent& object, const std::string& section);
// Reads back what WritePropertiesToIni wrote; keys that are missing keep their values. A
// value that does not parse keeps the property's value and adds a warning.
void ReadPropertiesFromIni(const TIniFile& ini, TPersistent& object, const std::string& section,
                           std::vector<std::string>& warnings);

}  // namespace bextor
