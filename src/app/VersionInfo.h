#pragma once
// The program's version record, read from "version.ini" in the shared program-data folder.

#include <string>

namespace bextor {

struct TVersionInfo {
  std::string Number;
  std::string ReleasedBy;
  std::string ReleaseDate;
  std::string DownloadFrom;
  std::string WebURL;
  std::string AuthorEmail;
};

// Reads section "Version" of "version.ini" in `shared_data_folder`; a missing key reads
// "-error-" (ReleaseDate: empty). A file that is missing or cannot be read raises
// EFileError "Can't load version.ini, check your program path!".
TVersionInfo LoadVersionInfo(const std::string& shared_data_folder);

}  // namespace bextor
