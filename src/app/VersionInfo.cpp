#include "VersionInfo.h"

#include "common/Errors.h"
#include "persistence/IniFile.h"

#include <QFileInfo>

#include <optional>

namespace bextor {

namespace {
constexpr const char* kDonationKey = "Donation";
}

TVersionInfo LoadVersionInfo(const std::string& shared_data_folder) {
  const std::string path = shared_data_folder + "version.ini";
  std::optional<TIniFile> ini;
  try {
    if (QFileInfo(QString::fromStdString(path)).isFile()) ini.emplace(path);
  } catch (const EFileError&) {
  }
  if (!ini) throw EFileError("Can't load version.ini, check your program path!");
  const auto read = [&](const char* key, const char* missing) { return ini->ReadString("Version", key, missing); };
  TVersionInfo info{read("Number", "-error-"),       read("ReleasedBy", "-error-"), read("ReleaseDate", ""),
                    read("DownloadFrom", "-error-"), read("WebURL", "-error-"),     read("AuthorEmail", "-error-"), {}};
  const std::pair<const char*, const char*> links[] = {{"HomePage", "Home page"},         {"Forums", "Forums"},
                                                       {"Community", "Community page"},   {"Videos", "Video channel"},
                                                       {"ShortMessages", "Short messages"}, {kDonationKey, "Make a donation"}};
  for (const auto& [key, caption] : links) info.WebLinks.push_back({key, caption, ini->ReadString("Internet", key, "")});
  return info;
}

std::string DonationUrl(const TVersionInfo& info) {
  for (const TWebLink& link : info.WebLinks)
    if (link.Key == kDonationKey) return link.Url;
  return {};
}

}  // namespace bextor
