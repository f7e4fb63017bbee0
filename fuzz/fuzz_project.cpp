// Feeds arbitrary bytes to the project and driver readers as file content: any input either
// reads (with values replaced and reported where out of range) or raises the core's error;
// nothing crashes, hangs or overflows, and a project that was read can be written again.

#include "app/Project.h"
#include "common/Errors.h"
#include "persistence/DriverFile.h"
#include "persistence/IniFile.h"
#include "persistence/ProjectFile.h"
#include "settings/Settings.h"

#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const bextor::TEnvironment environment;
  const bextor::TIniFile ini =
      bextor::TIniFile::FromText(std::string_view(reinterpret_cast<const char*>(data), size));
  std::vector<std::string> warnings;
  try {
    bextor::TDriverObject driver(environment);
    bextor::ReadDriverIni(ini, driver, environment, warnings);
  } catch (const bextor::EBextorError&) {
  }
  bextor::TProject project(nullptr, environment);
  try {
    bextor::ReadProject(ini, project, warnings);
  } catch (const bextor::EBextorError&) {
    return 0;
  }
  bextor::TIniFile out = bextor::TIniFile::FromText("");
  bextor::WriteBoxIni(out, project.Box);
  bextor::WriteFiltersIni(out, project);
  bextor::WriteDriverIni(out, project.Driver);
  return 0;
}
