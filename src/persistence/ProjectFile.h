#pragma once
// Project files (.bpr): sections "ProjectInfo", "Driver", "Box", "VentFront", "VentRear",
// "VentIntra", "PlotSettings", "SignalSource", "Filters", "PassiveRadiator" (passive
// radiator boxes only) and "SimulatorOptions".

#include <string>
#include <vector>

namespace bextor {

class TBox;
class TEnvironment;
class TIniFile;
class TPassiveRadiator;
class TProject;
class TProjectInfo;
class TVent;
struct TSignalSource;
struct TSimulatorOptions;

// Writes the project into the file, keeping the sections and keys of an earlier content
// that a save does not write. The file is replaced atomically: on failure (EFileError
// "path: reason") the previous file, the project's Modified flag, its file name and its
// modification date stay as they were. On success the project is unmodified and takes the
// file name.
void SaveProjectToFile(const std::string& file_name, TProject& project);

// Reads the file into the project (whose box type decides whether the passive radiator is
// read). A missing or unreadable file, a file without any of the sections "ProjectInfo",
// "Driver" and "Box", a malformed date or an unknown filter type raise
// EFileError "path: what"; the project is then partly read and the caller discards it.
// Values out of range are replaced by their defaults and reported in the result.
std::vector<std::string> LoadProjectFromFile(const std::string& file_name, TProject& project);

// The sections of an open container, in reading order; what LoadProjectFromFile does
// after opening the file. Errors are those of the section readers.
void ReadProject(const TIniFile& ini, TProject& project, std::vector<std::string>& warnings);

void WriteProjectInfoIni(TIniFile& ini, const TProjectInfo& info);
void ReadProjectInfoIni(const TIniFile& ini, TProjectInfo& info);
void WriteBoxIni(TIniFile& ini, const TBox& box);
void ReadBoxIni(const TIniFile& ini, TBox& box, std::vector<std::string>& warnings);
// `chamber` is "Front", "Rear" or "Intra": the section is "Vent" + chamber.
void WriteVentIni(TIniFile& ini, const TVent& vent, const std::string& chamber);
void ReadVentIni(const TIniFile& ini, TVent& vent, const std::string& chamber);
void WritePlotSettingsIni(TIniFile& ini, const TProject& project);
void ReadPlotSettingsIni(const TIniFile& ini, TProject& project);
void WriteSignalSourceIni(TIniFile& ini, const TSignalSource& signal);
void ReadSignalSourceIni(const TIniFile& ini, TSignalSource& signal);
void WriteFiltersIni(TIniFile& ini, const TProject& project);
void ReadFiltersIni(const TIniFile& ini, TProject& project, std::vector<std::string>& warnings);
void WritePassiveRadiatorIni(TIniFile& ini, const TPassiveRadiator& radiator);
void ReadPassiveRadiatorIni(const TIniFile& ini, TPassiveRadiator& radiator);
void WriteSimulatorOptionsIni(TIniFile& ini, const TSimulatorOptions& options);
void ReadSimulatorOptionsIni(const TIniFile& ini, TSimulatorOptions& options);

}  // namespace bextor
