#include "ProjectFile.h"

#include "app/Project.h"
#include "common/Errors.h"
#include "persistence/DriverFile.h"
#include "persistence/IniFile.h"
#include "persistence/IniValues.h"

#include <QFileInfo>

namespace bextor {
namespace {

constexpr int kMaxFilters = 1000;  // far more than any chain; guards against a damaged Count

struct TFloatKey {
  const char* Key;
  double TBox::*Field;
};

// The float keys of section "Box" between "BType" and "T", in file order.
constexpr TFloatKey kChamberKeys[] = {
    {"Vf", &TBox::Vf},         {"Ff", &TBox::Ff},         {"Qlf", &TBox::Qlf},    {"Qaf", &TBox::Qaf},
    {"Qpf", &TBox::Qpf},       {"Vr", &TBox::Vr},         {"Fr", &TBox::Fr},      {"Qlr", &TBox::Qlr},
    {"Qar", &TBox::Qar},       {"Qpr", &TBox::Qpr},       {"Vc", &TBox::Vc},      {"Fc", &TBox::Fc},
    {"Qlc", &TBox::Qlc},       {"Qac", &TBox::Qac},       {"Qpc", &TBox::Qpc},    {"Qiclfr", &TBox::Qiclfr},
    {"Qiclfc", &TBox::Qiclfc}, {"Qiclcr", &TBox::Qiclcr},
};

double ReadFloat(const TIniFile& ini, const std::string& section, const std::string& key, double default_value) {
  return StrToFloatAny(ini.ReadString(section, key, FloatToStrDot(default_value)));
}

// An integer key that must lie in [low, high]; otherwise its default and a warning.
std::int32_t ReadBounded(const TIniFile& ini, const std::string& section, const std::string& key,
                         std::int32_t default_value, std::int32_t low, std::int32_t high,
                         std::vector<std::string>& warnings) {
  const std::int32_t value = ini.ReadInteger(section, key, default_value);
  if (value >= low && value <= high) return value;
  warnings.push_back(RangeWarning(ini, section, key, value, default_value));
  return default_value;
}

std::string FilterKey(int index, const char* what) { return "filter" + std::to_string(index) + what; }

}  // namespace

void WriteProjectInfoIni(TIniFile& ini, const TProjectInfo& info) {
  // The description may hold line breaks: stored with the same marker as a comment.
  ini.WriteString("ProjectInfo", "Description", TextToIni(info.Description));
  ini.WriteString("ProjectInfo", "Creator", info.Creator);
  ini.WriteString("ProjectInfo", "CreateDate", DateToIniStr(info.CreateDate));
  ini.WriteString("ProjectInfo", "ModifyDate", DateToIniStr(info.ModifyDate));
}

void ReadProjectInfoIni(const TIniFile& ini, TProjectInfo& info) {
  info.Description = IniToText(ini.ReadString("ProjectInfo", "Description", TextToIni(info.Description)));
  info.Creator = ini.ReadString("ProjectInfo", "Creator", info.Creator);
  const std::string today = DateToIniStr(Today());
  info.CreateDate = IniStrToDate(ini.ReadString("ProjectInfo", "CreateDate", today));
  info.ModifyDate = IniStrToDate(ini.ReadString("ProjectInfo", "ModifyDate", today));
}

void WriteBoxIni(TIniFile& ini, const TBox& box) {
  const char* s = "Box";
  ini.WriteInteger(s, "BType", box.BType);
  for (const auto& key : kChamberKeys) ini.WriteFloat(s, key.Key, box.*key.Field);
  ini.WriteFloat(s, "T", box.T);
  ini.WriteFloat(s, "p", box.p);
  ini.WriteFloat(s, "phi", box.phi);
  ini.WriteFloat(s, "d", box.d);
  ini.WriteFloat(s, "Med", box.Med);
  ini.WriteInteger(s, "Nd", box.Nd);
  ini.WriteFloat(s, "Angle", box.theta);
  ini.WriteBool(s, "Isobarik", box.Isobarik);
  ini.WriteFloat(s, "alfaVC", box.alfaVC);
  ini.WriteFloat(s, "dTVC", box.dTVC);
  ini.WriteFloat(s, "Sdfport", box.Sdfport);
  ini.WriteFloat(s, "Sdrport", box.Sdrport);
  if (box.BType == btPassiveRadiator) ini.WriteInteger(s, "Npr", box.Npr);
}

void ReadBoxIni(const TIniFile& ini, TBox& box, std::vector<std::string>& warnings) {
  const std::string s = "Box";
  constexpr std::int32_t kMaxCount = 1000000;
  box.BType = ReadBounded(ini, s, "BType", btClosed, btClosed, btABC, warnings);
  for (const auto& key : kChamberKeys) box.*key.Field = ReadFloat(ini, s, key.Key, 0.0);
  box.T = ReadFloat(ini, s, "T", 293.15);
  box.p = ReadFloat(ini, s, "p", 101325.0);
  box.phi = ReadFloat(ini, s, "phi", 0.3);
  box.d = ReadFloat(ini, s, "d", 1.0);
  box.Med = ReadFloat(ini, s, "Med", 0.0);
  box.theta = ReadFloat(ini, s, "Angle", 0.0);
  box.Nd = ReadBounded(ini, s, "Nd", 1, 1, kMaxCount, warnings);
  box.Isobarik = ini.ReadBool(s, "Isobarik", false);
  box.alfaVC = ReadFloat(ini, s, "alfaVC", 0.0039);
  box.dTVC = ReadFloat(ini, s, "dTVC", 0.0);
  box.Sdfport = ReadFloat(ini, s, "Sdfport", 0.0);
  box.Sdrport = ReadFloat(ini, s, "Sdrport", 0.0);
  if (box.BType == btPassiveRadiator) box.Npr = ReadBounded(ini, s, "Npr", 1, 1, kMaxCount, warnings);
}

void WriteVentIni(TIniFile& ini, const TVent& vent, const std::string& chamber) {
  const std::string s = "Vent" + chamber;
  ini.WriteInteger(s, "Num", vent.Num);
  ini.WriteInteger(s, "Shape", vent.Shape);
  ini.WriteFloat(s, "Fb", vent.Fb);
  ini.WriteFloat(s, "Vb", vent.Vb);
  ini.WriteFloat(s, "dia1", vent.dia1);
  ini.WriteFloat(s, "dia2", vent.dia2);
  ini.WriteFloat(s, "carea", vent.carea);
  ini.WriteFloat(s, "len", vent.len);
  ini.WriteFloat(s, "endcorrection", vent.k);
  ini.WriteBool(s, "crosscalc", vent.CrossCalc);
}

void ReadVentIni(const TIniFile& ini, TVent& vent, const std::string& chamber) {
  const std::string s = "Vent" + chamber;
  vent.Num = ini.ReadInteger(s, "Num", 1);
  vent.Shape = ini.ReadInteger(s, "Shape", 1);
  vent.Fb = ReadFloat(ini, s, "Fb", 0.0);
  vent.Vb = ReadFloat(ini, s, "Vb", 0.0);
  vent.dia1 = ReadFloat(ini, s, "dia1", 0.0);
  vent.dia2 = ReadFloat(ini, s, "dia2", 0.0);
  vent.carea = ReadFloat(ini, s, "carea", 0.0);
  vent.len = ReadFloat(ini, s, "len", 0.0);
  vent.k = ReadFloat(ini, s, "endcorrection", 0.732);
  vent.CrossCalc = ini.ReadBool(s, "crosscalc", false);
}

void WritePlotSettingsIni(TIniFile& ini, const TProject& project) {
  ini.WriteInteger("PlotSettings", "Color", project.Color);
  ini.WriteInteger("PlotSettings", "Width", 1);
}

void ReadPlotSettingsIni(const TIniFile& ini, TProject& project) {
  project.Color = ini.ReadInteger("PlotSettings", "Color", 0);
}

void WriteSignalSourceIni(TIniFile& ini, const TSignalSource& signal) {
  ini.WriteFloat("SignalSource", "Rg", signal.Rg);
  ini.WriteFloat("SignalSource", "P", signal.P);
}

void ReadSignalSourceIni(const TIniFile& ini, TSignalSource& signal) {
  signal.Rg = ReadFloat(ini, "SignalSource", "Rg", 0.0);
  signal.P = ReadFloat(ini, "SignalSource", "P", 1.0);
}

void WriteFiltersIni(TIniFile& ini, const TProject& project) {
  const int count = static_cast<int>(project.Filters.size());
  ini.WriteInteger("Filters", "Count", count);
  for (int i = 0; i < count; ++i) {
    const TFilterBase& filter = *project.Filters[static_cast<std::size_t>(i)];
    const std::string text = filter.SaveToString();
    if (text.empty()) continue;
    ini.WriteInteger("Filters", FilterKey(i, "type"), filter.FFilterType);
    ini.WriteString("Filters", FilterKey(i, "params"), text);
  }
}

void ReadFiltersIni(const TIniFile& ini, TProject& project, std::vector<std::string>& warnings) {
  const int count = ReadBounded(ini, "Filters", "Count", 0, 0, kMaxFilters, warnings);
  project.Filters.clear();
  for (int i = 0; i < count; ++i) {
    auto filter = CreateFilter(ini.ReadInteger("Filters", FilterKey(i, "type"), 0));
    filter->LoadFromString(ini.ReadString("Filters", FilterKey(i, "params"), ""));
    filter->Calculate();
    project.Filters.push_back(std::move(filter));
  }
}

void WritePassiveRadiatorIni(TIniFile& ini, const TPassiveRadiator& radiator) {
  const char* s = "PassiveRadiator";
  ini.WriteFloat(s, "Vas", radiator.Vas);
  ini.WriteFloat(s, "Qms", radiator.Qms);
  ini.WriteFloat(s, "Fs", radiator.fs);
  ini.WriteFloat(s, "Sd", radiator.Sd);
  ini.WriteFloat(s, "Xmax", radiator.Xmax);
  ini.WriteFloat(s, "Me", radiator.Me);
}

void ReadPassiveRadiatorIni(const TIniFile& ini, TPassiveRadiator& radiator) {
  const std::string s = "PassiveRadiator";
  radiator.Vas = ReadFloat(ini, s, "Vas", 0.0);
  radiator.Qms = ReadFloat(ini, s, "Qms", 0.0);
  radiator.fs = ReadFloat(ini, s, "Fs", 0.0);
  radiator.Sd = ReadFloat(ini, s, "Sd", 0.0);
  radiator.Xmax = ReadFloat(ini, s, "Xmax", 0.0);
  radiator.Me = ReadFloat(ini, s, "Me", 0.0);
}

void WriteSimulatorOptionsIni(TIniFile& ini, const TSimulatorOptions& options) {
  ini.WriteBool("SimulatorOptions", "VCInd", options.VCInd);
  ini.WriteBool("SimulatorOptions", "FlatResponse", options.FlatResponse);
  ini.WriteBool("SimulatorOptions", "TLPorts", options.TLPorts);
}

void ReadSimulatorOptionsIni(const TIniFile& ini, TSimulatorOptions& options) {
  options.VCInd = ini.ReadBool("SimulatorOptions", "VCInd", false);
  options.FlatResponse = ini.ReadBool("SimulatorOptions", "FlatResponse", false);
  options.TLPorts = ini.ReadBool("SimulatorOptions", "TLPorts", false);
}

void SaveProjectToFile(const std::string& file_name, TProject& project) {
  const TDateTime previous_modify_date = project.ProjectInfo.ModifyDate;
  const auto restore = [&] { project.ProjectInfo.ModifyDate = previous_modify_date; };
  try {
    TIniFile ini(file_name);
    project.ProjectInfo.ModifyDate = Now();
    WriteProjectInfoIni(ini, project.ProjectInfo);
    WriteDriverIni(ini, project.Driver);
    WriteBoxIni(ini, project.Box);
    WriteVentIni(ini, project.Box.FrontVent, "Front");
    WriteVentIni(ini, project.Box.RearVent, "Rear");
    WriteVentIni(ini, project.Box.IntraVent, "Intra");
    WritePlotSettingsIni(ini, project);
    WriteSignalSourceIni(ini, project.Signal);
    WriteFiltersIni(ini, project);
    if (project.Box.BType == btPassiveRadiator) WritePassiveRadiatorIni(ini, project.Box.PassiveRadiator);
    WriteSimulatorOptionsIni(ini, project.Options);
    ini.UpdateFile();
  } catch (const EFileError&) {
    restore();
    throw;
  } catch (const EBextorError& error) {
    restore();
    throw EFileError(file_name + ": " + error.what());
  }
  project.SetModified(false);
  project.FileName = file_name;
}

void ReadProject(const TIniFile& ini, TProject& project, std::vector<std::string>& warnings) {
  ReadDriverIni(ini, project.Driver, project.Environment(), warnings);
  ReadBoxIni(ini, project.Box, warnings);
  ReadFiltersIni(ini, project, warnings);
  ReadVentIni(ini, project.Box.FrontVent, "Front");
  ReadVentIni(ini, project.Box.RearVent, "Rear");
  ReadVentIni(ini, project.Box.IntraVent, "Intra");
  ReadProjectInfoIni(ini, project.ProjectInfo);
  ReadPlotSettingsIni(ini, project);
  ReadSignalSourceIni(ini, project.Signal);
  ReadSimulatorOptionsIni(ini, project.Options);
  if (project.Box.BType == btPassiveRadiator) ReadPassiveRadiatorIni(ini, project.Box.PassiveRadiator);
}

std::vector<std::string> LoadProjectFromFile(const std::string& file_name, TProject& project) {
  if (!QFileInfo(QString::fromStdString(file_name)).isFile()) throw EFileError(file_name + ": file not found");
  project.FileName = file_name;
  std::vector<std::string> warnings;
  try {
    const TIniFile ini(file_name);
    // Every saved project has these sections; a file with none of them is something else.
    if (!ini.SectionExists("ProjectInfo") && !ini.SectionExists("Driver") && !ini.SectionExists("Box"))
      throw EFileError(file_name + ": not a Bextor project (no [ProjectInfo], [Driver] or [Box] section)");
    ReadProject(ini, project, warnings);
  } catch (const EFileError&) {
    throw;
  } catch (const EBextorError& error) {
    throw EFileError(file_name + ": " + error.what());
  }
  return warnings;
}

}  // namespace bextor
