#include "CliSupport.h"

#include "common/AtomicFile.h"
#include "common/Errors.h"
#include "common/NumberFormat.h"
#include "persistence/DriverFile.h"
#include "persistence/IniFile.h"
#include "persistence/ProjectFile.h"

#include <QFileInfo>

#include <iostream>

namespace bextor::cli {

double NumberOption(const std::string& text, const std::string& option) {
  const auto value = ParseDecimal(text);
  if (!value) throw EBextorError(option + ": '" + text + "' is not a number");
  return *value;
}

std::string CheckNumber(const std::string& text) {
  return ParseDecimal(text) ? std::string() : "'" + text + "' is not a number";
}

std::unique_ptr<TDriverObject> ReadDriverFile(const std::string& path, const TEnvironment& environment) {
  if (!QFileInfo(QString::fromStdString(path)).isFile()) throw EFileError(path + ": file not found");
  auto driver = std::make_unique<TDriverObject>(environment);
  std::vector<std::string> warnings;
  try {
    const TIniFile ini(path);
    ReadDriverIni(ini, *driver, environment, warnings);
  } catch (const EFileError&) {
    throw;
  } catch (const EBextorError& error) {
    throw EFileError(path + ": " + error.what());
  }
  for (const auto& warning : warnings) std::cerr << "warning: " << warning << '\n';
  driver->SetFileName(path);
  return driver;
}

TProject& OpenProject(TContext& context, const std::string& path) {
  TProject* project = context.Manager.AddProject();
  try {
    for (const auto& warning : LoadProjectFromFile(path, *project)) std::cerr << "warning: " << warning << '\n';
  } catch (...) {
    context.Manager.RemoveProject(project);
    throw;
  }
  PrepareForShowing(*project);
  return *project;
}

int BoxTypeByName(const std::string& name) {
  const std::vector<std::string> names = {"closed", "vented", "bandpass4", "bandpass6", "pr", "abc"};
  for (std::size_t i = 0; i < names.size(); ++i)
    if (names[i] == name) return static_cast<int>(i);
  throw EBextorError("--box: '" + name + "' is not one of closed, vented, bandpass4, bandpass6, pr, abc");
}

void WriteOutput(const std::string& path, const std::string& bytes) {
  if (path.empty()) {
    std::cout << bytes;
    return;
  }
  std::string error;
  if (!WriteFileAtomically(path, bytes, &error)) throw EFileError(path + ": " + error);
}

std::string Number(double value) { return FormatGeneral(value, '.').value_or("nan"); }

}  // namespace bextor::cli
