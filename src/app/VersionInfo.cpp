#include "VersionInfo.h"

#include "common/Errors.h"
#include "persistence/IniFile.h"

#include <QFileInfo>

#include <optional>

namespace bextor {

TVersionInfo LoadVersionInfo(const std::string& shared_data_folder) {
  const std::string path = shared_data_folder + "version.ini";
  std::optional<TIniFile> ini;
  try {
    if (QFileInfo(QString::fromStdString(path)).isFile()) ini.emplace(path);
  } catch (const EFileError&) {
  }
  if (!ini) throw EFileError("Can't load version.ini, check your program path!");
  const auto read = [&](const char* key, const char* missing) { return ini->ReadString("Version", key, missing); };
  return {read("Number", "-error-"),       read("ReleasedBy", "-error-"), read("ReleaseDate", ""),
          read("DownloadFrom", "-error-"), read("WebURL", "-error-"),     read("AuthorEmail", "-error-")};
}

}  // namespace bextor
