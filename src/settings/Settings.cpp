#include "Settings.h"

#include "common/AtomicFile.h"
#include "common/Errors.h"
#include "common/NumberFormat.h"
#include "persistence/IniFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <limits>
#include <optional>

namespace bextor {
namespace {

constexpr const char* kMissing = "_PROP_NOT_FOUND_";
constexpr const char* kDefaultUnitChoices = "unitindex_default_metric.dat";

std::string WithSeparator(std::string folder) {
  const std::string native = QDir::toNativeSeparators(QString::fromStdString(folder)).toStdString();
  const char separator = QDir::separator().toLatin1();
  return native.empty() || native.back() == separator ? native : native + separator;
}

void CreateFolder(const std::string& folder) { QDir().mkpath(QString::fromStdString(folder)); }

QByteArray ReadWholeFile(const std::string& path) {
  QFile file(QString::fromStdString(path));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Puts the delivered default unit choices into the settings folder, where the options
// dialog's reset to metric finds them; a copy that differs from the delivered file (an
// older program version) is replaced.
void InstallDefaultUnitChoices(const std::string& shared_folder, const std::string& settings_folder) {
  const QByteArray delivered = ReadWholeFile(shared_folder + kDefaultUnitChoices);
  if (delivered.isEmpty() || ReadWholeFile(settings_folder + kDefaultUnitChoices) == delivered) return;
  WriteFileAtomically(settings_folder + kDefaultUnitChoices,
                      std::string(delivered.constData(), static_cast<std::size_t>(delivered.size())));
}

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// A new user's folder without any `extension` file gets the examples delivered with the
// program in `samples_folder` (sample drivers, example projects).
void InstallSamples(const std::string& samples_folder, const std::string& target_folder, const char* extension) {
  const QStringList pattern{QStringLiteral("*") + QLatin1String(extension)};
  if (!QDir(QString::fromStdString(target_folder)).entryList(pattern, QDir::Files).isEmpty()) return;
  const QDir samples(QString::fromStdString(samples_folder));
  for (const QString& name : samples.entryList(pattern, QDir::Files))
    QFile::copy(samples.filePath(name), QString::fromStdString(target_folder) + name);
}

bool NameLess(const TPropInfo& a, const TPropInfo& b) {
  return std::lexicographical_compare(a.Name.begin(), a.Name.end(), b.Name.begin(), b.Name.end(),
                                      [](char x, char y) { return AsciiLower(x) < AsciiLower(y); });
}

std::vector<TPropInfo> SortedProperties(TPersistent& object) {
  auto properties = object.PublishedProperties();
  std::stable_sort(properties.begin(), properties.end(), NameLess);
  return properties;
}

// The text of a property's value as the settings file stores it; nullopt for an object.
std::optional<std::string> PropertyText(const TPropInfo& property) {
  const TPropValue value = property.Get();
  switch (property.Kind) {
    case TPropKind::Integer: return std::to_string(std::get<std::int64_t>(value));
    case TPropKind::Float: return FormatGeneral(std::get<double>(value), DecimalSeparator()).value_or("0");
    case TPropKind::String: return std::get<std::string>(value);
    case TPropKind::Boolean: return std::get<bool>(value) ? "True" : "False";
    case TPropKind::Object: break;
  }
  return std::nullopt;
}

}  // namespace

std::vector<TPropInfo> TEnvironment::PublishedProperties() {
  return {FloatProp("Temperature", Temperature), FloatProp("AirPressure", AirPressure),
          FloatProp("Humidy", Humidy)};
}

void TLimits::SetFreqStart(double value) { FFreqStart = value <= 0.0 ? 10.0 : value; }

std::vector<TPropInfo> TLimits::PublishedProperties() {
  return {{"FreqStart", TPropKind::Float, [this] { return TPropValue(FreqStart()); },
           [this](const TPropValue& v) { SetFreqStart(std::get<double>(v)); }},
          FloatProp("FreqEnd", FreqEnd),
          FloatProp("GainStart", GainStart),
          FloatProp("GainEnd", GainEnd),
          FloatProp("FilterEQGainMin", FilterEQGainMin),
          FloatProp("FilterEQGainMax", FilterEQGainMax),
          FloatProp("GainPhaseStart", GainPhaseStart),
          FloatProp("GainPhaseEnd", GainPhaseEnd),
          FloatProp("SPLStart", SPLStart),
          FloatProp("SPLEnd", SPLEnd),
          FloatProp("ExcursionStart", ExcursionStart),
          FloatProp("ExcursionEnd", ExcursionEnd),
          FloatProp("ImpedanceStart", ImpedanceStart),
          FloatProp("ImpedanceEnd", ImpedanceEnd),
          FloatProp("ImpedancePhaseStart", ImpedancePhaseStart),
          FloatProp("ImpedancePhaseEnd", ImpedancePhaseEnd),
          FloatProp("DelayStart", DelayStart),
          FloatProp("DelayEnd", DelayEnd),
          FloatProp("MaxPowerStart", MaxPowerStart),
          FloatProp("MaxPowerEnd", MaxPowerEnd),
          FloatProp("VelocityStart", VelocityStart),
          FloatProp("VelocityEnd", VelocityEnd)};
}

std::vector<TPropInfo> TColors::PublishedProperties() {
  return {IntProp("Line0dB", Line0dB),     IntProp("Line3dB", Line3dB),
          IntProp("LineXmax", LineXmax),   IntProp("LineOther", LineOther),
          IntProp("Background", Background), IntProp("Labels", Labels)};
}

std::vector<TPropInfo> TPlot::PublishedProperties() {
  return {ObjectProp("Limits", Limits), ObjectProp("Colors", Colors)};
}

TSettings::TSettings() : TSettings(DefaultDocumentsFolder(), DefaultSharedDataFolder()) {}

TSettings::TSettings(const std::string& documents_folder, const std::string& shared_data_folder)
    : UserName(OperatingSystemUserName()),
      FAllUsersFolder(WithSeparator(shared_data_folder)),
      FUserFolder(WithSeparator(WithSeparator(documents_folder) + "Bextor")),
      FProjectsFolder(WithSeparator(FUserFolder + "projects")),
      FDriversFolder(WithSeparator(FUserFolder + "drivers")),
      FSettingsFolder(WithSeparator(FUserFolder + "settings")) {
  for (const auto* folder : {&FUserFolder, &FProjectsFolder, &FDriversFolder, &FSettingsFolder})
    CreateFolder(*folder);
  InstallDefaultUnitChoices(FAllUsersFolder, FSettingsFolder);
  InstallSamples(FAllUsersFolder + "drivers", FDriversFolder, ".bdr");
  InstallSamples(FAllUsersFolder + "projects", FProjectsFolder, ".bpr");
}

std::vector<TPropInfo> TSettings::PublishedProperties() {
  return {StringProp("UserName", UserName), ObjectProp("Environment", Environment),
          IntProp("ExcursionScaling", ExcursionScaling), IntProp("VelocityScaling", VelocityScaling)};
}

std::vector<std::string> TSettings::LoadSettings() {
  std::vector<std::string> warnings;
  try {
    const TIniFile ini(SettingsFileName());
    ReadPropertiesFromIni(ini, *this, "Settings", warnings);
    ReadPropertiesFromIni(ini, Plot.Limits, "Settings.Plot.Limits", warnings);
    ReadPropertiesFromIni(ini, Plot.Colors, "Settings.Plot.Colors", warnings);
    ReadPropertiesFromIni(ini, Environment, "Settings.Environment", warnings);
  } catch (const EFileError& error) {
    warnings.push_back(std::string(error.what()) + "; the default settings are used");
  }
  return warnings;
}

void TSettings::SaveSettings() {
  TIniFile ini(SettingsFileName());
  WritePropertiesToIni(ini, *this, "Settings");
  WritePropertiesToIni(ini, Plot.Limits, "Settings.Plot.Limits");
  WritePropertiesToIni(ini, Plot.Colors, "Settings.Plot.Colors");
  WritePropertiesToIni(ini, Environment, "Settings.Environment");
  ini.UpdateFile();
}

std::string DefaultDocumentsFolder() {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (folder.isEmpty()) folder = QDir::homePath();
  return WithSeparator(folder.toStdString());
}

std::string DefaultSharedDataFolder() {
  QString program_folder;
  if (QCoreApplication::instance()) {
    program_folder = QCoreApplication::applicationDirPath();
  } else {
    std::error_code error;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
    program_folder = QString::fromStdString(error ? std::string(".") : exe.parent_path().string());
  }
  return WithSeparator(QDir::cleanPath(program_folder + "/../share/bextor").toStdString());
}

std::string OperatingSystemUserName() {
  std::string name;
  if (const passwd* entry = getpwuid(getuid()); entry && entry->pw_name) name = entry->pw_name;
  if (name.empty())
    if (const char* user = std::getenv("USER")) name = user;
  return name.substr(0, 255);
}

void WritePropertiesToIni(TIniFile& ini, TPersistent& object, const std::string& section) {
  std::string text;  // an object reference writes the text of the key before it
  for (const auto& property : SortedProperties(object)) {
    if (auto value_text = PropertyText(property)) text = std::move(*value_text);
    ini.WriteValue(section, property.Name, text);
  }
}

void ReadPropertiesFromIni(const TIniFile& ini, TPersistent& object, const std::string& section,
                           std::vector<std::string>& warnings) {
  for (const auto& property : SortedProperties(object)) {
    const std::string text = ini.ReadString(section, property.Name, kMissing);
    if (text == kMissing) continue;
    switch (property.Kind) {
      case TPropKind::Integer: {
        const auto value = ParseInteger(text);
        if (value && *value >= std::numeric_limits<std::int32_t>::min() &&
            *value <= std::numeric_limits<std::int32_t>::max()) {
          property.Set(*value);
          continue;
        }
        break;
      }
      case TPropKind::Float:
        if (const auto value = ParseDecimal(text)) {
          property.Set(*value);
          continue;
        }
        break;
      case TPropKind::String: property.Set(text); continue;
      case TPropKind::Boolean: property.Set(QString::fromStdString(text).toLower() == QStringLiteral("true")); continue;
      case TPropKind::Object: continue;
    }
    warnings.push_back(ini.FileName() + ": [" + section + "] " + property.Name + "=" + text +
                       " is not a valid number; " + property.Name + " stays " + PropertyText(property).value_or(""));
  }
}

}  // namespace bextor
